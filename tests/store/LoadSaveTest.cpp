// Loading and saving a data folder: every file, the order of the steps and
// what a load or save changes on purpose.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "store/files/UnderHourMarks.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

namespace fs = std::filesystem;
using test::makeRecord;
using test::makeRemark;
using test::readBytes;
using test::writeBytes;

constexpr CalendarDate kToday{2025, 3, 10};  // ReportMonth: February 2025

struct Folder {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;

    Folder() {
        doc.setPrompter(&prompter);
        doc.setToday(kToday);
    }
    bool load() { return doc.loadStore(dir.path()); }
    std::vector<std::uint8_t> bytes(const std::string& name) const {
        return readBytes(dir.file(name));
    }
    bool has(const std::string& name) const { return fs::exists(dir.file(name)); }
};

std::map<std::string, std::vector<std::uint8_t>> snapshotFiles(const fs::path& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file()) files[e.path().filename().string()] = readBytes(e.path());
    return files;
}

TEST(LoadSave, NewFolderSavesJustTheHeader) {
    Folder f;
    ASSERT_TRUE(f.load());
    EXPECT_EQ(1, f.doc.store().recordCount());
    EXPECT_FALSE(f.doc.loadReport().mainFileFound);
    EXPECT_EQ(SaveOutcome::Saved, f.doc.saveAll());
    const auto main = f.bytes("tdat9.bin");
    ASSERT_EQ(816u, main.size());
    EXPECT_EQ('A' + kScrambleBase, main[23]);
    EXPECT_FALSE(f.has("bkstudy.dat"));
    EXPECT_FALSE(f.has("tlt15.dat"));
    EXPECT_EQ(1344u, f.bytes("meetin9.dat").size());
    EXPECT_EQ(1728u, f.bytes("tcard.dat").size());
    EXPECT_EQ(7u, f.bytes("vnxcfg.cfg").size());
}

TEST(LoadSave, MainFileOf400BytesOrLessCountsAsMissing) {
    Folder f;
    writeBytes(f.dir.file("tdat9.bin"), std::vector<std::uint8_t>(400, 0x41));
    ASSERT_TRUE(f.load());
    EXPECT_EQ(1, f.doc.store().recordCount());
    EXPECT_FALSE(f.doc.loadReport().mainFileFound);
}

// A folder with something in every file, written by the store itself.
void populate(CVelnoDoc& doc) {
    RecordStore& s = doc.store();
    auto budi = makeRecord(120, "Budi", "Santoso");
    setFieldText(budi.addr, "Jl. Merpati 12, Bandung");
    setFieldText(budi.phone, "022-123456");
    setFieldText(budi.bapdate, " 3 51990");
    budi.hours[monthSlot(0, 1)] = 12;
    budi.slotYear[monthSlot(0, 1)] = 25;
    auto citra = makeRecord(121, "Citra", "Dewi");
    auto dani = makeRecord(122, "Dani", "Wijaya", ListInactive);
    auto co = makeRecord(30003, "Kris", "Tanu", ListCircuitOverseer);
    s.append(co);
    s.append(dani);
    s.append(citra);
    s.append(budi);
    doc.sortAndIndex();

    doc.groups().data().count = 1;
    setFieldText(doc.groups().data().name[0], "Utara");
    setFieldText(doc.groups().data().overseer[0], "Budi Santoso");
    doc.groups().data().showName[0] = 1;

    doc.meetings().blocks[0].week[0][monthSlot(1, 1)] = 80;
    doc.totals().values[1][0][0][1] = 33;
    PrivilegeDateEntry elder{};
    elder.id = 120;
    elder.kind = PrivilegeKind::Elder;
    setFieldText(elder.start, "01152010");
    doc.privilegeDates().entries.push_back(elder);
    doc.viewOptions().bytes[6] = 1;

    doc.extensions().current() = {};
    doc.extensions().current().owner = 121;
    setFieldText(doc.extensions().current().email, "citra@example.org");
    s.recordById(121)->extSlot = static_cast<std::uint16_t>(doc.writeExtension());

    std::vector<std::uint8_t> contact(256, 0);
    std::memcpy(contact.data() + 2, "Ibu Dewi", 8);
    ASSERT_EQ(10, doc.addEntry(doc.emergency(), contact));
    std::vector<std::uint8_t> need(96, 0);
    std::memcpy(need.data() + 2, "Kursi roda", 10);
    ASSERT_EQ(10, doc.addEntry(doc.specialNeeds(), need));
    s.recordById(121)->emergId = 10;
    s.recordById(121)->specneed = 10;

    const int k = doc.remarks().append(makeRemark(120, 1, 1, "Sakit"));
    s.recordById(120)->remarkIndex[monthSlot(0, 1)] = static_cast<std::uint16_t>(k);
}

