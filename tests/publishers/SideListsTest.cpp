// The inactive and deleted lists (dialog 114) and the moved list (dialog
// 112): what they list, which list is in use, their filters and moves.
#include <gtest/gtest.h>

#include <cstring>

#include "publishers/MovedListModel.h"
#include "publishers/PublisherFixture.h"
#include "publishers/PublisherMoves.h"
#include "publishers/SideListModel.h"

namespace velno {
namespace {

using test::PublisherFixture;

PublisherRecord& inactive(PublisherFixture& f, PublisherId id, int month, int year) {
    PublisherRecord& r = f.add(id, "Ina", "Aktif" + std::to_string(id), ListInactive);
    r.statusMark = static_cast<std::uint8_t>(16 * month);
    r.listYear = yearToByte(year);
    return r;
}

void reported(PublisherFixture& f, PublisherRecord& r, int monthsBack) {
    const int stamp = f.doc.reportMonth().reportStamp - monthsBack;
    r.hours[monthSlot(stamp % 12, (stamp / 12) & 1)] = 5;
}

MonthChoice month(int m, int year = 0) {
    MonthChoice c;
    c.month = m;
    c.year = year;
    return c;
}

TEST(SideLists, InactiveModeOpensOnTheSixMonthsListWhenItHoldsSomeone) {
    PublisherFixture f;  // ReportMonth March 2024
    auto& quiet = f.add(100, "Ari", "Diam");
    auto& busy = f.add(101, "Budi", "Rajin");
    reported(f, busy, 5);  // October 2023: within the six months
    auto& lapsed = f.add(102, "Citra", "Lama");
    reported(f, lapsed, 6);  // September 2023: outside
    (void)quiet;
    inactive(f, 103, 2, 2024);

    SideListModel m(f.doc, SideListMode::Inactive);
    ASSERT_EQ(m.rightRows().size(), 2u);
    EXPECT_EQ(m.rightRows()[0].id, 100);
    EXPECT_EQ(m.rightRows()[1].id, 102);
    EXPECT_EQ(m.side(), SideListSide::Right);
    EXPECT_EQ(m.actionText(), "Pindah ke Tidak Aktif");
    EXPECT_FALSE(m.editVisible());
    EXPECT_EQ(m.filterText(), "Semua");
    ASSERT_EQ(m.leftRows().size(), 1u);
    EXPECT_EQ(m.leftRows()[0].text, "Ina Aktif103\t2024  Feb");
    m.selectLeft(0);
    EXPECT_EQ(m.actionText(), "Diaktifkan Kembali");
    EXPECT_TRUE(m.editVisible());
    EXPECT_TRUE(m.deleteVisible());
    EXPECT_EQ(m.nameLine(), "Ina Aktif103");

    // Nobody without reports: the left list is in use.
    busy.hours[0] = 0;
    PublisherFixture g;
    inactive(g, 200, 1, 2024);
    SideListModel empty(g.doc, SideListMode::Inactive);
    EXPECT_EQ(empty.side(), SideListSide::Left);
}

TEST(SideLists, MovingToInactiveKeepsThePositionAndDatesIntoThePast) {
    PublisherFixture f;  // ReportMonth March 2024
    f.add(100, "Ari", "A");
    f.add(101, "Budi", "B");
    f.add(102, "Citra", "C");
    SideListModel m(f.doc, SideListMode::Inactive);
    m.selectRight(1);
    auto q = m.actionQuestion();
    ASSERT_TRUE(q);
    EXPECT_TRUE(q->yearListVisible());
    q->setMonthLine(10);  // November of the current year lies in the future
    const MonthChoice answer = q->ok();
    EXPECT_EQ(answer.year, 2023);
    ASSERT_TRUE(m.act(answer));
    const PublisherRecord& r = f.rec(101);
    EXPECT_EQ(r.listKind, ListInactive);
    EXPECT_EQ(r.statusMark, 16 * 11);
    EXPECT_EQ(r.listYear, 23);
    EXPECT_EQ(m.rightRow(), 1);
    EXPECT_EQ(m.rightRows()[1].id, 102);
    m.selectRight(1);
    ASSERT_TRUE(m.act(month(3, 2024)));
    EXPECT_EQ(m.rightRow(), 0);  // ran past the end
    EXPECT_EQ(m.leftRows().size(), 2u);
    EXPECT_TRUE(f.doc.dirty);
}

TEST(SideLists, AFullInactiveListRefusesWithoutAQuestion) {
    PublisherFixture f;
    for (int i = 0; i < kInactiveListLimit; ++i) inactive(f, 1000 + i, 1, 2024);
    f.add(100, "Ari", "A");
    SideListModel m(f.doc, SideListMode::Inactive);
    m.selectRight(0);
    EXPECT_FALSE(m.actionQuestion());
    EXPECT_FALSE(m.act(month(2, 2024)));
    EXPECT_EQ(f.rec(100).listKind, ListActive);
}

TEST(SideLists, TheFilterCyclesFromAllAndSelectsByTheListRules) {
    PublisherFixture f;  // ReportMonth March 2024
    inactive(f, 100, 2, 2024);
    inactive(f, 101, 6, 2023);
    inactive(f, 102, 1, 2020);
    SideListModel m(f.doc, SideListMode::Inactive);
    const char* captions[] = {"6 Bulan Terakhir", "Tahun Dinas Ini", "12 Bulan Terakhir",
                              "12 Bulan Lebih", "Semua"};
    const std::size_t counts[] = {1, 1, 2, 1, 3};
    for (int i = 0; i < 5; ++i) {
        m.nextFilter();
        SCOPED_TRACE(i);
        EXPECT_EQ(m.filterText(), captions[i]);
        EXPECT_EQ(m.leftRows().size(), counts[i]);
    }
}

TEST(SideLists, ReactivationFromTheLeftListClearsTheMonthsOfAbsence) {
    PublisherFixture f({2024, 6, 10});  // ReportMonth May 2024
    auto& r = inactive(f, 100, 3, 2024);
    for (int s = 0; s < kSlotCount; ++s) r.hours[s] = 3;
    SideListModel m(f.doc, SideListMode::Inactive);
    m.selectLeft(0);
    auto q = m.actionQuestion();
    ASSERT_TRUE(q);
    EXPECT_FALSE(q->yearListVisible());
    ASSERT_TRUE(m.act(month(5)));
    EXPECT_EQ(m.monthsCleared(), 2);
    EXPECT_EQ(f.rec(100).listKind, ListActive);
    EXPECT_EQ(f.rec(100).statusMark, 16 * 5 + 2);
    EXPECT_TRUE(m.leftRows().empty());
}

TEST(SideLists, DeletedModeRestoresAndDeletesForGood) {
    PublisherFixture f;
    auto& a = f.add(100, "Ari", "A", ListDeleted);
    a.markStamp = deletionStamp(3, 2024);
    auto& b = f.add(101, "Budi", "B", ListDeleted);
    b.markStamp = 13;  // month 13, year part 0
    SideListModel m(f.doc, SideListMode::Deleted);
    EXPECT_EQ(m.title(), "Edit - Dihapus Permanen - Pulihkan");
    EXPECT_EQ(m.leftGroupText(), " Dihapus ");
    EXPECT_FALSE(m.rightVisible());
    EXPECT_FALSE(m.filterVisible());
    EXPECT_EQ(m.actionText(), "Pulihkan");
    ASSERT_EQ(m.leftRows().size(), 2u);
    EXPECT_EQ(m.leftRows()[0].text, "Ari A\tMar 2024");
    EXPECT_EQ(m.leftRows()[1].text, "Budi B\t ");

    m.selectLeft(1);
    EXPECT_EQ(m.confirmDeleteText(), "Saudara benar-benar ingin menghapus Budi B?");
    ASSERT_TRUE(m.deleteSelected());
    EXPECT_EQ(f.doc.store().recordById(101), nullptr);
    m.selectLeft(0);
    auto q = m.actionQuestion();
    ASSERT_TRUE(q);
    EXPECT_EQ(q->caption(), "Ari A");
    ASSERT_TRUE(m.act(month(2)));
    EXPECT_EQ(f.rec(100).listKind, ListActive);
    EXPECT_EQ(f.rec(100).statusMark, 16 * 2 + 2);
    EXPECT_EQ(f.rec(100).markStamp, 0);
    EXPECT_TRUE(m.leftRows().empty());
    EXPECT_FALSE(m.actionQuestion());  // nothing left to act on
}

TEST(MovedList, MovingAwayFromTheInactiveListAndBackWithoutAQuestion) {
    PublisherFixture f;  // ReportMonth March 2024
    inactive(f, 100, 7, 2023);
    f.rec(100).household = 5;
    f.rec(100).extSlot = 3;
    MovedListModel m(f.doc);
    EXPECT_EQ(m.rightGroupText(), "Tidak Ada Laporan untuk Maret ");
    EXPECT_TRUE(m.rightRows().empty());
    m.setInactiveSource(true);
    ASSERT_EQ(m.rightRows().size(), 1u);
    EXPECT_EQ(m.actionText(), "< < &Pindah < <");
    EXPECT_FALSE(m.undoVisible());
    auto q = m.moveQuestion();
    ASSERT_TRUE(q);
    EXPECT_EQ(q->caption(), "Bulan Ina Aktif100 pindah");
    ASSERT_TRUE(m.moveSelected(month(2)));
    const PublisherRecord& r = f.rec(100);
    EXPECT_EQ(r.listKind, ListMoved);
    EXPECT_EQ(r.dpa[0], 'I');
    EXPECT_EQ(r.dpa[1], 7);
    EXPECT_EQ(r.statusMark, 16 * 2);
    EXPECT_EQ(r.household, 0);
    EXPECT_EQ(r.extSlot, 0);
    ASSERT_EQ(m.leftRows().size(), 1u);
    EXPECT_EQ(m.leftRows()[0].text, "Ina Aktif100\tFeb");

    m.selectLeft(0);
    EXPECT_EQ(m.actionText(), "Hapus");
    EXPECT_TRUE(m.undoVisible());
    EXPECT_EQ(m.confirmUndoText(), "Saudara ingin membatalkan kepindahan untuk Ina Aktif100?");
    EXPECT_FALSE(m.undoNeedsMonth());
    ASSERT_TRUE(m.undoSelected({}));
    EXPECT_EQ(r.listKind, ListInactive);
    EXPECT_EQ(r.statusMark, 16 * 7);
    EXPECT_EQ(r.listYear, 23);
    EXPECT_EQ(r.dpa[0], 0);
}

TEST(MovedList, UndoingAnActiveMoveAsksTheMonthAndTheRegularCheck) {
    PublisherFixture f;  // ReportMonth March 2024
    f.add(100, "Ari", "A");
    auto& reporting = f.add(101, "Budi", "B");
    reporting.hours[f.reportSlot()] = 4;
    MovedListModel m(f.doc);
    ASSERT_EQ(m.rightRows().size(), 1u);  // only who has not reported for March
    ASSERT_TRUE(m.moveSelected(month(3)));
    m.selectLeft(0);
    ASSERT_TRUE(m.undoNeedsMonth());
    MonthChoiceModel q = m.undoQuestion();
    EXPECT_TRUE(q.regularCheckVisible());
    EXPECT_EQ(q.caption(), "Bulan Ari A kembali");
    q.setMonthLine(3);
    q.setRegularChecked(true);
    ASSERT_TRUE(m.undoSelected(q.ok()));
    EXPECT_EQ(f.rec(100).listKind, ListActive);
    EXPECT_EQ(f.rec(100).statusMark, 16 * 4 + 4);
    EXPECT_EQ(f.rec(100).listYear, f.rec(100).statusMark);
    // Cancelling the month question changes nothing.
    m.selectRight(0);
    ASSERT_TRUE(m.moveSelected(month(3)));
    m.selectLeft(0);
    EXPECT_FALSE(m.undoSelected(MonthChoice{}));
    EXPECT_EQ(f.rec(100).listKind, ListMoved);
}

TEST(MovedList, FiltersStartAtTwelveMonthsAndTheListHoldsAtMost199) {
    PublisherFixture f;  // ReportMonth March 2024: service year from September
    for (int i = 0; i < kMovedListLimit - 1; ++i) {
        auto& r = f.add(1000 + i, "P", "Pindah" + std::to_string(i), ListMoved);
        r.statusMark = static_cast<std::uint8_t>(16 * (i % 2 == 0 ? 8 : 2));  // Aug or Feb
    }
    f.add(100, "Ari", "A");
    f.add(101, "Budi", "B");
    MovedListModel m(f.doc);
    EXPECT_EQ(m.filterText(), "12 Bulan Terakhir");
    EXPECT_EQ(m.leftRows().size(), static_cast<std::size_t>(kMovedListLimit - 1));
    m.nextFilter();
    EXPECT_EQ(m.filterText(), "6 Bulan Terakhir");
    EXPECT_EQ(m.leftRows().size(), static_cast<std::size_t>(kMovedListLimit - 1) / 2);
    m.nextFilter();
    EXPECT_EQ(m.filterText(), "Tahun Dinas Ini");
    m.selectRight(0);
    ASSERT_TRUE(m.moveSelected(month(3)));
    m.selectRight(0);
    EXPECT_FALSE(m.moveQuestion());
    EXPECT_FALSE(m.moveSelected(month(3)));
    EXPECT_EQ(f.rec(101).listKind, ListActive);
}

}  // namespace
}  // namespace velno
