#include "print/AnalysisPages.h"
#include "print/HoursPages.h"
#include "print/MeetingReportPage.h"
#include "print/MonthAveragesPage.h"
#include "print/PioneerHoursPage.h"
#include "print/ReportKinds.h"
#include "print/ServiceYearTotalsPages.h"
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
    setReportDrawer(5, drawAverages<Selection::Congregation>);
    setReportDrawer(6, drawAverages<Selection::Group>);
    setReportDrawer(7, drawAverages<Selection::RegularPioneers>);
    setReportDrawer(8, drawAverages<Selection::Elders>);
    setReportDrawer(9, drawAverages<Selection::Servants>);
    setReportDrawer(10, drawAverages<Selection::BaptizedBrothers>);
    setReportDrawer(11, drawAverages<Selection::Custom>);
    setReportDrawer(40, drawHours<Selection::Congregation>);
    setReportDrawer(41, drawHours<Selection::Group>);
    setReportDrawer(42, drawHours<Selection::RegularPioneers>);
    setReportDrawer(39, drawHours<Selection::AuxiliaryPioneers>);
    setReportDrawer(43, drawHours<Selection::Appointed>);
    setReportDrawer(48, drawHours<Selection::BaptizedBrothers>);
    setReportDrawer(38, drawHours<Selection::Custom>);
    setReportDrawer(44, drawServiceYearTotals<Selection::Congregation>);
    setReportDrawer(45, drawServiceYearTotals<Selection::RegularPioneers>);
    setReportDrawer(46, drawServiceYearTotals<Selection::Appointed>);
    setReportDrawer(47, drawPioneerHoursPage);
}

}  // namespace velno::print