TEST(LoadSave, EveryFileComesBackByteForByte) {
    Folder first;
    ASSERT_TRUE(first.load());
    populate(first.doc);
    ASSERT_EQ(SaveOutcome::Saved, first.doc.saveAll());
    auto written = snapshotFiles(first.dir.path());
    written.erase("rmkundo.dat");

    // A load and save changes only what it is meant to: the header read
    // from a file gets moreBits bit 15, and the remark file gets the zero
    // entry 0 of the table appended (the next load compacts it away).
    auto roundTrip = [](const std::map<std::string, std::vector<std::uint8_t>>& files, Folder& f) {
        for (const auto& [name, bytes] : files) writeBytes(f.dir.file(name), bytes);
        EXPECT_TRUE(f.load());
        EXPECT_EQ(SaveOutcome::Saved, f.doc.saveAll());
        auto result = snapshotFiles(f.dir.path());
        result.erase("rmkundo.dat");
        return result;
    };
    Folder second;
    auto resaved = roundTrip(written, second);
    auto expected = written;
    expected["tdat9.bin"][197] = 0x80;
    expected["remark9.dat"].resize(expected["remark9.dat"].size() + 48, 0);
    EXPECT_EQ(expected, resaved);

    // From then on a load and save is a fixed point.
    Folder third;
    EXPECT_EQ(resaved, roundTrip(resaved, third));

    // And what was loaded is what was written.
    const CVelnoDoc& d = second.doc;
    ASSERT_EQ(5, d.store().recordCount());
    EXPECT_EQ("Budi Santoso", d.displayName(d.store().storePosById(120)));
    EXPECT_EQ("Jl. Merpati 12, Bandung", fieldText(d.store().recordById(120)->addr));
    EXPECT_EQ(30003, d.store().at(4).id);  // the overseer is last
    EXPECT_EQ("Utara", d.groups().displayName(1));
    EXPECT_EQ(80, second.doc.meetings().blocks[0].week[0][monthSlot(1, 1)]);
    EXPECT_EQ("Perhimpunan Tengah Pekan", fieldText(second.doc.meetings().blocks[0].name));
    EXPECT_TRUE(second.doc.remarkExists(d.store().storePosById(120), 0, 1));
    EXPECT_EQ(ExtensionBit::Email, second.doc.extensionOf(d.store().storePosById(121)));
    ASSERT_TRUE(second.doc.readEntryByKey(second.doc.emergency(), 10));
}

TEST(LoadSave, FileNamesAreFoundWhateverTheirCase) {
    Folder f;
    test::writeMainFile(f.dir.path(), {makeRecord(100, "Eka", "Putri")});
    fs::rename(f.dir.file("tdat9.bin"), f.dir.file("TDAT9.BIN"));
    ASSERT_TRUE(f.load());
    EXPECT_EQ(2, f.doc.store().recordCount());
    f.doc.saveAll();
    EXPECT_TRUE(f.has("TDAT9.BIN"));
    EXPECT_FALSE(f.has("tdat9.bin"));
}

