// The statistics page's numbers and the two yearly dialogs of pioneers'
// hours and of the congregation's activity.

#include <gtest/gtest.h>

#include "reporting/AnalyticsFixture.h"
#include "reporting/Attendance.h"
#include "reporting/Statistics.h"
#include "reporting/YearActivitySummaryModel.h"
#include "reporting/YearPioneerHoursModel.h"

namespace velno::test {
namespace {

TEST(Statistics, BaptismAndAgeBracketsCountCompletedYears) {
    AnalyticsFixture f({2024, 6, 10});
    auto& r = f.add(100, "Ani", "Lubis");
    const auto cls = f.cls();
    EXPECT_EQ(BaptismBracket(cls, r), 0);  // "Belum Terbaptis"
    setBaptism(r, 12, 1, 2023);            // December of last year, today June
    EXPECT_EQ(BaptismBracket(cls, r), 1);  // "Kurang Setahun"
    setBaptism(r, 3, 1, 2023);             // March of last year
    EXPECT_EQ(BaptismBracket(cls, r), 2);  // "1 - 4 Thn"
    setBaptism(r, 1, 1, 1980);
    EXPECT_EQ(BaptismBracket(cls, r), 6);  // "Di Atas 30 Thn "
    EXPECT_EQ(AgeBracket(cls, r), std::nullopt);
    setBirth(r, 11, 20, 1990);
    AnalyticsFixture march({2024, 3, 10});
    EXPECT_EQ(march.cls().Age(r), 33);
    EXPECT_EQ(AgeBracket(march.cls(), r), 2);  // "30 - 39"
    setBirth(r, 1, 1, 2010);
    EXPECT_EQ(AgeBracket(cls, r), 0);
    setBirth(r, 1, 1, 1950);
    EXPECT_EQ(AgeBracket(cls, r), 6);
}

TEST(Statistics, PublishersAverageHoursOnlyInOldFormMonths) {
    for (const auto& [today, lines] :
         {std::pair{CalendarDate{2023, 10, 5}, 3u}, std::pair{CalendarDate{2023, 11, 5}, 2u}}) {
        AnalyticsFixture f(today);
        f.add(100, "Ani", "Lubis");
        f.add(101, "Budi", "Hasan");
        const auto page = statisticsPage(f.doc);
        ASSERT_EQ(page.hours.size(), lines);
        EXPECT_EQ(page.hours.back().label, "( PE )");
    }
}

TEST(Statistics, FirstBlockMovementAverageHoursAndAttendance) {
    AnalyticsFixture f;  // ReportMonth November 2024
    const int nov = f.stamp();
    auto& a = f.add(100, "Ani", "Lubis");
    auto& b = f.add(101, "Budi", "Hasan");
    auto& c = f.add(102, "Citra", "Wijaya");
    auto& d = f.add(103, "Dedi", "Saputra");
    reportMonths(a, nov, 6, 50, 0, ServiceRegular);
    reportMonths(b, nov, 6, 10, 0, ServiceAuxiliary);
    reportAt(b, nov - 1, 30, 0, ServiceAuxiliary);
    reportMonths(c, nov, 2, 0);
    setStatus(c, 11, StatusCode::New, nov);
    reportMonths(d, nov, 6, 60, 0, ServiceSpecial);
    setBaptism(a, 1, 1, 2000);
    setBaptism(b, 1, 1, 2020);
    a.flags = PrivilegeElder;
    auto& inactive = f.add(104, "Eka", "Gone", ListInactive);
    inactive.statusMark = 11 << 4;
    inactive.listYear = 24;
    auto& moved = f.add(105, "Fani", "Away", ListMoved);
    moved.statusMark = 7 << 4;
    moved.listYear = 24;
    for (int i = 0; i < 6; ++i) {
        auto& block = f.doc.meetings().blocks[0];
        const int slot = slotOf(nov - i);
        block.week[0][slot] = static_cast<std::uint16_t>(40 + i);
        updateMonthTotals(block, slot);
    }
    f.close();
    const auto page = statisticsPage(f.doc);
    EXPECT_EQ(page.title, "Sidang Statistik pada akhir November");
    EXPECT_EQ(page.active, 4);
    EXPECT_EQ(page.regular.count, 4);
    EXPECT_DOUBLE_EQ(page.regular.share, 100.0);
    EXPECT_EQ(page.baptized.count, 2);
    EXPECT_DOUBLE_EQ(page.baptized.share, 50.0);
    EXPECT_EQ(page.regularPioneers, 1);
    EXPECT_EQ(page.specialPioneers, 1);
    EXPECT_EQ(page.elders, 1);
    ASSERT_EQ(page.movement.size(), 5u);
    EXPECT_EQ(page.movementHeads[0], "Nov");
    const auto& aux = page.movement[0];
    EXPECT_EQ(aux.month, 1);
    EXPECT_EQ(aux.sixMonths, 1);
    EXPECT_EQ(aux.serviceYear, 1);
    EXPECT_EQ(page.movement[1].month, 1);  // Citra, new in November
    EXPECT_EQ(page.movement[2].month, 1);  // Eka, inactive in November
    EXPECT_EQ(page.movement[4].month, 0);  // Fani moved in July
    EXPECT_EQ(page.movement[4].sixMonths, 1);
    EXPECT_EQ(page.movement[4].serviceYear, 0);
    ASSERT_EQ(page.hours.size(), 2u);  // no publishers' line in November 2024
    EXPECT_DOUBLE_EQ(page.hours[0].month, 50.0);
    EXPECT_DOUBLE_EQ(page.hours[1].sixMonths, 80.0 / 6);
    EXPECT_EQ(page.serviceYearMonths, 3);
    EXPECT_DOUBLE_EQ(page.hours[1].serviceYear, 50.0 / 3);
    EXPECT_EQ(page.attendance[0].month, 40);
    EXPECT_EQ(page.attendance[0].threeMonths, 41);
    EXPECT_EQ(page.attendance[0].sixMonths, 43);  // 42.5 rounds up
    EXPECT_EQ(page.attendance[1].sixMonths, 0);   // no weekend figures at all
    EXPECT_EQ(page.baptism[0].value.count, 2);
    EXPECT_DOUBLE_EQ(page.baptism[0].value.share, 50.0);
    EXPECT_EQ(page.withoutBirthDate, 4);
}

TEST(YearPioneerHoursModel, RemainingHoursAndThePreviousYear) {
    AnalyticsFixture f({2023, 12, 5});  // ReportMonth November 2023
    auto& r = f.add(100, "Ani", "Lubis");
    reportMonths(r, f.stamp(), 2, 50, 0, ServiceRegular);  // since October
    r.credit[slotOf(f.stamp())] = 5;
    f.add(101, "Budi", "Hasan");
    YearPioneerHoursModel m(f.doc);
    ASSERT_EQ(m.publisherRows(), std::vector<std::string>{"Ani Lubis"});
    EXPECT_EQ(m.caption(), "Jam Perintis Setahun - Ani Lubis");
    EXPECT_EQ(m.sinceLine(), "Merintis sejak Oktober");
    EXPECT_EQ(m.total(), 105);
    EXPECT_EQ(m.remaining(), 11 * 50 - 105);
    EXPECT_EQ(m.remainingLine(), "Total Jam yang Tersisa ( Des - Agt ) = 445");
    EXPECT_EQ(m.perMonthLine(), "Rata2 Jam Tersisa Setiap Bulan ( Des - Agt ) = 49.4");
    const auto table = m.monthTable();
    ASSERT_EQ(table.size(), 12u);
    EXPECT_EQ(table[2].hours, 50);
    EXPECT_EQ(table[2].credit, 5);
    EXPECT_FALSE(table[3].shown);
    m.setPreviousYear(true);
    EXPECT_EQ(m.remainingLine(), "");
    EXPECT_EQ(m.yearLine(), "Tahun Dinas Ini : 2023");
    EXPECT_TRUE(m.monthTable()[11].shown);
}

TEST(YearActivitySummaryModel, ActiveFileAndBranchHistory) {
    AnalyticsFixture f;  // ReportMonth November 2024
    auto& a = f.add(100, "Ani", "Lubis");
    auto& b = f.add(101, "Budi", "Hasan");
    auto& m = f.add(102, "Mira", "Utusan");
    reportMonths(a, f.stamp(), 12, 50, 2, ServiceRegular);
    reportMonths(b, f.stamp(), 12, 9, 1);
    reportMonths(m, f.stamp(), 12, 70, 0, ServiceSpecial);
    m.categoryBits = CategoryBit::Missionary;
    f.doc.totals().values[10][0][8][0] = 44;  // November 2024, publishers reporting
    f.doc.totals().values[10][0][2][0] = 99;  // publishers' hours are never shown

    YearActivitySummaryModel model(f.doc);
    EXPECT_EQ(model.periodButtonCaption(), "&Total/Rata2 12 Bulan Terakhir");
    ASSERT_EQ(model.rows().size(), 12u);
    EXPECT_EQ(model.rows()[2].values, (std::array<int, 4>{1, 0, 1, 0}));
    EXPECT_FALSE(model.rows()[3].shown);
    EXPECT_EQ(model.periodTotal()[2], 12);
    model.selectValue(YearActivitySummaryModel::Value::Hours);
    EXPECT_EQ(model.rows()[2].values, (std::array<int, 4>{0, 0, 50, 0}));
    model.cyclePeriod();
    EXPECT_EQ(model.periodButtonCaption(), "&Total/Rata2 6 Bulan Terakhir");
    EXPECT_EQ(model.periodTotal()[2], 300);
    model.cyclePeriod();
    EXPECT_EQ(model.periodMonths(), 3);
    EXPECT_DOUBLE_EQ(model.periodAverage()[2], 50.0);
    model.selectSource(YearActivitySummaryModel::Source::ReportedToBranch);
    EXPECT_EQ(model.rows()[2].values[0], 0);
    model.selectValue(YearActivitySummaryModel::Value::Reporting);
    EXPECT_EQ(model.rows()[2].values[0], 44);
}

}  // namespace
}  // namespace velno::test
