#pragma once
// Every card of a job into one PDF file. The cards are written into a
// file beside the target and renamed over it only when complete, so a
// cancelled or failed export leaves no half-written file.

#include <string>

#include "print/RecordCardPrinting.h"

namespace velno::print {

struct CardsPdfResult {
    bool ok = false;
    bool cancelled = false;
    int pages = 0;
    std::string message;  // why it failed, naming the file (UTF-8)
};

CardsPdfResult writeCardsPdf(const CVelnoDoc& doc, const ReportFonts& fonts,
                             const std::string& path, const CardJob& job, const CalendarDate& today,
                             bool a4, const CardProgress& progress);

}  // namespace velno::print