TEST(LoadSave, SupersededRemarkLeavesTheFileAndStrangersStay) {
    Folder f;
    test::writeMainFile(f.dir.path(), {makeRecord(100, "Eka", "Putri")});
    writeBytes(f.dir.file("remark9.dat"),
               test::remarkFile({makeRemark(100, 3, 1, "first"), makeRemark(999, 4, 0, "stranger"),
                                 makeRemark(100, 3, 1, "second"), makeRemark(100, 0, 0, "empty")}));
    ASSERT_TRUE(f.load());
    const auto file = readBytes(f.dir.file("remark9.dat"));
    ASSERT_EQ(3u * 48, file.size());  // header, stranger, second
    EXPECT_EQ(0, std::memcmp(file.data() + 48, "stranger", 8));
    EXPECT_EQ(0, std::memcmp(file.data() + 96, "second", 6));
    EXPECT_EQ(1, f.doc.loadReport().remarksOfUnknownPublishers);
    ASSERT_EQ(2, f.doc.remarks().count());
    const PublisherRecord& r = f.doc.store().at(1);
    EXPECT_EQ(1, r.remarkIndex[monthSlot(2, 1)]);
    EXPECT_EQ("second", f.doc.remarks().at(1).textString());
    // The undo copy holds the file as it was before the compaction.
    EXPECT_EQ(5u * 48, f.bytes("rmkundo.dat").size());
}

TEST(LoadSave, DecliningToSaveRestoresTheRemarks) {
    Folder f;
    test::writeMainFile(f.dir.path(), {makeRecord(100, "Eka", "Putri")});
    writeBytes(f.dir.file("remark9.dat"), test::remarkFile({makeRemark(100, 3, 1, "kept")}));
    ASSERT_TRUE(f.load());
    const auto atLoad = f.bytes("remark9.dat");
    ASSERT_TRUE(RemarkTable::writeRemark(f.doc.folder(), makeRemark(100, 5, 0, "typed later")));
    EXPECT_NE(atLoad, f.bytes("remark9.dat"));
    f.doc.dirty = true;
    f.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(f.doc.closeDocument());
    f.prompter.answers = {Answer::No};
    EXPECT_TRUE(f.doc.closeDocument());
    EXPECT_EQ(atLoad, f.bytes("remark9.dat"));
    EXPECT_FALSE(f.has("rmkundo.dat"));
    EXPECT_EQ(2u, f.prompter.asked.size());
    EXPECT_EQ("Simpan perubahan?", f.prompter.asked[0]);
}

TEST(LoadSave, WriteRemarkReusesTheLastBlankEntry) {
    Folder f;
    writeBytes(f.dir.file("remark9.dat"),
               test::remarkFile({makeRemark(100, 1, 0, " "), makeRemark(101, 2, 0, "x"),
                                 makeRemark(102, 3, 0, "")}));
    f.doc.folder().setPath(f.dir.path());
    ASSERT_TRUE(RemarkTable::writeRemark(f.doc.folder(), makeRemark(103, 4, 1, "new")));
    auto file = f.bytes("remark9.dat");
    ASSERT_EQ(4u * 48, file.size());
    EXPECT_EQ(0, std::memcmp(file.data() + 3 * 48, "new", 4));
    ASSERT_TRUE(RemarkTable::writeRemark(f.doc.folder(), makeRemark(101, 2, 0, "changed")));
    file = f.bytes("remark9.dat");
    EXPECT_EQ(0, std::memcmp(file.data() + 2 * 48, "changed", 8));
    ASSERT_TRUE(RemarkTable::writeRemark(f.doc.folder(), makeRemark(104, 4, 1, "x")));
    ASSERT_TRUE(RemarkTable::writeRemark(f.doc.folder(), makeRemark(105, 4, 1, "appended")));
    file = f.bytes("remark9.dat");
    ASSERT_EQ(5u * 48, file.size());
    EXPECT_EQ(0, std::memcmp(file.data() + 4 * 48, "appended", 9));
}

