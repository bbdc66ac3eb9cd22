// Averages, sums with quarter hours, the pioneer-hours and service-year
// pages, the hours pages' cells and the quick view.

#include <gtest/gtest.h>

#include "reporting/AnalyticsFixture.h"
#include "reporting/QuickView.h"
#include "reporting/RecordAverages.h"
#include "reporting/TrendPageData.h"

namespace velno::test {
namespace {

constexpr int kNov2024 = 298;

TEST(QuarterHours, ThreeQuartersRoundUpOneOrTwoAreDropped) {
    EXPECT_EQ(carriedQuarterHours(1), 0);
    EXPECT_EQ(carriedQuarterHours(2), 0);
    EXPECT_EQ(carriedQuarterHours(3), 1);
    EXPECT_EQ(carriedQuarterHours(3 + 3), 1);
    EXPECT_EQ(carriedQuarterHours(7), 2);
    EXPECT_EQ(carriedQuarterHours(8), 2);
    EXPECT_EQ(hoursText(10, 3 + 3), "11½");
    EXPECT_EQ(hoursText(4, 3), "4¾");
    EXPECT_EQ(hoursText(0, 1), "¼");
    EXPECT_EQ(hoursText(0, 0), "0");
}

TEST(QuarterHours, MonthsSumCarriesThemIntoWholeHours) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Ani", "Lubis");
    reportAt(r, kNov2024, 10, 1, ServicePublisher, 3);
    reportAt(r, kNov2024 - 1, 5, 2, ServicePublisher, 3);
    const auto hours = MonthsSum(f.cls(), r, ReportItem::Hours, 2);
    EXPECT_EQ(hours.value, 16);
    EXPECT_EQ(hours.quarters, 6);
    EXPECT_EQ(hours.text, "16½");
    EXPECT_EQ(MonthsSum(f.cls(), r, ReportItem::Studies, 2).value, 3);
    // The month before is not part of a one-month sum.
    EXPECT_EQ(MonthsSum(f.cls(), r, ReportItem::Hours, 1).value, 11);
}

TEST(CategoryAverage, IsPerReportAndHonoursItsFilters) {
    AnalyticsFixture f;
    auto& a = f.add(100, "Ani", "Lubis");
    auto& b = f.add(101, "Budi", "Hasan");
    auto& c = f.add(102, "Citra", "Wijaya");
    reportMonths(a, kNov2024, 3, 60, 0, ServiceRegular);
    reportAt(b, kNov2024, 40, 0, ServiceRegular, 2);
    reportAt(b, kNov2024 - 1, 40, 0, ServiceRegular, 2);  // two halves: one hour
    reportAt(c, kNov2024, 10, 0, ServiceAuxiliary);
    a.group = 1;
    b.group = 2;
    b.flags = PrivilegeElder | RecordFlag::CustomCategory;
    // (180 + 80 + 1) / 5 reports
    EXPECT_DOUBLE_EQ(CategoryAverage(f.doc, ServiceRegular, 3, ReportItem::Hours, 0, 0), 261.0 / 5);
    EXPECT_DOUBLE_EQ(CategoryAverage(f.doc, ServiceRegular, 3, ReportItem::Hours, 2, 0), 40.5);
    EXPECT_DOUBLE_EQ(
        CategoryAverage(f.doc, ServiceRegular, 3, ReportItem::Hours, 0, PrivilegeElder), 40.5);
    EXPECT_DOUBLE_EQ(
        CategoryAverage(f.doc, ServiceRegular, 3, ReportItem::Hours, 0, CategoryFilter::Custom),
        40.5);
    EXPECT_DOUBLE_EQ(CategoryAverage(f.doc, kAnyServiceKind, 1, ReportItem::Hours, 0, 0),
                     110.0 / 3);
    EXPECT_DOUBLE_EQ(CategoryAverage(f.doc, ServiceSpecial, 6, ReportItem::Hours, 0, 0), 0.0);
}

TEST(PublisherAverage, PioneerOnlyCountsMonthsWithPioneerHours) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Ani", "Lubis");
    reportAt(r, kNov2024, 30, 2, ServiceAuxiliary, 2);
    reportAt(r, kNov2024 - 1, 12, 4, ServicePublisher);  // hours as a publisher
    reportAt(r, kNov2024 - 2, 50, 0, ServiceRegular);
    const auto cls = f.cls();
    EXPECT_DOUBLE_EQ(PublisherAverage(cls, ReportItem::Studies, r, 6, false), 1.0);
    EXPECT_DOUBLE_EQ(PublisherAverage(cls, ReportItem::Hours, r, 3, false), 92.0 / 3);
    EXPECT_DOUBLE_EQ(PublisherAverage(cls, ReportItem::Hours, r, 3, true), 40.0);
    auto& none = f.add(101, "Budi", "Hasan");
    EXPECT_DOUBLE_EQ(PublisherAverage(cls, ReportItem::Hours, none, 3, true), 0.0);
}

