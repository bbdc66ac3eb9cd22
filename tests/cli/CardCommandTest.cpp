// velno-cli card and cards: a record card as JSON and text, and every card
// of a list in one PDF.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/Cli.h"
#include "cli/JsonReader.h"
#include "cli/PdfPages.h"
#include "demo/DemoCongregation.h"
#include "support/TempFolder.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kToday = "2024-06-10";  // ReportMonth May 2024: service year 2024

struct Result {
    int code;
    std::string out;
    std::string err;
};

const fs::path& demo() {
    static test::TempFolder dir;
    static const fs::path path = [] {
        const fs::path p = dir.file("demo");
        std::string error;
        EXPECT_TRUE(writeDemoCongregation(p, {2024, 6, 10}, 1, 60, &error)) << error;
        return p;
    }();
    return path;
}

Result cli(std::vector<std::string> args) {
    std::vector<std::string> all = {"--data", demo().string(), "--today", kToday};
    all.insert(all.end(), args.begin(), args.end());
    std::istringstream in;
    std::ostringstream out, err;
    const int code = run(all, in, out, err);
    return {code, out.str(), err.str()};
}

// The id of the first active record of the dump ("  pos  id kind ...").
std::string firstActiveId() {
    std::istringstream lines(cli({"dump"}).out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        int pos = 0, id = 0, kind = 0;
        if (fields >> pos >> id >> kind && kind == 0) return std::to_string(id);
    }
    return "0";
}

TEST(CardCommand, JsonHoldsTheCurrentThenThePreviousYearInTheirForms) {
    const Result r = cli({"card", "--id", firstActiveId(), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const test::Json card = test::JsonReader::parse(r.out);
    ASSERT_EQ(card["tables"].items.size(), 2u);
    const test::Json& current = card["tables"][0];
    EXPECT_EQ(current["serviceYear"].number, 2024);
    EXPECT_EQ(current["form"].string, "new");
    ASSERT_EQ(current["rows"].items.size(), 12u);
    EXPECT_EQ(current["rows"][0]["month"].string, "Sep");
    EXPECT_TRUE(current["rows"][0].has("shared"));
    const test::Json& previous = card["tables"][1];
    EXPECT_EQ(previous["serviceYear"].number, 2023);
    EXPECT_EQ(previous["form"].string, "old");
    EXPECT_TRUE(previous["rows"][0].has("placements"));
    EXPECT_EQ(previous["total"].items.size(), 5u);
    for (const char* box : {"male", "female", "otherSheep", "anointed", "elder", "servant",
                            "regularPioneer", "specialPioneer", "missionary"})
        EXPECT_TRUE(card["boxes"].has(box)) << box;

    const Result back = cli({"card", "--id", firstActiveId(), "--previous", "--json"});
    ASSERT_EQ(back.code, 0) << back.err;
    EXPECT_EQ(test::JsonReader::parse(back.out)["tables"][0]["serviceYear"].number, 2023);
}

TEST(CardCommand, TextPrintsTwoCardsToThePageAndRefusesBadInput) {
    const Result r = cli({"card", "--id", firstActiveId()});
    ASSERT_EQ(r.code, 0) << r.err;
    std::size_t titles = 0;
    for (std::size_t at = r.out.find("CATATAN PENYIAR SIDANG"); at != std::string::npos;
         at = r.out.find("CATATAN PENYIAR SIDANG", at + 1))
        ++titles;
    EXPECT_EQ(titles, 2u);
    EXPECT_EQ(r.out.find('\f'), std::string::npos) << "one page";
    EXPECT_EQ(cli({"card", "--id", "65000"}).code, 1);
    EXPECT_EQ(cli({"card", "--id", firstActiveId(), "--span", "7m"}).code, 2);
    EXPECT_EQ(cli({"cards", "--list", "moved", "--out", "x.pdf"}).code, 2);
    EXPECT_EQ(cli({"print", "summary", "--id", "1"}).code, 2);
}

#if defined(VELNO_CLI_PATH) && defined(VELNO_HAVE_QT_GUI)
TEST(CardCommand, EveryActiveCardGoesIntoOnePdfAPageEach) {
    test::TempFolder out;
    const fs::path pdf = out.file("Exports/cards.pdf");
    const std::string command =
        "\"" + std::string(VELNO_CLI_PATH) + "\" --data \"" + demo().string() + "\" --today " +
        kToday + " cards --list active --out \"" + pdf.string() + "\" >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    int active = 0;
    std::istringstream lines(cli({"dump"}).out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        int pos = 0, id = 0, kind = -1;
        if (fields >> pos >> id >> kind && kind == 0) ++active;
    }
    EXPECT_EQ(test::pdfPages(pdf), active);
    EXPECT_FALSE(fs::exists(pdf.string() + ".part"));
}
#endif

}  // namespace
}  // namespace velno::cli