TEST(LoadSave, PreviousGroupFileIsLeftToTheConverter) {
    Folder f;
    writeBytes(f.dir.file("bkstudy.dat"), std::vector<std::uint8_t>(1881, 3));
    struct Converter : PreviousFormat {
        int groupsCalls = 0;
        bool convertStore(CVelnoDoc&) override { return false; }
        void convertSideTables(CVelnoDoc&) override {}
        void convertGroups(CVelnoDoc&) override { ++groupsCalls; }
        void appendSideLists(CVelnoDoc&) override {}
        void convertMeetings(CVelnoDoc&) override {}
    } converter;
    f.doc.setPreviousFormat(&converter);
    ASSERT_TRUE(f.load());
    EXPECT_EQ(1, converter.groupsCalls);
    EXPECT_EQ(0, f.doc.groups().count());

    Folder g;
    std::vector<std::uint8_t> other(1882, 0);
    other[0] = 1;
    std::memcpy(other.data() + 1441, "Selatan", 7);
    xorGroupText(reinterpret_cast<char*>(other.data() + 1441), 24);
    writeBytes(g.dir.file("bkstudy.dat"), other);
    ASSERT_TRUE(g.load());
    EXPECT_EQ(1, g.doc.groups().count());
    EXPECT_EQ("Selatan", fieldText(g.doc.groups().data().name[0]));
}

TEST(LoadSave, OneMeetingBlockLoadsAndTwoAreSaved) {
    Folder f;
    std::vector<std::uint8_t> block(672, 0);
    block[96] = 77;
    writeBytes(f.dir.file("meetin9.dat"), block);
    ASSERT_TRUE(f.load());
    EXPECT_EQ(77, f.doc.meetings().blocks[0].week[0][0]);
    EXPECT_EQ(0, f.doc.meetings().blocks[1].week[0][0]);
    EXPECT_EQ("Perhimpunan Akhir Pekan", fieldText(f.doc.meetings().blocks[1].name));
    f.doc.saveAll();
    EXPECT_EQ(1344u, f.bytes("meetin9.dat").size());
}

TEST(LoadSave, UnderHourMarksOfOldFormMonthsLiveInTheirOwnFile) {
    Folder f;
    f.doc.setToday({2023, 9, 15});  // ReportMonth August 2023: old form
    ASSERT_TRUE(f.load());
    auto r = makeRecord(100, "Eka", "Putri");
    r.studiesWord[monthSlot(6, 1)] = StudiesWord::SharedOrUnderHour;  // July 2023
    f.doc.store().append(r);
    f.doc.sortAndIndex();
    f.doc.saveAll();
    ASSERT_TRUE(f.has("tlt15.dat"));
    const auto marks = f.bytes("tlt15.dat");
    ASSERT_EQ(32u, marks.size());
    EXPECT_EQ(1, marks[2 + 6 * 2 + 1]);
    // The main file carries no mark; the memory still does.
    PublisherRecord stored;
    std::memcpy(&stored, f.bytes("tdat9.bin").data() + 816, 816);
    EXPECT_EQ(0, stored.studiesWord[monthSlot(6, 1)]);
    EXPECT_EQ(StudiesWord::SharedOrUnderHour, f.doc.store().at(1).studiesWord[monthSlot(6, 1)]);

    Folder g;
    g.doc.setToday({2023, 9, 15});
    for (const auto& name : {"tdat9.bin", "tlt15.dat"}) writeBytes(g.dir.file(name), f.bytes(name));
    ASSERT_TRUE(g.load());
    EXPECT_EQ(StudiesWord::SharedOrUnderHour, g.doc.store().at(1).studiesWord[monthSlot(6, 1)]);

    // Once no record has a mark the file goes.
    g.doc.store().at(1).studiesWord[monthSlot(6, 1)] = 0;
    g.doc.saveAll();
    EXPECT_FALSE(g.has("tlt15.dat"));
}

