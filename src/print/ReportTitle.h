#pragma once
// The head of a report page: the title, optional lines under it, and a rule
// across the page carrying the printed-date stamp at its right end; and its
// foot, the page numbers.

#include <string>
#include <vector>

#include "print/PageFlow.h"

namespace velno::print {

// Left and right edges of the report's content, in device units.
int contentLeft(const ReportContext& ctx);
int contentRight(const ReportContext& ctx);

// Draws the title in the Title font and each of `under` in the Text font,
// then the rule; the flow ends a little below the rule.
void drawReportTitle(ReportContext& ctx, PageFlow& flow, const std::string& title,
                     const std::vector<std::string>& under = {});

// The foot of a report of several pages: "Halaman n dari m" below the body
// of every page the flow reached. Returns the page count.
int drawPageNumbers(ReportContext& ctx, const PageFlow& flow);

}  // namespace velno::print
