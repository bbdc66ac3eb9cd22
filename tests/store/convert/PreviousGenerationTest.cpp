// Conversion of a folder of the previous generation: the tests write the
// older files with their own small writer and check what the store holds.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "store/convert/PreviousGeneration.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

namespace fs = std::filesystem;

// Today 10 March 2025: the ReportMonth is February 2025.
constexpr CalendarDate kToday{2025, 3, 10};

template <typename T>
std::vector<std::uint8_t> bytesOf(const std::vector<T>& items) {
    std::vector<std::uint8_t> out(sizeof(T) * items.size());
    if (!items.empty()) std::memcpy(out.data(), items.data(), out.size());
    return out;
}

PreviousRecord oldRecord(PublisherId id, const std::string& fname, const std::string& lname,
                         bool scrambled = false) {
    PublisherRecord r = test::makeRecord(id, fname, lname);
    r.aux198 = 0x1234;
    if (scrambled) scrambleRecord(r);
    PreviousRecord old{};
    std::memcpy(old.common, &r, sizeof old.common);
    old.common[196] = 0xAA;  // means something else in the older record
    return old;
}

PreviousRemark oldRemark(PublisherId id, int month, const std::string& text) {
    PreviousRemark e{};
    setFieldText(e.text, text);
    e.month = static_cast<std::uint8_t>(month);
    e.id = id;
    return e;
}

struct OldFolder {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    PreviousRecord header = oldRecord(0, " ", "A");

    OldFolder() {
        // January and February 2025, March and June..December 2024; April
        // (2022) is too old and May (2025) has not come yet.
        const int years[12] = {25, 25, 24, 22, 25, 24, 24, 24, 24, 24, 24, 24};
        for (int j = 0; j < 12; ++j) header.headerYear[j] = static_cast<std::uint8_t>(years[j]);
        doc.setPrompter(&prompter);
    }
    void write(const std::string& name, const std::vector<std::uint8_t>& bytes,
               const fs::path& sub = {}) {
        fs::create_directories(dir.path() / sub);
        test::writeBytes(dir.path() / sub / name, bytes);
    }
    StartResult start() {
        StartOptions o;
        o.dataFolder = dir.path();
        o.today = kToday;
        o.setLocale = false;
        o.tellNotice = false;
        return startInstance(doc, o);
    }
    const PublisherRecord& record(PublisherId id) { return *doc.store().recordById(id); }
};

// Budi's January: every field of the older layout at its limits.
PreviousRecord budi(bool scrambled = false) {
    PreviousRecord r = oldRecord(101, "Budi", "Santoso", scrambled);
    r.serviceKind[0] = ServiceRegular;
    r.listYear = 0x31;
    r.flags = RecordFlag::Brother;
    r.placementsLow[0] = 0x2C;  // placements 0x12C
    r.videosLow[0] = 0x02;      // videos 0x102
    r.highNibbles[0] = 0x11;
    r.hours[0] = 10;
    r.returnVisitsLow[0] = 44;  // return visits 44 + 256
    r.returnVisitsHigh[0] = 0x40;
    r.studies[0] = 0xC3;  // bits 6..7 are not studies
    r.quarters[0] = 2;
    r.credit[0] = 5;
    r.hours[2] = 7;   // March 2024
    r.hours[3] = 9;   // April 2022: dropped
    r.hours[4] = 11;  // May 2025: dropped
    return r;
}