TEST(LoadSave, PrivilegeDatesAreWrittenOncePerKindWithAFullDate) {
    Folder f;
    ASSERT_TRUE(f.load());
    auto row = [](PublisherId id, std::uint16_t kind, const char* start) {
        PrivilegeDateEntry e{};
        e.id = id;
        e.kind = kind;
        setFieldText(e.start, start);
        return e;
    };
    f.doc.privilegeDates().entries = {
        row(100, 1, "01022015"), row(100, 1, "03042016"), row(101, PrivilegeKind::Consent, ""),
        row(102, 1, "        "), row(103, 2, " 5062018"), row(0, 2, "01012000")};
    f.doc.saveAll();
    const auto file = f.bytes("tappt.dat");
    ASSERT_EQ(2u * 32, file.size());
    PrivilegeDateEntry first, second;
    std::memcpy(&first, file.data(), 32);
    std::memcpy(&second, file.data() + 32, 32);
    EXPECT_EQ("01022015", fieldText(first.start));
    EXPECT_EQ(PrivilegeKind::Consent, second.kind);

    // An emptied table leaves no file behind to bring the rows back.
    f.doc.privilegeDates().entries.clear();
    f.doc.saveAll();
    EXPECT_FALSE(f.has("tappt.dat"));
}

TEST(LoadSave, UnreferencedEmergencyEntriesAreDropped) {
    auto entry = [](std::uint16_t key, const char* name) {
        std::vector<std::uint8_t> e(256, 0);
        std::memcpy(e.data(), &key, 2);
        std::memcpy(e.data() + 2, name, std::strlen(name));
        return e;
    };
    Folder f;
    auto r = makeRecord(100, "Eka", "Putri");
    r.emergId = 12;
    test::writeMainFile(f.dir.path(), {r});
    auto file = entry(11, "Orphan");
    for (auto& part : {entry(12, "Ayah"), entry(12, "Ayah again")})
        file.insert(file.end(), part.begin(), part.end());
    writeBytes(f.dir.file("emerg.dat"), file);
    ASSERT_TRUE(f.load());
    const auto compacted = f.bytes("emerg.dat");
    ASSERT_EQ(256u, compacted.size());
    EXPECT_EQ(0, std::memcmp(compacted.data() + 2, "Ayah", 5));
    const auto got = f.doc.readEntryByKey(f.doc.emergency(), 12);
    ASSERT_TRUE(got);
    EXPECT_FALSE(f.doc.readEntryByKey(f.doc.emergency(), 11));
    EXPECT_FALSE(f.doc.readEntryByKey(f.doc.emergency(), 5));

    // Nothing referenced at all: the file is left as it was.
    Folder g;
    test::writeMainFile(g.dir.path(), {makeRecord(100, "Eka", "Putri")});
    writeBytes(g.dir.file("emerg.dat"), file);
    ASSERT_TRUE(g.load());
    EXPECT_EQ(file, g.bytes("emerg.dat"));
    // A new entry gets the first key from 10 that nobody uses.
    EXPECT_EQ(10, g.doc.addEntry(g.doc.emergency(), entry(0, "Baru")));
    EXPECT_EQ(4u * 256, g.bytes("emerg.dat").size());
}

TEST(LoadSave, FailedWriteNamesThePathAndWritesNothing) {
    Folder f;
    test::writeMainFile(f.dir.path(), {makeRecord(100, "Eka", "Putri")});
    ASSERT_TRUE(f.load());
    const auto oldMain = f.bytes("tdat9.bin");
    f.doc.store().append(makeRecord(101, "Fajar", "Nugroho"));
    f.doc.sortAndIndex();
    f.doc.dirty = true;
    f.doc.folder().setWriteHook([](const std::string& name) { return name != "tdat9.bin"; });
    EXPECT_EQ(SaveOutcome::PartlyFailed, f.doc.saveAll());
    ASSERT_EQ(1u, f.prompter.told.size());
    EXPECT_NE(std::string::npos, f.prompter.told[0].find((f.dir.path() / "tdat9.bin").string()));
    EXPECT_NE(std::string::npos, f.prompter.told[0].find("Tidak bisa menciptakan file baru"));
    EXPECT_EQ(oldMain, f.bytes("tdat9.bin"));  // the old file is intact
    EXPECT_FALSE(f.has("tcard.dat"));          // and the save is all or nothing
    EXPECT_FALSE(f.has("vnxcfg.cfg"));
    EXPECT_TRUE(f.doc.dirty);
    // Quitting with a failed save keeps the program open.
    f.prompter.answers = {Answer::Yes};
    EXPECT_FALSE(f.doc.closeDocument());
    f.doc.folder().setWriteHook(nullptr);
    f.prompter.answers = {Answer::Yes};
    EXPECT_TRUE(f.doc.closeDocument());
    EXPECT_EQ(3u * 816, f.bytes("tdat9.bin").size());
}

