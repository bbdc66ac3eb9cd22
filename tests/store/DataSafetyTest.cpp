// What the data folder's writer promises: a save (or a command, or a month
// initialisation) reaches the disk whole or not at all, whatever step fails
// or is cut short; no write follows a planted link; a file that cannot be
// read is never written over; a damaged file's original is kept.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "reporting/InitialiseMonth.h"
#include "session/SettingsFile.h"
#include "store/CVelnoDoc.h"
#include "store/DataFolder.h"
#include "store/files/PrivilegeDates.h"
#include "support/FaultyFileSystem.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

namespace fs = std::filesystem;
using test::FaultyFileSystem;
using test::makeRecord;
using test::makeRemark;
using test::readBytes;
using test::writeBytes;
using FolderState = std::map<std::string, Bytes>;

constexpr CalendarDate kToday{2025, 3, 10};  // ReportMonth: February 2025

// Every file under the folder but the remarks' undo copy (rewritten by
// every load) and kept originals.
FolderState stateOf(const fs::path& folder) {
    FolderState state;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        if (!e.is_regular_file()) continue;
        const std::string name = e.path().lexically_relative(folder).string();
        if (name == RemarkTable::kUndoFileName || name.find(".rusak-") != std::string::npos)
            continue;
        // The backup catalogue names the snapshot by its full path (cut to
        // its field), which differs between the test's folders.
        state[name] = name == "buhist.dat" ? Bytes{1} : readBytes(e.path());
    }
    return state;
}

