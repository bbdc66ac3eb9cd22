// The classification predicates at the places where they go wrong: the
// open ReportMonth, year wraps, special pioneers, status marks of new and
// reactivated publishers, remarks instead of reports, side lists.

#include <gtest/gtest.h>

#include "reporting/AnalyticsFixture.h"
#include "reporting/Classification.h"

namespace velno::test {
namespace {

constexpr int kNov2024 = 298;  // the fixture's ReportMonth
constexpr int kFeb2025 = 301;

TEST(Classification, OpenReportMonthIsNeverMissedButAClosedOneIs) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Ani", "Lubis");
    reportMonths(r, kNov2024 - 1, 5, 10);  // June .. October, nothing in November
    f.open();
    EXPECT_TRUE(f.cls().IsRegular(r));
    f.close();
    EXPECT_EQ(f.cls().IrregularMask(r), 1u << 10);
    EXPECT_FALSE(f.cls().IsRegular(r));
}

TEST(Classification, SpecialPioneerWithoutReportsIsNeverIrregular) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Budi", "Hasan");
    for (int i = 0; i < 6; ++i) kindAt(r, kNov2024 - i, ServiceSpecial);
    f.close();
    EXPECT_EQ(f.cls().MissedMonths(r, 6), 0u);
    // The same months as a regular pioneer are all missed.
    for (int i = 0; i < 6; ++i) kindAt(r, kNov2024 - i, ServiceRegular);
    EXPECT_EQ(f.cls().MissedMonths(r, 6), 0b11111100000u);  // June .. November
}

TEST(Classification, NewPublisherMarkedInTheReportMonthIsJudgedOnThatMonth) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Citra", "Wijaya");
    setStatus(r, 11, StatusCode::New, kNov2024);
    reportAt(r, kNov2024, 3);
    f.close();
    EXPECT_EQ(f.cls().StatusWindow(r, StatusCode::Any), 1);
    EXPECT_TRUE(f.cls().IsRegular(r));
    // Without the mark the five empty months count.
    r.statusMark = 0;
    EXPECT_EQ(f.cls().StatusWindow(r, StatusCode::Any), 6);
    EXPECT_FALSE(f.cls().IsRegular(r));
}

TEST(Classification, StatusWindowEndsWhereTheMonthsBeforeTheMarkHoldNoHours) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Dewi", "Sari");
    setStatus(r, 8, StatusCode::New, kNov2024 - 3);  // marked in August
    reportMonths(r, kNov2024, 4, 5);
    EXPECT_EQ(f.cls().StatusWindow(r, StatusCode::Any), 4);
    // A mask that does not match the code leaves the full window.
    EXPECT_EQ(f.cls().StatusWindow(r, StatusCode::Reactivated), 6);
    // Hours before the mark: the walk goes on, and quarter hours alone count.
    reportAt(r, kNov2024 - 4, 0, 0, ServicePublisher, 1);
    EXPECT_EQ(f.cls().StatusWindow(r, StatusCode::Any), 5);
    // Taking part without hours does not.
    reportAt(r, kNov2024 - 4, 0);
    EXPECT_EQ(f.cls().StatusWindow(r, StatusCode::Any), 4);
}

TEST(Classification, WalkFlipsParityAtTheYearWrap) {
    AnalyticsFixture f({2025, 3, 4});  // ReportMonth February 2025, parity 1
    ASSERT_EQ(f.stamp(), kFeb2025);
    auto& r = f.add(100, "Eko", "Putra");
    reportMonths(r, kFeb2025, 6, 8);  // September 2024 .. February 2025
    f.close();
    EXPECT_TRUE(f.cls().IsRegular(r));
    EXPECT_EQ(f.cls().ReportedMonths(r, 6), 6);
    // December 2024 lives in the even slot; a report in the odd one (December
    // 2023) must not stand in for it.
    const int dec2024 = slotOf(kFeb2025 - 2);
    r.hours[dec2024] = 0;
    r.studiesWord[dec2024] = 0;
    r.hours[monthSlot(11, 1)] = 9;
    EXPECT_EQ(f.cls().IrregularMask(r), 1u << 11);
    EXPECT_EQ(f.cls().ReportedMonths(r, 6), 5);
}

