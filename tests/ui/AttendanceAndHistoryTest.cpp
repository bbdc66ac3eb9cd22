// The attendance dialog and the history editor driven by keyboard from the
// window's commands, and what they leave in the document.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "MonthCycleFixture.h"
#include "ShellFixture.h"
#include "app/commands/CommandIds.h"
#include "reporting/Attendance.h"
#include "reporting/TallyMonth.h"
#include "reporting/ui/AttendanceDialog.h"
#include "reporting/ui/HistoryEditorDialog.h"
#include "store/CVelnoDoc.h"

namespace velno {
namespace {

using test::press;
using test::type;

void typeWeeks(const std::array<const char*, kMeetingWeeks>& weeks) {
    for (const char* w : weeks) {
        type(w);
        press(Qt::Key_Return);
    }
}

TEST(AttendanceDialogKeys, WeeksByKeyboardAcrossBothMeetings) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int slot = doc.reportMonth().slot();
    bool seen = false;
    test::whenModal<AttendanceDialog>([&](AttendanceDialog* d) {
        seen = true;
        EXPECT_EQ("Hadirin Perhimpunan - November - 2026", d->windowTitle().toStdString());
        // Today is in the month after the ReportMonth: it can be entered early.
        EXPECT_TRUE(d->earlyCheck()->isVisible());
        EXPECT_EQ("Desember - 2026", d->earlyCheck()->text().toStdString());
        EXPECT_EQ(d->weekField(0, 0), QApplication::focusWidget());

        typeWeeks({"120", "0", "118", "125", "0"});
        // Enter from the midweek's fifth week goes on to the weekend's first.
        EXPECT_EQ(d->weekField(1, 0), QApplication::focusWidget());
        const MonthAttendance mid = monthTotals({120, 0, 118, 125, 0});
        EXPECT_EQ(QString::number(mid.total), d->totalLabel(0)->text());
        EXPECT_EQ(QString::number(mid.average), d->averageLabel(0)->text());

        // Three digits at most: a fourth starts the field over.
        type("1234");
        EXPECT_LE(d->weekField(1, 0)->text().size(), 3);
        // Space puts "0"; letters are refused.
        press(Qt::Key_Space);
        EXPECT_EQ("0", d->weekField(1, 0)->text());
        type("1a0");
        EXPECT_EQ("10", d->weekField(1, 0)->text());
        // Down and Up wrap within the block.
        press(Qt::Key_Up);
        EXPECT_EQ(d->weekField(1, 4), QApplication::focusWidget());
        press(Qt::Key_Down);
        EXPECT_EQ(d->weekField(1, 0), QApplication::focusWidget());
        press(Qt::Key_Down);
        type("11");
        // No meeting in the last three weeks: Space puts "0".
        for (int week = 2; week < kMeetingWeeks; ++week) {
            press(Qt::Key_Down);
            press(Qt::Key_Space);
        }
        EXPECT_EQ(d->weekField(1, 4), QApplication::focusWidget());
        press(Qt::Key_Return);
        EXPECT_EQ(d->weekField(0, 0), QApplication::focusWidget());
        const MonthAttendance end = monthTotals({10, 11, 0, 0, 0});
        EXPECT_EQ(QString::number(end.average), d->averageLabel(1)->text());
        d->finishButton()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);  // "&Selesai"
    });
    shell.window().trigger(app::cmd::PanelAttendance);
    ASSERT_TRUE(seen);

    const MeetingBlock& mid = doc.meetings().blocks[0];
    EXPECT_EQ(120, mid.week[0][slot]);
    EXPECT_EQ(125, mid.week[3][slot]);
    EXPECT_EQ(3, mid.meetings[slot]);
    EXPECT_EQ(120 + 118 + 125, mid.total[slot]);
    const MeetingBlock& end = doc.meetings().blocks[1];
    EXPECT_EQ(10, end.week[0][slot]);
    EXPECT_EQ(11, end.week[1][slot]);
    EXPECT_EQ(2, end.meetings[slot]);
    EXPECT_EQ(monthTotals({10, 11, 0, 0, 0}).average, end.average[slot]);
    EXPECT_TRUE(doc.dirty);
}

TEST(AttendanceDialogKeys, ChangingMonthStoresTheShownOneAndEscapeStoresToo) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int nov = doc.reportMonth().slot();
    const int oct = monthSlot(9, doc.reportMonth().parity());
    test::whenModal<AttendanceDialog>([&](AttendanceDialog* d) {
        type("77");
        // Moving to October keeps November's figure.
        d->monthList()->setFocus();
        press(Qt::Key_Up);
        EXPECT_EQ("Hadirin Perhimpunan - Oktober - 2026", d->windowTitle().toStdString());
        EXPECT_EQ(77, doc.meetings().blocks[0].week[0][nov]);
        d->weekField(0, 1)->setFocus();
        type("66");
        press(Qt::Key_Escape);
    });
    shell.window().trigger(app::cmd::Attendance);
    EXPECT_EQ(66, doc.meetings().blocks[0].week[1][oct]);
}

TEST(HistoryEditorKeys, QuarterHoursAndTotalsAreWrittenAsTyped) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const ReportMonth& m = doc.reportMonth();
    const int oct = monthSlot(9, m.parity());
    PublisherId id = 0;
    bool seen = false;
    test::whenModal<HistoryEditorDialog>([&](HistoryEditorDialog* d) {
        seen = true;
        EXPECT_EQ("Edit History", d->windowTitle().toStdString());
        EXPECT_EQ(d->publisherList(), QApplication::focusWidget());
        press(Qt::Key_Down);  // the second publisher
        const int row = d->publisherList()->currentRow();
        ASSERT_EQ(1, row);
        id = doc.store().at(doc.store().subList(ListActive)[row]).id;
        d->monthList()->setFocus();
        press(Qt::Key_Up);  // October
        EXPECT_EQ(9, d->monthList()->currentRow());
        EXPECT_TRUE(d->sharedCheck()->isVisible()) << "a month of the new form";
        EXPECT_FALSE(d->underHourCheck()->isVisible());

        QSpinBox* quarters = d->field(HistoryEditorDialog::QuarterHours);
        quarters->setFocus();
        press(Qt::Key_A, Qt::ControlModifier);
        type("3");
        EXPECT_EQ(3, doc.store().recordById(id)->studiesWord[oct] >> StudiesWord::QuarterShift);
        press(Qt::Key_Up);
        EXPECT_EQ(4, doc.store().recordById(id)->studiesWord[oct] >> StudiesWord::QuarterShift);
        // Quarter hours stop at 15: the field has four bits.
        press(Qt::Key_A, Qt::ControlModifier);
        type("99");
        EXPECT_LE(doc.store().recordById(id)->studiesWord[oct] >> StudiesWord::QuarterShift, 15);

        // "Totals": the publishers' quarter hours of October's history.
        d->totalsCheck()->setFocus();
        press(Qt::Key_Space);
        EXPECT_TRUE(d->totalsNote()->isVisible());
        EXPECT_FALSE(d->publisherList()->isEnabled());
        quarters->setFocus();
        press(Qt::Key_A, Qt::ControlModifier);
        type("2");
        EXPECT_EQ(2, MonthlyHistory(doc, 9, m.parity())
                         .at(TallyCategory::Publishers, TallyValue::QuarterHours));
        press(Qt::Key_Escape);
    });
    doc.dirty = false;
    shell.window().trigger(app::cmd::PanelEditHistory);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(doc.dirty);
}

}  // namespace
}  // namespace velno
