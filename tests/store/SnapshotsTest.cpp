// Month-end snapshots on demo folders: taking them, the freshness rule,
// the catalogue, the availability of "View Old Reports", opening one
// read-only and returning to the live data.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "demo/DemoCongregation.h"
#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "store/DesktopServices.h"
#include "store/ExportsFolder.h"
#include "store/FixedText.h"
#include "store/OldReports.h"
#include "store/Snapshots.h"
#include "store/files/BackupCatalogue.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"
#include "text/texts/StoreTexts.h"

namespace velno {
namespace {

namespace fs = std::filesystem;
using test::readBytes;

// A demo congregation opened as the program opens it.
struct Live {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;

    explicit Live(const CalendarDate& today, int publishers = 30) {
        std::string error;
        EXPECT_TRUE(writeDemoCongregation(dir.path(), today, 7, publishers, &error)) << error;
        doc.setPrompter(&prompter);
        start(today);
    }
    void start(const CalendarDate& today) {
        StartOptions o;
        o.dataFolder = dir.path();
        o.today = today;
        o.setLocale = false;
        o.tellNotice = false;
        ASSERT_TRUE(startInstance(doc, o).opened());
    }
    fs::path snapshot(int n) const { return dir.path() / "Roll" / ("Vn9_" + std::to_string(n)); }
};

// Every file under a folder with its bytes and time: what "nothing was
// written" compares.
using Tree = std::map<std::string, std::pair<std::vector<std::uint8_t>, fs::file_time_type>>;
Tree treeOf(const fs::path& root) {
    Tree tree;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            tree[fs::relative(e.path(), root).string()] = {readBytes(e.path()),
                                                           fs::last_write_time(e.path())};
    return tree;
}

void setYear(const fs::path& file, int year) {
    using namespace std::chrono;
    const sys_days day = year_month_day{std::chrono::year{year}, month{6}, std::chrono::day{15}};
    const sys_time<nanoseconds> when = day;
    fs::last_write_time(file, fs::file_time_type::clock::from_sys(when));
}

void copyFolder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const auto& e : fs::directory_iterator(from))
        if (e.is_regular_file()) fs::copy_file(e.path(), to / e.path().filename());
}

TEST(Snapshots, JanuaryIsKeptAsMonth12WithTheSetFilesAndACatalogueLine) {
    Live live({2025, 2, 5});  // ReportMonth January 2025
    live.doc.dirty = false;
    ASSERT_TRUE(takeSnapshot(live.doc, 0));
    EXPECT_TRUE(live.doc.dirty);
    const fs::path snap = live.snapshot(12);
    int copied = 0;
    for (const auto& name : setFileList()) {
        if (!fs::exists(live.dir.file(name))) {
            EXPECT_FALSE(fs::exists(snap / name)) << name;
            continue;
        }
        EXPECT_EQ(readBytes(live.dir.file(name)), readBytes(snap / name)) << name;
        ++copied;
    }
    EXPECT_GE(copied, 8);
    EXPECT_EQ(5120u, readBytes(live.dir.file("buhist.dat")).size());
    const auto entries = BackupCatalogue::read(DataFolder(live.dir.path()));
    EXPECT_EQ("Februari 5 2025 (Roll)", fieldText(entries[0].label));
    EXPECT_EQ(snap.string(), fieldText(entries[0].path));
}

TEST(Snapshots, LastYearsSnapshotIsReplacedThisYearsKept) {
    Live live({2025, 5, 5});  // ReportMonth April 2025
    const fs::path main = live.snapshot(3) / "tdat9.bin";
    ASSERT_TRUE(takeSnapshot(live.doc, 3));

    test::writeBytes(main, std::vector<std::uint8_t>(816, 1));
    setYear(main, 2025);
    EXPECT_FALSE(takeSnapshot(live.doc, 3));
    EXPECT_EQ(std::vector<std::uint8_t>(816, 1), readBytes(main));

    setYear(main, 2024);
    EXPECT_TRUE(takeSnapshot(live.doc, 3));
    EXPECT_EQ(readBytes(live.dir.file("tdat9.bin")), readBytes(main));

    // 500 bytes or less is no snapshot, whatever its time.
    test::writeBytes(main, std::vector<std::uint8_t>(500, 1));
    setYear(main, 2025);
    EXPECT_TRUE(takeSnapshot(live.doc, 3));
}

TEST(Snapshots, FileTheDataFolderLacksIsNotLeftFromAnOlderSnapshot) {
    Live live({2025, 5, 5});
    fs::remove(live.dir.file("tlt15.dat"));
    fs::create_directories(live.snapshot(4));
    test::writeBytes(live.snapshot(4) / "tlt15.dat", std::vector<std::uint8_t>(32, 7));
    ASSERT_TRUE(takeSnapshot(live.doc, 4));
    EXPECT_FALSE(fs::exists(live.snapshot(4) / "tlt15.dat"));
}

