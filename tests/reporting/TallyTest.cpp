// The monthly tally: who is counted in which category, late reports for
// earlier months, the saved history, and the numbers of the branch box.

#include <gtest/gtest.h>

#include "reporting/LateReports.h"
#include "reporting/MonthFixture.h"

namespace velno {
namespace {

using test::MonthFixture;
using test::report;

constexpr int kJanuary = 0, kFebruary = 1, kMarch = 2;

int value(const CVelnoDoc& doc, int category, int v) {
    return doc.tally().at(category, v);
}

struct Congregation : MonthFixture {
    const int march = MonthFixture::slot(kMarch, 2025);
    Congregation() {
        open();
        // A publisher with hours: his studies count, his hours do not.
        report(add(101, "Budi", "Publisher"), march, 7, 2);
        add(102, "Ani", "Silent");  // no report
        PublisherRecord& shared = add(103, "Cici", "Shared");
        shared.studiesWord[march] = 1 | StudiesWord::SharedOrUnderHour;  // took part, no hours
        report(add(104, "Dedi", "Auxiliary"), march, 30, 1, ServiceAuxiliary);
        report(add(105, "Eka", "Regular"), march, 52, 3, ServiceRegular);
        rec(105).placements[march] = 4;
        report(add(106, "Fajar", "Special"), march, 100, 5, ServiceSpecial);
        report(add(107, "Gita", "Servant"), march, 40, 1, ServiceRegular);
        rec(107).categoryBits |= CategoryBit::SpecialServant;
        report(add(108, "Hadi", "Missionary"), march, 90, 1, ServiceRegular);
        rec(108).categoryBits |= CategoryBit::Missionary;
        report(add(901, "Ina", "Inactive", ListInactive), march, 5);
    }
};

TEST(TallyMonth, CountsEachPublisherInTheCategoryOfHisMonth) {
    Congregation f;
    TallyMonth(f.doc);
    EXPECT_EQ(2, value(f.doc, TallyCategory::Publishers, TallyValue::Count));
    EXPECT_EQ(3, value(f.doc, TallyCategory::Publishers, TallyValue::Studies));
    EXPECT_EQ(0, value(f.doc, TallyCategory::Publishers, TallyValue::Hours));
    EXPECT_EQ(1, value(f.doc, TallyCategory::Auxiliary, TallyValue::Count));
    EXPECT_EQ(30, value(f.doc, TallyCategory::Auxiliary, TallyValue::Hours));
    EXPECT_EQ(1, value(f.doc, TallyCategory::Regular, TallyValue::Count));
    EXPECT_EQ(52, value(f.doc, TallyCategory::Regular, TallyValue::Hours));
    EXPECT_EQ(4, value(f.doc, TallyCategory::Regular, TallyValue::Placements));
    EXPECT_EQ(100, value(f.doc, TallyCategory::Special, TallyValue::Hours));
    // Everyone active, the servant and the missionary too.
    EXPECT_EQ(8, value(f.doc, TallyCategory::Publishers, TallyValue::ActivePublishers));
}

TEST(BranchReportBox, LeavesSpecialPioneersOutOfTheTotal) {
    Congregation f;
    TallyMonth(f.doc);
    const BranchReport box = BranchReportBox(f.doc);
    EXPECT_EQ("Laporan Maret ke Kantor Cabang - 8 Penyiar Aktif", box.title);
    EXPECT_EQ((std::array<std::string, 3>{"Berdinas", "Jam", "PAR"}), box.heads);
    EXPECT_EQ("Pnyr", box.rows[0].label);
    EXPECT_FALSE(box.rows[0].hours.has_value());
    EXPECT_EQ(2, box.rows[0].count);
    EXPECT_EQ(3, box.rows[0].studies);
    EXPECT_EQ("PE", box.rows[1].label);
    EXPECT_EQ(30, *box.rows[1].hours);
    EXPECT_EQ("PB", box.rows[2].label);
    EXPECT_EQ("Total", box.rows[3].label);
    EXPECT_EQ(4, box.rows[3].count);
    EXPECT_EQ(82, *box.rows[3].hours);
    EXPECT_EQ(3 + 1 + 3, box.rows[3].studies);
}

TEST(TallyMonth, CountsALateReportInTheCategoryOfItsMonth) {
    Congregation f;
    const int february = MonthFixture::slot(kFebruary, 2025);
    report(f.rec(102), february, 20, 1, ServiceAuxiliary);
    AddLateReport(f.doc, 102, kFebruary);
    // A special pioneer's late report is never carried.
    report(f.rec(106), february, 90, 0, ServiceSpecial);
    AddLateReport(f.doc, 106, kFebruary);
    // An entry whose month holds no report counts nothing.
    AddLateReport(f.doc, 101, kJanuary);
    TallyMonth(f.doc);
    EXPECT_EQ(2, value(f.doc, TallyCategory::Auxiliary, TallyValue::Count));
    EXPECT_EQ(50, value(f.doc, TallyCategory::Auxiliary, TallyValue::Hours));
    EXPECT_EQ(1, value(f.doc, TallyCategory::Special, TallyValue::Count));
    EXPECT_EQ(2, value(f.doc, TallyCategory::Publishers, TallyValue::Count));
}

TEST(TallyMonth, ALateReportForAMonthAfterTheReportMonthIsLastYears) {
    Congregation f;  // March 2025
    report(f.rec(102), MonthFixture::slot(11, 2024), 10, 2, ServiceRegular);
    report(f.rec(102), MonthFixture::slot(11, 2025), 99, 9, ServiceRegular);  // 2023's
    AddLateReport(f.doc, 102, 11);
    TallyMonth(f.doc);
    EXPECT_EQ(62, value(f.doc, TallyCategory::Regular, TallyValue::Hours));
}

TEST(MonthlyHistory, FollowsTheTallyOnlyWhileTheMonthIsOpen) {
    Congregation f;
    TallyMonth(f.doc);
    EXPECT_EQ(52, MonthlyHistory(f.doc, kMarch, 1).at(TallyCategory::Regular, TallyValue::Hours));
    CloseCollection(f.doc);
    report(f.rec(102), f.march, 10, 0, ServiceRegular);
    TallyMonth(f.doc);
    EXPECT_EQ(62, value(f.doc, TallyCategory::Regular, TallyValue::Hours));
    EXPECT_EQ(52, MonthlyHistory(f.doc, kMarch, 1).at(TallyCategory::Regular, TallyValue::Hours));
    f.setState(kMarch, Collection::Open);
    TallyMonth(f.doc);
    EXPECT_EQ(62, MonthlyHistory(f.doc, kMarch, 1).at(TallyCategory::Regular, TallyValue::Hours));
    // The other year of the month is left alone.
    EXPECT_EQ(0, MonthlyHistory(f.doc, kMarch, 0).at(TallyCategory::Regular, TallyValue::Hours));
}

TEST(MonthlyHistory, KeepsTheQuarterHoursOfTheHistoryEditor) {
    Congregation f;
    CategoryTally saved = MonthlyHistory(f.doc, kMarch, 1);
    saved.values[TallyCategory::Auxiliary][TallyValue::QuarterHours] = 6;
    setMonthlyHistory(f.doc, kMarch, 1, saved);
    TallyMonth(f.doc);
    const CategoryTally after = MonthlyHistory(f.doc, kMarch, 1);
    EXPECT_EQ(6, after.at(TallyCategory::Auxiliary, TallyValue::QuarterHours));
    EXPECT_EQ(30, after.at(TallyCategory::Auxiliary, TallyValue::Hours));
}

TEST(CategoryTotal, AddsWholeHoursFromQuarterHoursAndLeavesSpecialPioneersOut) {
    CategoryTally t;
    t.values[TallyCategory::Publishers][TallyValue::Hours] = 0;
    t.values[TallyCategory::Auxiliary][TallyValue::Hours] = 10;
    t.values[TallyCategory::Auxiliary][TallyValue::QuarterHours] = 7;  // 1 hour and 3 quarters
    t.values[TallyCategory::Regular][TallyValue::Hours] = 50;
    t.values[TallyCategory::Regular][TallyValue::QuarterHours] = 4;
    t.values[TallyCategory::Special][TallyValue::Hours] = 100;
    t.values[TallyCategory::Special][TallyValue::QuarterHours] = 8;
    EXPECT_EQ(62, CategoryTotal(t, TallyValue::Hours));
    t.values[TallyCategory::Publishers][TallyValue::Studies] = 3;
    t.values[TallyCategory::Special][TallyValue::Studies] = 9;
    EXPECT_EQ(3, CategoryTotal(t, TallyValue::Studies));
}

TEST(CategoryTally, SaturatesInsteadOfWrapping) {
    CategoryTally t;
    t.add(TallyCategory::Regular, TallyValue::Hours, 65000);
    t.add(TallyCategory::Regular, TallyValue::Hours, 1000);
    EXPECT_EQ(65535, t.at(TallyCategory::Regular, TallyValue::Hours));
}

TEST(TallyMonth, RunsBeforeEverySaveAndTheTotalsReachTheFile) {
    Congregation f;
    f.doc.tally().clear();
    ASSERT_EQ(SaveOutcome::Saved, f.doc.saveAll());
    EXPECT_EQ(52, value(f.doc, TallyCategory::Regular, TallyValue::Hours));
    const auto bytes = test::readBytes(f.dir.file("tcard.dat"));
    ASSERT_EQ(1728u, bytes.size());
    const std::size_t at = kMarch * 144 + TallyCategory::Regular * 36 + TallyValue::Hours * 4 + 2;
    EXPECT_EQ(52, bytes[at] | bytes[at + 1] << 8);
}

}  // namespace
}  // namespace velno
