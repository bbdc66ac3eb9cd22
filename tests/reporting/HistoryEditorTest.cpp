// The history editor: which checks it offers, what it writes, the totals
// mode, and the months a record no longer holds.

#include <gtest/gtest.h>

#include "reporting/HistoryEditorModel.h"
#include "reporting/LateReports.h"
#include "reporting/MonthFixture.h"

namespace velno {
namespace {

using test::MonthFixture;
using test::report;

constexpr int kJanuary = 0, kFebruary = 1, kMarch = 2, kAugust = 7;

TEST(HistoryEditor, DoesNothingWithoutPublishers) {
    MonthFixture f;
    EXPECT_FALSE(HistoryEditorModel(f.doc).available());
}

TEST(HistoryEditor, WritesEveryFieldOfTheSlot) {
    MonthFixture f;  // March 2025
    f.add(101, "Budi", "Santoso");
    HistoryEditorModel editor(f.doc);
    ASSERT_TRUE(editor.available());
    EXPECT_EQ((std::vector<int>{2023, 2024, 2025}), editor.yearRows());
    EXPECT_EQ(2, editor.yearRow());
    editor.select(0, kFebruary, 2);
    ASSERT_TRUE(editor.slotHeld());
    EXPECT_TRUE(editor.sharedVisible());
    EXPECT_FALSE(editor.underHourVisible());
    HistorySlot v = editor.values();
    v.hours = 20;
    v.quarterHours = 3;
    v.studies = 2;
    v.credit = 4;
    v.placements = 6;
    v.kind = ServiceRegular;
    v.shared = true;
    editor.setValues(v);
    EXPECT_TRUE(editor.apply());
    const int february = MonthFixture::slot(kFebruary, 2025);
    const PublisherRecord& budi = f.rec(101);
    EXPECT_EQ(20, budi.hours[february]);
    EXPECT_EQ(2 | StudiesWord::SharedOrUnderHour | 3u << StudiesWord::QuarterShift,
              budi.studiesWord[february]);
    EXPECT_EQ(4, budi.credit[february]);
    EXPECT_EQ(6, budi.placements[february]);
    EXPECT_EQ(ServiceRegular, budi.kindAt(february));
    EXPECT_TRUE(f.doc.dirty);
}

TEST(HistoryEditor, UnderOneHourOnlyInOlderMonthsWithoutHours) {
    MonthFixture f({2024, 8, 4});  // ReportMonth July 2024
    f.add(101, "Budi", "Santoso");
    HistoryEditorModel editor(f.doc);
    editor.select(0, kAugust, 1);  // August 2023: the older form
    EXPECT_FALSE(editor.sharedVisible());
    EXPECT_TRUE(editor.underHourVisible());
    HistorySlot v = editor.values();
    v.hours = 2;
    v.shared = true;
    editor.setValues(v);
    EXPECT_FALSE(editor.underHourVisible());
    EXPECT_FALSE(editor.values().shared);
}

TEST(HistoryEditor, TheLateCheckShowsOnlyThisMonthsMarkAndUncheckingDropsIt) {
    MonthFixture f;
    f.add(101, "Budi", "Santoso");
    report(f.rec(101), MonthFixture::slot(kFebruary, 2025), 5);
    report(f.rec(101), MonthFixture::slot(kJanuary, 2025), 5);
    f.rec(101).lateMark[MonthFixture::slot(kJanuary, 2025)] = kJanuary + 1;  // an older month's
    AddLateReport(f.doc, 101, kFebruary);
    {
        HistoryEditorModel editor(f.doc);  // writes the marks from the list
        editor.select(0, kJanuary, 2);
        EXPECT_FALSE(editor.lateVisible());
        editor.select(0, kFebruary, 2);
        ASSERT_TRUE(editor.lateVisible());
        HistorySlot v = editor.values();
        EXPECT_TRUE(v.late);
        v.late = false;
        editor.setValues(v);
        editor.apply();
    }  // closing rebuilds the list from the marks
    EXPECT_EQ(0, f.doc.lateReports().count());
}

// The record holds 24 months; a month outside them shares its slot with a
// newer one, and writing it used to overwrite that month.
TEST(HistoryEditor, MonthsTheRecordNoLongerHoldsCannotBeWritten) {
    MonthFixture f;  // March 2025
    f.add(101, "Budi", "Santoso");
    report(f.rec(101), MonthFixture::slot(kMarch, 2025), 9);
    HistoryEditorModel editor(f.doc);
    editor.select(0, kMarch, 0);  // March 2023
    EXPECT_FALSE(editor.slotHeld());
    EXPECT_EQ(0, editor.values().hours);
    HistorySlot v;
    v.hours = 1;
    editor.setValues(v);
    EXPECT_FALSE(editor.apply());
    editor.select(0, 5, 2);  // June 2025 has not come yet
    EXPECT_FALSE(editor.slotHeld());
    editor.select(0, 5, 0);  // June 2023 is still held
    EXPECT_TRUE(editor.slotHeld());
    EXPECT_EQ(9, f.rec(101).hours[MonthFixture::slot(kMarch, 2025)]);
}

TEST(HistoryEditor, TotalsModeEditsTheSavedMonthlyTotals) {
    MonthFixture f;
    f.add(101, "Budi", "Santoso");
    HistoryEditorModel editor(f.doc);
    EXPECT_EQ("", editor.totalsNote());
    editor.setTotalsMode(true);
    EXPECT_EQ(0u, editor.totalsNote().find("Totals should match your monthly reports"));
    editor.select(0, kFebruary, 2);
    editor.setCategory(TallyCategory::Regular);
    editor.setTotalValue(TallyValue::Hours, 310);
    editor.setTotalValue(TallyValue::QuarterHours, 3);
    EXPECT_EQ(310, editor.totalValue(TallyValue::Hours));
    EXPECT_EQ(310,
              MonthlyHistory(f.doc, kFebruary, 1).at(TallyCategory::Regular, TallyValue::Hours));
    EXPECT_EQ(
        3,
        MonthlyHistory(f.doc, kFebruary, 1).at(TallyCategory::Regular, TallyValue::QuarterHours));
    EXPECT_FALSE(editor.apply());  // the record is not touched in this mode
}

TEST(HistoryEditor, InJanuaryBeforeItIsOpenedLastYearIsPreselected) {
    MonthFixture f({2025, 2, 3});  // ReportMonth January
    f.add(101, "Budi", "Santoso");
    f.setState(kJanuary, Collection::NotInitialised);
    EXPECT_EQ(1, HistoryEditorModel(f.doc).yearRow());
    f.setState(kJanuary, Collection::Open);
    EXPECT_EQ(2, HistoryEditorModel(f.doc).yearRow());
}

}  // namespace
}  // namespace velno