TEST(PreviousGeneration, ConvertedFolderHoldsRecordsListsRemarksTotalsLateMarksAndGroups) {
    OldFolder f;
    f.write("tdat7.bin",
            bytesOf<PreviousRecord>({f.header, budi(), oldRecord(102, "Ani", "Wijaya")}));
    f.write("tinac7.dat", bytesOf<PreviousRecord>({oldRecord(201, "Citra", "Inaktif")}));
    f.write("tmove7.dat", bytesOf<PreviousRecord>({oldRecord(202, "Dodi", "Pindah")}));
    f.write("tnopu7.dat", bytesOf<PreviousRecord>({oldRecord(203, "Eka", "Pelajar")}));
    f.write("tdele7.dat", bytesOf<PreviousRecord>({oldRecord(204, "Fani", "Hapus")}));
    f.write("remark7.dat",
            bytesOf<PreviousRemark>({
                oldRemark(101, 1, "sakit"), oldRemark(101, 2, "terlambat"),  // the report month
                oldRemark(101, 3, "cuti"), oldRemark(102, 1, "   "),         // no text
            }));
    f.write("remark7.dat",
            bytesOf<PreviousRemark>({oldRemark(101, 3, "older"), oldRemark(101, 9, "september")}),
            "Roll/Vn7_8");
    std::vector<std::uint16_t> cards(432, 0), olderCards(432, 0);
    cards[0 * 36 + 1 * 9 + 2] = 77;  // January, category 1, value 2
    cards[1 * 36] = 55;              // February, the report month
    cards[2 * 36] = 33;              // March (2024)
    olderCards[0 * 36 + 1 * 9 + 2] = 66;
    olderCards[2 * 36] = 22;  // March again: the newer value stays
    f.write("spcards.dat", bytesOf(cards));
    f.write("spcards.dat", bytesOf(olderCards), "Roll/Vn7_8");
    f.write("oddmo7.dat", bytesOf<PreviousLateReport>({{101, 0, 2}, {999, 0, 2}, {102, 12, 2}}));
    PreviousMeeting service{}, publicTalk{}, midweek{};
    setFieldText(service.name, "Perhimpunan Dinas");
    setFieldText(publicTalk.name, "Perhimpunan Umum");
    setFieldText(midweek.name, "Perhimpunan Tengah Pekan");
    midweek.week[0][0] = 50;
    midweek.total[0] = 150;
    publicTalk.week[1][2] = 80;
    publicTalk.week[1][3] = 81;  // April 2022: dropped
    f.write("meeting.dat", bytesOf<PreviousMeeting>({service, publicTalk, midweek}));
    PreviousGroupFile groups{};
    groups.count = 2;
    setFieldText(groups.overseer[0], "Budi Santoso");
    setFieldText(groups.location[1], "Balai");
    setFieldText(groups.time[0], "19:00");
    groups.day[0] = 2;
    f.write("bkstudy.dat", bytesOf<PreviousGroupFile>({groups}));

    ASSERT_TRUE(f.start().opened());
    EXPECT_TRUE(f.doc.convertedFromOld);
    EXPECT_TRUE(f.doc.dirty);
    EXPECT_EQ(7, f.doc.store().recordCount());

    const PublisherRecord& b = f.record(101);
    EXPECT_EQ("Budi", fieldText(b.fname));
    EXPECT_EQ(0x1234, b.aux198);
    EXPECT_EQ(MoreBit::Loaded, b.moreBits);
    EXPECT_EQ(0x31, b.listYear);
    EXPECT_EQ(RecordFlag::Brother, b.flags);
    const int jan = monthSlot(0, 1);
    EXPECT_EQ(ServiceRegular, b.serviceKind[jan]);
    EXPECT_EQ(0x12C, b.placements[jan]);
    EXPECT_EQ(0x102, b.videos[jan]);
    EXPECT_EQ(10, b.hours[jan]);
    EXPECT_EQ(300, b.returnVisits[jan]);
    EXPECT_EQ(3 | (2 << StudiesWord::QuarterShift), b.studiesWord[jan]);
    EXPECT_EQ(5, b.credit[jan]);
    EXPECT_EQ(25, b.slotYear[jan]);
    EXPECT_EQ(7, b.hours[monthSlot(2, 0)]);
    EXPECT_EQ(24, b.slotYear[monthSlot(2, 0)]);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_NE(9, b.hours[slot]);
        EXPECT_NE(11, b.hours[slot]);
    }

    EXPECT_EQ(ListInactive, f.record(201).listKind);
    EXPECT_EQ(ListMoved, f.record(202).listKind);
    EXPECT_EQ(ListBibleStudent, f.record(203).listKind);
    EXPECT_EQ(ListDeleted, f.record(204).listKind);

    const auto remarkAt = [&](int month0, int parity) {
        const int k = b.remarkIndex[monthSlot(month0, parity)];
        return k ? f.doc.remarks().at(k).textString() : std::string();
    };
    EXPECT_EQ("sakit", remarkAt(0, 1));
    EXPECT_EQ("terlambat", remarkAt(1, 1));
    EXPECT_EQ("cuti", remarkAt(2, 0));
    EXPECT_EQ("september", remarkAt(8, 1));

    const ReportTotals& t = f.doc.totals();
    EXPECT_EQ(77, t.values[0][1][2][1]);
    EXPECT_EQ(66, t.values[0][1][2][0]);
    // February 2025 is the open ReportMonth: its history is the tally of the
    // converted records (the tally counts no placements of publishers).
    for (int c = 0; c < CategoryTally::kCategories; ++c)
        for (int v = 0; v < CategoryTally::kValues; ++v)
            EXPECT_EQ(f.doc.tally().at(c, v), t.values[1][c][v][1]) << c << ' ' << v;
    EXPECT_EQ(0, t.values[1][0][0][1]);
    EXPECT_EQ(33, t.values[2][0][0][0]);

    EXPECT_EQ(2, b.lateMark[jan]);
    ASSERT_EQ(1, f.doc.lateReports().count());
    EXPECT_EQ(101, f.doc.lateReports().entries()[0].id);

    const MeetingBlock& mid = f.doc.meetings().blocks[0];
    const MeetingBlock& end = f.doc.meetings().blocks[1];
    EXPECT_EQ(50, mid.week[0][jan]);
    EXPECT_EQ(150, mid.total[jan]);
    EXPECT_EQ(80, end.week[1][monthSlot(2, 0)]);
    EXPECT_EQ(0, end.week[1][monthSlot(3, 0)]);
    EXPECT_EQ("Perhimpunan Tengah Pekan", fieldText(mid.name));

    EXPECT_EQ(2, f.doc.groups().count());
    EXPECT_EQ("Budi Santoso", fieldText(f.doc.groups().data().overseer[0]));
    EXPECT_EQ("Balai", fieldText(f.doc.groups().data().location[1]));
    EXPECT_EQ("19:00", fieldText(f.doc.groups().data().time[0]));
    EXPECT_EQ(2, f.doc.groups().data().day[0]);

    // The older file held February 2025: the month stays open.
    EXPECT_EQ(1, f.doc.header().collectionState(1));

    // The next save writes the current format; the next start reads it.
    ASSERT_EQ(SaveOutcome::Saved, f.doc.saveAll());
    EXPECT_EQ(7u * 816, test::readBytes(f.dir.file("tdat9.bin")).size());
    EXPECT_EQ(2141u, test::readBytes(f.dir.file("bkstudy.dat")).size());
    CVelnoDoc again;
    StartOptions o;
    o.dataFolder = f.dir.path();
    o.today = kToday;
    o.setLocale = false;
    o.tellNotice = false;
    ASSERT_TRUE(startInstance(again, o).opened());
    EXPECT_FALSE(again.convertedFromOld);
    EXPECT_EQ(7, again.store().recordCount());
    const PublisherRecord* b2 = again.store().recordById(101);
    ASSERT_TRUE(b2);
    EXPECT_EQ(0, std::memcmp(b2->placements, b.placements, sizeof b.placements));
    EXPECT_EQ("sakit", again.remarks().at(b2->remarkIndex[jan]).textString());
    EXPECT_EQ("Budi Santoso", fieldText(again.groups().data().overseer[0]));
    EXPECT_EQ(50, again.meetings().blocks[0].week[0][jan]);
}

