#include "print/AnalysisPages.h"
#include "print/MeetingReportPage.h"
#include "print/ReportKinds.h"
#include "print/StatisticsPage.h"

namespace velno::print {

void registerReportPages() {
    // Each page module registers its kinds here as it is built.
    setReportDrawer(1, drawAnalysisPioneersGroups);
    setReportDrawer(110, drawAnalysisAtoZ);
    setReportDrawer(2, drawGroupAnalysis);
    setReportDrawer(3, drawSummary);
    setReportDrawer(4, drawMeetingReport);
    setReportDrawer(20, drawStatistics);
}

}  // namespace velno::print