TEST(Classification, ReportedMeansHoursParticipationOrQuarterHours) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Fajar", "Nugroho");
    const int slot = slotOf(kNov2024);
    EXPECT_FALSE(IsReported(r, 10, 0));
    r.studiesWord[slot] = StudiesWord::SharedOrUnderHour;
    EXPECT_TRUE(IsReported(r, 10, 0));
    EXPECT_FALSE(HasHoursOrCode(r, 10, 0));
    r.studiesWord[slot] = 2 << StudiesWord::QuarterShift;
    EXPECT_TRUE(IsReported(r, 10, 0));
    EXPECT_TRUE(HasHoursOrCode(r, 10, 0));
    // Bible studies alone are no report.
    r.studiesWord[slot] = 3;
    EXPECT_FALSE(IsReported(r, 10, 0));
}

TEST(Classification, RemarkCountsAsReportForTheNotReportingList) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Gita", "Rahma");
    EXPECT_TRUE(f.cls().IsNotReporting(r, 10));
    const auto remark =
        static_cast<std::uint16_t>(f.doc.remarks().append(makeRemark(100, 11, 0, "sakit")));
    ASSERT_GT(remark, 0);
    r.remarkIndex[slotOf(kNov2024)] = remark;
    EXPECT_FALSE(f.cls().IsNotReporting(r, 10));
    // A remark in the slot of the other year does not count.
    r.remarkIndex[slotOf(kNov2024)] = 0;
    r.remarkIndex[monthSlot(10, 1)] = remark;
    EXPECT_TRUE(f.cls().IsNotReporting(r, 10));
}

TEST(Classification, MonthAfterTheReportMonthBelongsToThePreviousYear) {
    AnalyticsFixture f({2025, 3, 4});  // ReportMonth February 2025
    auto& r = f.add(100, "Hadi", "Santoso");
    reportAt(r, stampOf(2024, 10), 4);  // November 2024, parity 0
    EXPECT_FALSE(f.cls().IsNotReporting(r, 10));
    EXPECT_EQ(f.cls().recentParity(10), 0);
    EXPECT_EQ(f.cls().recentParity(1), 1);
    EXPECT_TRUE(f.cls().IsNotReporting(r, 1));
}

TEST(Classification, InactiveCandidateHasNoReportInSixMonths) {
    AnalyticsFixture f;
    auto& r = f.add(100, "Indra", "Gunawan");
    reportAt(r, kNov2024 - 5, 1);  // June: still inside the six months
    EXPECT_FALSE(f.cls().IsInactiveCandidate(r));
    r.hours[slotOf(kNov2024 - 5)] = 0;
    r.studiesWord[slotOf(kNov2024 - 5)] = 0;
    reportAt(r, kNov2024 - 6, 1);  // May: outside
    EXPECT_TRUE(f.cls().IsInactiveCandidate(r));
    auto& side = f.add(101, "Joko", "Widodo", ListInactive);
    EXPECT_FALSE(f.cls().IsInactiveCandidate(side));
}

TEST(Classification, StatusPeriodsOfNewAndReactivatedPublishers) {
    AnalyticsFixture f;  // ReportMonth November 2024
    auto& r = f.add(100, "Kartika", "Dewi");
    struct Case {
        int monthsAgo;
        // The mark is cleared six months after it was set; under twelve
        // months the 24-month period reads the mark alone, not its copy.
        bool markStillSet;
        int in6, inServiceYear, in12, in24;
    };
    const Case cases[] = {
        {0, true, 11, 11, 11, 11}, {2, true, 9, 9, 9, 9},    {3, true, 8, 0, 8, 8},
        {7, false, 0, 0, 4, 0},    {11, false, 0, 0, 12, 0}, {15, false, 0, 0, 0, 8},
        {23, false, 0, 0, 0, 12},  {24, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.monthsAgo);
        const int mark = kNov2024 - c.monthsAgo;
        const int month = month0Of(mark) + 1;
        setStatus(r, month, StatusCode::Reactivated, mark);
        if (!c.markStillSet) r.statusMark = 0;
        // Twelve months on only the code of the copy is left.
        if (c.monthsAgo >= 12) r.listYear = StatusCode::Reactivated;
        const auto cls = f.cls();
        EXPECT_EQ(cls.StatusIn6Months(r, StatusCode::Reactivated), c.in6);
        EXPECT_EQ(cls.StatusInServiceYear(r, StatusCode::Reactivated), c.inServiceYear);
        EXPECT_EQ(cls.StatusIn12Months(r, StatusCode::Reactivated), c.in12);
        EXPECT_EQ(cls.StatusIn24Months(r, StatusCode::Reactivated), c.in24);
        EXPECT_EQ(cls.StatusIn6Months(r, StatusCode::New), 0);
        EXPECT_EQ(cls.StatusIn24Months(r, StatusCode::New), 0);
    }
}