TEST(PreviousGeneration, ScrambledOlderStoreIsReadPlain) {
    OldFolder f;
    PreviousRecord header = oldRecord(0, " ", "A", true);
    std::memcpy(header.headerYear, f.header.headerYear, sizeof header.headerYear);
    f.write("tdat7.bin", bytesOf<PreviousRecord>({header, budi(true)}));
    f.write("tinac7.dat", bytesOf<PreviousRecord>({oldRecord(201, "Citra", "Inaktif", true)}));
    ASSERT_TRUE(f.start().opened());
    EXPECT_EQ("Santoso", fieldText(f.record(101).lname));
    EXPECT_EQ("Citra", fieldText(f.record(201).fname));
    EXPECT_EQ(10, f.record(101).hours[monthSlot(0, 1)]);
}

TEST(PreviousGeneration, OlderFileOfLastYearsReportMonthIsNotTakenForThisYear) {
    OldFolder f;
    f.header.headerYear[1] = 24;  // February's data are of 2024
    PreviousRecord r = budi();
    r.hours[1] = 6;
    f.write("tdat7.bin", bytesOf<PreviousRecord>({f.header, r}));
    f.write("remark7.dat", bytesOf<PreviousRemark>({oldRemark(101, 2, "lama")}));
    ASSERT_TRUE(f.start().opened());
    const PublisherRecord& b = f.record(101);
    EXPECT_EQ(6, b.hours[monthSlot(1, 0)]);  // in 2024's slot
    EXPECT_EQ(0, b.hours[monthSlot(1, 1)]);
    EXPECT_EQ(0, b.remarkIndex[monthSlot(1, 1)]);
    EXPECT_EQ(2, f.doc.header().collectionState(1));  // closed until reopened
}

TEST(PreviousGeneration, FolderWithoutOlderFilesIsANewFolder) {
    OldFolder f;
    ASSERT_TRUE(f.start().opened());
    EXPECT_FALSE(f.doc.convertedFromOld);
    EXPECT_FALSE(f.doc.dirty);
    EXPECT_EQ(1, f.doc.store().recordCount());
    EXPECT_FALSE(fs::exists(f.dir.file("tcard.dat")));
}

}  // namespace
}  // namespace velno
