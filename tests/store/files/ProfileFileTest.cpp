// The settings file: Windows profile-file semantics, and what a save keeps.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/files/ProfileFile.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    const auto bytes = test::readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void writeText(const fs::path& path, const std::string& text) {
    test::writeBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// As a Windows program leaves it: CR LF, capitals where the program never
// wrote them, blanks around "=", a quoted value, comments and a section of
// another program.
const std::string kWindowsFile =
    "; settings\r\n"
    "[LABEL]\r\n"
    "tanggal LAHIR = 0\r\n"
    "Margin Kiri=35\r\n"
    "\r\n"
    "[Other Program]\r\n"
    "Window=10,20\r\n"
    "\r\n"
    "[laporan]\r\n"
    "CongName = \"  Sidang Timur  \"\r\n"
    "Top Margin=-19\r\n";

TEST(ProfileFile, ReadsWindowsStyleFileWhateverTheCase) {
    test::TempFolder dir;
    writeText(dir.file("velnoin.ini"), kWindowsFile);
    ProfileFile p;
    ASSERT_TRUE(p.load(dir.file("velnoin.ini")));
    EXPECT_EQ(0, p.getInt("Label", "Tanggal lahir", 1));
    EXPECT_EQ(35, p.getInt("label", "margin kiri", 20));
    EXPECT_EQ(-19, p.getInt("Laporan", "Top Margin", 50));
    EXPECT_EQ("  Sidang Timur  ", p.getString("Laporan", "CongName", ""));
    EXPECT_EQ("10,20", p.getString("other program", "WINDOW", ""));
    EXPECT_EQ(7, p.getInt("Laporan", "Missing", 7));
    EXPECT_EQ("x", p.getString("Missing", "CongName", "x"));
    EXPECT_FALSE(p.isModified());
}

TEST(ProfileFile, IntegersReadLikeTheProfileFunctions) {
    ProfileFile p;
    p.parse("[S]\nEmpty=\nWord=abc\nTail=12abc\nSign=+4\nHuge=99999999999\nLow=-99999999999\n");
    EXPECT_EQ(5, p.getInt("S", "Empty", 5));
    EXPECT_EQ(0, p.getInt("S", "Word", 5));
    EXPECT_EQ(12, p.getInt("S", "Tail", 5));
    EXPECT_EQ(4, p.getInt("S", "Sign", 5));
    EXPECT_EQ(2147483647, p.getInt("S", "Huge", 5));
    EXPECT_EQ(-2147483647 - 1, p.getInt("S", "Low", 5));
}

TEST(ProfileFile, SaveKeepsUnknownLinesAndTheirOrder) {
    test::TempFolder dir;
    const auto path = dir.file("velnoin.ini");
    writeText(path, kWindowsFile);
    ProfileFile p;
    p.load(path);
    p.setInt("Label", "Tanggal lahir", 1);       // changed in place, keeps its spelling
    p.setInt("Label", "Margin Kiri", 35);        // unchanged
    p.setInt("Label", "Label Alternatif", 1);    // new key: after the section's last entry
    p.setString("Sec", "Email", "a@b.example");  // new section: at the end
    ASSERT_TRUE(p.save());
    EXPECT_EQ(
        "; settings\r\n"
        "[LABEL]\r\n"
        "tanggal LAHIR=1\r\n"
        "Margin Kiri=35\r\n"
        "Label Alternatif=1\r\n"
        "\r\n"
        "[Other Program]\r\n"
        "Window=10,20\r\n"
        "\r\n"
        "[laporan]\r\n"
        "CongName = \"  Sidang Timur  \"\r\n"
        "Top Margin=-19\r\n"
        "\r\n"
        "[Sec]\r\n"
        "Email=a@b.example\r\n",
        fileText(path));

    ProfileFile again;
    again.load(path);
    EXPECT_EQ(1, again.getInt("LABEL", "label alternatif", 0));
    EXPECT_EQ("a@b.example", again.getString("sec", "email", ""));
}

TEST(ProfileFile, LineFeedFileStaysLineFeed) {
    test::TempFolder dir;
    const auto path = dir.file("velnoin.ini");
    writeText(path, "[Nag]\nEnabled=0\n");
    ProfileFile p;
    p.load(path);
    p.setInt("NAG", "enabled", 1);
    // A value can never break its line.
    p.setString("Sec", "Email", "a\r\nb");
    ASSERT_TRUE(p.save());
    EXPECT_EQ("[Nag]\nEnabled=1\n\n[Sec]\nEmail=a  b\n", fileText(path));
}

TEST(ProfileFile, FileIsCreatedOnlyByTheFirstWrite) {
    test::TempFolder dir;
    const auto path = dir.file("velnoin.ini");
    ProfileFile p;
    EXPECT_FALSE(p.load(path));
    EXPECT_TRUE(p.save());  // nothing set: nothing written
    EXPECT_FALSE(fs::exists(path));
    p.setInt("Nag", "Enabled", 0);
    EXPECT_TRUE(p.isModified());
    ASSERT_TRUE(p.save());
    EXPECT_EQ("[Nag]\r\nEnabled=0\r\n", fileText(path));
    EXPECT_FALSE(p.isModified());
}

TEST(ProfileFile, CapitalisedFileNameIsWrittenBackUnderItsName) {
    test::TempFolder dir;
    writeText(dir.file("VELNOIN.INI"), "[Nag]\r\nEnabled=1\r\n");
    ProfileFile p;
    ASSERT_TRUE(p.load(dir.file("velnoin.ini")));
    EXPECT_EQ(1, p.getInt("Nag", "Enabled", 0));
    p.setInt("Nag", "Enabled", 0);
    ASSERT_TRUE(p.save());
    EXPECT_FALSE(fs::exists(dir.file("velnoin.ini")));
    EXPECT_EQ("[Nag]\r\nEnabled=0\r\n", fileText(dir.file("VELNOIN.INI")));
}

}  // namespace
}  // namespace velno
