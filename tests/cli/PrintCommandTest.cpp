// velno-cli print: report pages as text (pages split by form feeds) and as
// PDF, the per-group choices and the refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/Cli.h"
#include "cli/PdfPages.h"
#include "demo/DemoCongregation.h"
#include "print/PaperSize.h"
#include "print/ReportKinds.h"
#include "support/TempFolder.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kToday = "2024-06-10";  // ReportMonth May 2024

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result cli(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int code = run(args, in, out, err);
    return {code, out.str(), err.str()};
}

// A demo congregation of 120 publishers in six groups, written once.
const fs::path& demo() {
    static test::TempFolder dir;
    static const fs::path path = [] {
        const fs::path p = dir.file("demo");
        std::string error;
        EXPECT_TRUE(writeDemoCongregation(p, {2024, 6, 10}, 1, 120, &error)) << error;
        return p;
    }();
    return path;
}

Result print(std::vector<std::string> args) {
    std::vector<std::string> all = {"--data", demo().string(), "--today", kToday, "print"};
    all.insert(all.end(), args.begin(), args.end());
    return cli(all);
}

// The id of the demo's first publisher in store order, from dump.
std::string firstPublisherId() {
    const Result r = cli({"--data", demo().string(), "--today", kToday, "dump"});
    std::istringstream lines(r.out);
    std::string line, pos, id;
    std::getline(lines, line);  // the heading
    std::getline(lines, line);
    std::istringstream(line) >> pos >> id;
    return id;
}

std::vector<std::string> pagesOf(const std::string& text) {
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (;;) {
        const std::size_t ff = text.find('\f', start);
        pages.push_back(text.substr(start, ff - start));
        if (ff == std::string::npos) return pages;
        start = ff + 1;
    }
}

std::string firstLine(const std::string& page) {
    const std::string line = page.substr(0, page.find('\n'));
    return line.substr(std::min(line.size(), line.find_first_not_of(' ')));
}

TEST(PrintCommand, AnalysisAsTextPageByPage) {
    const Result r = print({"1"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto pages = pagesOf(r.out);
    ASSERT_GT(pages.size(), 1u);
    EXPECT_EQ(firstLine(pages[0]), "Laporan Sidang untuk Mei");
    // Continuation pages name the report again.
    for (std::size_t p = 1; p < pages.size(); ++p)
        EXPECT_EQ(firstLine(pages[p]), "Laporan Sidang untuk Mei") << p;
    EXPECT_NE(pages.back().find("Laporan Mei ke Kantor Cabang - 120 Penyiar Aktif"),
              std::string::npos);

    // The same into a file.
    test::TempFolder out;
    const Result toFile = print({"1", "--format", "text", "--out", out.file("a.txt").string()});
    ASSERT_EQ(toFile.code, 0) << toFile.err;
    std::ifstream file(out.file("a.txt"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), r.out);
}

// The words of a line of text output with the column each ends in.
std::vector<std::pair<std::string, std::size_t>> wordEnds(const std::string& line) {
    std::vector<std::pair<std::string, std::size_t>> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(' ', at)) != std::string::npos) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        words.emplace_back(line.substr(at, end - at), end);
        at = end;
    }
    return words;
}