TEST(AveragesPage, RecentNewPublisherIsAveragedOverHisOwnMonths) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Ani", "Lubis");
    setStatus(r, 9, StatusCode::New, kNov2024 - 2);  // two months ago
    reportMonths(r, kNov2024, 3, 0, 3);
    kindAt(r, kNov2024 - 1, ServiceAuxiliary);
    auto page = averagesPage(f.doc, {});
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_DOUBLE_EQ(page.rows[0].studies6, 3.0);
    EXPECT_EQ(page.rows[0].reportedText, "3 / 3");
    EXPECT_EQ(page.rows[0].auxText, "1 / 1");
    // A reactivated publisher is judged over all six months.
    setStatus(r, 9, StatusCode::Reactivated, kNov2024 - 2);
    page = averagesPage(f.doc, {});
    EXPECT_DOUBLE_EQ(page.rows[0].studies6, 1.5);
    EXPECT_EQ(page.rows[0].studiesText, "   3.0/ 1.5");
    EXPECT_EQ(page.title, "Rata2 Tiga/Enam Bulan hingga November");
    EXPECT_EQ(page.byKind[ServicePublisher].rows, 1);
}

TEST(PioneerHours, SinceSeptemberWithFiftyHoursAMonth) {
    AnalyticsFixture f({2023, 12, 5});  // ReportMonth November 2023: service year 2024
    auto& r = f.add(100, "Ani", "Lubis");
    reportMonths(r, stampOf(2023, 10), 3, 50, 0, ServiceRegular);
    const auto page = pioneerHoursPage(f.doc);
    ASSERT_EQ(page.rows.size(), 1u);
    const auto& row = page.rows[0];
    EXPECT_EQ(page.goal, 50);
    EXPECT_EQ(row.startMonth0, 8);
    EXPECT_FALSE(row.lateStart);
    EXPECT_EQ(row.enrolledMonths, 12);
    EXPECT_EQ(row.elapsedMonths, 3);
    EXPECT_EQ(row.hours, 150);
    EXPECT_EQ(row.remaining, 450);
    ASSERT_TRUE(row.perMonth.has_value());
    EXPECT_DOUBLE_EQ(*row.perMonth, 50.0);
    EXPECT_TRUE(page.footnote.empty());
}

TEST(PioneerHours, EnrolledInJanuaryIsMarkedAndCreditCounts) {
    AnalyticsFixture f({2025, 4, 5});  // ReportMonth March 2025
    auto& r = f.add(100, "Ani", "Lubis");
    reportMonths(r, stampOf(2025, 2), 3, 40, 0, ServiceRegular);
    r.credit[slotOf(stampOf(2025, 2))] = 15;
    reportAt(r, stampOf(2024, 11), 10, 0, ServiceAuxiliary);
    const auto page = pioneerHoursPage(f.doc);
    ASSERT_EQ(page.rows.size(), 1u);
    const auto& row = page.rows[0];
    EXPECT_EQ(row.startMonth0, 0);
    EXPECT_EQ(row.enrolledMonths, 8);
    EXPECT_EQ(row.elapsedMonths, 3);
    EXPECT_EQ(row.credit, 15);
    EXPECT_EQ(row.total, 135);
    EXPECT_DOUBLE_EQ(row.average, 45.0);
    EXPECT_EQ(row.remaining, 8 * 50 - 135);
    EXPECT_DOUBLE_EQ(*row.perMonth, 265.0 / 5);
    EXPECT_EQ(row.name, "Ani Lubis *");
    EXPECT_EQ(page.footnote, " * Terdaftar sbg perintis pada Oktober atau setelahnya.");
}

