// Every command that saves writes the month's totals as they stand after
// its change: the branch report's history in "tcard.dat" must never lag
// behind the records it was computed from.
#include <gtest/gtest.h>

#include <ostream>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "reporting/CollectionState.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno::cli {
namespace {

constexpr CalendarDate kToday{2024, 6, 10};  // ReportMonth May 2024, open
constexpr int kMay = 4;

struct Saving {
    std::string name;
    std::vector<std::string> args;
    std::string input;  // standard input
    // Expected history of May after the command, by category.
    int publishers, auxiliary, regular, active;
};

void PrintTo(const Saving& c, std::ostream* os) {
    *os << c.name;
}

class SavingCommand : public ::testing::TestWithParam<Saving> {
protected:
    test::TempFolder folder;

    // Two active publishers who both reported in May; the history on disk
    // was saved without a tally, so it holds nothing yet.
    void SetUp() override {
        CVelnoDoc doc;
        doc.setToday(kToday);
        ASSERT_TRUE(doc.loadStore(folder.path()));
        const int slot = doc.reportMonth().slot();
        for (PublisherId id : {100, 101}) {
            PublisherRecord r = test::makeRecord(id, "Eka", id == 100 ? "Adi" : "Budi");
            r.hours[slot] = 5;
            r.studiesWord[slot] = 1 | StudiesWord::SharedOrUnderHour;
            doc.store().append(r);
        }
        doc.sortAndIndex();
        const ReportMonth& m = doc.reportMonth();
        doc.header().setInitYear(m.slot(), m.reportYear2);
        doc.header().setCollectionState(m.reportMonth0, Collection::Open);
        doc.dirty = true;
        ASSERT_EQ(SaveOutcome::Saved, doc.saveAll());
        ASSERT_EQ(0, stored().at(TallyCategory::Publishers, TallyValue::Count));
    }

    // The history as the files hold it (a bare load runs no tally).
    CategoryTally stored() {
        CVelnoDoc doc;
        doc.setToday(kToday);
        doc.loadStore(folder.path());
        return MonthlyHistory(doc, kMay, doc.reportMonth().parity());
    }
};

TEST_P(SavingCommand, SavesTheTallyOfItsOwnChange) {
    const Saving& c = GetParam();
    std::vector<std::string> args = {"--data", folder.path().string(), "--today", "2024-06-10"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    std::istringstream in(c.input);
    std::ostringstream out, err;
    ASSERT_EQ(Ok, run(args, in, out, err)) << out.str() << err.str();

    const CategoryTally t = stored();
    EXPECT_EQ(c.publishers, t.at(TallyCategory::Publishers, TallyValue::Count));
    EXPECT_EQ(c.auxiliary, t.at(TallyCategory::Auxiliary, TallyValue::Count));
    EXPECT_EQ(c.regular, t.at(TallyCategory::Regular, TallyValue::Count));
    EXPECT_EQ(c.active, t.at(TallyCategory::Publishers, TallyValue::ActivePublishers));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, SavingCommand,
    ::testing::Values(
        Saving{"Resave", {"resave"}, "", 2, 0, 0, 2},
        Saving{"PublisherEdit", {"publisher", "edit", "--id", "100", "--regular"}, "", 1, 0, 1, 2},
        Saving{"PublisherMove",
               {"publisher", "move", "--id", "101", "--to", "inactive", "--month", "5"},
               "",
               1,
               0,
               0,
               1},
        Saving{
            "Pioneer", {"pioneer", "--id", "101", "--kind", "aux", "--month", "5"}, "", 1, 1, 0, 2},
        Saving{"Attendance",
               {"attendance", "set", "--meeting", "weekend", "--weeks", "40", "--month", "5"},
               "",
               2,
               0,
               0,
               2},
        Saving{"Password", {"password", "--new-stdin"}, "rahasia\nrahasia\n", 2, 0, 0, 2}),
    [](const ::testing::TestParamInfo<Saving>& p) { return p.param.name; });

}  // namespace
}  // namespace velno::cli
