#pragma once
// The meeting report (the month's attendance and the averages of the last
// six months) and the attendance section that closes the congregation
// summary and the analyses.

#include "print/PageFlow.h"

namespace velno::print {

int drawMeetingReport(ReportContext& ctx);  // kind 4

// The month's attendance per meeting, headed in the given font; kept on
// one page.
void drawAttendanceSection(ReportContext& ctx, PageFlow& flow, FontRole headingFont);

}  // namespace velno::print
