// Moves between the active list and the side lists, deletion, and the
// month question that dates them.
#include <gtest/gtest.h>

#include <ostream>

#include <cstring>

#include "publishers/AddPublisherModel.h"
#include "publishers/DeletePublisherModel.h"
#include "publishers/PublisherFixture.h"
#include "publishers/PublisherMoves.h"
#include "publishers/PublisherSelectModel.h"

namespace velno {
namespace {

using test::PublisherFixture;

// An inactive record that became inactive in `month` (1..12) of `year`.
PublisherRecord& inactive(PublisherFixture& f, PublisherId id, int month, int year) {
    PublisherRecord& r = f.add(id, "Ina", "Aktif" + std::to_string(id), ListInactive);
    r.statusMark = static_cast<std::uint8_t>(16 * month);
    r.listYear = yearToByte(year);
    return r;
}

void reportEveryMonth(PublisherRecord& r) {
    for (int s = 0; s < kSlotCount; ++s) {
        r.hours[s] = 10;
        r.serviceKind[s] = ServiceAuxiliary;
    }
}

int reportedSlots(const PublisherRecord& r) {
    int n = 0;
    for (int m = 0; m < 12; ++m)
        for (int p = 0; p < 2; ++p) n += r.hasReportAt(monthSlot(m, p)) ? 1 : 0;
    return n;
}

TEST(PublisherMoves, TemporaryDeletionStoresMonthAndYear) {
    PublisherFixture f;
    PublisherRecord& r = f.add(100, "Ana", "Adi");
    r.flags = PrivilegeElder | RecordFlag::Brother | RecordFlag::HouseholdHead |
              RecordFlag::ContinuousAuxiliary | RecordFlag::CustomCategory;
    r.statusMark = 0x31;
    f.add(101, "Budi", "Adi").household = 100;
    PrivilegeDateEntry row{};
    row.id = 100;
    row.kind = PrivilegeKind::Elder;
    f.doc.privilegeDates().entries.push_back(row);

    ASSERT_TRUE(deleteTemporarily(f.doc, f.pos(100), 3, 2024));
    const PublisherRecord& d = f.rec(100);
    EXPECT_EQ(d.markStamp, 3 + 256 * 74);
    EXPECT_EQ(deletionStamp(3, 2024), 3 + 256 * 74);
    EXPECT_EQ(d.listKind, ListDeleted);
    EXPECT_EQ(d.statusMark, 0);
    EXPECT_EQ(d.flags, RecordFlag::Brother | RecordFlag::HouseholdHead);
    EXPECT_EQ(f.rec(101).household, 0);
    EXPECT_TRUE(f.doc.privilegeDates().entries.empty());
    EXPECT_EQ(f.doc.store().subList(ListDeleted).size(), 1u);
    EXPECT_TRUE(f.doc.dirty);
}

TEST(PublisherMoves, TheDeletedListHoldsAtMost299) {
    PublisherFixture f;
    for (int i = 0; i < 299; ++i) {
        f.doc.store().append(test::makeRecord(static_cast<PublisherId>(1000 + i), "D",
                                              "Del" + std::to_string(i), ListDeleted));
    }
    f.add(100, "Ana", "Adi");
    f.doc.dirty = false;
    EXPECT_FALSE(deleteTemporarily(f.doc, f.pos(100), 3, 2024));
    EXPECT_EQ(f.rec(100).listKind, ListActive);
    EXPECT_FALSE(f.doc.dirty);
    // One fewer leaves room.
    f.doc.deleteRecord(f.pos(1000));
    f.doc.rebuildIndex();
    EXPECT_TRUE(deleteTemporarily(f.doc, f.pos(100), 0, 2024));
    EXPECT_EQ(f.rec(100).markStamp, 256 * 74);
}

TEST(PublisherMoves, PermanentDeletionRemovesTheRecordAndItsLinks) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(101, "Budi", "Adi").household = 100;
    DeletePublisherModel dialog(f.doc, f.pos(100));
    EXPECT_EQ(dialog.kind(), DeleteKind::Permanent);
    EXPECT_FALSE(dialog.dateListsVisible());
    EXPECT_TRUE(applyDeletion(f.doc, f.pos(100), dialog.ok()));
    EXPECT_EQ(f.doc.store().recordById(100), nullptr);
    EXPECT_EQ(f.rec(101).household, 0);
    EXPECT_EQ(f.doc.store().recordCount(), 2);
}

TEST(PublisherMoves, DeleteDialogOpensAtTheReportMonth) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    DeletePublisherModel dialog(f.doc, f.pos(100));
    dialog.setKind(DeleteKind::Temporary);
    EXPECT_TRUE(dialog.dateListsVisible());
    EXPECT_EQ(dialog.monthLines().size(), 13u);
    EXPECT_EQ(dialog.monthLine(), 3);  // March
    EXPECT_EQ(dialog.yearLines().front(), "1950");
    EXPECT_EQ(dialog.yearLines().back(), "2024");
    EXPECT_EQ(dialog.yearLine(), 2024 - 1950);
    dialog.setMonthLine(0);
    EXPECT_EQ(dialog.ok().month, 0);
}

