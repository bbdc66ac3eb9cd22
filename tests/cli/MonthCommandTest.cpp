// A typical month through velno-cli on a demo congregation: initialise,
// slips on time, late and for a special pioneer, the tally, closing, the
// restart that reopens, the early start of the next month.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/Cli.h"
#include "cli/JsonReader.h"
#include "reporting/ReportPredicates.h"
#include "store/CVelnoDoc.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::Json;
using test::JsonReader;

struct Result {
    int code;
    std::string out;
    std::string err;
};

constexpr int kMarch = 2, kApril = 3;

struct DemoMonth {
    test::TempFolder dir;
    fs::path data = dir.path() / "data";

    DemoMonth() {
        // Written on 3 April 2025: March is open.
        const Result r = cli("2025-04-03",
                             {"demo", "--out", data.string(), "--seed", "5", "--publishers", "30"});
        EXPECT_EQ(0, r.code) << r.err;
    }
    Result cli(const std::string& today, std::vector<std::string> args) {
        if (args.empty() || args[0] != "demo") {
            args.insert(args.begin(), data.string());
            args.insert(args.begin(), "--data");
        }
        args.insert(args.begin(), today);
        args.insert(args.begin(), "--today");
        std::istringstream in;
        std::ostringstream out, err;
        const int code = run(args, in, out, err);
        return {code, out.str(), err.str()};
    }
    Json json(const std::string& today, std::vector<std::string> args) {
        args.insert(args.begin(), "--json");
        const Result r = cli(today, args);
        EXPECT_EQ(0, r.code) << r.err;
        return JsonReader::parse(r.out);
    }
};

// Publishers of the demo chosen by what their months hold.
struct Cast {
    int publisher = 0, auxiliary = 0, late = 0, reported = 0, special = 0;
};

// Makes one publisher a special pioneer in March (carried into April) and
// picks the others.
Cast castOf(const fs::path& data) {
    CVelnoDoc doc;
    doc.setToday({2025, 4, 3});
    doc.loadStore(data);
    Cast c;
    const int march = monthSlot(kMarch, 1);
    for (int pos : doc.store().subList(ListActive)) {
        PublisherRecord& r = doc.store().at(pos);
        if (r.categoryBits & (CategoryBit::SpecialServant | CategoryBit::Missionary)) continue;
        if (r.flags & RecordFlag::ContinuousAuxiliary || r.kindAt(march) != ServicePublisher)
            continue;
        const bool reported = IsReported(r, kMarch, 1);
        if (!c.special && reported) {
            c.special = r.id;
            r.serviceKind[march] = ServiceSpecial;
        } else if (!c.late && !reported) {
            c.late = r.id;
        } else if (!c.reported && reported) {
            c.reported = r.id;
        } else if (!c.publisher) {
            c.publisher = r.id;
        } else if (!c.auxiliary) {
            c.auxiliary = r.id;
        }
    }
    doc.saveAll();
    doc.closeDocument();
    return c;
}