TEST(PrintCommand, SummaryTextBranchBoxFiguresEndUnderTheirHeads) {
    const Result r = print({"3"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    while (std::getline(lines, line) && line.find("ke Kantor Cabang") == std::string::npos) {
        // The category table: the publishers have no hours and no 3- and
        // 6-month averages, shown as blanks; the pioneers' averages read
        // "a/b" with nothing between.
        if (line.rfind("       Pnyr ", 0) == 0) {
            EXPECT_EQ(std::count(line.begin(), line.end(), '-'), 2) << line;
        }
        if (line.rfind("       PB ", 0) == 0) {
            EXPECT_TRUE(std::regex_search(line, std::regex(" [0-9]+\\.[0-9]/[0-9]+\\.[0-9]$")))
                << line;
        }
    }
    ASSERT_TRUE(std::getline(lines, line));
    const auto heads = wordEnds(line);
    ASSERT_EQ(heads.size(), 3u) << line;
    EXPECT_EQ(heads[0].first, "Berdinas");
    for (const std::string label : {"Pnyr", "PE", "PB", "Total"}) {
        ASSERT_TRUE(std::getline(lines, line));
        const auto words = wordEnds(line);
        ASSERT_EQ(words.size(), 4u) << line;
        EXPECT_EQ(words[0].first, label);
        for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(words[k + 1].second, heads[k].second) << line;
        // The publishers' hours are blank by rule.
        if (label == "Pnyr") {
            EXPECT_EQ(words[2].first, "-");
        }
    }
}

TEST(PrintCommand, KindByItsShortName) {
    const Result byNumber = print({"3"});
    ASSERT_EQ(byNumber.code, 0) << byNumber.err;
    const Result byName = print({"summary"});
    ASSERT_EQ(byName.code, 0) << byName.err;
    EXPECT_EQ(byNumber.out, byName.out);
    EXPECT_EQ(print({"group-analysis", "--group", "2"}).out, print({"2", "--group", "2"}).out);
    EXPECT_EQ(print({"summry"}).code, Usage);
}

TEST(PrintCommand, ListNamesEveryKindWithItsGroupNeed) {
    const Result r = print({"--list"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);  // the heading
    int rows = 0;
    while (std::getline(lines, line)) {
        ++rows;
        std::istringstream words(line);
        std::string first, second;
        words >> first >> second;
        if (first == "attendance-record") continue;
        // Every row's short name is accepted by print itself, with a group
        // exactly where the row asks for one.
        const bool needsGroup = line.find("--group") != std::string::npos;
        // ... and with a publisher where it asks for one.
        const bool needsId = line.find("--id") != std::string::npos;
        std::vector<std::string> args = {second};
        if (needsGroup) args = {second, "--group", "1"};
        if (needsId) args = {second, "--id", firstPublisherId()};
        const bool built = line.find("belum tersedia") == std::string::npos;
        EXPECT_EQ(built ? 0 : 1, print(args).code) << line;
        EXPECT_EQ(2, print({second, needsGroup ? "--a4" : "--all-groups"}).code) << line;
        if (needsId) {
            EXPECT_EQ(2, print({second}).code) << line;
        }
    }
    EXPECT_GT(rows, 50);
    EXPECT_EQ(2, print({"--list", "3"}).code);
}

TEST(PrintCommand, PaperIsTheLanguagesCountrysUnlessChosen) {
    // Indonesia prints on A4 unless --letter says otherwise.
    const Result byDefault = print({"1"});
    ASSERT_EQ(0, byDefault.code);
    EXPECT_EQ(byDefault.out, print({"1", "--a4"}).out);
    EXPECT_EQ(0, print({"1", "--letter"}).code);
    EXPECT_EQ(print::Paper::A4, print::defaultPaperFor("in"));
    EXPECT_EQ(print::Paper::Letter, print::defaultPaperFor("eng"));
    EXPECT_EQ(print::Paper::A4, print::defaultPaperFor("french"));
    EXPECT_EQ(2, print({"3", "--a4", "--letter"}).code);
}

TEST(PrintCommand, GroupAnalysisForOneGroupOrEveryGroup) {
    const Result one = print({"2", "--group", "2"});
    ASSERT_EQ(one.code, 0) << one.err;
    const std::string title = firstLine(pagesOf(one.out)[0]);
    EXPECT_EQ(title.rfind("Mei ", 0), 0u) << title;

    const Result all = print({"2", "--all-groups"});
    ASSERT_EQ(all.code, 0) << all.err;
    // Six groups, each starting on a page of its own with its title.
    int titles = 0;
    for (const std::string& page : pagesOf(all.out)) {
        const std::string line = firstLine(page);
        if (line.rfind("Mei ", 0) == 0 && page.find("Berdinas") != std::string::npos) ++titles;
    }
    EXPECT_EQ(titles, 6);
    EXPECT_NE(all.out.find(one.out), std::string::npos);
}

TEST(PrintCommand, RefusalsPrintNothing) {
    // Per-group kind without a group, a group for a congregation-wide kind,
    // an unknown kind, a bad format, PDF without a file.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"2"},
             {"1", "--group", "1"},
             {"999"},
             {"x"},
             {"1", "--format", "html"},
             {"1", "--format", "pdf"},
             {"1", "--meeting", "1"},
             {"attendance-record", "--meeting", "3"},
         }) {
        const Result r = print(args);
        EXPECT_EQ(r.code, Usage) << args[0];
        EXPECT_TRUE(r.out.empty());
    }
    // A group without members (group 7 does not exist in the demo).
    const Result empty = print({"2", "--group", "7"});
    EXPECT_EQ(empty.code, Failure);
    EXPECT_TRUE(empty.out.empty());
    EXPECT_NE(empty.err.find("kelompok 7"), std::string::npos);
    // A kind whose pages are not part of this build, while there is one.
    for (const print::ReportKindInfo& k : print::reportKinds())
        if (!k.built()) {
            EXPECT_EQ(print({std::to_string(k.kind)}).code, Failure) << k.kind;
            break;
        }
}

TEST(PrintCommand, AttendanceRecordPerMeeting) {
    const Result both = print({"attendance-record"});
    ASSERT_EQ(both.code, 0) << both.err;
    const auto pages = pagesOf(both.out);
    ASSERT_EQ(pages.size(), 2u);
    for (const auto& page : pages) EXPECT_EQ(firstLine(page), "CATATAN HADIRIN PERHIMPUNAN");
    const Result weekend = print({"attendance-record", "--meeting", "2"});
    ASSERT_EQ(weekend.code, 0) << weekend.err;
    EXPECT_EQ(weekend.out, pages[1]);
}

#if defined(VELNO_CLI_PATH) && defined(VELNO_HAVE_QT_GUI)
TEST(PrintCommand, PdfWithoutDisplayOrEnvironment) {
    test::TempFolder out;
    const fs::path pdf = out.file("analysis.pdf");
    // The program itself must choose where Qt draws.
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"" +
                                std::string(VELNO_CLI_PATH) + "\" --data \"" + demo().string() +
                                "\" --today " + kToday + " print 1 --format pdf --out \"" +
                                pdf.string() + "\" >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const Result text = print({"1"});
    EXPECT_EQ(test::pdfPages(pdf), static_cast<int>(pagesOf(text.out).size()));

    // Nothing to print: no file and no Qt.
    const fs::path none = out.file("none.pdf");
    const std::string empty =
        "\"" + std::string(VELNO_CLI_PATH) + "\" --data \"" + demo().string() + "\" --today " +
        kToday + " print 2 --group 7 --format pdf --out \"" + none.string() + "\" >/dev/null 2>&1";
    EXPECT_NE(std::system(empty.c_str()), 0);
    EXPECT_FALSE(fs::exists(none));
}
#endif

}  // namespace
}  // namespace velno::cli

