// velno-cli export: each delimited export written into Exports with its
// path printed, the monthly choices, the refusals, a failed write, and the
// unprotected lists in the data folder removed only by commands that save.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "cli/JsonReader.h"
#include "support/StoreFixtures.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::JsonReader;
using test::Outcome;

struct Folder : test::DemoCliFolder {
    Folder() : DemoCliFolder(12) {}
};

std::string textOf(const fs::path& file) {
    const auto bytes = test::readBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

int lineCount(const std::string& text) {
    int n = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++n;
    return n;
}

TEST(CliExport, EachExportWritesItsFileAndPrintsThePath) {
    Folder f;
    const std::pair<const char*, const char*> exports[] = {
        {"contacts", "contact.tsv"}, {"emergency", "3rdparty.tsv"},
        {"cardhdr", "cardhdr.tsv"},  {"attendance", "Hadirin Perhimpunan.csv"},
        {"summary", "Summary.csv"},
    };
    for (const auto& [action, name] : exports) {
        const Outcome r = f.cli({"export", action});
        ASSERT_EQ(Ok, r.code) << action << ": " << r.err;
        const fs::path file = f.dir.path() / "Exports" / name;
        EXPECT_EQ(file.string() + "\n", r.out);
        EXPECT_TRUE(fs::is_regular_file(file)) << name;
    }
    EXPECT_EQ(49, lineCount(textOf(f.dir.path() / "Exports" / "Hadirin Perhimpunan.csv")));
    EXPECT_EQ(73, lineCount(textOf(f.dir.path() / "Exports" / "Summary.csv")));
    // Exporting changes nothing among the data files.
    EXPECT_FALSE(fs::exists(f.dir.path() / "contact.tsv"));
}

TEST(CliExport, MonthlyTakesTheReportMonthOrTheChosenOneCommaOrTab) {
    Folder f;
    Outcome r = f.cli({"export", "monthly", "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const fs::path may = JsonReader::parse(r.out)["file"].string;
    EXPECT_EQ(f.dir.path() / "Exports" / "Mei.csv", may);
    const std::string comma = textOf(may);
    EXPECT_EQ(0u, comma.find('"'));  // no header: the first name starts the file
    EXPECT_NE(std::string::npos, comma.find(",\"05 (Mei)\",2024,"));

    // July lies after the report month (May 2024): last year's.
    r = f.cli({"export", "monthly", "--month", "7", "--tab", "--header"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const fs::path july = f.dir.path() / "Exports" / "Juli.rpt";
    EXPECT_EQ(july.string() + "\n", r.out);
    const std::string tab = textOf(july);
    EXPECT_EQ(0u, tab.find("Nama \tKelompok \t"));
    EXPECT_NE(std::string::npos, tab.find("\t\"07 (Jul)\"\t2023\t"));
    EXPECT_EQ(lineCount(comma) + 1, lineCount(tab));
}

TEST(CliExport, UsageErrors) {
    Folder f;
    EXPECT_EQ(Usage, f.cli({"export"}).code);
    EXPECT_EQ(Usage, f.cli({"export", "everything"}).code);
    EXPECT_EQ(Usage, f.cli({"export", "monthly", "--month", "13"}).code);
    EXPECT_EQ(Usage, f.cli({"export", "contacts", "--tab"}).code);
    EXPECT_FALSE(fs::exists(f.dir.path() / "Exports"));
}

TEST(CliExport, AFileThatCannotBeWrittenExitsOneNamingIt) {
    Folder f;
    test::writeBytes(f.dir.path() / "Exports", {'x'});
    const Outcome r = f.cli({"export", "cardhdr"});
    EXPECT_EQ(Failure, r.code);
    EXPECT_EQ("", r.out);
    EXPECT_NE(std::string::npos, r.err.find((f.dir.path() / "Exports" / "cardhdr.tsv").string()))
        << r.err;
}

TEST(CliExport, UnprotectedListsInTheDataFolderGoWithTheNextSave) {
    Folder f;
    for (const char* name : {"contact.tsv", "3rdparty.tsv", "CardHdr.tsv", "publist.xml"})
        test::writeBytes(f.dir.path() / name, {'x'});
    test::writeBytes(f.dir.path() / "Mei.csv", {'x'});
    ASSERT_EQ(Ok, f.cli({"info"}).code);
    ASSERT_EQ(Ok, f.cli({"export", "summary"}).code);
    EXPECT_TRUE(fs::exists(f.dir.path() / "contact.tsv"));
    const Outcome r = f.cli({"resave"});
    ASSERT_EQ(Ok, r.code) << r.err;
    for (const char* name : {"contact.tsv", "3rdparty.tsv", "CardHdr.tsv", "publist.xml"})
        EXPECT_FALSE(fs::exists(f.dir.path() / name)) << name;
    // A month's export is the desktop dialog's to offer.
    EXPECT_TRUE(fs::exists(f.dir.path() / "Mei.csv"));
}

}  // namespace
}  // namespace velno::cli
