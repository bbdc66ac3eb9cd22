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
#include "reporting/AttendanceModel.h"
#include "reporting/CollectionState.h"
#include "reporting/HistoryEditorModel.h"
#include "reporting/PublisherStatusModel.h"
#include "reporting/QuickView.h"
#include "reporting/ReportListModel.h"
#include "reporting/StartCollectionModel.h"
#include "reporting/ui/AttendanceDialog.h"
#include "reporting/ui/HistoryEditorDialog.h"
#include "reporting/ui/PublisherStatusDialog.h"
#include "reporting/ui/QuickViewDialog.h"
#include "reporting/ui/ReportListDialog.h"
#include "reporting/ui/ReportSlipDialog.h"
#include "reporting/ui/StartCollectionDialog.h"
#include "reporting/ui/YearDialogs.h"
#include "store/CVelnoDoc.h"

namespace velno {
namespace {

// Texts drawn in less room than they need.
std::vector<std::string> cutOff(QWidget* dialog) {
    std::vector<std::string> cut;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap()) continue;
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
        } else {
            continue;
        }
        if (!text.isEmpty() && w->width() < w->minimumSizeHint().width())
            cut.push_back(text.toStdString());
    }
    return cut;
}

void look(QDialog& dialog, const QString& name) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(test::artefactFolder() + "/" + name + ".png"));
    for (const std::string& text : cutOff(&dialog))
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
