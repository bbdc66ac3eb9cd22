#pragma once
// The congregation analysis ("Pioneers - Groups" and "A - Z"), the analysis
// of one field service group and the congregation summary: one page
// routine that lays out the numbers of congregationAnalysis, followed by
// the branch report box and the month's meeting attendance.

#include "print/PageFlow.h"

namespace velno::print {

int drawAnalysisPioneersGroups(ReportContext& ctx);  // kind 1
int drawAnalysisAtoZ(ReportContext& ctx);            // kind 110
int drawGroupAnalysis(ReportContext& ctx);           // kind 2, group ctx.group
int drawSummary(ReportContext& ctx);                 // kind 3

// The box "Laporan ... ke Kantor Cabang" at the flow's line, kept on one
// page.
void drawBranchReportBox(ReportContext& ctx, PageFlow& flow);

}  // namespace velno::print