TEST(LoadSave, MonthStateCounterAndLateReportsAtLoad) {
    Folder f;
    ASSERT_TRUE(f.load());
    auto r = makeRecord(100, "Eka", "Putri");
    f.doc.store().append(r);
    f.doc.sortAndIndex();
    const ReportMonth& m = f.doc.reportMonth();  // February 2025, parity 1
    f.doc.header().setInitYear(m.slot(), m.reportYear2);
    f.doc.documentCounter = 7;
    f.doc.lateReports().add(100, 11, m.reportMonth0);  // December (2024) late
    f.doc.saveAll();
    const auto main = f.bytes("tdat9.bin");
    PublisherRecord stored;
    std::memcpy(&stored, main.data() + 816, 816);
    EXPECT_EQ(m.reportMonth0 + 1, stored.lateMark[monthSlot(11, 0)]);

    Folder g;
    g.doc.setToday(kToday);
    writeBytes(g.dir.file("tdat9.bin"), main);
    ASSERT_TRUE(g.load());
    EXPECT_EQ(1, g.doc.header().collectionState(1));
    EXPECT_EQ(7, g.doc.documentCounter);
    ASSERT_EQ(1, g.doc.lateReports().count());
    EXPECT_EQ(11, g.doc.lateReports().entries()[0].month0);

    // A month later the counter and the late list belong to another month.
    Folder h;
    h.doc.setToday({2025, 4, 10});
    writeBytes(h.dir.file("tdat9.bin"), main);
    ASSERT_TRUE(h.load());
    EXPECT_EQ(0, h.doc.documentCounter);
    EXPECT_EQ(0, h.doc.lateReports().count());
    EXPECT_EQ(2, h.doc.header().collectionState(2));  // March was never initialised
}

TEST(LoadSave, PasswordRefusalLeavesTheDocumentEmpty) {
    Folder f;
    test::writeMainFile(f.dir.path(), {makeRecord(100, "Eka", "Putri")});
    struct Refusing : DocumentRules {
        bool admit(CVelnoDoc&) const override { return false; }
        void loaded(CVelnoDoc&) const override {}
        void beforeSave(CVelnoDoc&) const override {}
        FileResult writeSettings(CVelnoDoc&) const override { return {}; }
    } refusing;
    f.doc.setRules(&refusing);
    EXPECT_FALSE(f.load());
    EXPECT_EQ(1, f.doc.store().recordCount());
}

TEST(DocumentOperations, DeleteRecordTakesItsLinksAlong) {
    Folder f;
    ASSERT_TRUE(f.load());
    auto head = makeRecord(100, "Eka", "Putri");
    auto member = makeRecord(101, "Fajar", "Putri");
    member.household = 100;
    head.remarkIndex[0] = 1;
    f.doc.store().append(head);
    f.doc.store().append(member);
    f.doc.sortAndIndex();
    f.doc.remarks().append(makeRemark(100, 1, 0, "pindah"));
    PrivilegeDateEntry row{};
    row.id = 100;
    row.kind = 2;
    f.doc.privilegeDates().entries.push_back(row);
    f.doc.deleteRecord(f.doc.store().storePosById(100));
    f.doc.rebuildIndex();
    EXPECT_EQ(2, f.doc.store().recordCount());
    EXPECT_EQ(0, f.doc.store().recordById(101)->household);
    EXPECT_TRUE(f.doc.privilegeDates().entries.empty());
    EXPECT_EQ("", f.doc.remarks().at(1).textString());
    EXPECT_TRUE(f.doc.dirty);
}

