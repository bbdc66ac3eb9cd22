// Backup sets and restores on demo folders: what a set holds, the refusals,
// the read-back check, a full disk, the password of the source, the undo
// folder and a restore stopped dead at every step.

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

#include "exchange/BackupSet.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/Restore.h"
#include "store/FixedText.h"
#include "store/Snapshots.h"
#include "store/files/BackupCatalogue.h"
#include "support/FaultyFileSystem.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {
namespace {

namespace fs = std::filesystem;
using test::Live;
using test::readBytes;

std::time_t at(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

BackupOutcome backUp(Live& live, const fs::path& target, std::time_t now) {
    BackupOptions o;
    o.now = now;
    return makeBackup(live.doc, target, o);
}

void copyTree(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// A folder's data set as it stands once loaded: the load tidies the remark
// file, so states are compared after it.
test::Files settled(const fs::path& folder) {
    test::TempFolder copy;
    copyTree(folder, copy.path());
    CVelnoDoc doc;
    doc.setToday({2025, 5, 5});
    EXPECT_TRUE(doc.loadStore(copy.path()));
    (void)doc.folder().commitHeld();
    return test::dataSetOf(copy.path());
}

// Changes one publisher's name and saves: a state a restore must undo.
void changeAndSave(Live& live, const char* name) {
    setFieldText(live.doc.store().at(3).fname, name);
    live.doc.dirty = true;
    ASSERT_EQ(SaveOutcome::Saved, live.doc.saveAll());
}

TEST(BackupSet, NamesLabelsAndTheMonthsBack) {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = 14;
    t.tm_min = 5;
    EXPECT_EQ("Vn9_1405_2026Dec07", backupSetName(t));
    EXPECT_TRUE(isBackupSet("/media/usb/Vn9_1405_2026Dec07/"));
    EXPECT_FALSE(isBackupSet("/media/usb/Vn9/"));
    const std::string label = backupLabel(t);
    EXPECT_LE(label.size(), 51u);
    EXPECT_NE(std::string::npos, label.find(" 2:05 PM"));
    // January's six months back wrap into the year before.
    EXPECT_EQ((std::vector<int>{12, 11, 10, 9, 8, 7}), previousSixMonths(0));
    EXPECT_EQ((std::vector<int>{3, 2, 1, 12, 11, 10}), previousSixMonths(3));
    EXPECT_EQ((std::vector<int>{12, 9}), snapshotMonths((1u << 2) | (1u << 5), 1));
}

TEST(Backup, CopiesTheSetFilesAndSnapshotMonthsAndRecordsTheSet) {
    Live live({2025, 5, 5});  // ReportMonth April: Roll/Vn9_3 is March
    ASSERT_TRUE(takeSnapshot(live.doc, 3));
    ASSERT_TRUE(takeSnapshot(live.doc, 1));
    test::TempFolder usb;
    ASSERT_EQ(SaveOutcome::Saved, live.doc.saveAll());
    const auto before = requiredBackupSpace(live.doc.folder());
    std::uintmax_t sum = 0;
    for (const auto& name : setFileList())
        if (fs::exists(live.dir.file(name))) sum += fs::file_size(live.dir.file(name));
    const BackupOutcome out = backUp(live, usb.path(), at(2025, 5, 5, 9, 7));
    ASSERT_TRUE(out.made()) << out.message;
    EXPECT_EQ(usb.path() / "Vn9_0907_2025May05", out.set);
    EXPECT_EQ((std::vector<int>{3, 1}), out.snapshots);
    for (const auto& name : setFileList()) {
        const fs::path file = live.dir.file(name);
        // The settings file gains the backup's own settings afterwards.
        if (!fs::exists(file) || name == "velnoin.ini") continue;
        EXPECT_EQ(readBytes(file), readBytes(out.set / name)) << name;
    }
    EXPECT_EQ(sum * 7, before);
    EXPECT_EQ(before, out.requiredBytes);
    EXPECT_EQ(readBytes(live.dir.path() / "Roll/Vn9_3/tdat9.bin"),
              readBytes(out.set / "Roll/Vn9_3/tdat9.bin"));
    EXPECT_FALSE(fs::exists(out.set / "Roll/Vn9_2"));
    const auto entries = BackupCatalogue::read(live.doc.folder());
    EXPECT_EQ(out.set.string(), fieldText(entries[0].path));
    EXPECT_TRUE(BackupCatalogue::isValid(entries[0]));
    EXPECT_EQ(usb.path().string(), live.doc.profile().getString("Backup", "Path", ""));
    EXPECT_EQ("2025-05-05", live.doc.profile().getString("Backup", "Last", ""));
}

TEST(Backup, ASecondInTheSameMinuteIsRefusedAndWithoutSnapshotsThereIsNoRoll) {
    Live live({2025, 5, 5});
    test::TempFolder usb;
    ASSERT_TRUE(backUp(live, usb.path(), at(2025, 5, 5, 9, 7)).made());
    EXPECT_FALSE(fs::exists(usb.path() / "Vn9_0907_2025May05/Roll"));
    const auto catalogue = readBytes(live.dir.file("buhist.dat"));
    const BackupOutcome again = backUp(live, usb.path(), at(2025, 5, 5, 9, 7));
    EXPECT_EQ(BackupOutcome::Status::SameMinute, again.status);
    EXPECT_EQ(text::tr(text::TxSameMinute), again.message);
    EXPECT_EQ(catalogue, readBytes(live.dir.file("buhist.dat")));
    EXPECT_TRUE(backUp(live, usb.path(), at(2025, 5, 5, 9, 8)).made());
}

// Writes every file as asked but corrupts the bytes of one of them on the
// way, as a failing medium might.
class CorruptingFileSystem : public FileSystem {
public:
    int writes = 0;
    int corruptAt = 1;
    int writeAll(int fd, const void* data, std::size_t size) override {
        if (++writes != corruptAt || size == 0) return FileSystem::writeAll(fd, data, size);
        std::vector<std::uint8_t> bad(static_cast<const std::uint8_t*>(data),
                                      static_cast<const std::uint8_t*>(data) + size);
        bad[size / 2] ^= 0x5a;
        return FileSystem::writeAll(fd, bad.data(), bad.size());
    }
};

TEST(Backup, ASetThatDiffersFromTheDataWhenReadBackIsRemovedAndNotCatalogued) {
    Live live({2025, 5, 5});
    test::TempFolder usb;
    CorruptingFileSystem corrupting;
    corrupting.corruptAt = 3;
    BackupOptions o;
    o.now = at(2025, 5, 5, 9, 7);
    o.fileSystem = &corrupting;
    const auto catalogue = readBytes(live.dir.file("buhist.dat"));
    const BackupOutcome out = makeBackup(live.doc, usb.path(), o);
    EXPECT_EQ(BackupOutcome::Status::CheckFailed, out.status);
    EXPECT_FALSE(fs::exists(out.set));
    EXPECT_EQ(catalogue, readBytes(live.dir.file("buhist.dat")));
    ASSERT_FALSE(live.prompter.told.empty());
    EXPECT_NE(std::string::npos, live.prompter.told.back().find(out.set.string()));
    EXPECT_EQ("", live.doc.profile().getString("Backup", "Last", ""));
}

TEST(Backup, AFullDiskIsReportedTheSetRemovedAndTheDataUntouched) {
    Live live({2025, 5, 5});
    ASSERT_TRUE(takeSnapshot(live.doc, 3));
    ASSERT_EQ(SaveOutcome::Saved, live.doc.saveAll());
    test::TempFolder usb;
    const auto data = test::filesOf(live.dir.path());
    for (int step : {2, 9, 25}) {
        SCOPED_TRACE(step);
        test::FaultyFileSystem full;
        full.mode = test::FaultyFileSystem::Mode::Fail;
        full.at = step;
        full.error = ENOSPC;
        BackupOptions o;
        o.now = at(2025, 5, 5, 9, step);
        o.fileSystem = &full;
        const BackupOutcome out = makeBackup(live.doc, usb.path(), o);
        EXPECT_EQ(BackupOutcome::Status::WriteFailed, out.status);
        EXPECT_FALSE(fs::exists(out.set));
        EXPECT_EQ(data, test::filesOf(live.dir.path()));
        EXPECT_NE(std::string::npos, out.message.find(std::strerror(ENOSPC)));
    }
}

TEST(Backup, AutomaticSetsKeepTheNewestAndNeverTouchSetsMadeByHand) {
    Live live({2025, 5, 5});
    test::TempFolder usb;
    EXPECT_FALSE(automaticBackupEnabled(live.doc));  // off by default
    const BackupOutcome byHand = backUp(live, usb.path(), at(2025, 5, 5, 8, 0));
    ASSERT_TRUE(byHand.made());
    setAutomaticBackup(live.doc, true);
    live.doc.profile().setInt("Backup", "AutoKeep", 2);
    std::vector<fs::path> sets;
    for (int minute = 1; minute <= 4; ++minute) {
        BackupOptions o;
        o.now = at(2025, 5, 5, 9, minute);
        const BackupOutcome out = makeAutomaticBackup(live.doc, o);
        ASSERT_TRUE(out.made()) << out.message;
        EXPECT_EQ(usb.path(), out.set.parent_path());  // the folder last used
        sets.push_back(out.set);
    }
    EXPECT_FALSE(fs::exists(sets[0]));
    EXPECT_FALSE(fs::exists(sets[1]));
    EXPECT_TRUE(fs::exists(sets[2] / kAutomaticMark));
    EXPECT_TRUE(fs::exists(sets[3]));
    EXPECT_TRUE(fs::exists(byHand.set / "tdat9.bin"));
}

TEST(Backup, AtExitMakesAnAutomaticSetOnlyWhenSwitchedOn) {
    Live live({2025, 5, 5});
    test::TempFolder usb;
    ASSERT_TRUE(backUp(live, usb.path(), at(2025, 5, 5, 8, 0)).made());  // the folder last used
    const auto automaticSets = [&] {
        int n = 0;
        for (const auto& e : fs::directory_iterator(usb.path()))
            n += fs::exists(e.path() / kAutomaticMark) ? 1 : 0;
        return n;
    };
    backUpAtExit(live.doc);
    EXPECT_EQ(0, automaticSets());
    setAutomaticBackup(live.doc, true);
    backUpAtExit(live.doc);
    EXPECT_EQ(1, automaticSets());
}

TEST(Backup, TheClosingHookRunsOnlyWhenTheDataOnDiskIsCurrent) {
    for (auto answer : {Answer::Yes, Answer::No}) {
        Live live({2025, 5, 5});
        int ran = 0;
        live.doc.whenClosingSaved = [&](CVelnoDoc& d) {
            ++ran;
            EXPECT_GT(d.store().recordCount(), 10);  // before the store is emptied
        };
        live.doc.dirty = true;
        live.prompter.answers = {answer};
        ASSERT_TRUE(live.doc.closeDocument());
        EXPECT_EQ(answer == Answer::Yes ? 1 : 0, ran);
    }
}

TEST(Restore, ReplacesTheDataKeepsTheReplacedStateAndUndoesTwice) {
    Live live({2025, 5, 5});
    ASSERT_TRUE(takeSnapshot(live.doc, 3));
    ASSERT_EQ(SaveOutcome::Saved, live.doc.saveAll());
    test::TempFolder usb;
    const BackupOutcome set = backUp(live, usb.path(), at(2025, 5, 5, 9, 7));
    ASSERT_TRUE(set.made());
    const auto backedUp = settled(set.set);

    changeAndSave(live, "Berubah");
    fs::remove_all(live.dir.path() / "Roll/Vn9_3");
    const auto changed = settled(live.dir.path());
    ASSERT_NE(backedUp, changed);
    EXPECT_FALSE(undoAvailable(live.dir.path()));

    const int month = live.doc.reportMonth().reportMonth0;
    RestoreOutcome out = restoreFrom(live.doc, set.set);
    ASSERT_TRUE(out.restored()) << out.message;
    EXPECT_FALSE(out.undone);
    EXPECT_EQ((std::vector<int>{3}), out.snapshots);
    EXPECT_TRUE(backedUp == settled(live.dir.path()))
        << test::differences(backedUp, settled(live.dir.path()));
    EXPECT_EQ(month, live.doc.reportMonth().reportMonth0);
    EXPECT_NE("Berubah", fieldText(live.doc.store().at(3).fname));
    EXPECT_TRUE(undoAvailable(live.dir.path()));
    EXPECT_TRUE(changed == settled(undoFolderPath(live.dir.path())));

    out = restoreFrom(live.doc, undoFolderPath(live.dir.path()));
    ASSERT_TRUE(out.restored()) << out.message;
    EXPECT_TRUE(out.undone);
    EXPECT_TRUE(changed == settled(live.dir.path()));
    EXPECT_FALSE(fs::exists(live.dir.path() / "unrestore_tmp"));
    EXPECT_TRUE(backedUp == settled(undoFolderPath(live.dir.path())));

    ASSERT_TRUE(restoreFrom(live.doc, undoFolderPath(live.dir.path())).restored());
    EXPECT_TRUE(backedUp == settled(live.dir.path()));
}

TEST(Restore, ASourceWithoutAReadableMainFileOrWithAWrongPasswordChangesNothing) {
    Live live({2025, 5, 5});
    setFieldText(live.doc.store().header().fname, "rahasia");
    live.doc.dirty = true;
    ASSERT_EQ(SaveOutcome::Saved, live.doc.saveAll());
    test::TempFolder usb;
    const BackupOutcome set = backUp(live, usb.path(), at(2025, 5, 5, 9, 7));
    ASSERT_TRUE(set.made());
    changeAndSave(live, "Berubah");
    const auto before = test::filesOf(live.dir.path());

    live.prompter.passwords = {"salah", "salah"};
    EXPECT_EQ(RestoreOutcome::Status::PasswordRefused, restoreFrom(live.doc, set.set).status);
    EXPECT_EQ(before, test::filesOf(live.dir.path()));
    EXPECT_EQ(1, live.prompter.passwordDialogs);

    test::TempFolder empty;
    fs::create_directories(empty.path() / "Vn9_0000_2025May01");
    live.prompter.told.clear();
    EXPECT_EQ(RestoreOutcome::Status::NoMainFile,
              restoreFrom(live.doc, empty.path() / "Vn9_0000_2025May01").status);
    EXPECT_EQ(1u, live.prompter.told.size());
    EXPECT_EQ(before, test::filesOf(live.dir.path()));

    live.prompter.passwords = {"rahasia"};
    EXPECT_TRUE(restoreFrom(live.doc, set.set).restored());
    EXPECT_NE("Berubah", fieldText(live.doc.store().at(3).fname));
}

TEST(Restore, AnUnreadableFileOfTheSourceStopsItBeforeAnythingChanges) {
    Live live({2025, 5, 5});
    test::TempFolder usb;
    const BackupOutcome set = backUp(live, usb.path(), at(2025, 5, 5, 9, 7));
    ASSERT_TRUE(set.made());
    fs::remove(set.set / "emerg.dat");
    fs::create_directory(set.set / "emerg.dat");  // there, but not a file to read
    const auto before = test::filesOf(live.dir.path());
    const RestoreOutcome out = restoreFrom(live.doc, set.set);
    EXPECT_EQ(RestoreOutcome::Status::Unreadable, out.status);
    EXPECT_EQ(before, test::filesOf(live.dir.path()));
    EXPECT_FALSE(fs::exists(undoFolderPath(live.dir.path())));
}

TEST(Restore, StoppedDeadAtAnyStepTheFolderLoadsAsTheOldOrTheRestoredState) {
    test::TempFolder original;
    test::TempFolder usb;
    fs::path setPath;
    test::Files oldState, newState;
    {
        Live live({2025, 5, 5});
        ASSERT_TRUE(takeSnapshot(live.doc, 3));
        ASSERT_EQ(SaveOutcome::Saved, live.doc.saveAll());
        const BackupOutcome set = backUp(live, usb.path(), at(2025, 5, 5, 9, 7));
        ASSERT_TRUE(set.made());
        setPath = set.set;
        newState = settled(set.set);
        changeAndSave(live, "Berubah");
        fs::remove_all(live.dir.path() / "Roll/Vn9_3");
        oldState = settled(live.dir.path());
        copyTree(live.dir.path(), original.path());
    }
    // The steps of a whole restore.
    int steps = 0;
    {
        test::TempFolder probe;
        copyTree(original.path(), probe.path());
        test::FaultyFileSystem counting;
        CVelnoDoc doc;
        doc.setToday({2025, 5, 5});
        ASSERT_TRUE(doc.loadStore(probe.path()));
        doc.folder().setFileSystem(&counting);
        ASSERT_TRUE(restoreFrom(doc, setPath).restored());
        steps = counting.steps;
    }
    ASSERT_GT(steps, 20);
    int sawOld = 0, sawNew = 0;
    for (int step = 1; step <= steps; ++step) {
        SCOPED_TRACE("killed at " + std::to_string(step));
        test::TempFolder run;
        copyTree(original.path(), run.path());
        {
            test::FaultyFileSystem killed;
            killed.mode = test::FaultyFileSystem::Mode::Kill;
            killed.at = step;
            CVelnoDoc doc;
            doc.setToday({2025, 5, 5});
            ASSERT_TRUE(doc.loadStore(run.path()));
            doc.folder().setFileSystem(&killed);
            (void)restoreFrom(doc, setPath);
        }
        // The next start finishes or forgets what the commit left.
        {
            CVelnoDoc doc;
            doc.setToday({2025, 5, 5});
            ASSERT_TRUE(doc.loadStore(run.path()));
            ASSERT_GT(doc.store().recordCount(), 10);
            (void)doc.folder().commitHeld();
        }
        const auto after = test::dataSetOf(run.path());
        const bool isOld = after == oldState, isNew = after == newState;
        EXPECT_TRUE(isOld || isNew)
            << test::differences(after, oldState) << " /" << test::differences(after, newState);
        sawOld += isOld;
        sawNew += isNew;
        // Once the data changed, the state it replaced is whole in the undo folder.
        if (isNew) {
            EXPECT_TRUE(oldState == settled(undoFolderPath(run.path())));
        }
    }
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

}  // namespace
}  // namespace velno
