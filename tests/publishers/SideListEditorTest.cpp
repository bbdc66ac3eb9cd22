// The record editor opened on an inactive or a deleted record: what it
// hides, the date of the move to the list and the exclusion flag.
#include <gtest/gtest.h>

#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"
#include "store/Calendar.h"

namespace velno {
namespace {

using test::PublisherFixture;
using B = EditButton;
using C = EditCheck;

PublisherRecord& inactive(PublisherFixture& f, PublisherId id, int month, int year) {
    PublisherRecord& r = f.add(id, "Ina", "Aktif" + std::to_string(id), ListInactive);
    r.statusMark = static_cast<std::uint8_t>(16 * month);
    r.listYear = yearToByte(year);
    return r;
}

PublisherRecord& deleted(PublisherFixture& f, PublisherId id, int month, int year) {
    PublisherRecord& r = f.add(id, "Del", "Hapus" + std::to_string(id), ListDeleted);
    r.markStamp = static_cast<std::uint16_t>(month + 256 * (year - 1950));
    return r;
}

TEST(SideListEditor, InactiveModeHidesAppointmentsAndShowsTheDateAndExclusion) {
    PublisherFixture f;  // ReportMonth March 2024
    inactive(f, 100, 7, 1998);
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
    ASSERT_EQ(m.sideList(), SideListEdit::Inactive);
    for (C c : {C::RegularPioneer, C::ContinuousAuxiliary, C::Elder, C::Servant, C::BaptizedBrother,
                C::SpecialPioneer})
        EXPECT_FALSE(m.visible(c)) << static_cast<int>(c);
    for (B b : {B::Status, B::Delete, B::Previous, B::Next, B::Privileges})
        EXPECT_FALSE(m.visible(b)) << static_cast<int>(b);
    // Shown although no custom category is enabled: it is the exclusion.
    EXPECT_TRUE(m.visible(C::CustomCategory));
    EXPECT_EQ(m.caption(C::CustomCategory), "Kecualikan dari daftar KDL");
    EXPECT_TRUE(m.visible(C::HouseholdHead));
    EXPECT_TRUE(m.visible(B::Contact));
    EXPECT_TRUE(m.visible(B::Group));
    EXPECT_TRUE(m.sideDateVisible());
    EXPECT_EQ(m.sideDateCaption(), "menjadi tidak aktif");
    // A year before 2000 comes back from its byte.
    EXPECT_EQ(m.sideMonth(), 7);
    EXPECT_EQ(m.sideYear(), 1998);
    const auto years = m.sideYearLines();
    ASSERT_FALSE(years.empty());
    EXPECT_EQ(years.front(), "1950");
    EXPECT_EQ(years.back(), "2024");

    // The active editor is unchanged.
    f.add(101, "Ari", "Aktif");
    PublisherEditModel active(f.doc, nullptr, EditMode::Edit, f.pos(101));
    EXPECT_EQ(active.sideList(), SideListEdit::None);
    EXPECT_FALSE(active.sideDateVisible());
    EXPECT_TRUE(active.visible(C::Elder));
    EXPECT_FALSE(active.visible(C::CustomCategory));
}

TEST(SideListEditor, InactiveDateIsStoredNeverInTheFuture) {
    struct Case {
        int month, year;
        std::uint8_t statusMark;
        int storedYear;
    } cases[] = {
        {3, 2024, 0x30, 2024},   // the ReportMonth itself
        {4, 2024, 0x40, 2023},   // one month after it: last year
        {12, 2024, 0xC0, 2023},  // December of the current year
        {11, 2023, 0xB0, 2023},  // an earlier year is taken as chosen
        {1, 1950, 0x10, 1950},   // the first year of the list
        {6, 1999, 0x60, 1999},   // stored as byte 255
    };
    for (const Case& c : cases) {
        PublisherFixture f;  // ReportMonth March 2024
        inactive(f, 100, 2, 2020);
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
        m.setSideMonth(c.month);
        m.setSideYear(c.year);
        ASSERT_EQ(m.ok(), StoreStatus::Stored);
        const PublisherRecord& r = f.rec(100);
        EXPECT_EQ(r.statusMark, c.statusMark) << c.month << "/" << c.year;
        EXPECT_EQ(yearFromByte(r.listYear), c.storedYear) << c.month << "/" << c.year;
        EXPECT_EQ(r.listKind, ListInactive);
    }
    PublisherFixture f;
    inactive(f, 100, 2, 2020);
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
    // Outside the lists: refused, the stored date stays.
    m.setSideYear(2025);
    m.setSideYear(1949);
    m.setSideMonth(13);
    EXPECT_EQ(m.sideYear(), 2020);
    EXPECT_EQ(m.sideMonth(), 2);
}

TEST(SideListEditor, AnInactiveRecordWithoutAMonthKeepsItsDate) {
    PublisherFixture f;
    PublisherRecord& r = inactive(f, 100, 0, 2010);
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
    EXPECT_EQ(m.sideMonth(), 0);
    m.setSideYear(2015);
    ASSERT_EQ(m.ok(), StoreStatus::Stored);
    EXPECT_EQ(r.statusMark, 0);
    EXPECT_EQ(yearFromByte(f.rec(100).listYear), 2010);
}

TEST(SideListEditor, ExclusionRoundTripKeepsCategoryServiceKindAndPlace) {
    PublisherFixture f;
    inactive(f, 100, 5, 2022);
    f.add(101, "Zed", "Zulu", ListInactive);
    PublisherRecord& r = f.rec(100);
    r.flags |= RecordFlag::CustomCategory | RecordFlag::ContinuousAuxiliary;
    r.group = 3;
    const int slot = f.reportSlot();
    r.serviceKind[slot] = 0;
    r.hours[slot] = 7;
    const int before = f.pos(100);

    {
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
        EXPECT_FALSE(m.checked(C::CustomCategory));
        m.setChecked(C::CustomCategory, true);
        // A rename would place an active record anew; a side-list one stays.
        m.setText(EditField::LastName, "Zzz");
        ASSERT_EQ(m.ok(), StoreStatus::Stored);
    }
    const PublisherRecord& after = f.rec(100);
    EXPECT_TRUE(after.flags & RecordFlag::NoGroupOnSideList);
    EXPECT_TRUE(after.flags & RecordFlag::CustomCategory);
    EXPECT_TRUE(after.flags & RecordFlag::ContinuousAuxiliary);
    // The hidden continuous-auxiliary box writes no pioneer kind.
    EXPECT_EQ(after.serviceKind[slot], 0);
    EXPECT_EQ(after.hours[slot], 7);
    EXPECT_EQ(after.group, 3);
    EXPECT_EQ(after.statusMark, 0x50);
    EXPECT_EQ(yearFromByte(after.listYear), 2022);
    EXPECT_EQ(f.pos(100), before);
    EXPECT_TRUE(f.doc.dirty);

    PublisherEditModel again(f.doc, nullptr, EditMode::Edit, f.pos(100));
    EXPECT_TRUE(again.checked(C::CustomCategory));
    again.setChecked(C::CustomCategory, false);
    ASSERT_EQ(again.ok(), StoreStatus::Stored);
    EXPECT_FALSE(f.rec(100).flags & RecordFlag::NoGroupOnSideList);
    EXPECT_TRUE(f.rec(100).flags & RecordFlag::CustomCategory);
}

TEST(SideListEditor, DeletedModeHidesMoreAndStoresTheDeletionStamp) {
    PublisherFixture f;  // ReportMonth March 2024
    PublisherRecord& r = deleted(f, 100, 8, 2021);
    r.flags |= RecordFlag::NoGroupOnSideList;
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
    ASSERT_EQ(m.sideList(), SideListEdit::Deleted);
    for (B b : {B::Household, B::Copy, B::ClearCopy, B::Contact, B::SpecialNeeds, B::Group,
                B::Status, B::Delete, B::Privileges})
        EXPECT_FALSE(m.visible(b)) << static_cast<int>(b);
    EXPECT_FALSE(m.visible(C::HouseholdHead));
    EXPECT_FALSE(m.visible(C::CustomCategory));
    EXPECT_EQ(m.sideDateCaption(), " Dihapus ");
    EXPECT_EQ(m.sideMonth(), 8);
    EXPECT_EQ(m.sideYear(), 2021);

    m.setSideMonth(12);
    m.setSideYear(1950);
    ASSERT_EQ(m.ok(), StoreStatus::Stored);
    EXPECT_EQ(f.rec(100).markStamp, 12);
    // The hidden exclusion box leaves the flag alone.
    EXPECT_TRUE(f.rec(100).flags & RecordFlag::NoGroupOnSideList);
    EXPECT_EQ(f.rec(100).listKind, ListDeleted);

    PublisherEditModel late(f.doc, nullptr, EditMode::Edit, f.pos(100));
    late.setSideMonth(1);
    late.setSideYear(2024);
    ASSERT_EQ(late.ok(), StoreStatus::Stored);
    EXPECT_EQ(f.rec(100).markStamp, 1 + 256 * 74);
    EXPECT_EQ(f.rec(100).statusMark, 0);
}

}  // namespace
}  // namespace velno
