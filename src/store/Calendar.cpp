#include "store/Calendar.h"

#include <cstdio>

namespace velno {

std::string formatStamp(int stamp) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d-%.2d", yearOfStamp(stamp), month0OfStamp(stamp) + 1);
    return buffer;
}

}  // namespace velno
