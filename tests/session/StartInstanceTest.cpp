// Start-up without the window: the notice, the memory failure, the
// language locale, and what the start leaves in the document.

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <map>
#include <new>
#include <string>

#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"
#include "text/texts/StoreTexts.h"

namespace velno {
namespace {

namespace fs = std::filesystem;

struct Start {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    StartOptions options;
    Start() {
        doc.setPrompter(&prompter);
        options.dataFolder = dir.path();
        options.today = {2025, 3, 10};
        options.setLocale = false;
    }
    StartResult start() { return startInstance(doc, options); }
};

TEST(StartInstance, NoticeIsThreeSentencesInOneMessageUnlessSwitchedOff) {
    Start s;
    const StartResult r = s.start();
    ASSERT_TRUE(r.opened());
    EXPECT_EQ(
        "Program ini dibuat untuk membantu penghitungan dan pembuatan laporan bulanan.  Ini tidak "
        "menggantikan atau mengubah instruksi apa pun dari organisasi bagi sekretaris.  Semua "
        "berkas dan formulir dari organisasi harus segera diisi sesuai petunjuk.",
        r.notice);
    EXPECT_EQ(std::vector<std::string>{r.notice}, s.prompter.told);

    Start off;
    test::writeBytes(off.dir.file("velnoin.ini"), {'[', 'N', 'a', 'g', ']', '\n', 'E', 'n', 'a',
                                                   'b', 'l', 'e', 'd', '=', '1', '\n'});
    const StartResult quiet = off.start();
    EXPECT_EQ("", quiet.notice);
    EXPECT_TRUE(off.prompter.told.empty());
}

TEST(StartInstance, AFileThatCannotBeReadIsToldAtOpening) {
    Start s;
    fs::create_directory(s.dir.file("tcard.dat"));
    const StartResult r = s.start();
    ASSERT_TRUE(r.opened());
    EXPECT_NE(std::string::npos, r.readOnlyMessage.find("tcard.dat"));
    ASSERT_FALSE(s.prompter.told.empty());
    EXPECT_EQ(r.readOnlyMessage, s.prompter.told.front());
    EXPECT_EQ(SaveOutcome::Refused, s.doc.saveAll());
}

// The early start forgotten before the 25th is written only once the
// password is given.
TEST(StartInstance, NothingIsWrittenBeforeThePassword) {
    Start s;
    test::writeMainFile(s.dir.path(), {test::makeRecord(101, "Budi", "Santoso")});
    {
        CVelnoDoc doc;
        ASSERT_TRUE(doc.loadStore(s.dir.path()));
        setFieldText(doc.store().header().fname, "rahasia");
        ASSERT_EQ(SaveOutcome::Saved, doc.saveAll());
        doc.closeDocument();
    }
    const std::string ini = "[Early]\r\nYear=25\r\nMonth=4\r\n";
    test::writeBytes(s.dir.file("velnoin.ini"), std::vector<std::uint8_t>(ini.begin(), ini.end()));
    std::map<std::string, std::vector<std::uint8_t>> before;
    for (const auto& e : fs::directory_iterator(s.dir.path()))
        before[e.path().filename().string()] = test::readBytes(e.path());
    s.prompter.passwords = {"salah"};
    EXPECT_EQ(StartStatus::PasswordRefused, s.start().status);
    std::map<std::string, std::vector<std::uint8_t>> after;
    for (const auto& e : fs::directory_iterator(s.dir.path()))
        after[e.path().filename().string()] = test::readBytes(e.path());
    EXPECT_EQ(before, after);
}

TEST(StartInstance, MemoryThatCannotBeReservedEndsTheStart) {
    Start s;
    test::writeMainFile(s.dir.path(), {test::makeRecord(101, "Budi", "Santoso")});
    s.options.reserveMemory = [](CVelnoDoc&) { throw std::bad_alloc(); };
    EXPECT_EQ(StartStatus::OutOfMemory, s.start().status);
    EXPECT_EQ(std::vector<std::string>{text::tr(text::TxCouldNotAllocate)}, s.prompter.told);
    EXPECT_EQ(1, s.doc.store().recordCount());
}

TEST(StartInstance, LanguageCodesPickTheirLocale) {
    EXPECT_EQ("rus", localeForLanguage("urk"));
    EXPECT_EQ("polish", localeForLanguage("slovenian"));
    EXPECT_EQ("et", localeForLanguage("estonian"));
    EXPECT_EQ("romanian", localeForLanguage("rom"));
    EXPECT_EQ("vie", localeForLanguage("vie"));
    EXPECT_FALSE(localeForLanguage("in"));
    EXPECT_FALSE(localeForLanguage("ptg"));
    // This build keeps the locale; a machine without "tha" is no error.
    EXPECT_FALSE(applyLanguageLocale("in"));
    applyLanguageLocale("tha");
    std::setlocale(LC_CTYPE, "C");
}

TEST(StartInstance, FindsSpecialServantsOldReportsAndWritesSettingsWithEverySave) {
    Start s;
    auto servant = test::makeRecord(101, "Budi", "Santoso");
    servant.categoryBits = CategoryBit::SpecialServant;
    auto inactive = test::makeRecord(102, "Ani", "Wijaya", ListInactive);
    inactive.categoryBits = CategoryBit::SpecialServant;
    test::writeMainFile(s.dir.path(), {inactive});
    fs::create_directories(s.dir.path() / "Roll" / "Vn9_1");  // January: one month back
    test::writeBytes(s.dir.path() / "Roll" / "Vn9_1" / "tdat9.bin", std::vector<std::uint8_t>(816));
    StartResult r = s.start();
    EXPECT_FALSE(r.hasSpecialServants);
    EXPECT_EQ(1u << 1, r.oldReportsMask);

    test::writeMainFile(s.dir.path(), {servant, inactive});
    s.doc.dirty = true;
    s.doc.oldYearView = true;
    r = s.start();
    EXPECT_TRUE(r.hasSpecialServants);
    EXPECT_TRUE(s.doc.hasSpecialServants);
    EXPECT_FALSE(s.doc.dirty);
    EXPECT_FALSE(s.doc.oldYearView);

    EXPECT_FALSE(fs::exists(s.dir.file("velnoin.ini")));
    ASSERT_EQ(SaveOutcome::Saved, s.doc.saveAll());
    EXPECT_TRUE(fs::exists(s.dir.file("velnoin.ini")));
}

}  // namespace
}  // namespace velno