TEST(MonthCommands, ATypicalMonth) {
    DemoMonth f;
    const Cast c = castOf(f.data);
    ASSERT_TRUE(c.publisher && c.auxiliary && c.late && c.reported && c.special);

    // 3 May: April has not been initialised this year.
    Json month = f.json("2025-05-03", {"month"});
    EXPECT_EQ(4, month["reportMonth"]["month"].number);
    EXPECT_EQ(2, month["reportMonth"]["state"].number);
    EXPECT_EQ(1, month["states"][kMarch].number);
    // The stamp is the scripts' business, not the reader's.
    const Result text = f.cli("2025-05-03", {"month"});
    EXPECT_EQ(0u, text.out.find("Bulan laporan: April 2025, ")) << text.out;
    EXPECT_EQ(std::string::npos, text.out.find("stamp"));
    Result r = f.cli("2025-05-03", {"month", "init"});
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("Arsip akhir bulan Maret 2025 ditulis."));
    EXPECT_TRUE(fs::exists(f.data / "Roll" / "Vn9_3" / "tdat9.bin"));
    month = f.json("2025-05-04", {"month"});
    EXPECT_EQ(1, month["reportMonth"]["state"].number);
    EXPECT_EQ(0u, month["late"].items.size());

    // Initialising again on the 9th is refused without --yes and changes nothing.
    const auto before = test::readBytes(f.data / "tdat9.bin");
    r = f.cli("2025-05-09", {"month", "init"});
    EXPECT_EQ(1, r.code);
    EXPECT_NE(std::string::npos,
              r.err.find("Ini bukan waktu yang biasa untuk memulai bulan April"));
    EXPECT_EQ(before, test::readBytes(f.data / "tdat9.bin"));

    const std::string day = "2025-05-09";
    const auto id = [](int n) { return std::to_string(n); };
    Json slip = f.json(day, {"slip", "--id", id(c.publisher), "--shared", "--studies", "2"});
    EXPECT_FALSE(slip["late"].boolean);
    slip =
        f.json(day, {"slip", "--id", id(c.auxiliary), "--aux", "--hours", "30", "--studies", "1"});
    EXPECT_EQ(0, slip["credit"].number);
    // March came late for this publisher: carried into April's report.
    slip = f.json(day, {"slip", "--id", id(c.late), "--month", "3", "--shared", "--studies", "1"});
    EXPECT_TRUE(slip["late"].boolean);
    ASSERT_EQ(1u, slip["info"].items.size());
    EXPECT_EQ("Setiap perubahan AKAN DISERTAKAN dalam laporan April ke kantor cabang.",
              slip["info"][0].string);
    // A correction of a March already reported is not counted again.
    slip = f.json(day, {"slip", "--id", id(c.reported), "--month", "3", "--studies", "4"});
    EXPECT_FALSE(slip["late"].boolean);
    EXPECT_EQ("Perubahan TIDAK AKAN DISERTAKAN dalam laporan April ke kantor cabang.",
              slip["info"][1].string);
    // The special pioneer reports to the branch himself.
    slip = f.json(day, {"slip", "--id", id(c.special), "--hours", "80"});
    EXPECT_EQ("Perintis Istimewa TIDAK DISERTAKAN dalam Laporan ke KC", slip["info"][0].string);
    slip = f.json(day, {"slip", "--id", id(c.special), "--month", "3", "--hours", "75"});
    EXPECT_FALSE(slip["late"].boolean);

    Json tally = f.json(day, {"tally"});
    EXPECT_EQ((std::vector<std::string>{"month", "year", "activePublishers", "publishers",
                                        "auxiliary", "regular", "total"}),
              tally.keys());
    EXPECT_EQ(4, tally["month"].number);
    EXPECT_EQ(2025, tally["year"].number);
    EXPECT_EQ(30, tally["activePublishers"].number);
    EXPECT_EQ((std::vector<std::string>{"count", "studies"}), tally["publishers"].keys());
    EXPECT_EQ(2, tally["publishers"]["count"].number);
    EXPECT_EQ(3, tally["publishers"]["studies"].number);
    EXPECT_EQ(1, tally["auxiliary"]["count"].number);
    EXPECT_EQ(30, tally["auxiliary"]["hours"].number);
    EXPECT_EQ(0, tally["regular"]["count"].number);
    EXPECT_EQ(3, tally["total"]["count"].number);
    EXPECT_EQ(30, tally["total"]["hours"].number);
    EXPECT_EQ(4, tally["total"]["studies"].number);

    // Closing holds for the run; the next start finds the month open again.
    r = f.cli(day, {"month", "close"});
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_EQ(1, f.json(day, {"month"})["reportMonth"]["state"].number);
    EXPECT_EQ(1, f.cli(day, {"month", "reopen"}).code);

    // Another day of the same month: the late report is still carried.
    month = f.json("2025-05-20", {"month"});
    ASSERT_EQ(1u, month["late"].items.size());
    EXPECT_EQ(c.late, month["late"][0]["id"].number);
    EXPECT_EQ(3, month["late"][0]["month"].number);
    EXPECT_EQ(4, month["late"][0]["processing"].number);
    EXPECT_EQ(2, f.json("2025-05-20", {"tally"})["publishers"]["count"].number);
}

TEST(MonthCommands, EarlyStartOfTheNextMonthSurvivesARestart) {
    DemoMonth f;
    EXPECT_EQ(1, f.cli("2025-04-24", {"month", "early"}).code);
    const Result r = f.cli("2025-04-26", {"month", "early"});
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("April 2025 dimulai"));
    Json month = f.json("2025-04-27", {"month"});
    EXPECT_EQ(kApril + 1, month["reportMonth"]["month"].number);
    EXPECT_EQ(1, month["reportMonth"]["state"].number);
    EXPECT_EQ(0, f.json("2025-04-27", {"tally"})["total"]["count"].number);
    // Once the month has turned, April is the report month anyway.
    month = f.json("2025-05-02", {"month"});
    EXPECT_EQ(kApril + 1, month["reportMonth"]["month"].number);
    EXPECT_EQ(1, month["reportMonth"]["state"].number);
}

TEST(MonthCommands, SlipsNeedAnOpenMonthAndAnActivePublisher) {
    DemoMonth f;
    Result r = f.cli("2025-05-09", {"slip", "--id", "101", "--shared"});
    EXPECT_EQ(1, r.code);
    EXPECT_NE(std::string::npos, r.err.find("April 2025 tidak terbuka untuk pengumpulan"));
    r = f.cli("2025-04-09", {"slip", "--id", "9999"});
    EXPECT_EQ(1, r.code);
    r = f.cli("2025-04-09", {"slip", "--id", "101", "--shared", "--no-shared"});
    EXPECT_EQ(2, r.code);
    EXPECT_EQ(2, f.cli("2025-04-09", {"month", "sideways"}).code);
    EXPECT_EQ(2, f.cli("2025-04-09", {"late"}).code);
}

TEST(MonthCommands, LateClearEmptiesTheList) {
    DemoMonth f;
    ASSERT_GT(f.json("2025-04-09", {"month"})["late"].items.size(), 0u);
    const Result r = f.cli("2025-04-09", {"late", "clear"});
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_EQ(0u, f.json("2025-04-10", {"month"})["late"].items.size());
}

}  // namespace
}  // namespace velno::cli