TEST(Snapshots, CatalogueKeepsTheTenNewestFirstIn5120Bytes) {
    test::TempFolder dir;
    const DataFolder folder(dir.path());
    for (int i = 1; i <= 12; ++i)
        ASSERT_TRUE(BackupCatalogue::add(folder, "label " + std::to_string(i),
                                         dir.path() / ("set" + std::to_string(i))));
    EXPECT_EQ(5120u, readBytes(dir.file("buhist.dat")).size());
    const auto entries = BackupCatalogue::read(folder);
    for (int k = 0; k < BackupCatalogue::kEntries; ++k)
        EXPECT_EQ("label " + std::to_string(12 - k), fieldText(entries[k].label));
}

TEST(Snapshots, MenuShowsTheSixMonthsBeforeTheReportMonth) {
    Live live({2025, 6, 10});  // ReportMonth May 2025
    for (int n : {4, 11}) {
        fs::create_directories(live.snapshot(n));
        test::writeBytes(live.snapshot(n) / "tdat9.bin", std::vector<std::uint8_t>(816, 0));
    }
    EXPECT_EQ((1u << 1) | (1u << 6), snapshotAvailability(live.doc));
    const auto entries = oldReportEntries(live.doc);
    ASSERT_EQ(6u, entries.size());
    EXPECT_EQ("April", entries[0].label);
    EXPECT_EQ(4, entries[0].snapshotNumber);
    EXPECT_TRUE(entries[0].available);
    EXPECT_EQ("November", entries[5].label);
    EXPECT_EQ(2024, entries[5].year);
    EXPECT_EQ(11, entries[5].snapshotNumber);
    EXPECT_TRUE(entries[5].available);
    EXPECT_FALSE(entries[2].available);
}

// ---- opening and returning ----------------------------------------------------

// The live folder of March 2025 with the snapshot that opening January
// 2025 took: December 2024's data.
struct WithDecember : Live {
    test::TempFolder december;
    int decemberRecords = 0;
    WithDecember() : Live({2025, 3, 10}, 30) {
        std::string error;
        EXPECT_TRUE(writeDemoCongregation(december.path(), {2025, 1, 6}, 9, 12, &error)) << error;
        copyFolder(december.path(), snapshot(12));
        CVelnoDoc d;
        d.setToday({2025, 1, 6});
        d.loadStore(december.path());
        decemberRecords = d.store().recordCount();
    }
};

TEST(OldReports, OpensTheMonthTwoBackAcrossTheYearAndWritesNothing) {
    WithDecember w;
    const int liveRecords = w.doc.store().recordCount();
    ASSERT_NE(liveRecords, w.decemberRecords);
    const Tree before = treeOf(w.dir.path());

    ASSERT_EQ(OldReportResult::Opened, openOldReport(w.doc, 2));
    EXPECT_TRUE(w.doc.oldYearView);
    EXPECT_EQ(11, w.doc.reportMonth().reportMonth0);
    EXPECT_EQ(24, w.doc.reportMonth().reportYear2);
    EXPECT_EQ(w.decemberRecords, w.doc.store().recordCount());
    EXPECT_EQ(w.snapshot(12), w.doc.folder().path());

    // Whatever the program tries in this view, no file changes.
    w.doc.dirty = true;
    EXPECT_EQ(SaveOutcome::NothingToSave, w.doc.saveAll());
    (void)w.doc.blankRemarksOf(w.doc.store().at(1).id);  // the files below tell
    w.doc.compactEmergency();
    EXPECT_FALSE(takeSnapshot(w.doc, 0));
    ASSERT_EQ(OldReportResult::Opened, openOldReport(w.doc, 3));  // November: missing
    EXPECT_EQ(1, w.doc.store().recordCount());
    EXPECT_EQ(10, w.doc.reportMonth().reportMonth0);
    w.doc.dirty = true;
    EXPECT_TRUE(w.doc.closeDocument());
    EXPECT_TRUE(w.prompter.asked.empty());  // no exit question either

    Tree after = treeOf(w.dir.path());
    // The live undo copy of the remarks is the one file opening removes.
    Tree expected = before;
    expected.erase("rmkundo.dat");
    EXPECT_EQ(expected.size(), after.size());
    for (const auto& [name, file] : expected) {
        ASSERT_TRUE(after.count(name)) << name;
        EXPECT_EQ(file, after[name]) << name;
    }
}

