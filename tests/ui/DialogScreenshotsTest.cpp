// Every dialog of the monthly cycle on the screen: grabbed into
// tests/artefacts to be looked at, and checked that no caption or button
// text is cut off.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "MonthCycleFixture.h"
#include "ShellFixture.h"
#include "publishers/PublisherStatusModel.h"
#include "publishers/ui/PublisherStatusDialog.h"
#include "reporting/AttendanceModel.h"
#include "reporting/CollectionState.h"
#include "reporting/HistoryEditorModel.h"
#include "reporting/QuickView.h"
#include "reporting/ReportListModel.h"
#include "reporting/StartCollectionModel.h"
#include "reporting/ui/AttendanceDialog.h"
#include "reporting/ui/HistoryEditorDialog.h"
#include "reporting/ui/QuickViewDialog.h"
#include "reporting/ui/ReportListDialog.h"
#include "reporting/ui/ReportSlipDialog.h"
#include "reporting/ui/StartCollectionDialog.h"
#include "reporting/ui/YearDialogs.h"
#include "store/CVelnoDoc.h"

namespace velno {
namespace {

void look(QDialog& dialog, const QString& name) {
    test::saveScreenshot(dialog, name);
    for (const std::string& text : test::textsCutOff(dialog))
        ADD_FAILURE() << name.toStdString() << ": " << text;
    dialog.hide();
}

TEST(DialogScreenshots, StartDialogAndReportList) {
    test::MonthCycleFixture f(40);
    CVelnoDoc& doc = f.doc();
    StartCollectionModel start(doc);
    StartCollectionDialog startDialog(start);
    look(startDialog, "dialog-start");

    ReportListModel list(doc);
    ReportListDialog listDialog(list);
    look(listDialog, "dialog105-report-list");
}

TEST(DialogScreenshots, StartDialogWithEveryButton) {
    // A closed month late in the month: advice, reopening, reinitialising
    // and the early start all show.
    test::ShellFixture shell(40);
    shell.open();
    CVelnoDoc& doc = shell.doc();
    CloseCollection(doc);
    doc.reportMonth().todayDay = 26;
    StartCollectionModel start(doc);
    StartCollectionDialog dialog(start);
    EXPECT_TRUE(dialog.reopenButton()->isDefault());
    look(dialog, "dialog-start-closed-month");
    EXPECT_TRUE(dialog.adviceButton()->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.earlyStartButton()->text().contains("Desember"));
    EXPECT_TRUE(dialog.initialiseButton()->text().startsWith("Reinitialize"));
}

TEST(DialogScreenshots, SlipsOfAPublisherAndARegularPioneer) {
    test::ShellFixture shell(120);
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int slot = doc.reportMonth().slot();
    int publisher = 0, regular = 0;
    for (int pos : doc.store().subList(ListActive)) {
        const int kind = doc.store().at(pos).kindAt(slot);
        if (kind == ServiceRegular && !regular) regular = pos;
        if (kind == ServicePublisher && !publisher) publisher = pos;
    }
    ASSERT_TRUE(publisher && regular);
    ReportSlipModel plain(doc, publisher);
    ReportSlipDialog plainDialog(plain);
    look(plainDialog, "dialog107-slip-publisher");

    ReportSlipModel pioneer(doc, regular);
    pioneer.setShared(true);
    ReportSlipDialog pioneerDialog(pioneer);
    look(pioneerDialog, "dialog107-slip-regular");
    pioneer.showMonthList();
    ReportSlipDialog monthDialog(pioneer);
    look(monthDialog, "dialog107-slip-month-list");
}

TEST(DialogScreenshots, TheOtherDialogs) {
    test::ShellFixture shell(120);
    shell.open();
    CVelnoDoc& doc = shell.doc();

    PublisherStatusModel status(doc.reportMonth(), "Budi Santoso", StatusFields{0x31, 0x31, 0});
    PublisherStatusDialog statusDialog(status);
    look(statusDialog, "dialog103-status");

    {
        HistoryEditorModel history(doc);
        HistoryEditorDialog historyDialog(history);
        look(historyDialog, "dialog152-history");
    }

    const QuickViewModel quick(doc);
    QuickViewDialog quickDialog(quick);
    look(quickDialog, "dialog119-quick-view");
    QLabel* active = quickDialog.valueLabel(QuickViewModel::Box::Congregation, "Pnyr Aktif:");
    ASSERT_NE(nullptr, active);
    EXPECT_EQ(static_cast<int>(doc.store().subList(ListActive).size()),
              active->text().trimmed().toInt());

    YearPioneerHoursModel hours(doc);
    YearPioneerHoursDialog hoursDialog(hours);
    look(hoursDialog, "dialog137-pioneer-hours");

    YearActivitySummaryModel summary(doc);
    YearActivitySummaryDialog summaryDialog(summary);
    look(summaryDialog, "dialog134-year-summary");

    AttendanceModel attendance(doc);
    AttendanceDialog attendanceDialog(attendance);
    look(attendanceDialog, "dialog109-attendance");

    YearAttendanceModel year(doc);
    YearAttendanceDialog yearDialog(year);
    look(yearDialog, "dialog135-year-attendance");
}

}  // namespace
}  // namespace velno