struct Absence {
    int inactiveMonth, inactiveYear;
    int reactivatedMonth;  // seen from March 2024
    int cleared;
};

void PrintTo(const Absence& a, std::ostream* os) {
    *os << "inactive " << a.inactiveMonth << "/" << a.inactiveYear << ", back in month "
        << a.reactivatedMonth;
}

class Reactivation : public ::testing::TestWithParam<Absence> {};

TEST_P(Reactivation, ClearsTheMonthsOfAbsence) {
    const Absence& a = GetParam();
    PublisherFixture f({2024, 6, 10});  // ReportMonth May 2024
    PublisherRecord& r = inactive(f, 100, a.inactiveMonth, a.inactiveYear);
    reportEveryMonth(r);
    EXPECT_EQ(reactivatePublisher(f.doc, f.pos(100), a.reactivatedMonth), a.cleared);
    EXPECT_EQ(reportedSlots(f.rec(100)), 24 - a.cleared);
}

INSTANTIATE_TEST_SUITE_P(Table, Reactivation,
                         ::testing::Values(Absence{3, 2024, 5, 2},   // loses May and April
                                           Absence{3, 2021, 5, 24},  // three years: at most 24
                                           Absence{5, 2024, 5, 0},
                                           // December lies in 2023 seen from May 2024: two months,
                                           // not fourteen.
                                           Absence{10, 2023, 12, 2},
                                           Absence{10, 1999, 4, 24}));  // a year stored as 255

TEST(PublisherMoves, ReactivationMarksTheRecordAndWalksBackOverTheYear) {
    PublisherFixture f;  // ReportMonth March 2024
    PublisherRecord& r = inactive(f, 100, 11, 2023);
    reportEveryMonth(r);
    r.flags = RecordFlag::Sister | RecordFlag::ContinuousAuxiliary | RecordFlag::NoGroupOnSideList;
    r.remarkIndex[PublisherFixture::slot(0, 2024)] = 1;
    r.remarkIndex[PublisherFixture::slot(10, 2023)] = 2;
    RemarkEntry own{};
    std::strcpy(own.text, "sakit");
    own.month = 1;
    own.id = 100;
    f.doc.remarks().append(own);
    RemarkEntry older = own;
    older.month = 11;
    older.parity = 1;
    f.doc.remarks().append(older);

    EXPECT_EQ(reactivatePublisher(f.doc, f.pos(100), 2), 3);  // Feb, Jan, Dec
    const PublisherRecord& a = f.rec(100);
    EXPECT_EQ(a.listKind, ListActive);
    EXPECT_EQ(a.statusMark, 16 * 2 + 2);
    EXPECT_EQ(a.listYear, a.statusMark);
    EXPECT_EQ(a.markStamp, stampOf(2024, 1));
    EXPECT_EQ(a.flags, RecordFlag::Sister);
    for (int m : {1, 0}) EXPECT_FALSE(a.hasReportAt(PublisherFixture::slot(m, 2024)));
    EXPECT_FALSE(a.hasReportAt(PublisherFixture::slot(11, 2023)));
    EXPECT_TRUE(a.hasReportAt(PublisherFixture::slot(10, 2023)));
    EXPECT_EQ(a.kindAt(PublisherFixture::slot(11, 2023)), ServicePublisher);
    EXPECT_EQ(a.kindAt(PublisherFixture::slot(10, 2023)), ServiceAuxiliary);
    EXPECT_EQ(f.doc.remarks().at(1).text[0], 0);  // blanked
    EXPECT_STREQ(f.doc.remarks().at(2).text, "sakit");
}

