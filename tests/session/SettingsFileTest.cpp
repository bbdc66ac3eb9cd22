// The settings table in "velnoin.ini", the early start of the next month,
// and sorting by first name.

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <string>

#include "session/SettingsFile.h"
#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text) {
    test::writeBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string fileText(const fs::path& path) {
    const auto bytes = test::readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(SettingsFile, MissingFileGivesTheDefaults) {
    ProfileFile p;
    Settings s;
    s.topMargin = 99;
    s.autoCaps = 0;
    s.customCategoryName = "x";
    readSettings(p, s, "in");
    EXPECT_EQ(1, s.labelBirthDate);
    EXPECT_EQ(0, s.labelAlternative);
    EXPECT_EQ(20, s.labelLeftMargin);
    EXPECT_EQ(0, s.showGrid);
    EXPECT_EQ(0, s.incompleteBoxes);
    EXPECT_EQ(1, s.emergencySY);
    EXPECT_EQ(50, s.topMargin);
    EXPECT_EQ(0, s.dateStamp);
    EXPECT_EQ("", s.congregationName);
    EXPECT_EQ(1, s.autoCaps);
    EXPECT_EQ(0, s.nag);
    EXPECT_EQ("", s.customCategoryName);
}

TEST(SettingsFile, WrittenSettingsReadBackEqualExceptDialing) {
    Settings s;
    s.labelBirthDate = 0;
    s.labelAlternative = 1;
    s.labelLeftMargin = 7;
    s.showGrid = 1;
    s.incompleteBoxes = 1;
    s.emergencySY = 0;
    s.topMargin = 35;
    s.dateStamp = 1;
    s.congregationName = "Sidang \xC9l\xE9gant";  // Windows-1252
    s.dialing = 1;
    s.autoCaps = 0;
    s.nag = 1;
    s.printGroup = 1;
    s.hideAverages = 5;
    s.onePerPage = 1;
    s.hideBirth = 1;
    s.customCategoryEnabled = 1;
    s.customCategoryName = "Perintis Kota";
    s.secretaryEmail = "sekretaris@example.org";
    ReportMonth m;
    m.earlyYear2 = 25;
    m.earlyMonth = 4;
    ProfileFile p;
    writeSettings(p, s, m, "in");

    ProfileFile again;
    again.parse(p.text());
    Settings back;
    readSettings(again, back, "in");
    EXPECT_EQ(0, back.dialing);  // written, but every run starts without it
    EXPECT_EQ(1, again.getInt("Dial OK", "Enabled", 0));
    back.dialing = s.dialing;
    EXPECT_EQ(s.labelBirthDate, back.labelBirthDate);
    EXPECT_EQ(s.labelAlternative, back.labelAlternative);
    EXPECT_EQ(s.labelLeftMargin, back.labelLeftMargin);
    EXPECT_EQ(s.showGrid, back.showGrid);
    EXPECT_EQ(s.incompleteBoxes, back.incompleteBoxes);
    EXPECT_EQ(s.emergencySY, back.emergencySY);
    EXPECT_EQ(s.topMargin, back.topMargin);
    EXPECT_EQ(s.dateStamp, back.dateStamp);
    EXPECT_EQ(s.congregationName, back.congregationName);
    EXPECT_EQ(s.autoCaps, back.autoCaps);
    EXPECT_EQ(s.nag, back.nag);
    EXPECT_EQ(s.printGroup, back.printGroup);
    EXPECT_EQ(s.hideAverages, back.hideAverages);
    EXPECT_EQ(s.onePerPage, back.onePerPage);
    EXPECT_EQ(s.hideBirth, back.hideBirth);
    EXPECT_EQ(s.customCategoryEnabled, back.customCategoryEnabled);
    EXPECT_EQ(s.customCategoryName, back.customCategoryName);
    EXPECT_EQ(s.secretaryEmail, back.secretaryEmail);
    EXPECT_EQ(25, again.getInt("Early", "Year", 0));
    EXPECT_EQ(4, again.getInt("Early", "Month", 0));
}

TEST(SettingsFile, CustomCategoryNameIsCutTo15Characters) {
    ProfileFile p;
    p.parse("[Kategori Tambahan]\r\nKategori Tambahan=Perintis Sekolah 20\r\n");
    Settings s;
    readSettings(p, s, "in");
    EXPECT_EQ("Perintis Sekola", s.customCategoryName);
}

TEST(SettingsFile, HandEditedValuesAreClampedAndCut) {
    ProfileFile p;
    p.parse("[Laporan]\r\nTop Margin=99999999\r\nTampilkanGrid=-7\r\nCongName=" +
            std::string(70000, 'x') +
            "\r\n[Label]\r\nMargin Kiri=-5\r\n[HideAvg]\r\nEnabled=99\r\n" +
            "[Sec]\r\nEmail=" + std::string(300, 'e') + "\r\n");
    Settings s;
    readSettings(p, s, "in");
    EXPECT_EQ(kMaxMargin, s.topMargin);
    EXPECT_EQ(0, s.labelLeftMargin);
    EXPECT_EQ(0, s.showGrid);
    EXPECT_EQ(15, s.hideAverages);
    EXPECT_EQ(std::string(25, 'x'), s.congregationName);
    EXPECT_EQ(50u, s.secretaryEmail.size());
}

TEST(SettingsFile, SortingByFirstNameIsKeptOnlyInThePtgBuild) {
    ProfileFile p;
    p.parse("[SortByFirstName]\nEnabled=1\n");
    Settings s;
    readSettings(p, s, "in");
    EXPECT_FALSE(s.sortByFirstName);
    readSettings(p, s, "ptg");
    EXPECT_TRUE(s.sortByFirstName);

    ProfileFile written;
    s.sortByFirstName = true;
    writeSettings(written, s, ReportMonth{}, "in");
    EXPECT_FALSE(written.value("SortByFirstName", "Enabled"));
    writeSettings(written, s, ReportMonth{}, "ptg");
    EXPECT_EQ(1, written.getInt("SortByFirstName", "Enabled", 0));
}

// ---- the early start of the next month --------------------------------------

struct EarlyCase {
    CalendarDate today;
    const char* stored;  // profile text
    int expectStamp;     // the ReportMonth derived afterwards
    int expectEarlyYear;
};

void PrintTo(const EarlyCase& c, std::ostream* os) {
    std::string stored = c.stored;
    for (char& ch : stored)
        if (ch == '\n') ch = ' ';
    *os << c.today.year << "-" << c.today.month << "-" << c.today.day << ", " << stored;
}

class EarlyOverride : public ::testing::TestWithParam<EarlyCase> {};

TEST_P(EarlyOverride, DecidesTheReportMonth) {
    const EarlyCase& c = GetParam();
    ProfileFile p;
    p.parse(c.stored);
    ReportMonth m;
    applyEarlyOverride(p, m, c.today);
    m.deriveFrom(c.today);
    EXPECT_EQ(c.expectStamp, m.reportStamp);
    EXPECT_EQ(c.expectEarlyYear, m.earlyYear2);
}

INSTANTIATE_TEST_SUITE_P(
    Days, EarlyOverride,
    ::testing::Values(
        // From the 25th the early start of January (early month February) holds.
        EarlyCase{{2025, 1, 27}, "[Early]\nYear=25\nMonth=2\n", stampOf(2025, 0), 25},
        // Before the 25th it is forgotten: January is processed in February.
        EarlyCase{{2025, 2, 2}, "[Early]\nYear=25\nMonth=3\n", stampOf(2025, 0), 0},
        // Not a real month.
        EarlyCase{{2025, 1, 27}, "[Early]\nYear=25\nMonth=13\n", stampOf(2024, 11), 0},
        // Left from a run two months ago: it would move the month backwards.
        EarlyCase{{2025, 4, 26}, "[Early]\nYear=25\nMonth=3\n", stampOf(2025, 2), 0},
        // Across the year: started early on 28 December for January.
        EarlyCase{{2024, 12, 28}, "[Early]\nYear=25\nMonth=1\n", stampOf(2024, 11), 25}));

TEST(SettingsFile, EarlyStartIsResetInTheFileBeforeThe25th) {
    test::TempFolder dir;
    const auto path = dir.file("velnoin.ini");
    writeText(path, "[Early]\r\nYear=25\r\nMonth=3\r\n");
    ProfileFile p;
    p.load(path);
    ReportMonth m;
    applyEarlyOverride(p, m, {2025, 3, 2});
    EXPECT_EQ("[Early]\r\nYear=0\r\nMonth=0\r\n", fileText(path));

    // A folder that never started early gets no settings file for it.
    test::TempFolder fresh;
    ProfileFile none;
    none.load(fresh.file("velnoin.ini"));
    applyEarlyOverride(none, m, {2025, 3, 2});
    EXPECT_FALSE(fs::exists(fresh.file("velnoin.ini")));
}

// ---- through the document -----------------------------------------------------

TEST(SettingsFile, HandWrittenFileIsReadAtStartAndKeptBySave) {
    test::TempFolder dir;
    writeText(
        dir.file("velnoin.ini"),
        "[laporan]\r\ntop margin = 30\r\n\r\n[Huruf Judul]\r\nTinggi=-19\r\nFaceName=Arial\r\n");
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    doc.setPrompter(&prompter);
    StartOptions options;
    options.dataFolder = dir.path();
    options.today = {2025, 3, 10};
    options.setLocale = false;
    ASSERT_TRUE(startInstance(doc, options).opened());
    EXPECT_EQ(30, doc.settings().topMargin);
    doc.settings().nag = 1;
    ASSERT_EQ(SaveOutcome::Saved, doc.saveAll());

    const std::string text = fileText(dir.file("velnoin.ini"));
    EXPECT_NE(std::string::npos, text.find("[laporan]\r\ntop margin = 30\r\n"));
    EXPECT_NE(std::string::npos, text.find("[Huruf Judul]\r\nTinggi=-19\r\nFaceName=Arial\r\n"));
    EXPECT_NE(std::string::npos, text.find("[Nag]\r\nEnabled=1\r\n"));
}

TEST(SettingsFile, SortingByFirstNameClearsFamilyNameFirst) {
    test::TempFolder dir;
    test::writeMainFile(dir.path(), {test::makeRecord(101, "Zakharia", "Abdi"),
                                     test::makeRecord(102, "Anton", "Zebua")});
    CVelnoDoc doc;
    doc.setToday({2025, 3, 10});
    ASSERT_TRUE(doc.loadStore(dir.path()));
    doc.viewOptions().bytes[0] = 1;
    EXPECT_EQ(101, doc.store().at(1).id);  // family name first: Abdi before Zebua
    setSortByFirstName(doc, true);
    EXPECT_EQ(0, doc.viewOptions().bytes[0]);
    EXPECT_EQ(102, doc.store().at(1).id);  // Anton before Zakharia
    EXPECT_TRUE(doc.dirty);
}

}  // namespace
}  // namespace velno
