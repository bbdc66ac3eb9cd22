#pragma once
// The document's state while a month-end snapshot is open read-only: the
// live data folder and ReportMonth to return to.

#include <filesystem>

#include "store/ReportMonth.h"

namespace velno {

struct OldReportView {
    std::filesystem::path liveFolder;
    ReportMonth liveMonth;
    int monthsBack = 0;  // 1..6 while a snapshot is open, else 0
};

}  // namespace velno
