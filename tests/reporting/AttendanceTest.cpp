// Meeting attendance: month totals with half-up rounding, averages over
// months, the entry dialog's lists, keys and storing, and the numbers of
// the summary, the meeting report and the attendance record.

#include <gtest/gtest.h>

#include "reporting/AnalyticsFixture.h"
#include "reporting/Attendance.h"
#include "reporting/AttendanceEarlySlot.h"
#include "reporting/AttendanceModel.h"
#include "reporting/YearAttendanceModel.h"

namespace velno::test {
namespace {

constexpr int kNov2024 = 298;
using Key = AttendanceModel::Key;

void setWeeks(MeetingBlock& b, int stamp, std::array<int, 5> weeks) {
    const int slot = slotOf(stamp);
    for (int w = 0; w < 5; ++w) b.week[w][slot] = static_cast<std::uint16_t>(weeks[w]);
    updateMonthTotals(b, slot);
}

void type(AttendanceModel& m, const std::string& keys) {
    for (const char c : keys) m.onKey(Key::Character, c);
}

TEST(AttendanceTotals, MeetingsTotalAndHalfUpAverage) {
    const auto a = monthTotals({120, 0, 118, 125, 0});
    EXPECT_EQ(a.meetings, 3);
    EXPECT_EQ(a.total, 363);
    EXPECT_EQ(a.average, 121);
    const auto b = monthTotals({10, 11, 0, 0, 0});
    EXPECT_EQ(b.meetings, 2);
    EXPECT_EQ(b.total, 21);
    EXPECT_EQ(b.average, 11);                                // 10.5 rounds up
    EXPECT_EQ(monthTotals({10, 10, 11, 0, 0}).average, 10);  // 10.33 rounds down
    EXPECT_EQ(monthTotals({0, 0, 0, 0, 0}).average, 0);
}

TEST(AttendanceAverage, OverTheWeeksOfTheMonthsAndZeroWhenAMonthIsMissing) {
    AnalyticsFixture f;
    MeetingBlock& b = f.doc.meetings().blocks[0];
    for (int i = 0; i < 6; ++i) setWeeks(b, kNov2024 - i, {100, 100, 100, 100, 0});
    setWeeks(b, kNov2024, {90, 91, 0, 0, 0});
    // (20 * 100 + 181) / 22 weeks = 99.1
    EXPECT_EQ(AttendanceAverage(b, kNov2024, 6), 99);
    EXPECT_EQ(AttendanceAverage(b, kNov2024, 1), 91);  // 90.5 rounds up
    EXPECT_DOUBLE_EQ(MonthAverage(b, 10, 0), 90.5);
    setWeeks(b, kNov2024 - 4, {0, 0, 0, 0, 0});
    EXPECT_EQ(AttendanceAverage(b, kNov2024, 6), 0);
    EXPECT_EQ(AttendanceAverage(b, kNov2024, 3), 98);  // 981 / 10
}

TEST(AttendanceModel, YearAndMonthListsFollowTheSlotsStillHeld) {
    AnalyticsFixture f;  // ReportMonth November 2024
    AttendanceModel m(f.doc);
    EXPECT_EQ(m.yearRows(), (std::vector<std::string>{"24", "23", "22"}));
    EXPECT_EQ(m.selectedYearRow(), 0);
    EXPECT_EQ(m.selectedMonth(), 10);
    EXPECT_EQ(m.monthRows().size(), 11u);
    EXPECT_EQ(m.title(), "Hadirin Perhimpunan - November - 2024");
    m.selectYearRow(1);
    EXPECT_EQ(m.monthRows().size(), 12u);
    EXPECT_EQ(m.selectedMonth(), 10);
    m.selectYearRow(2);
    EXPECT_EQ(m.monthRows(), std::vector<int>{11});
    EXPECT_EQ(m.selectedMonth(), 11);
    EXPECT_EQ(m.shownSlot(), monthSlot(11, 0));
    EXPECT_EQ(m.title(), "Hadirin Perhimpunan - Desember - 2022");
}

TEST(AttendanceModel, KeysAndMovement) {
    AnalyticsFixture f;
    AttendanceModel m(f.doc);
    EXPECT_EQ(m.focus(), (AttendanceModel::Field{0, 0}));
    type(m, "12");
    EXPECT_EQ(m.weekText(0, 0), "12");  // the field's "0" was selected and typed over
    EXPECT_FALSE(m.onKey(Key::Character, 'x'));
    EXPECT_FALSE(m.onKey(Key::Character, '-'));
    type(m, "3");
    type(m, "4");  // a fourth character starts the field over
    EXPECT_EQ(m.weekText(0, 0), "4");
    m.onKey(Key::Backspace);
    EXPECT_EQ(m.weekText(0, 0), "");
    type(m, "9 ");
    EXPECT_EQ(m.weekText(0, 0), "0");
    type(m, "7");
    EXPECT_EQ(m.weekText(0, 0), "7");
    EXPECT_TRUE(m.onKey(Key::Character, '.'));

    m.onKey(Key::Up);
    EXPECT_EQ(m.focus(), (AttendanceModel::Field{0, 4}));
    m.onKey(Key::Down);
    EXPECT_EQ(m.focus(), (AttendanceModel::Field{0, 0}));
    m.setFocus({0, 4});
    m.onKey(Key::Enter);
    EXPECT_EQ(m.focus(), (AttendanceModel::Field{1, 0}));
    m.onKey(Key::Enter);
    EXPECT_EQ(m.focus(), (AttendanceModel::Field{1, 1}));
    m.setFocus({1, 4});
    m.onKey(Key::Down);
    EXPECT_EQ(m.focus(), (AttendanceModel::Field{1, 0}));
    m.setFocus({1, 4});
    m.onKey(Key::Enter);
    EXPECT_EQ(m.focus(), (AttendanceModel::Field{0, 0}));
}

TEST(AttendanceModel, ChangingTheMonthStoresTheOneShown) {
    AnalyticsFixture f;
    AttendanceModel m(f.doc);
    const int weeks[] = {120, 0, 118, 125, 0};
    for (int w = 0; w < 5; ++w) {
        m.setFocus({1, w});
        type(m, std::to_string(weeks[w]));
    }
    EXPECT_EQ(m.totalText(1), "363");
    EXPECT_EQ(m.averageText(1), "121");
    EXPECT_FALSE(f.doc.dirty);
    m.selectMonth(9);
    const MeetingBlock& weekend = f.doc.meetings().blocks[1];
    const int nov = slotOf(kNov2024);
    EXPECT_EQ(weekend.week[2][nov], 118);
    EXPECT_EQ(weekend.meetings[nov], 3);
    EXPECT_EQ(weekend.total[nov], 363);
    EXPECT_EQ(weekend.average[nov], 121);
    EXPECT_TRUE(f.doc.dirty);
    EXPECT_EQ(m.weekText(1, 0), "0");  // October is empty
    // Back to November: the figures are there again.
    m.selectMonth(10);
    EXPECT_EQ(m.weekText(1, 3), "125");
    // A month that is not in the year's list is refused.
    f.doc.dirty = false;
    m.selectMonth(11);
    EXPECT_EQ(m.selectedMonth(), 10);
    m.finish();
    EXPECT_FALSE(f.doc.dirty);  // nothing changed
}

TEST(AttendanceModel, EarlyEntryGoesToTheWorkingSlotOfTheNextMonth) {
    AnalyticsFixture f({2025, 3, 3});  // ReportMonth February 2025, today in March
    AttendanceModel m(f.doc);
    ASSERT_TRUE(m.earlyBoxVisible());
    EXPECT_EQ(m.earlyBoxCaption(), "Maret - 2025");
    m.setEarly(true);
    EXPECT_FALSE(m.listsVisible());
    EXPECT_EQ(m.title(), "Hadirin Perhimpunan - Maret - 2025");
    EXPECT_EQ(m.shownSlot(), monthSlot(2, kEarlyEntryParity));
    type(m, "80");
    m.finish();
    const MeetingBlock& midweek = f.doc.meetings().blocks[0];
    EXPECT_EQ(midweek.week[0][monthSlot(2, kEarlyEntryParity)], 80);
    EXPECT_EQ(midweek.total[monthSlot(2, kEarlyEntryParity)], 80);
    EXPECT_EQ(midweek.week[0][monthSlot(2, 1)], 0);
    // Initialising March brings them into March's slot.
    moveEarlyAttendance(f.doc, 2, 1);
    EXPECT_EQ(midweek.week[0][monthSlot(2, 1)], 80);
    EXPECT_EQ(midweek.average[monthSlot(2, 1)], 80);

    // Later in the month after, or with the early month already past: no box.
    AnalyticsFixture late({2025, 4, 26});  // ReportMonth March, today April: offered
    EXPECT_TRUE(AttendanceModel(late.doc).earlyBoxVisible());
    late.doc.reportMonth().setStamp(stampOf(2025, 1));  // February kept open in April
    EXPECT_FALSE(AttendanceModel(late.doc).earlyBoxVisible());
}

TEST(AttendanceSection, ShareOfTheActivePublishers) {
    AnalyticsFixture f;
    for (int i = 0; i < 4; ++i) f.add(static_cast<PublisherId>(100 + i), "A", "B");
    setWeeks(f.doc.meetings().blocks[0], kNov2024, {3, 3, 3, 3, 0});
    setWeeks(f.doc.meetings().blocks[1], kNov2024, {6, 6, 6, 6, 6});
    const auto section = attendanceSection(f.doc);
    ASSERT_EQ(section.rows.size(), 2u);
    EXPECT_EQ(section.rows[0].name, "Perhimpunan Tengah Pekan");
    EXPECT_DOUBLE_EQ(section.rows[0].share, 75.0);
    EXPECT_EQ(section.rows[0].shareText, "    75%  dari    4");
    EXPECT_DOUBLE_EQ(section.rows[1].share, 150.0);
    EXPECT_EQ(section.columns[0], "November");
}

TEST(SixMonthAttendance, StoredAveragesOldestFirst) {
    AnalyticsFixture f;
    MeetingBlock& b = f.doc.meetings().blocks[0];
    for (int i = 0; i < 6; ++i) setWeeks(b, kNov2024 - i, {50 + i, 0, 0, 0, 0});
    const auto table = sixMonthAttendance(f.doc);
    EXPECT_EQ(table.heading, "Rata2 untuk Enam Bulan hingga November");
    EXPECT_EQ(table.monthHeads[0], "Jun");
    EXPECT_EQ(table.rows[0].averages[0], 55);
    EXPECT_EQ(table.rows[0].averages[5], 50);
    EXPECT_EQ(table.rows[0].sixMonthsText, "53");  // 315 / 6 = 52.5
    EXPECT_EQ(table.rows[1].sixMonthsText, "");
}

TEST(AttendanceRecord, ServiceYearsHeldAndMonthsNotYetCollected) {
    AnalyticsFixture f;  // ReportMonth November 2024: months from December 2022
    MeetingBlock& b = f.doc.meetings().blocks[0];
    setWeeks(b, kNov2024, {10, 20, 0, 0, 0});
    setWeeks(b, kNov2024 - 1, {30, 0, 0, 0, 0});
    setWeeks(b, stampOf(2023, 0), {7, 7, 7, 7, 0});
    f.open();
    auto years = attendanceRecord(f.doc, 0);
    ASSERT_EQ(years.size(), 3u);
    EXPECT_EQ(years[0].serviceYear, 2023);
    EXPECT_FALSE(years[0].months[2].shown);  // November 2022: no longer held
    EXPECT_TRUE(years[0].months[3].shown);
    EXPECT_EQ(years[0].months[4].averageText, "7.00");
    const auto& current = years[2];
    EXPECT_EQ(current.serviceYear, 2025);
    EXPECT_TRUE(current.months[2].shown);
    EXPECT_FALSE(current.months[3].shown);
    EXPECT_DOUBLE_EQ(current.meanAverage, (15.0 + 30.0) / 2);
    EXPECT_EQ(current.meanText, "22.50");
    // Before its initialisation the ReportMonth still holds old figures.
    f.setState(0);
    years = attendanceRecord(f.doc, 0);
    EXPECT_FALSE(years[2].months[2].shown);

    YearAttendanceModel model(f.doc);
    EXPECT_EQ(model.blockNames().size(), 2u);
    EXPECT_EQ(model.table().size(), 3u);
    model.selectBlock(1);
    EXPECT_EQ(model.table()[2].months[1].meetings, 0);
}

}  // namespace
}  // namespace velno::test