TEST(OldReports, ReturnKeepsTheLiveMonthAndAsksNoPasswordAgain) {
    WithDecember w;
    setFieldText(w.doc.store().header().fname, "kunci");
    w.doc.saveAll();
    w.prompter.passwords = {"kunci"};
    w.start({2025, 3, 10});
    ASSERT_EQ(1, w.prompter.passwordDialogs);
    const int liveRecords = w.doc.store().recordCount();

    // The start dialog moved the live month back to January.
    w.doc.reportMonth().setStamp(stampOf(2025, 0));
    ASSERT_EQ(OldReportResult::Opened, openOldReport(w.doc, 1));  // December again
    EXPECT_EQ(w.decemberRecords, w.doc.store().recordCount());
    EXPECT_EQ(stampOf(2024, 11), w.doc.reportMonth().reportStamp);

    ASSERT_TRUE(returnToLiveData(w.doc));
    EXPECT_FALSE(w.doc.oldYearView);
    EXPECT_FALSE(w.doc.folder().isReadOnly());
    EXPECT_EQ(w.dir.path(), w.doc.folder().path());
    EXPECT_EQ(stampOf(2025, 0), w.doc.reportMonth().reportStamp);
    EXPECT_EQ(liveRecords, w.doc.store().recordCount());
    EXPECT_EQ(1, w.prompter.passwordDialogs);
    EXPECT_TRUE(fs::exists(w.dir.file("rmkundo.dat")));
    EXPECT_EQ(SaveOutcome::Saved, w.doc.saveAll());
}

TEST(OldReports, UnsavedChangesAreAskedAboutFirst) {
    WithDecember w;
    w.doc.dirty = true;
    w.prompter.answers = {Answer::Cancel};
    EXPECT_EQ(OldReportResult::Cancelled, openOldReport(w.doc, 2));
    EXPECT_FALSE(w.doc.oldYearView);

    // "No": a remark written through since the load goes back to the copy
    // taken at load.
    const auto atLoad = readBytes(w.dir.file("rmkundo.dat"));
    ASSERT_TRUE(RemarkTable::writeRemark(DataFolder(w.dir.path()),
                                         test::makeRemark(w.doc.store().at(1).id, 2, 1, "sakit")));
    ASSERT_NE(atLoad, readBytes(w.dir.file("remark9.dat")));
    w.prompter.answers = {Answer::No};
    EXPECT_EQ(OldReportResult::Opened, openOldReport(w.doc, 2));
    EXPECT_EQ(atLoad, readBytes(w.dir.file("remark9.dat")));
    EXPECT_EQ(std::vector<std::string>(2, text::tr(text::TxSaveChanges)), w.prompter.asked);
}

}  // namespace
}  // namespace velno

namespace velno {
namespace {

struct RecordingOpener : FileOpener {
    std::vector<std::string> opened;
    std::string refusal;
    std::string open(const std::string& path) override {
        opened.push_back(path);
        return refusal;
    }
};

TEST(Exports, GoToTheLiveFolderAlsoWhileASnapshotIsOpenAndAreOfferedToOpen) {
    WithDecember w;
    ASSERT_EQ(OldReportResult::Opened, openOldReport(w.doc, 2));
    const fs::path live = w.dir.path();
    EXPECT_EQ(live / "Exports", exportsFolder(w.doc));

    ASSERT_TRUE(writeExportFile(w.doc, "contact.tsv", "a\tb\t\r\n").ok());
    EXPECT_EQ(std::vector<std::uint8_t>({'a', '\t', 'b', '\t', '\r', '\n'}),
              readBytes(live / "Exports" / "contact.tsv"));

    RecordingOpener opener;
    test::ScriptedPrompter prompter;
    prompter.answers = {Answer::No, Answer::Yes};
    offerToOpenExport(prompter, opener, live / "Exports" / "contact.tsv");
    EXPECT_TRUE(opener.opened.empty());
    opener.refusal = "no program";
    offerToOpenExport(prompter, opener, live / "Exports" / "contact.tsv");
    ASSERT_EQ(2u, prompter.asked.size());
    EXPECT_NE(std::string::npos, prompter.asked[1].find("contact.tsv"));
    ASSERT_EQ(1u, prompter.told.size());
    EXPECT_NE(std::string::npos, prompter.told[0].find("no program"));
}

TEST(Exports, AFolderThatCannotBeMadeIsAFailureNamingTheFile) {
    test::TempFolder dir;
    test::writeBytes(dir.file("Exports"), {'x'});  // a file where the folder belongs
    CVelnoDoc doc;
    doc.folder().setPath(dir.path());
    const FileResult result = writeExportFile(doc, "cardhdr.tsv", "x");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ((dir.path() / "Exports" / "cardhdr.tsv").string(), result.file);
}

}  // namespace
}  // namespace velno