TEST(Classification, SideListChangesWithinTheLastMonths) {
    AnalyticsFixture f;  // ReportMonth November 2024, service year from September
    auto& inactive = f.add(100, "Lia", "Amalia", ListInactive);
    inactive.statusMark = 9 << 4;  // September
    inactive.listYear = 24;
    EXPECT_EQ(f.cls().SideListIn6Months(inactive, true), 9);
    EXPECT_EQ(f.cls().SideListInServiceYear(inactive, true), 9);
    // September of 2023 has the other parity.
    inactive.listYear = 23;
    EXPECT_EQ(f.cls().SideListIn6Months(inactive, true), 0);
    // Two years back is too old whatever the parity.
    inactive.listYear = 22;
    EXPECT_EQ(f.cls().SideListIn6Months(inactive, true), 0);
    // June 2024 is in the six months but before the service year.
    inactive.statusMark = 6 << 4;
    inactive.listYear = 24;
    EXPECT_EQ(f.cls().SideListIn6Months(inactive, true), 6);
    EXPECT_EQ(f.cls().SideListInServiceYear(inactive, true), 0);
    inactive.statusMark = 0;
    EXPECT_EQ(f.cls().SideListIn6Months(inactive, true), 0);

    auto& moved = f.add(101, "Made", "Putu", ListMoved);
    moved.statusMark = 10 << 4;
    moved.listYear = 23;  // no year test for the moved list
    EXPECT_EQ(f.cls().SideListIn6Months(moved, false), 10);
    EXPECT_EQ(f.cls().SideListInServiceYear(moved, false), 10);
}

TEST(Classification, AuxiliaryMonthsAcrossTheYearWrap) {
    AnalyticsFixture f({2025, 2, 10});  // ReportMonth January 2025
    auto& r = f.add(100, "Nina", "Kurnia");
    kindAt(r, stampOf(2025, 0), ServiceAuxiliary);
    kindAt(r, stampOf(2024, 11), ServiceAuxiliary);
    kindAt(r, stampOf(2024, 7), ServiceAuxiliary);
    r.serviceKind[monthSlot(10, 1)] = ServiceAuxiliary;  // November 2023's slot
    EXPECT_EQ(f.cls().AuxiliaryMonths(r, 3), 2);
    EXPECT_EQ(f.cls().AuxiliaryMonths(r, 6), 3);
}

TEST(Classification, YearsSinceBaptismCountsCompletedYears) {
    AnalyticsFixture f({2025, 2, 10});
    auto& r = f.add(100, "Oki", "Saputra");
    EXPECT_FALSE(Classification::IsBaptized(r));
    EXPECT_FALSE(f.cls().YearsSinceBaptism(r).has_value());
    setBaptism(r, 3, 15, 2023);  // March two years ago, today February
    ASSERT_TRUE(Classification::IsBaptized(r));
    EXPECT_EQ(f.cls().YearsSinceBaptism(r), 1);
    EXPECT_TRUE(kBaptizedListBrackets[0].contains(1));
    setBaptism(r, 2, 1, 2023);  // this month: the year is complete
    EXPECT_EQ(f.cls().YearsSinceBaptism(r), 2);
    setBaptism(r, 12, 1, 2024);
    EXPECT_EQ(f.cls().YearsSinceBaptism(r), 0);
    EXPECT_EQ(completedYears("        ", 2025, 2), std::nullopt);
    EXPECT_EQ(completedYears("11 11990", 2024, 3), 33);  // born November 1990
}

}  // namespace
}  // namespace velno::test
