#include "store/files/ViewOptions.h"

#include <algorithm>

namespace velno {

void ViewOptions::readViewOptions(const DataFolder& folder) {
    bytes.fill(0);
    const auto file = folder.read(kFileName, bytes.size());
    std::copy(file.bytes.begin(), file.bytes.end(), bytes.begin());
}

FileResult ViewOptions::writeViewOptions(const DataFolder& folder) const {
    return folder.write(kFileName, bytes.data(), bytes.size());
}

}  // namespace velno
