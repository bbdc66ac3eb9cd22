// velno-cli group, the moved list and the six months without a report:
// what they store, and what they refuse without saving.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "cli/Cli.h"
#include "cli/CliFolder.h"
#include "cli/JsonReader.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "support/TempFolder.h"

namespace velno::cli {
namespace {

constexpr const char* kToday = "2024-04-10";  // ReportMonth March 2024
constexpr CalendarDate kTodayDate{2024, 4, 10};

using Result = CliResult;

class GroupCommand : public ::testing::Test, protected CliFolder {
protected:
    GroupCommand() : CliFolder(kToday, kTodayDate) {}

    int add(const std::string& first, const std::string& last) {
        const Result r = cli({"--json", "publisher", "add", "--fname", first, "--lname", last});
        EXPECT_EQ(r.code, Ok) << r.out << r.err;
        return static_cast<int>(test::JsonReader::parse(r.out)["id"].number);
    }

    test::Json groups() {
        const Result r = cli({"--json", "group", "list"});
        EXPECT_EQ(r.code, Ok) << r.err;
        return test::JsonReader::parse(r.out);
    }
};

TEST_F(GroupCommand, SetAssignAndListGroups) {
    const int ana = add("Ana", "Adi");
    const int budi = add("Budi", "Santoso");
    ASSERT_EQ(cli({"group", "set", "1", "--overseer", "Budi Santoso", "--assistant", "Ana",
                   "--location", "Balai", "--day", "3", "--time", "19:00"})
                  .code,
              Ok);
    ASSERT_EQ(cli({"group", "set", "2", "--overseer", "Citra", "--name", "Timur"}).code, Ok);
    ASSERT_EQ(cli({"group", "assign", "--id", std::to_string(ana), "--group", "1"}).code, Ok);
    ASSERT_EQ(cli({"group", "assign", "--id", std::to_string(budi), "--group", "1"}).code, Ok);

    test::Json j = groups();
    EXPECT_EQ(j["count"].number, 2);
    ASSERT_EQ(j["groups"].items.size(), 20u);
    const test::Json& g1 = j["groups"][0];
    EXPECT_EQ(g1["overseer"].string, "Budi Santoso");
    EXPECT_EQ(g1["dayName"].string, "Kamis");
    EXPECT_EQ(g1["label"].string, "KDL # 1");
    EXPECT_TRUE(g1["overseerKnown"].boolean);
    EXPECT_FALSE(g1["assistantKnown"].boolean);
    EXPECT_EQ(g1["members"].number, 2);
    EXPECT_EQ(j["groups"][1]["label"].string, "Timur");
    EXPECT_FALSE(j["groups"][1]["overseerKnown"].boolean);

    // Without the name the number shows.
    ASSERT_EQ(cli({"group", "set", "2", "--no-name"}).code, Ok);
    EXPECT_EQ(groups()["groups"][1]["label"].string, "KDL # 2");
    // Group 2's overseer cleared: only group 1 counts, group 3 keeps its
    // data and counts again once group 2 has an overseer.
    ASSERT_EQ(cli({"group", "set", "3", "--overseer", "Dedi"}).code, Ok);
    EXPECT_EQ(groups()["count"].number, 3);
    ASSERT_EQ(cli({"group", "set", "2", "--clear", "overseer,assistant"}).code, Ok);
    EXPECT_EQ(groups()["count"].number, 1);
    EXPECT_EQ(fieldText(load()->groups().data().overseer[2]), "Dedi");
    ASSERT_EQ(cli({"group", "set", "2", "--overseer", "Citra"}).code, Ok);
    EXPECT_EQ(groups()["count"].number, 3);
}

TEST_F(GroupCommand, RefusalsSaveNothing) {
    const int ana = add("Ana", "Adi");
    ASSERT_EQ(cli({"group", "set", "1", "--overseer", "Ana Adi"}).code, Ok);
    EXPECT_EQ(cli({"group", "set", "21", "--overseer", "X"}).code, Usage);
    EXPECT_EQ(cli({"group", "set", "0"}).code, Usage);
    EXPECT_EQ(cli({"group", "set", "1", "--day", "7"}).code, Usage);
    EXPECT_EQ(cli({"group", "set", "1", "--clear", "pengawas"}).code, Usage);
    EXPECT_EQ(cli({"group", "set", "1", "--name", "A", "--no-name"}).code, Usage);
    Result r = cli({"group", "set", "1", "--overseer", "Ana", "--time", "123456789"});
    EXPECT_EQ(r.code, Failure);
    EXPECT_NE(r.err.find("paling banyak 8"), std::string::npos);
    r = cli({"group", "set", "1", "--location", "Rumah \xe4\xb8\x80"});
    EXPECT_EQ(r.code, Failure);
    EXPECT_EQ(groups()["groups"][0]["overseer"].string, "Ana Adi");
    EXPECT_EQ(cli({"group", "assign", "--id", std::to_string(ana), "--group", "21"}).code, Usage);
    EXPECT_EQ(cli({"group", "assign", "--id", "999", "--group", "1"}).code, Failure);
    ASSERT_EQ(
        cli({"publisher", "move", "--id", std::to_string(ana), "--to", "moved", "--month", "2"})
            .code,
        Ok);
    EXPECT_EQ(cli({"group", "assign", "--id", std::to_string(ana), "--group", "1"}).code, Failure);
    EXPECT_EQ(load()->store().at(1).group, 0);
}

TEST_F(GroupCommand, MovingAwayUndoingAndDeletingForGood) {
    const int ana = add("Ana", "Adi");
    const int budi = add("Budi", "Santoso");
    const std::string a = std::to_string(ana), b = std::to_string(budi);
    ASSERT_EQ(cli({"publisher", "move", "--id", a, "--to", "inactive", "--month", "11"}).code, Ok);
    ASSERT_EQ(cli({"publisher", "move", "--id", a, "--to", "moved", "--month", "2"}).code, Ok);
    // From the inactive list the way back needs no month.
    EXPECT_EQ(cli({"publisher", "unmove", "--id", a, "--month", "3"}).code, Usage);
    ASSERT_EQ(cli({"publisher", "unmove", "--id", a}).code, Ok);
    {
        auto doc = load();
        const PublisherRecord& r = *doc->store().recordById(static_cast<PublisherId>(ana));
        EXPECT_EQ(r.listKind, ListInactive);
        EXPECT_EQ(r.statusMark, 16 * 11);
        EXPECT_EQ(r.listYear, 23);  // November chosen in March is last year's
    }
    ASSERT_EQ(cli({"publisher", "move", "--id", b, "--to", "moved", "--month", "3"}).code, Ok);
    EXPECT_EQ(cli({"publisher", "move", "--id", b, "--to", "moved", "--month", "3"}).code, Failure);
    EXPECT_EQ(cli({"publisher", "unmove", "--id", b}).code, Usage);
    ASSERT_EQ(cli({"publisher", "unmove", "--id", b, "--month", "3", "--regular"}).code, Ok);
    EXPECT_EQ(load()->store().recordById(static_cast<PublisherId>(budi))->statusMark, 16 * 3 + 4);
    EXPECT_EQ(cli({"publisher", "unmove", "--id", b, "--month", "3"}).code, Failure);

    ASSERT_EQ(cli({"publisher", "move", "--id", b, "--to", "moved", "--month", "3"}).code, Ok);
    EXPECT_EQ(cli({"publisher", "delete", "--id", b, "--temporary"}).code, Failure);
    ASSERT_EQ(cli({"publisher", "delete", "--id", b}).code, Ok);
    EXPECT_EQ(load()->store().recordById(static_cast<PublisherId>(budi)), nullptr);
}

TEST_F(GroupCommand, SixMonthsWithoutAReport) {
    const int ana = add("Ana", "Adi");
    add("Budi", "Santoso");
    {
        auto doc = load();
        doc->store().recordById(static_cast<PublisherId>(ana))->hours[monthSlot(10, 1)] = 3;
        ASSERT_EQ(doc->saveAll(), SaveOutcome::Saved);  // November 2023 reported
    }
    const Result r = cli({"--json", "list", "sixmonths"});
    ASSERT_EQ(r.code, Ok) << r.err;
    const test::Json j = test::JsonReader::parse(r.out);
    ASSERT_EQ(j["rows"].items.size(), 1u) << r.out;
    EXPECT_EQ(j["rows"][0]["displayName"].string, "Budi Santoso");
}

}  // namespace
}  // namespace velno::cli
