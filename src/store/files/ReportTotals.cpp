#include "store/files/ReportTotals.h"

#include <cstring>

namespace velno {

void ReportTotals::clear() {
    std::memset(values, 0, sizeof values);
}

void ReportTotals::readTotals(const DataFolder& folder) {
    const auto file = folder.read(kFileName, sizeof values);
    if (!file.found) return;
    clear();
    if (!file.bytes.empty()) std::memcpy(values, file.bytes.data(), file.bytes.size());
}

FileResult ReportTotals::writeTotals(const DataFolder& folder) const {
    return folder.write(kFileName, values, sizeof values);
}

}  // namespace velno