TEST(DocumentOperations, ExtensionSlotsAndEntries) {
    Folder f;
    ASSERT_TRUE(f.load());
    f.doc.store().append(makeRecord(100, "Eka", "Putri"));
    f.doc.store().append(makeRecord(101, "Fajar", "Nugroho"));
    f.doc.sortAndIndex();
    auto& ext = f.doc.extensions();
    ext.current() = {};
    ext.current().owner = 100;
    setFieldText(ext.current().longName, "Eka Putri Lestari");
    ext.current().marker = 1;
    EXPECT_EQ(1, f.doc.writeExtension());  // after the placeholder
    EXPECT_EQ(2u * 192, f.bytes("xten7.dat").size());
    f.doc.store().recordById(100)->extSlot = 1;
    EXPECT_EQ(ExtensionBit::LongName | ExtensionBit::Marker,
              f.doc.extensionOf(f.doc.store().storePosById(100)));
    // The same owner is overwritten in place.
    setFieldText(ext.current().longName, "");
    EXPECT_EQ(1, f.doc.writeExtension());
    // A slot that belongs to someone else is cut loose.
    f.doc.store().recordById(101)->extSlot = 1;
    f.doc.dirty = false;
    EXPECT_EQ(0, f.doc.extensionOf(f.doc.store().storePosById(101)));
    EXPECT_EQ(0, f.doc.store().recordById(101)->extSlot);
    EXPECT_TRUE(f.doc.dirty);
    f.doc.store().recordById(101)->extSlot = 40;  // beyond the file
    EXPECT_EQ(0, f.doc.extensionOf(f.doc.store().storePosById(101)));
    EXPECT_EQ(0, f.doc.store().recordById(101)->extSlot);
    // The texts are scrambled in the file.
    const auto file = f.bytes("xten7.dat");
    EXPECT_EQ(0, file[192 + 2]);  // emptied long name
}

TEST(DocumentOperations, RemarkCheckRefusesABadParity) {
    Folder f;
    ASSERT_TRUE(f.load());
    EXPECT_FALSE(f.doc.remarkExists(1, 0, 3));
    ASSERT_EQ(1u, f.prompter.told.size());
    EXPECT_EQ("bad year in RemCheck", f.prompter.told[0]);
}

TEST(DataFolderCopy, CopyStaysAsItWasWhenTheSourceIsReplaced) {
    test::TempFolder dir;
    const DataFolder folder(dir.path());
    ASSERT_TRUE(folder.write("remark9.dat", Bytes{1, 2, 3}));
    ASSERT_TRUE(folder.write("RMKUNDO.DAT", Bytes{9}));
    ASSERT_TRUE(folder.copy("remark9.dat", "rmkundo.dat"));
    // Written back under the name found.
    EXPECT_FALSE(fs::exists(dir.file("rmkundo.dat")));
    ASSERT_TRUE(folder.write("remark9.dat", Bytes{4, 5}));
    EXPECT_EQ((Bytes{1, 2, 3}), folder.read("rmkundo.dat", 100).bytes);
    EXPECT_EQ((Bytes{4, 5}), folder.read("remark9.dat", 100).bytes);

    DataFolder snapshot(dir.path());
    snapshot.setReadOnly(true);
    EXPECT_FALSE(snapshot.copy("remark9.dat", "rmkundo.dat"));
    EXPECT_EQ((Bytes{1, 2, 3}), folder.read("rmkundo.dat", 100).bytes);
    EXPECT_FALSE(folder.copy("missing.dat", "rmkundo.dat"));

    // Copying again onto a copy of the same file leaves nothing behind.
    ASSERT_TRUE(folder.copy("remark9.dat", "rmkundo.dat"));
    ASSERT_TRUE(folder.copy("remark9.dat", "rmkundo.dat"));
    EXPECT_EQ((Bytes{4, 5}), folder.read("rmkundo.dat", 100).bytes);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(2, files);
}

}  // namespace
}  // namespace velno
