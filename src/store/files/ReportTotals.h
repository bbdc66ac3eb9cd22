#pragma once
// "tcard.dat": the saved monthly totals of each publisher category.
// Read into a document table at load and written at save.

#include <cstdint>

#include "store/DataFolder.h"

namespace velno {

struct ReportTotals {
    static constexpr const char* kFileName = "tcard.dat";
    static constexpr int kCategories = 4;
    static constexpr int kValues = 9;
    // [month0][category][value][parity]
    std::uint16_t values[12][kCategories][kValues][2]{};

    void clear();
    void readTotals(const DataFolder& folder);
    FileResult writeTotals(const DataFolder& folder) const;
};
static_assert(sizeof(ReportTotals) == 1728);

}  // namespace velno
