// Opening a month: what each kind of record keeps and loses, the status
// marks that age, the snapshot, the side lists, attendance and the header.

#include <gtest/gtest.h>

#include <filesystem>

#include "reporting/InitialiseMonth.h"
#include "reporting/LateReports.h"
#include "reporting/MonthFixture.h"

namespace velno {
namespace {

namespace fs = std::filesystem;
using test::MonthFixture;
using test::report;

constexpr int kJanuary = 0, kFebruary = 1, kMarch = 2, kSeptember = 8, kOctober = 9, kDecember = 11;

TEST(InitialiseMonth, EmptiesTheMonthAndCarriesThePioneerKind) {
    MonthFixture f;  // March 2025, parity 1
    const int march = MonthFixture::slot(kMarch, 2025);
    const int february = MonthFixture::slot(kFebruary, 2025);
    PublisherRecord& regular = f.add(101, "Rina", "Regular");
    report(regular, february, 50, 2, ServiceRegular);
    report(regular, march, 70, 3, ServiceAuxiliary);  // two years ago
    regular.credit[march] = 5;
    regular.placements[march] = 9;
    regular.studiesWord[march] |= 2u << StudiesWord::QuarterShift;
    report(f.add(102, "Sari", "Special"), february, 100, 0, ServiceSpecial);
    report(f.add(103, "Ani", "Auxiliary"), february, 30, 0, ServiceAuxiliary);
    f.add(104, "Cici", "Continuous").flags |= RecordFlag::ContinuousAuxiliary;
    f.rec(104).serviceKind[february] = ServiceRegular;
    f.rec(104).serviceKind[march] = 0x80 | ServiceRegular;  // stray high bit

    InitialiseMonth(f.doc, kMarch, 1);
    const PublisherRecord& rr = f.rec(101);
    EXPECT_EQ(ServiceRegular, rr.serviceKind[march]);
    EXPECT_EQ(0, rr.hours[march]);
    EXPECT_EQ(0, rr.studiesWord[march]);  // studies, participation and quarters
    EXPECT_EQ(0, rr.placements[march]);
    EXPECT_EQ(0, rr.credit[march]);
    EXPECT_EQ(50, rr.hours[february]);
    EXPECT_EQ(ServiceSpecial, f.rec(102).serviceKind[march]);
    EXPECT_EQ(ServicePublisher, f.rec(103).serviceKind[march]);
    EXPECT_EQ(ServiceAuxiliary, f.rec(104).serviceKind[march]);
}

TEST(InitialiseMonth, JanuaryLooksAtDecemberOfTheYearBefore) {
    MonthFixture f({2025, 2, 3});  // ReportMonth January 2025
    PublisherRecord& r = f.add(101, "Rina", "Regular");
    r.serviceKind[MonthFixture::slot(kDecember, 2024)] = ServiceRegular;
    r.serviceKind[MonthFixture::slot(kDecember, 2025)] = ServiceSpecial;  // 2023's December
    InitialiseMonth(f.doc, kJanuary, 1);
    EXPECT_EQ(ServiceRegular, f.rec(101).serviceKind[MonthFixture::slot(kJanuary, 2025)]);
}

// The file loses the remark with the save that writes the emptied records,
// never before: the disk holds both or neither.
TEST(InitialiseMonth, EmptiesTheMonthsRemarksInTableAndFileWithTheSave) {
    MonthFixture f;
    const int march = MonthFixture::slot(kMarch, 2025);
    f.add(101, "Budi", "Santoso");
    const int k = f.doc.remarks().append(test::makeRemark(101, 3, 1, "sakit"));
    ASSERT_TRUE(RemarkTable::writeRemark(f.doc.folder(), f.doc.remarks().at(k)));
    f.rec(101).remarkIndex[march] = static_cast<std::uint16_t>(k);
    const int kept = f.doc.remarks().append(test::makeRemark(101, 2, 1, "cuti"));
    f.rec(101).remarkIndex[MonthFixture::slot(kFebruary, 2025)] = static_cast<std::uint16_t>(kept);

    InitialiseMonth(f.doc, kMarch, 1);
    EXPECT_EQ(0, f.rec(101).remarkIndex[march]);
    EXPECT_EQ("", f.doc.remarks().at(k).textString());
    EXPECT_EQ("cuti", f.doc.remarks().at(kept).textString());
    EXPECT_NE(0, test::readBytes(f.dir.file("remark9.dat"))[48]);
    ASSERT_EQ(SaveOutcome::Saved, f.doc.saveAll());
    const auto file = test::readBytes(f.dir.file("remark9.dat"));
    ASSERT_EQ(144u, file.size());
    EXPECT_EQ(0, file[48]);  // the entry's text is gone from the file too
}

// A Bible student's placements array holds the name of the study
// conductor; emptying "the five numbers" used to cut that name.
TEST(InitialiseMonth, KeepsTheConductorOfABibleStudent) {
    MonthFixture f;
    const int march = MonthFixture::slot(kMarch, 2025);
    PublisherRecord& student = f.add(2001, "Dewi", "Lestari", ListBibleStudent);
    const char conductor[] = "Budi Santoso the conductor of this study";
    std::memcpy(student.placements, conductor, sizeof conductor);
    student.hours[march] = 3;
    student.remarkIndex[march] = 1;
    InitialiseMonth(f.doc, kMarch, 1);
    EXPECT_STREQ(conductor, reinterpret_cast<const char*>(f.rec(2001).placements));
    EXPECT_EQ(0, f.rec(2001).hours[march]);
    EXPECT_EQ(0, f.rec(2001).remarkIndex[march]);
}

TEST(InitialiseMonth, AgesTheStatusMarks) {
    MonthFixture f;  // March 2025; six months before March is September
    PublisherRecord& old = f.add(101, "A", "Old");
    old.statusMark = (kSeptember + 1) << 4 | 1;  // new publisher of September
    old.listYear = old.statusMark;
    PublisherRecord& year = f.add(102, "B", "Year");
    year.statusMark = 0;
    year.listYear = (kMarch + 1) << 4 | 2;  // reactivated last March
    PublisherRecord& fresh = f.add(103, "C", "Fresh");
    fresh.statusMark = (kMarch + 1) << 4 | 4;  // moved in this March
    fresh.listYear = fresh.statusMark;
    PublisherRecord& stamped = f.add(104, "D", "Stamped");
    stamped.markStamp = static_cast<std::uint16_t>(f.doc.reportMonth().reportStamp - 25);
    stamped.listYear = 0x31;
    PublisherRecord& recent = f.add(105, "E", "Recent");
    recent.markStamp = static_cast<std::uint16_t>(f.doc.reportMonth().reportStamp - 24);
    recent.statusMark = (kOctober + 1) << 4 | 2;

    InitialiseMonth(f.doc, kMarch, 1);
    EXPECT_EQ(0, f.rec(101).statusMark);
    EXPECT_EQ(((kSeptember + 1) << 4 | 1), f.rec(101).listYear);
    EXPECT_EQ(2, f.rec(102).listYear);
    EXPECT_EQ(((kMarch + 1) << 4 | 4), f.rec(103).statusMark);
    EXPECT_EQ(((kMarch + 1) << 4 | 4), f.rec(103).listYear);
    EXPECT_EQ(0, f.rec(104).markStamp);
    EXPECT_EQ(0, f.rec(104).listYear);
    EXPECT_NE(0, f.rec(105).markStamp);
}

TEST(InitialiseMonth, OpensOnlyThisMonthAndResetsTheMonthState) {
    MonthFixture f;
    const int march = MonthFixture::slot(kMarch, 2025);
    PublisherRecord& budi = f.add(101, "Budi", "Santoso");
    report(budi, march, 8);
    report(budi, MonthFixture::slot(kJanuary, 2025), 5);
    for (int m = 0; m < 12; ++m) f.setState(m, Collection::Closed);
    AddLateReport(f.doc, 101, kJanuary);
    f.doc.documentCounter = 101;
    // A late mark left in March's slot two years ago.
    budi.lateMark[march] = kMarch + 2;
    TallyMonth(f.doc);

    InitialiseMonth(f.doc, kMarch, 1);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(m == kMarch ? 1 : 0, f.state(m)) << m;
    EXPECT_EQ(25, f.doc.header().initYear(march));
    EXPECT_EQ(0, f.doc.lateReports().count());
    EXPECT_EQ(0, f.doc.documentCounter);
    EXPECT_EQ(0, f.rec(101).lateMark[march]);
    EXPECT_EQ(0, f.doc.tally().at(TallyCategory::Publishers, TallyValue::Count));
    EXPECT_TRUE(f.doc.dirty);
}

TEST(InitialiseMonth, DecemberOpenedInJanuaryBelongsToTheYearBefore) {
    MonthFixture f({2026, 1, 4});  // ReportMonth December 2025
    InitialiseMonth(f.doc, kDecember, 1);
    EXPECT_EQ(25, f.doc.header().initYear(MonthFixture::slot(kDecember, 2025)));
    f.restart({2026, 1, 9});
    EXPECT_EQ(Collection::Open, f.state(kDecember));
}

TEST(InitialiseMonth, WritesTheSnapshotOfTheMonthThatEnded) {
    MonthFixture f({2025, 2, 3});  // January
    f.add(101, "Budi", "Santoso");
    f.doc.saveAll();
    EXPECT_TRUE(InitialiseMonth(f.doc, kJanuary, 1).snapshotTaken);
    EXPECT_TRUE(fs::exists(f.dir.path() / "Roll" / "Vn9_12" / "tdat9.bin"));
    // A fresh snapshot of this year is never overwritten.
    EXPECT_FALSE(InitialiseMonth(f.doc, kJanuary, 1).snapshotTaken);

    MonthFixture march;
    march.add(101, "Budi", "Santoso");
    march.doc.saveAll();
    InitialiseMonth(march.doc, kMarch, 1);
    EXPECT_TRUE(fs::exists(march.dir.path() / "Roll" / "Vn9_2" / "tdat9.bin"));
}

TEST(InitialiseMonth, CleansTheSideLists) {
    MonthFixture f;  // March 2025, today 3 April 2025
    const int march = MonthFixture::slot(kMarch, 2025);
    PublisherRecord& gone = f.add(301, "A", "MovedLastMarch", ListMoved);
    gone.statusMark = (kMarch + 1) << 4;
    PublisherRecord& moved = f.add(302, "B", "MovedInMay", ListMoved);
    moved.statusMark = 5 << 4;
    report(moved, march, 9);
    moved.remarkIndex[march] = 3;
    PublisherRecord& deleted = f.add(401, "C", "Deleted", ListDeleted);
    deleted.statusMark = (kMarch + 1) << 4;
    report(deleted, march, 4, 0, ServiceRegular);
    PublisherRecord& inactive = f.add(501, "D", "Inactive", ListInactive);
    inactive.listYear = 23;  // odd year: parity 1
    inactive.statusMark = (kMarch + 1) << 4;
    report(inactive, march, 6);
    inactive.credit[march] = 2;

    const InitialiseResult r = InitialiseMonth(f.doc, kMarch, 1);
    EXPECT_EQ(1, r.movedRemoved);
    EXPECT_EQ(nullptr, f.doc.store().recordById(301));
    EXPECT_EQ(0, f.rec(302).hours[march]);
    EXPECT_EQ(0, f.rec(302).remarkIndex[march]);
    EXPECT_EQ(0, f.rec(401).statusMark);
    EXPECT_EQ(24, f.rec(401).listYear);  // the year before today's
    EXPECT_EQ(0, f.rec(401).serviceKind[march]);
    EXPECT_EQ(0, f.rec(401).hours[march]);
    EXPECT_EQ(0, f.rec(501).hours[march]);
    EXPECT_EQ(0, f.rec(501).credit[march]);
}

TEST(InitialiseMonth, TrimsALongInactiveListDownTo250) {
    MonthFixture f;
    for (int i = 0; i < 285; ++i) {
        PublisherRecord r = test::makeRecord(static_cast<PublisherId>(1000 + i), "I",
                                             "Inactive" + std::to_string(i), ListInactive);
        r.listYear = static_cast<std::uint8_t>(i < 40 ? 20 : 25);  // 2020 or this year
        r.statusMark = static_cast<std::uint8_t>((i % 12 + 1) << 4);
        f.doc.store().append(r);
    }
    f.doc.sortAndIndex();
    EXPECT_EQ(35, InitialiseMonth(f.doc, kMarch, 1).inactiveRemoved);
    EXPECT_EQ(250u, f.doc.store().subList(ListInactive).size());
    // Records of the current year are never removed.
    MonthFixture current;
    for (int i = 0; i < 281; ++i) {
        PublisherRecord r = test::makeRecord(static_cast<PublisherId>(1000 + i), "I",
                                             "Inactive" + std::to_string(i), ListInactive);
        r.listYear = 25;
        current.doc.store().append(r);
    }
    current.doc.sortAndIndex();
    EXPECT_EQ(0, InitialiseMonth(current.doc, kMarch, 1).inactiveRemoved);
}

TEST(InitialiseMonth, MovesTheEarlyAttendanceIntoTheMonth) {
    MonthFixture f;
    MeetingBlock& weekend = f.doc.meetings().blocks[1];
    const int march = MonthFixture::slot(kMarch, 2025);
    weekend.week[0][monthSlot(kMarch, 2)] = 80;
    weekend.total[monthSlot(kMarch, 2)] = 80;
    weekend.week[1][march] = 55;  // two years ago
    weekend.week[0][monthSlot(kFebruary, 2)] = 70;
    f.doc.meetings().blocks[0].meetings[monthSlot(kJanuary, 2)] = 4;
    InitialiseMonth(f.doc, kMarch, 1);
    EXPECT_EQ(80, weekend.week[0][march]);
    EXPECT_EQ(80, weekend.total[march]);
    EXPECT_EQ(0, weekend.week[1][march]);
    EXPECT_EQ(0, weekend.week[0][monthSlot(kFebruary, 2)]);
    EXPECT_EQ(0, f.doc.meetings().blocks[0].meetings[monthSlot(kJanuary, 2)]);
}

}  // namespace
}  // namespace velno