TEST(PublisherMoves, PromotionMakesANewPublisher) {
    PublisherFixture f;  // ReportMonth March 2024
    PublisherRecord& s = f.add(2000, "Eka", "Putra", ListBibleStudent);
    setFieldText(reinterpret_cast<char*>(s.placements), 72, "Ana Adi");  // the conductor
    s.remarkIndex[5] = 7;
    s.credit[5] = 3;
    s.serviceKind[5] = 2;
    ASSERT_TRUE(promoteBibleStudent(f.doc, f.pos(2000), 11));  // November: last year
    const PublisherRecord& p = f.rec(2000);
    EXPECT_EQ(p.listKind, ListActive);
    EXPECT_EQ(p.statusMark, 16 * 11 + 1);
    EXPECT_EQ(p.listYear, p.statusMark);
    EXPECT_EQ(p.markStamp, stampOf(2023, 10));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(p.placements[slot], 0);
        EXPECT_EQ(p.serviceKind[slot], 0);
    }
    EXPECT_EQ(p.remarkIndex[5], 7);
    EXPECT_EQ(p.credit[5], 3);
    EXPECT_EQ(f.doc.store().subList(ListActive).size(), 1u);
}

TEST(PublisherMoves, MoveToInactiveAndTheMonthQuestion) {
    PublisherFixture f;  // ReportMonth March 2024
    PublisherRecord& r = f.add(100, "Ana", "Adi");
    r.flags = PrivilegeServant | RecordFlag::Brother | RecordFlag::CustomCategory;
    MonthChoiceModel q = moveQuestion(f.doc, f.pos(100), MoveVerb::ToInactive);
    EXPECT_EQ(q.caption(), "Bulan Ana Adi menjadi tidak aktif");
    EXPECT_EQ(q.title(), "Pilih Bulan");
    EXPECT_TRUE(q.yearListVisible());
    EXPECT_EQ(q.monthLine(), 2);
    EXPECT_EQ(q.year(), 2024);
    q.setMonthLine(10);  // November of this year lies in the future
    EXPECT_EQ(q.year(), 2023);
    q.setYearLine(2024 - 1950);
    const MonthChoice choice = q.ok();
    EXPECT_EQ(choice.month, 11);
    EXPECT_EQ(choice.year, 2023);
    ASSERT_TRUE(moveToInactive(f.doc, f.pos(100), choice.month, choice.year));
    EXPECT_EQ(f.rec(100).statusMark, 16 * 11);
    EXPECT_EQ(f.rec(100).listYear, 23);
    EXPECT_EQ(f.rec(100).flags, PrivilegeServant | RecordFlag::Brother);
    EXPECT_EQ(f.rec(100).listKind, ListInactive);
}

TEST(PublisherMoves, MonthChoiceWithTheRegularCheck) {
    PublisherFixture f;
    MonthChoiceModel q(f.doc.reportMonth(), "Ana", MonthChoiceExtra::RegularCheck);
    EXPECT_FALSE(q.yearListVisible());
    EXPECT_TRUE(q.regularCheckVisible());
    EXPECT_EQ(q.regularCheckText(), "Penyiar Reguler");
    EXPECT_EQ(q.monthLines()[2], "Maret");
    q.setRegularChecked(true);
    EXPECT_EQ(q.ok().value(), 4);
    EXPECT_FALSE(q.cancel().chosen());
}

TEST(PublisherMoves, AddDialogOffersOnlyTheListsThatHoldSomeone) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    PublisherSelectModel list(f.doc);
    EXPECT_EQ(list.addStep(), AddStep::Editor);
    inactive(f, 101, 1, 2023);
    list.refill();
    EXPECT_EQ(list.addStep(), AddStep::Chooser);
    AddPublisherModel add = list.addChooser();
    EXPECT_TRUE(add.choiceVisible(AddChoice::Reactivate));
    EXPECT_FALSE(add.choiceVisible(AddChoice::Promote));

    PublisherListPickerModel picker = add.picker(AddChoice::Reactivate);
    EXPECT_EQ(picker.title(), "Penyiar Tidak Aktif");
    ASSERT_EQ(picker.lines().size(), 1u);
    EXPECT_EQ(picker.lines()[0], "Aktif101, Ina");
    const int line = *picker.ok();
    MonthChoiceModel q = add.monthQuestion(AddChoice::Reactivate, line);
    EXPECT_EQ(q.caption(), "Bulan Ina Aktif101 diaktifkan kembali");
    EXPECT_FALSE(add.apply(AddChoice::Reactivate, line, q.cancel()));
    EXPECT_EQ(f.rec(101).listKind, ListInactive);
    EXPECT_TRUE(add.apply(AddChoice::Reactivate, line, q.ok()));
    list.afterMove();
    EXPECT_EQ(list.rows().size(), 2u);
}

}  // namespace
}  // namespace velno
