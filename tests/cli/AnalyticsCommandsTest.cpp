// velno-cli list, quickview, averages, pioneers, totals, attendance and
// stats over hand-built folders and the demo congregation.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/Cli.h"
#include "cli/JsonReader.h"
#include "reporting/Classification.h"
#include "store/CVelnoDoc.h"
#include "store/DateText.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::Json;
using test::JsonReader;

// ReportMonth November 2023 (stamp 286): service year 2024, new report form.
constexpr const char* kToday = "2023-12-05";
constexpr CalendarDate kTodayDate{2023, 12, 5};
constexpr int kNov2023 = 286;

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result cli(const fs::path& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", folder.string(), "--today", kToday});
    std::istringstream in;
    std::ostringstream out, err;
    const int code = run(args, in, out, err);
    return {code, out.str(), err.str()};
}

Json json(const fs::path& folder, std::vector<std::string> args) {
    args.insert(args.begin(), "--json");
    const Result r = cli(folder, args);
    EXPECT_EQ(r.code, Ok) << r.err;
    return JsonReader::parse(r.out);
}

void reportAt(PublisherRecord& r, int stamp, int hours, int kind = ServicePublisher) {
    const int slot = slotOf(stamp);
    r.hours[slot] = static_cast<std::uint16_t>(hours);
    r.studiesWord[slot] = StudiesWord::SharedOrUnderHour | 1;
    r.serviceKind[slot] = static_cast<std::uint8_t>(kind);
}

// Ani: regular pioneer since September with 50 hours a month. Budi: missed
// October (with a remark) and November. Citra: new publisher of November.
void writeCongregation(const fs::path& folder) {
    CVelnoDoc doc;
    doc.setToday(kTodayDate);
    ASSERT_TRUE(doc.loadStore(folder));
    auto ani = test::makeRecord(100, "Ani", "Lubis");
    for (int i = 0; i < 3; ++i) reportAt(ani, kNov2023 - i, 50, ServiceRegular);
    for (int i = 3; i < 6; ++i) reportAt(ani, kNov2023 - i, 10);
    setFieldText(ani.bapdate, makeDateText(5, 1, 2001));
    ani.group = 1;
    auto budi = test::makeRecord(101, "Budi", "Hasan");
    for (int i = 2; i < 6; ++i) reportAt(budi, kNov2023 - i, 4);
    budi.group = 2;
    setFieldText(budi.phone, "0211");
    auto citra = test::makeRecord(102, "Citra", "Wijaya");
    reportAt(citra, kNov2023, 2);
    citra.statusMark = 11 * 16 + 1;
    citra.listYear = citra.statusMark;
    citra.markStamp = kNov2023;
    citra.group = 1;
    for (const auto& r : {ani, budi, citra}) doc.store().append(r);
    doc.sortAndIndex();
    const int remark = doc.remarks().append(test::makeRemark(101, 10, 1, "sakit"));
    doc.store().recordById(101)->remarkIndex[slotOf(kNov2023 - 1)] =
        static_cast<std::uint16_t>(remark);
    // November was initialised for another year: the load takes it as closed.
    doc.header().setInitYear(slotOf(kNov2023), 21);
    ASSERT_EQ(doc.saveAll(), SaveOutcome::Saved);
    doc.closeDocument();
}

class AnalyticsCommands : public ::testing::Test {
protected:
    void SetUp() override { writeCongregation(dir.path()); }
    test::TempFolder dir;
};

TEST_F(AnalyticsCommands, IrregularListNamesTheMissedMonthsWithRemarks) {
    const Json list = json(dir.path(), {"list", "irregular"});
    EXPECT_EQ(list["kind"].string, "irregular");
    EXPECT_EQ(list["title"].string, "Penyiar Tidak Tetap Tentu ( 1 )");
    ASSERT_EQ(list["rows"].items.size(), 1u);
    const Json& row = list["rows"][0];
    EXPECT_EQ(row["id"].number, 101);
    EXPECT_EQ(row["displayName"].string, "Budi Hasan");
    ASSERT_EQ(row["missed"].items.size(), 2u);
    EXPECT_EQ(row["missed"][0]["month"].number, 10);
    EXPECT_TRUE(row["missed"][0]["remark"].boolean);
    EXPECT_EQ(row["missed"][1]["month"].number, 11);
    EXPECT_FALSE(row["missed"][1]["remark"].boolean);

    const Result text = cli(dir.path(), {"list", "irregular"});
    EXPECT_EQ(text.out, "Penyiar Tidak Tetap Tentu ( 1 )\nBudi Hasan\tOkt! Nov\n");
}