namespace velno::cli {
namespace {

TEST(PrintLabelsAndLists, LabelsOfChosenIdsFromAFreeLabelAndTheInactiveContactListOfOneGroup) {
    const std::string id = firstPublisherId();
    const Result one = print({"30", "--ids", id, "--first-label", "24"});
    ASSERT_EQ(one.code, Ok) << one.err;
    EXPECT_FALSE(one.out.empty());
    EXPECT_EQ(print({"30", "--ids", "65000"}).code, Failure);
    EXPECT_EQ(print({"30", "--ids", "1,x"}).code, Usage);
    EXPECT_EQ(print({"30", "--first-label", "0"}).code, Usage);
    EXPECT_EQ(print({"50", "--first-label", "2"}).code, Usage) << "labels only";
    const Result group = print({"84", "--group", "1"});
    EXPECT_EQ(group.code, Ok) << group.err;
    EXPECT_NE(group.out.find("Penyiar Tidak Aktif"), std::string::npos);
    EXPECT_EQ(print({"84", "--all-groups"}).code, Usage);
    for (const char* kind : {"80", "81", "82", "83", "100", "101", "103", "104"}) {
        const bool perGroup = std::string(kind) == "81" || std::string(kind) == "101";
        const Result r = perGroup ? print({kind, "--group", "1"}) : print({kind});
        EXPECT_EQ(r.code, Ok) << kind << ": " << r.err;
    }
}

}  // namespace
}  // namespace velno::cli
