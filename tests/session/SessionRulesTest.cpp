// The rules a document follows once the session has opened it: the month's
// totals are current from the load on, and a document made without the
// start-up writes its totals but no settings.
#include <gtest/gtest.h>

#include <filesystem>

#include "reporting/CollectionState.h"
#include "reporting/TallyMonth.h"
#include "session/SessionRules.h"
#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

namespace fs = std::filesystem;

constexpr CalendarDate kToday{2025, 4, 3};  // ReportMonth March 2025

// One publisher who reported in the ReportMonth, which is open; saved
// without any rules, so the files hold no totals for it.
void writeReportedMonth(const fs::path& folder) {
    CVelnoDoc doc;
    doc.setToday(kToday);
    ASSERT_TRUE(doc.loadStore(folder));
    const ReportMonth& m = doc.reportMonth();
    PublisherRecord r = test::makeRecord(100, "Eka", "Putri");
    r.serviceKind[m.slot()] = ServiceRegular;
    r.hours[m.slot()] = 50;
    r.studiesWord[m.slot()] = 2 | StudiesWord::SharedOrUnderHour;
    doc.store().append(r);
    doc.sortAndIndex();
    doc.header().setInitYear(m.slot(), m.reportYear2);
    doc.header().setCollectionState(m.reportMonth0, Collection::Open);
    ASSERT_EQ(SaveOutcome::Saved, doc.saveAll());
}

TEST(SessionRules, TheStartFindsTheMonthAlreadyTallied) {
    test::TempFolder dir;
    writeReportedMonth(dir.path());
    CVelnoDoc doc;
    StartOptions options;
    options.dataFolder = dir.path();
    options.today = kToday;
    options.setLocale = false;
    options.tellNotice = false;
    ASSERT_TRUE(startInstance(doc, options).opened());

    EXPECT_EQ(1, doc.tally().at(TallyCategory::Regular, TallyValue::Count));
    EXPECT_EQ(50, doc.tally().at(TallyCategory::Regular, TallyValue::Hours));
    const ReportMonth& m = doc.reportMonth();
    const CategoryTally history = MonthlyHistory(doc, m.reportMonth0, m.parity());
    EXPECT_EQ(2, history.at(TallyCategory::Regular, TallyValue::Studies));
}

TEST(SessionRules, ADocumentMadeWithoutTheStartSavesItsTotalsButNoSettings) {
    test::TempFolder dir;
    writeReportedMonth(dir.path());
    CVelnoDoc doc;
    doc.setRules(&tallyRules());
    doc.setToday(kToday);
    ASSERT_TRUE(doc.loadStore(dir.path()));
    doc.store().at(1).serviceKind[doc.reportMonth().slot()] = ServiceAuxiliary;
    ASSERT_EQ(SaveOutcome::Saved, doc.saveAll());
    EXPECT_FALSE(fs::exists(dir.file("velnoin.ini")));

    CVelnoDoc bare;
    bare.setToday(kToday);
    ASSERT_TRUE(bare.loadStore(dir.path()));
    const ReportMonth& m = bare.reportMonth();
    const CategoryTally history = MonthlyHistory(bare, m.reportMonth0, m.parity());
    EXPECT_EQ(1, history.at(TallyCategory::Auxiliary, TallyValue::Count));
    EXPECT_EQ(0, history.at(TallyCategory::Regular, TallyValue::Count));
}

}  // namespace
}  // namespace velno