TEST(PioneerHours, GoalAndAugust) {
    AnalyticsFixture older({2021, 12, 5});  // service year 2022: 70 hours
    auto& a = older.add(100, "Ani", "Lubis");
    kindAt(a, older.stamp(), ServiceRegular);
    EXPECT_EQ(pioneerHoursPage(older.doc).goal, 70);

    AnalyticsFixture august({2024, 9, 5});  // ReportMonth August 2024
    auto& b = august.add(100, "Budi", "Hasan");
    reportMonths(b, august.stamp(), 12, 70, 0, ServiceRegular);
    const auto page = pioneerHoursPage(august.doc);
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_EQ(page.rows[0].elapsedMonths, 12);
    EXPECT_EQ(page.rows[0].remaining, 0);
    EXPECT_FALSE(page.rows[0].perMonth.has_value());
}

TEST(ServiceYearTotals, QuarterHoursAreCarriedOnceOverAllRows) {
    AnalyticsFixture f;  // November: three months of the service year
    auto& a = f.add(100, "Ani", "Lubis");
    auto& b = f.add(101, "Budi", "Hasan");
    reportAt(a, kNov2024, 10, 2, ServiceAuxiliary, 1);
    reportAt(a, kNov2024 - 3, 99, 9);  // August: the year before
    reportAt(b, kNov2024 - 2, 5, 1, ServicePublisher, 2);
    b.flags = PrivilegeServant;
    const auto page = serviceYearTotalsPage(f.doc, {});
    ASSERT_EQ(page.rows.size(), 2u);
    EXPECT_EQ(page.months, 3);
    f.sort();
    const auto sorted = serviceYearTotalsPage(f.doc, {});
    // Store order: family name first, "Hasan" before "Lubis".
    EXPECT_EQ(sorted.rows[0].id, 101);
    const auto& ani = page.rows[0];
    ASSERT_EQ(ani.id, 100);
    EXPECT_EQ(ani.hours, 10);
    EXPECT_EQ(ani.hoursText, "10¼");
    EXPECT_EQ(ani.studies, 2);
    EXPECT_EQ(ani.auxiliaryMonths, 1);
    EXPECT_EQ(page.rows[1].hoursText, "5½");
    EXPECT_EQ(page.total.reportedMonths, 2);
    EXPECT_EQ(page.total.quarters, 3);
    EXPECT_EQ(page.total.hours, 16);
    EXPECT_EQ(page.total.hoursText, "15¾");
    const auto appointed = serviceYearTotalsPage(f.doc, {Selection::Appointed});
    ASSERT_EQ(appointed.rows.size(), 1u);
    EXPECT_EQ(appointed.rows[0].id, 101);
}

TEST(HoursPage, CellsFollowTheReportFormOfTheirMonth) {
    AnalyticsFixture f({2024, 3, 5});  // ReportMonth February 2024: columns March 2023 ..
    auto& r = f.add(100, "Ani", "Lubis");
    const int aug2023 = stampOf(2023, 7), jan2024 = stampOf(2024, 0), feb2024 = stampOf(2024, 1);
    reportAt(r, aug2023, 5, 0, ServicePublisher, 2);  // old form: hours shown
    reportAt(r, jan2024, 7);                          // new form, publisher: a tick
    reportAt(r, feb2024, 30, 0, ServiceAuxiliary);    // new form, pioneer: hours
    auto page = hoursPage(f.doc, {});
    ASSERT_EQ(page.rows.size(), 1u);
    const auto& cells = page.rows[0].cells;
    EXPECT_EQ(page.stamps[11], feb2024);
    EXPECT_EQ(cells[11 - (feb2024 - aug2023)].text, "5½");
    EXPECT_EQ(cells[10].kind, HoursCell::Tick);
    EXPECT_EQ(cells[11].text, "30");
    EXPECT_EQ(cells[0].kind, HoursCell::Blank);
    // On the auxiliary page only the auxiliary month is filled and averaged.
    page = hoursPage(f.doc, {Selection::AuxiliaryPioneers});
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_EQ(page.rows[0].cells[10].kind, HoursCell::Blank);
    EXPECT_EQ(page.rows[0].cells[11].text, "30");
    EXPECT_EQ(page.rows[0].averageText, "30.0");
    EXPECT_TRUE(hoursPage(f.doc, {Selection::RegularPioneers}).rows.empty());
}