void copyFolder(const fs::path& from, const fs::path& to) {
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// The password step as a test scripts it, and the settings written with the
// save as the program writes them; no tallies, so the bytes stay as written.
struct ScriptedRules final : DocumentRules {
    std::function<bool(CVelnoDoc&)> admitWith;
    bool writesSettings = false;
    bool admit(CVelnoDoc& d) const override { return !admitWith || admitWith(d); }
    void loaded(CVelnoDoc&) const override {}
    void beforeSave(CVelnoDoc&) const override {}
    FileResult writeSettings(CVelnoDoc& d) const override {
        return writesSettings ? velno::writeSettings(d) : FileResult{};
    }
};

struct Doc {
    test::ScriptedPrompter prompter;
    ScriptedRules rules;
    CVelnoDoc doc;
    explicit Doc(const fs::path& folder, bool holdUntilSave = false) {
        doc.setPrompter(&prompter);
        doc.setToday(kToday);
        doc.holdWritesUntilSave = holdUntilSave;
        doc.profile().setPath(folder / kSettingsFileName);
        rules.writesSettings = true;
        doc.setRules(&rules);
        EXPECT_TRUE(doc.loadStore(folder));
    }
};

// A folder with records, remarks, privilege dates and emergency contacts.
void writeOldFolder(const fs::path& dir) {
    test::writeMainFile(dir, {makeRecord(101, "Budi", "Santoso"), makeRecord(102, "Citra", "Dewi"),
                              makeRecord(103, "Eka", "Putri")});
    writeBytes(dir / "remark9.dat",
               test::remarkFile({makeRemark(101, 2, 1, "sakit"), makeRemark(102, 1, 1, "cuti")}));
    PrivilegeDateEntry e{};
    e.id = 101;
    e.kind = PrivilegeKind::Elder;
    std::memcpy(e.start, "01/02/20", 8);
    const auto* p = reinterpret_cast<const std::uint8_t*>(&e);
    writeBytes(dir / "tappt.dat", Bytes(p, p + sizeof e));
}

// A save that replaces most files and removes one.
void changeAndSave(CVelnoDoc& doc, SaveOutcome* outcome) {
    doc.store().append(makeRecord(104, "Dewi", "Lestari"));
    doc.sortAndIndex();
    const int k = doc.store().at(1).remarkIndex[monthSlot(1, 1)];
    if (k > 0) std::memcpy(doc.remarks().at(k).text, "sembuh", 7);
    doc.privilegeDates().entries.clear();  // tappt.dat goes
    doc.viewOptions().bytes[5] = 1;
    doc.settings().congregationName = "Sidang Baru";
    doc.dirty = true;
    *outcome = doc.saveAll();
}

// The month's initialisation as one command: snapshot, emptied slot and
// remarks, the opened month, all in one commit.
void initialiseAndSave(CVelnoDoc& doc, SaveOutcome* outcome) {
    const ReportMonth& m = doc.reportMonth();
    InitialiseMonth(doc, m.reportMonth0, m.parity());
    *outcome = doc.saveAll();
}

std::string describe(const FolderState& s, const FolderState& oldState,
                     const FolderState& newState) {
    std::string out;
    for (const auto& [name, bytes] : s) {
        const auto o = oldState.find(name);
        const auto n = newState.find(name);
        out += name + (o != oldState.end() && o->second == bytes ? " old" : "") +
               (n != newState.end() && n->second == bytes ? " new" : "") + "; ";
    }
    return out;
}

using Action = std::function<void(CVelnoDoc&, SaveOutcome*)>;

// Runs the action once to learn its steps and the new state, then once per
// step with that step failing and once with the program stopped dead
// there; each time a fresh load must find exactly the old or the new state.
void checkEveryStep(const Action& action, bool holdUntilSave) {
    test::TempFolder original;
    writeOldFolder(original.path());
    { Doc settle(original.path()); }  // the load's own writes
    const FolderState oldState = stateOf(original.path());

    test::TempFolder probe;
    copyFolder(original.path(), probe.path());
    FaultyFileSystem counting;
    FolderState newState;
    {
        Doc d(probe.path(), holdUntilSave);
        d.doc.folder().setFileSystem(&counting);
        SaveOutcome outcome{};
        action(d.doc, &outcome);
        ASSERT_EQ(SaveOutcome::Saved, outcome);
    }
    { Doc settle(probe.path()); }
    newState = stateOf(probe.path());
    ASSERT_NE(oldState, newState);
    const int steps = counting.steps;
    ASSERT_GT(steps, 10);

    int sawOld = 0, sawNew = 0;
    for (auto mode : {FaultyFileSystem::Mode::Fail, FaultyFileSystem::Mode::Kill}) {
        for (int at = 1; at <= steps; ++at) {
            SCOPED_TRACE((mode == FaultyFileSystem::Mode::Fail ? "fail at " : "kill at ") +
                         std::to_string(at));
            test::TempFolder run;
            copyFolder(original.path(), run.path());
            FaultyFileSystem faulty;
            faulty.mode = mode;
            faulty.at = at;
            SaveOutcome outcome{};
            {
                Doc d(run.path(), holdUntilSave);
                d.doc.folder().setFileSystem(&faulty);
                action(d.doc, &outcome);
                if (outcome != SaveOutcome::Saved) {
                    EXPECT_TRUE(d.doc.dirty);
                    EXPECT_FALSE(d.prompter.told.empty());  // the failure was told
                }
            }
            Doc reloaded(run.path());
            const FolderState after = stateOf(run.path());
            const bool isOld = after == oldState;
            const bool isNew = after == newState;
            EXPECT_TRUE(isOld || isNew) << describe(after, oldState, newState);
            if (outcome == SaveOutcome::Saved) {
                EXPECT_TRUE(isNew);
            }
            sawOld += isOld;
            sawNew += isNew;
        }
    }
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

TEST(AllOrNothing, ASaveFailedOrKilledAtAnyStepLeavesTheOldOrTheNewFolder) {
    checkEveryStep(changeAndSave, false);
}

TEST(AllOrNothing, AMonthInitialisationFailedOrKilledAtAnyStepLeavesTheOldOrTheNewFolder) {
    checkEveryStep(initialiseAndSave, true);
}

TEST(AllOrNothing, AnInterruptedCommitIsFinishedOnlyOnceThePasswordIsAccepted) {
    test::TempFolder cut;
    writeOldFolder(cut.path());
    // A save of one more record, stopped dead at a step, in a fresh copy.
    const auto killedAt = [&](const fs::path& run, int at) {
        copyFolder(cut.path(), run);
        FaultyFileSystem f;
        f.mode = FaultyFileSystem::Mode::Kill;
        f.at = at;
        Doc d(run);
        d.doc.folder().setFileSystem(&f);
        d.doc.store().append(makeRecord(104, "Dewi", "Lestari"));
        d.doc.sortAndIndex();
        (void)d.doc.saveAll();
        return fs::exists(run / DataFolder::kCommitRecord);
    };
    // The first step after which the commit record stands.
    int recordStep = 0;
    for (int at = 1; !recordStep && at < 200; ++at) {
        test::TempFolder probe;
        if (killedAt(probe.path(), at)) recordStep = at;
    }
    ASSERT_GT(recordStep, 0);
    test::TempFolder run;
    ASSERT_TRUE(killedAt(run.path(), recordStep));
    const FolderState interrupted = stateOf(run.path());
    // A refused password reads the new records but changes nothing.
    {
        CVelnoDoc doc;
        doc.setToday(kToday);
        bool asked = false;
        ScriptedRules rules;
        doc.setRules(&rules);
        rules.admitWith = [&](CVelnoDoc& d) {
            asked = true;
            EXPECT_EQ(5, d.store().recordCount());  // the committed save, read through the record
            return false;
        };
        EXPECT_FALSE(doc.loadStore(run.path()));
        EXPECT_TRUE(asked);
    }
    EXPECT_EQ(interrupted, stateOf(run.path()));
    // Accepted: the commit is finished and every temporary file is gone.
    { Doc d(run.path()); }
    EXPECT_FALSE(fs::exists(run.file(DataFolder::kCommitRecord)));
    for (const auto& e : fs::directory_iterator(run.path()))
        EXPECT_EQ(std::string::npos, e.path().filename().string().find(DataFolder::kTemporaryMark))
            << e.path();
    EXPECT_EQ(5u * 816, readBytes(run.file("tdat9.bin")).size());
}

TEST(DataFolderWriter, NeverWritesThroughAPlantedLinkAndSweepsLeftovers) {
    test::TempFolder dir, outside;
    const fs::path target = outside.file("victim");
    writeBytes(target, Bytes{1, 2, 3});
    // The old writer's fixed temporary name, planted as a link.
    fs::create_symlink(target, dir.file("tdat9.bin.velno-tmp"));
    writeBytes(dir.file("remark9.dat.velno-tmp-0123456789abcdef"), Bytes(48, 7));
    const DataFolder folder(dir.path());
    ASSERT_TRUE(folder.write("tdat9.bin", Bytes(900, 9)));
    EXPECT_EQ((Bytes{1, 2, 3}), readBytes(target));
    for (const auto& e : fs::directory_iterator(dir.path()))
        EXPECT_EQ(std::string::npos, e.path().filename().string().find(".velno-tmp")) << e.path();
    struct stat st {};
    ASSERT_EQ(0, ::stat(dir.file("tdat9.bin").c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 0777);

    // A snapshot folder that is a link is refused, not written through.
    fs::create_symlink(outside.path(), dir.file("Roll"));
    const FileResult r = folder.write("Roll/Vn9_2/tdat9.bin", Bytes(900, 9));
    EXPECT_FALSE(r);
    EXPECT_EQ(ELOOP, r.error);
    EXPECT_FALSE(fs::exists(outside.file("Vn9_2")));
}

TEST(DataFolderWriter, ACommitRecordThatIsNotOursIsNeverFollowed) {
    test::TempFolder outside;
    for (const std::string record :
         {"velno-commit 1\nR\t../x.velno-tmp-1\t../x\nend\n",
          "velno-commit 1\nR\ttdat9.bin.velno-tmp-1\ttdat9.bin\n",  // no end: not whole
          "velno-commit 1\nR\tremark9.dat\ttdat9.bin\nend\n", "garbage"}) {
        SCOPED_TRACE(record);
        test::TempFolder dir;
        writeOldFolder(dir.path());
        const auto main = readBytes(dir.file("tdat9.bin"));
        writeBytes(dir.file(DataFolder::kCommitRecord), Bytes(record.begin(), record.end()));
        writeBytes(outside.file("x.velno-tmp-1"), Bytes{1});
        Doc d(dir.path());
        EXPECT_EQ(4, d.doc.store().recordCount());
        EXPECT_EQ(main, readBytes(dir.file("tdat9.bin")));
        EXPECT_TRUE(fs::exists(dir.file("remark9.dat")));
        EXPECT_TRUE(fs::exists(outside.file("x.velno-tmp-1")));
        EXPECT_FALSE(fs::exists(outside.file("x")));
        d.doc.dirty = true;
        EXPECT_EQ(SaveOutcome::Saved, d.doc.saveAll());
        EXPECT_FALSE(fs::exists(dir.file(DataFolder::kCommitRecord)));
    }
}

TEST(DataFolderWriter, AFullDiskIsToldAsAFullDiskWithTheSystemsReason) {
    test::TempFolder dir;
    writeOldFolder(dir.path());
    Doc d(dir.path());
    const auto before = stateOf(dir.path());
    FaultyFileSystem full;
    full.mode = FaultyFileSystem::Mode::Fail;
    full.error = ENOSPC;
    full.at = 3;  // the main file's data
    d.doc.folder().setFileSystem(&full);
    d.doc.dirty = true;
    EXPECT_EQ(SaveOutcome::PartlyFailed, d.doc.saveAll());
    EXPECT_TRUE(d.doc.dirty);
    ASSERT_EQ(1u, d.prompter.told.size());
    EXPECT_NE(std::string::npos, d.prompter.told[0].find("Disk penuh"));
    EXPECT_NE(std::string::npos, d.prompter.told[0].find(std::strerror(ENOSPC)));
    EXPECT_EQ(std::string::npos, d.prompter.told[0].find("read-only"));
    EXPECT_EQ(before, stateOf(dir.path()));
}

// Permissions do not stop the tests' user, so the seam refuses the read.
TEST(UnreadableFiles, AFileThatCannotBeReadIsNeverWrittenOver) {
    for (const std::string name : {"tdat9.bin", "remark9.dat", "tappt.dat", "meetin9.dat"}) {
        SCOPED_TRACE(name);
        test::TempFolder dir;
        writeOldFolder(dir.path());
        writeBytes(dir.file("meetin9.dat"), Bytes(1344, 0));
        const auto before = stateOf(dir.path());
        FaultyFileSystem fsys;
        fsys.unreadable = {name};
        test::ScriptedPrompter prompter;
        CVelnoDoc doc;
        doc.setPrompter(&prompter);
        doc.setToday(kToday);
        doc.folder().setFileSystem(&fsys);
        ASSERT_TRUE(doc.loadStore(dir.path()));
        EXPECT_TRUE(doc.isReadOnly());
        ASSERT_EQ(1u, doc.loadReport().unreadable.size());
        EXPECT_EQ(name, doc.loadReport().unreadable[0].file);
        for (const auto& note : doc.loadReport().notes)
            EXPECT_EQ(std::string::npos, note.find("is missing")) << note;
        doc.dirty = true;
        EXPECT_EQ(SaveOutcome::Refused, doc.saveAll());
        ASSERT_FALSE(prompter.told.empty());
        EXPECT_NE(std::string::npos, prompter.told.back().find(name));
        EXPECT_NE(std::string::npos, prompter.told.back().find(std::strerror(EACCES)));
        // Written-through files are refused too.
        EXPECT_FALSE(RemarkTable::writeRemark(doc.folder(), makeRemark(101, 3, 1, "x")));
        EXPECT_EQ(before, stateOf(dir.path()));
    }
    // A folder in a file's place is not "missing" either.
    test::TempFolder dir;
    writeOldFolder(dir.path());
    fs::create_directory(dir.file("tcard.dat"));
    CVelnoDoc doc;
    ASSERT_TRUE(doc.loadStore(dir.path()));
    EXPECT_TRUE(doc.isReadOnly());
    EXPECT_EQ(SaveOutcome::Refused, doc.saveAll());
    EXPECT_TRUE(fs::is_directory(dir.file("tcard.dat")));
}

TEST(DamagedFiles, TheFirstSaveKeepsTheDamagedOriginalAndSaysWhere) {
    test::TempFolder dir;
    writeOldFolder(dir.path());
    auto main = readBytes(dir.file("tdat9.bin"));
    main.resize(main.size() - 100);  // cut short: the last record is lost
    writeBytes(dir.file("tdat9.bin"), main);
    Doc d(dir.path());
    EXPECT_EQ(std::vector<std::string>{"tdat9.bin"}, d.doc.loadReport().damagedFiles);
    d.doc.dirty = true;
    ASSERT_EQ(SaveOutcome::Saved, d.doc.saveAll());
    fs::path kept;
    for (const auto& e : fs::directory_iterator(dir.path()))
        if (e.path().filename().string().rfind("tdat9.bin.rusak-20250310-", 0) == 0)
            kept = e.path();
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(main, readBytes(kept));
    ASSERT_FALSE(d.prompter.told.empty());
    EXPECT_NE(std::string::npos, d.prompter.told.back().find(kept.string()));
    // Only once: the next save replaces the repaired file as usual.
    d.prompter.told.clear();
    d.doc.dirty = true;
    ASSERT_EQ(SaveOutcome::Saved, d.doc.saveAll());
    EXPECT_TRUE(d.prompter.told.empty());
}

TEST(DamagedFiles, AGarbageMainFileIsDamagedNotPasswordProtected) {
    test::TempFolder dir;
    writeBytes(dir.file("tdat9.bin"), Bytes(816 * 3, 0xFF));
    CVelnoDoc doc;
    ScriptedRules rules;
    rules.admitWith = [](CVelnoDoc&) { return false; };
    doc.setRules(&rules);
    EXPECT_FALSE(doc.loadStore(dir.path()));
    EXPECT_TRUE(doc.loadReport().headerNotRecognised);
    EXPECT_EQ(Bytes(816 * 3, 0xFF), readBytes(dir.file("tdat9.bin")));
}

}  // namespace
}  // namespace velno