TEST_F(AnalyticsCommands, NotReportingNewAndBaptizedLists) {
    Json list = json(dir.path(), {"list", "notreporting"});
    ASSERT_EQ(list["rows"].items.size(), 1u);
    EXPECT_EQ(list["rows"][0]["group"].number, 2);
    EXPECT_EQ(list["rows"][0]["contact"].string, "0211");
    // October: Budi's remark counts as a report; Citra began in November.
    list = json(dir.path(), {"list", "notreporting", "--month", "10"});
    ASSERT_EQ(list["rows"].items.size(), 1u);
    EXPECT_EQ(list["rows"][0]["id"].number, 102);
    list = json(dir.path(), {"list", "new", "--period", "24m"});
    ASSERT_EQ(list["rows"].items.size(), 1u);
    EXPECT_EQ(list["rows"][0]["month"].number, 11);
    EXPECT_EQ(list["rows"][0]["year"].number, 2023);
    list = json(dir.path(), {"list", "baptized", "--bracket", "5"});  // "30 - 39 Thn"
    EXPECT_TRUE(list["rows"].items.empty());
    list = json(dir.path(), {"list", "baptized", "--bracket", "4"});  // "20 - 29 Thn"
    ASSERT_EQ(list["rows"].items.size(), 1u);
    EXPECT_EQ(list["rows"][0]["years"].number, 22);
    list = json(dir.path(), {"list", "form", "--group", "1"});
    EXPECT_EQ(list["rows"].items.size(), 2u);
}

TEST_F(AnalyticsCommands, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"list"},
        {"list", "everyone"},
        {"list", "moved", "--period", "24m"},
        {"list", "irregular", "--month", "13"},
        {"list", "baptized", "--bracket", "9"},
        {"averages", "--regular", "--elders"},
        {"averages", "--group", "0"},
        {"totals", "--group", "1"},
        {"attendance", "set", "--meeting", "sunday", "--month", "1", "--weeks", "1"},
        {"attendance", "set", "--meeting", "midweek", "--month", "1", "--weeks", "1,2,3,4,5,6"},
        {"attendance", "set", "--meeting", "midweek", "--month", "1", "--weeks", "1000"},
        {"attendance", "set", "--meeting", "midweek", "--weeks", "10"},
    };
    for (const auto& args : cases) {
        const Result r = cli(dir.path(), args);
        EXPECT_EQ(r.code, Usage) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_TRUE(r.out.empty());
    }
}

