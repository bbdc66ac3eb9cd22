// The late-report list: adding, replacing, the limit, the markers that
// carry it between runs, and clearing it.

#include <gtest/gtest.h>

#include "reporting/LateReports.h"
#include "reporting/MonthFixture.h"

namespace velno {
namespace {

using test::MonthFixture;
using test::report;

constexpr int kJanuary = 0, kFebruary = 1, kMarch = 2, kOctober = 9;

TEST(AddLateReport, ASecondReportForTheSameMonthReplacesTheFirstAndGoesLast) {
    MonthFixture f;
    AddLateReport(f.doc, 101, kFebruary);
    AddLateReport(f.doc, 102, kFebruary);
    AddLateReport(f.doc, 101, kFebruary);
    ASSERT_EQ(2, f.doc.lateReports().count());
    EXPECT_EQ(102, f.doc.lateReports().entries()[0].id);
    EXPECT_EQ(101, f.doc.lateReports().entries()[1].id);
    EXPECT_EQ(kMarch + 1, f.doc.lateReports().entries()[1].processing);
    EXPECT_TRUE(f.doc.dirty);
}

TEST(AddLateReport, StopsAt250ButStillReplaces) {
    MonthFixture f;
    for (int i = 0; i < 260; ++i) AddLateReport(f.doc, static_cast<PublisherId>(100 + i), kJanuary);
    EXPECT_EQ(250, f.doc.lateReports().count());
    AddLateReport(f.doc, 100, kJanuary);
    EXPECT_EQ(250, f.doc.lateReports().count());
    EXPECT_EQ(100, f.doc.lateReports().entries().back().id);
}

TEST(LateReportMonth, NamesTheMonthOnlyForItsOwnReportedRecord) {
    MonthFixture f;
    PublisherRecord& budi = f.add(101, "Budi", "Santoso");
    PublisherRecord& ani = f.add(102, "Ani", "Wijaya");
    const LateReportEntry entry{101, kFebruary, kMarch + 1};
    EXPECT_EQ(0, LateReportMonth(f.doc, entry, f.rec(101)));
    // Only "took part in the ministry" is a report too.
    budi.studiesWord[MonthFixture::slot(kFebruary, 2025)] = StudiesWord::SharedOrUnderHour;
    EXPECT_EQ(kFebruary + 1, LateReportMonth(f.doc, entry, f.rec(101)));
    report(ani, MonthFixture::slot(kFebruary, 2025), 3);
    EXPECT_EQ(0, LateReportMonth(f.doc, entry, f.rec(102)));
}

TEST(LateReports, TravelThroughTheRecordsToTheNextRun) {
    MonthFixture f;
    f.add(101, "Budi", "Santoso");
    f.add(102, "Ani", "Wijaya");
    f.open();
    AddLateReport(f.doc, 101, kOctober);  // last year's October
    AddLateReport(f.doc, 102, kFebruary);
    f.restart({2025, 4, 15});
    ASSERT_EQ(2, f.doc.lateReports().count());
    EXPECT_EQ(102, f.doc.lateReports().entries()[0].id);  // newest month first
    EXPECT_EQ(kOctober, f.doc.lateReports().entries()[1].month0);
    EXPECT_EQ(kMarch + 1, f.rec(101).lateMark[MonthFixture::slot(kOctober, 2024)]);
    // Next month the markers name another processing month.
    f.restart({2025, 5, 3});
    EXPECT_EQ(0, f.doc.lateReports().count());
}

TEST(ClearLateReports, AsksWithTheCountAndCancelKeepsThem) {
    MonthFixture f;
    PublisherRecord& budi = f.add(101, "Budi", "Santoso");
    f.open();
    report(budi, MonthFixture::slot(kFebruary, 2025), 10, 0, ServiceAuxiliary);
    AddLateReport(f.doc, 101, kFebruary);
    AddLateReport(f.doc, 102, kJanuary);
    TallyMonth(f.doc);
    ASSERT_EQ(1, f.doc.tally().at(TallyCategory::Auxiliary, TallyValue::Count));
    EXPECT_TRUE(clearLateReportsEnabled(f.doc));
    f.doc.dirty = false;

    EXPECT_FALSE(ClearLateReports(f.doc));  // Cancel is the default
    ASSERT_EQ(1u, f.prompter.asked.size());
    EXPECT_EQ("Tekan untuk hapus laporan 2   ", f.prompter.asked[0]);
    EXPECT_EQ(2, f.doc.lateReports().count());
    EXPECT_FALSE(f.doc.dirty);

    f.prompter.answers = {Answer::Ok};
    EXPECT_TRUE(ClearLateReports(f.doc));
    EXPECT_EQ(0, f.doc.lateReports().count());
    EXPECT_FALSE(clearLateReportsEnabled(f.doc));
    EXPECT_TRUE(f.doc.dirty);
    EXPECT_EQ(0, f.doc.tally().at(TallyCategory::Auxiliary, TallyValue::Count));
}

}  // namespace
}  // namespace velno
