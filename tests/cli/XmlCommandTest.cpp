// velno-cli export xml, import xml and import xml-reports: a folder's
// publishers moved to a second folder, the refusals, and a month's reports
// read back into the first.

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
    Folder() : DemoCliFolder(20) {}
};

std::string textOf(const fs::path& file) {
    const auto bytes = test::readBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

TEST(CliXml, ExportThenImportIntoASecondFolder) {
    Folder from;
    Outcome r = from.cli({"export", "xml", "--list", "active"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const fs::path file = from.dir.path() / "Exports" / "Active.xml";
    EXPECT_EQ(file.string() + "\n", r.out);
    ASSERT_TRUE(fs::exists(file));

    test::DemoCliFolder to(5);
    r = to.cli({"--json", "import", "xml", file.string()});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto first = JsonReader::parse(r.out);
    EXPECT_EQ("Active", first["list"].string);
    EXPECT_EQ(0, first["updated"].real);
    const int added = static_cast<int>(first["added"].real);
    EXPECT_GT(added, 10);

    // Again with replace: the same names are now on file and are updated.
    r = to.cli({"--json", "import", "xml", file.string(), "--replace"});
    ASSERT_EQ(Ok, r.code) << r.err;
    EXPECT_EQ(added, JsonReader::parse(r.out)["updated"].real);
    EXPECT_EQ(0, JsonReader::parse(r.out)["added"].real);

    // The second folder's export names the same publishers.
    r = to.cli({"export", "xml", "--list", "active"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const std::string back = textOf(to.dir.path() / "Exports" / "Active.xml");
    const std::string original = textOf(file);
    for (std::size_t at = 0; (at = original.find("<lname>", at)) != std::string::npos; ++at) {
        const std::string name = original.substr(at, original.find('<', at + 1) - at);
        EXPECT_NE(back.find(name), std::string::npos) << name;
    }
}

TEST(CliXml, ChosenIdsBackupFirstAndRefusals) {
    Folder from;
    ASSERT_EQ(Ok, from.cli({"export", "xml", "--list", "active"}).code);
    const fs::path file = from.dir.path() / "Exports" / "Active.xml";
    const std::string text = textOf(file);
    const std::size_t idAt = text.find("<id>") + 4;
    const std::string id = text.substr(idAt, text.find('<', idAt) - idAt);

    test::DemoCliFolder to(5);
    EXPECT_EQ(Usage, to.cli({"import", "xml", file.string(), "--ids", "x"}).code);
    EXPECT_EQ(Failure, to.cli({"import", "xml", file.string(), "--ids", "29998"}).code);
    Outcome r = to.cli({"--json", "import", "xml", file.string(), "--ids", id, "--backup-first"});
    ASSERT_EQ(Ok, r.code) << r.err;
    EXPECT_EQ(1, JsonReader::parse(r.out)["added"].real);
    bool backup = false;
    for (const auto& e : fs::directory_iterator(to.dir.path()))
        backup |= e.path().filename().string().rfind("Vn9_", 0) == 0;
    EXPECT_TRUE(backup);

    // An unusable document changes nothing.
    const fs::path bad = to.dir.path() / "bad.xml";
    const std::string doc = "<PUBLIST><Count>0</Count><Active/></PUBLIST>";
    test::writeBytes(bad, std::vector<std::uint8_t>(doc.begin(), doc.end()));
    const auto before = test::readBytes(to.dir.path() / "tdat9.bin");
    r = to.cli({"import", "xml", bad.string()});
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(r.err.find("File XML tidak berisi"), std::string::npos) << r.err;
    EXPECT_EQ(before, test::readBytes(to.dir.path() / "tdat9.bin"));
    EXPECT_EQ(Usage, to.cli({"import", "xml"}).code);
    EXPECT_EQ(Usage, to.cli({"import", "nothing"}).code);
    EXPECT_EQ(Usage, to.cli({"export", "xml", "--list", "friends"}).code);
    EXPECT_EQ(Failure, to.cli({"export", "xml", "--list", "active", "--ids", "29998"}).code);
}

TEST(CliXml, ReportImportListsAndMergesTheReportMonth) {
    Folder f;
    ASSERT_EQ(Ok, f.cli({"export", "xml", "--list", "active"}).code);
    const fs::path file = f.dir.path() / "Exports" / "Active.xml";
    // Unchanged data list nothing.
    Outcome r = f.cli({"--json", "import", "xml-reports", file.string()});
    ASSERT_EQ(Ok, r.code) << r.err;
    EXPECT_EQ(0u, JsonReader::parse(r.out)["lines"].items.size());
    EXPECT_EQ(5, JsonReader::parse(r.out)["month"].real);

    // A study more for the first publisher in May (the ReportMonth).
    std::string text = textOf(file);
    const std::size_t may = text.find("<May Year=\"2024\">");
    ASSERT_NE(may, std::string::npos);
    const std::size_t studies = text.find("<BiSt.>", may) + 7;
    const std::size_t end = text.find('<', studies);
    const int now = std::stoi(text.substr(studies, end - studies));
    text.replace(studies, end - studies, std::to_string(now + 3));
    const fs::path changed = f.dir.path() / "changed.xml";
    test::writeBytes(changed, std::vector<std::uint8_t>(text.begin(), text.end()));
    r = f.cli({"--json", "import", "xml-reports", changed.string()});
    ASSERT_EQ(Ok, r.code) << r.err;
    ASSERT_EQ(1u, JsonReader::parse(r.out)["lines"].items.size());
    r = f.cli({"import", "xml-reports", changed.string(), "--merge", "all"});
    ASSERT_EQ(Ok, r.code) << r.err;
    r = f.cli({"--json", "import", "xml-reports", changed.string()});
    EXPECT_EQ(0u, JsonReader::parse(r.out)["lines"].items.size());
}

}  // namespace
}  // namespace velno::cli