TEST_F(AnalyticsCommands, QuickViewAndStats) {
    const Json q = json(dir.path(), {"quickview"});
    EXPECT_EQ(q["active"].number, 3);
    EXPECT_EQ(q["regular"].number, 2);
    EXPECT_EQ(q["regularPioneers"].number, 1);
    EXPECT_EQ(q["month"]["avgHoursPublishers"].type, Json::Type::Null);
    EXPECT_EQ(q["month"]["avgHoursRegular"].real, 50.0);
    EXPECT_EQ(q["serviceYear"]["newPublishers"].number, 1);
    EXPECT_EQ(q["customCategory"].type, Json::Type::Null);
    // As text the blank average reads "-"; the others keep their figures.
    const Result text = cli(dir.path(), {"quickview"});
    EXPECT_NE(text.out.find("  Rata2 Jam (Pnyr): -\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("  Rata2 Jam (PB): 50.0\n"), std::string::npos) << text.out;

    const Json s = json(dir.path(), {"stats"});
    EXPECT_EQ(s["active"].number, 3);
    EXPECT_EQ(s["regular"]["count"].number, 2);
    EXPECT_FALSE(s["averageHours"].has("publishers"));  // November 2023: new form
    EXPECT_EQ(s["averageHours"]["regularPioneers"]["month"].real, 50.0);
    EXPECT_EQ(s["movement"]["newPublishers"]["month"].number, 1);
    EXPECT_EQ(s["yearsSinceBaptism"].items.size(), 7u);
    EXPECT_EQ(cli(dir.path(), {"stats"}).code, Ok);
}

TEST_F(AnalyticsCommands, PioneerSinceSeptemberHasFourHundredFiftyHoursLeft) {
    const Json p = json(dir.path(), {"pioneers"});
    ASSERT_EQ(p["rows"].items.size(), 1u);
    const Json& row = p["rows"][0];
    EXPECT_EQ(row["startMonth"].number, 9);
    EXPECT_EQ(row["enrolledMonths"].number, 12);
    EXPECT_EQ(row["elapsedMonths"].number, 3);
    EXPECT_EQ(row["hours"].number, 150);
    EXPECT_EQ(row["remaining"].number, 450);
    EXPECT_EQ(row["perMonth"].real, 50.0);
    EXPECT_EQ(row["average"].real, 50.0);
}

TEST_F(AnalyticsCommands, AveragesAndTotals) {
    Json a = json(dir.path(), {"averages", "--regular"});
    ASSERT_EQ(a["rows"].items.size(), 1u);
    EXPECT_EQ(a["rows"][0]["reported6"].number, 6);
    EXPECT_EQ(a["rows"][0]["hours3"].real, 50.0);
    EXPECT_EQ(a["rows"][0]["hours6"].real, 50.0);  // months as a publisher do not count
    a = json(dir.path(), {"averages", "--group", "1"});
    EXPECT_EQ(a["rows"].items.size(), 2u);

    const Json t = json(dir.path(), {"totals"});
    EXPECT_EQ(t["months"].number, 3);
    EXPECT_EQ(t["rows"].items.size(), 3u);
    EXPECT_EQ(t["total"]["hours"].number, 150 + 4 + 2);
    EXPECT_EQ(t["total"]["reportedMonths"].number, 5);
    EXPECT_EQ(json(dir.path(), {"totals", "--regular"})["rows"].items.size(), 1u);
}

TEST_F(AnalyticsCommands, AttendanceSetStoresTheMonthAndItsTotals) {
    Result r = cli(dir.path(), {"attendance", "set", "--meeting", "weekend", "--month", "11",
                                "--weeks", "120,0,118,125,0"});
    ASSERT_EQ(r.code, Ok) << r.err;
    EXPECT_EQ(r.out,
              "Perhimpunan Akhir Pekan, November 2023: 3 perhimpunan, total 363, rata-rata 121\n");
    const Json a = json(dir.path(), {"attendance"});
    const Json& weekend = a["blocks"][1];
    ASSERT_EQ(weekend["months"].items.size(), 24u);
    const Json& nov = weekend["months"][23];
    EXPECT_EQ(nov["month"].number, 11);
    EXPECT_EQ(nov["year"].number, 2023);
    EXPECT_EQ(nov["weeks"][3].number, 125);
    EXPECT_EQ(nov["meetings"].number, 3);
    EXPECT_EQ(nov["total"].number, 363);
    EXPECT_EQ(nov["average"].number, 121);
    EXPECT_EQ(weekend["sixMonthAverage"].number, 0);  // the other months have none

    // A month two years back that the slots no longer hold is refused.
    r = cli(dir.path(), {"attendance", "set", "--meeting", "midweek", "--month", "10", "--year",
                         "2021", "--weeks", "5"});
    EXPECT_EQ(r.code, Failure);
    // Early entry needs today to be the month after the report month.
    r = cli(dir.path(), {"attendance", "set", "--meeting", "midweek", "--early", "--weeks", "9"});
    ASSERT_EQ(r.code, Ok) << r.err;
    EXPECT_NE(r.out.find("Desember 2023"), std::string::npos);
}

TEST(AnalyticsCommandsDemo, EveryCommandRunsOnTheDemoCongregation) {
    test::TempFolder dir;
    const fs::path folder = dir.file("demo");
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(run({"--today", "2024-06-10", "demo", "--out", folder.string()}, in, out, err), Ok)
        << err.str();
    const std::vector<std::vector<std::string>> commands = {
        {"quickview"},
        {"averages"},
        {"pioneers"},
        {"totals"},
        {"attendance"},
        {"stats"},
        {"list", "notreporting"},
        {"list", "irregular"},
        {"list", "new"},
        {"list", "reactivated"},
        {"list", "inactive", "--period", "all"},
        {"list", "moved"},
        {"list", "baptized"},
        {"list", "auxiliary"},
        {"list", "conductors"},
        {"list", "unbaptized"},
        {"list", "biblestudents"},
        {"list", "form"},
        {"list", "privileges"},
        {"list", "consent"},
        {"list", "noconsent"},
    };
    for (auto args : commands) {
        args.insert(args.begin(), {"--data", folder.string(), "--today", "2024-06-10", "--json"});
        std::ostringstream o, e;
        EXPECT_EQ(run(args, in, o, e), Ok) << args[5] << ": " << e.str();
        EXPECT_NO_THROW(JsonReader::parse(o.str())) << args[5];
    }
}

}  // namespace
}  // namespace velno::cli