TEST(QuickView, FiguresOfTheMonthServiceYearAndSixMonths) {
    AnalyticsFixture f;
    auto& a = f.add(100, "Ani", "Lubis");
    auto& b = f.add(101, "Budi", "Hasan");
    auto& c = f.add(102, "Citra", "Wijaya");
    reportMonths(a, kNov2024, 6, 60, 0, ServiceRegular);
    reportMonths(b, kNov2024, 6, 20, 0, ServiceAuxiliary);
    reportMonths(c, kNov2024, 2, 0);
    kindAt(c, kNov2024 - 4, ServiceAuxiliary);  // July: six months, not the service year
    setStatus(c, 10, StatusCode::New, kNov2024 - 1);
    setBaptism(a, 1, 1, 2000);
    a.flags = PrivilegeElder;
    b.flags = PrivilegeServant;
    b.moreBits |= MoreBit::Deaf | MoreBit::Isolated;
    auto& gone = f.add(103, "Dedi", "Gone", ListInactive);
    gone.statusMark = 10 << 4;
    gone.listYear = 24;
    f.close();
    const QuickView q = computeQuickView(f.doc);
    EXPECT_EQ(q.active, 3);
    EXPECT_EQ(q.regular, 3);
    EXPECT_EQ(q.baptized, 1);
    EXPECT_EQ(q.regularPioneers, 1);
    EXPECT_EQ(q.elders, 1);
    EXPECT_EQ(q.servants, 1);
    EXPECT_EQ(q.monthAuxiliary, 1);
    EXPECT_FALSE(q.avgHoursPublishers.has_value());  // November 2024: new form
    EXPECT_DOUBLE_EQ(q.avgHoursRegular, 60.0);
    EXPECT_DOUBLE_EQ(q.avgHoursAuxiliary, 20.0);
    EXPECT_EQ(q.serviceYear.auxiliary, 1);
    EXPECT_EQ(q.sixMonths.auxiliary, 2);
    EXPECT_EQ(q.serviceYear.newPublishers, 1);
    EXPECT_EQ(q.sixMonths.newPublishers, 1);
    EXPECT_EQ(q.serviceYear.inactive, 1);
    EXPECT_EQ(q.deaf, 1);
    EXPECT_EQ(q.isolated, 1);
    EXPECT_FALSE(q.customCategoryName.has_value());
    const QuickViewModel model(f.doc);
    EXPECT_EQ(model.boxCaption(QuickViewModel::Box::Month), "November");
    EXPECT_EQ(model.lines()[7].label, "Rata2 Jam (Pnyr):");
    EXPECT_EQ(model.lines()[7].value, "");
}

TEST(QuickView, FewerThanTwoPublishersShowOnlyTheirNumber) {
    AnalyticsFixture f;
    auto& a = f.add(100, "Ani", "Lubis");
    reportAt(a, kNov2024, 60, 0, ServiceRegular);
    a.flags = PrivilegeElder;
    const QuickView q = computeQuickView(f.doc);
    EXPECT_EQ(q.active, 1);
    EXPECT_EQ(q.regularPioneers, 0);
    EXPECT_EQ(q.elders, 0);
    EXPECT_DOUBLE_EQ(q.avgHoursRegular, 0.0);
}

TEST(QuickView, PublishersAverageIsShownUpToSeptember2023) {
    for (const auto& [today, shown] : {std::pair{CalendarDate{2023, 10, 5}, true},
                                       std::pair{CalendarDate{2023, 11, 5}, false}}) {
        AnalyticsFixture f(today);
        auto& a = f.add(100, "Ani", "Lubis");
        auto& b = f.add(101, "Budi", "Hasan");
        reportAt(a, f.stamp(), 8);
        reportAt(b, f.stamp(), 0);
        const QuickView q = computeQuickView(f.doc);
        EXPECT_EQ(q.avgHoursPublishers.has_value(), shown);
        if (shown) {
            EXPECT_DOUBLE_EQ(*q.avgHoursPublishers, 8.0);
        }
    }
}

}  // namespace
}  // namespace velno::test
