// The service-privileges dialog: the rows and their dates, the sister's
// disabled rows, the end lists of an ended appointment, the boxes handed
// back to the record editor or written by the privileges list.
#include <gtest/gtest.h>

#include <cstring>

#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"
#include "publishers/ServicePrivilegesModel.h"

namespace velno {
namespace {

using test::PublisherFixture;
using D = PrivilegeDate;
constexpr int kServant = 0, kElder = 1, kRegular = 2, kContinuous = 3, kSpecial = 4;

PrivilegeDateEntry row(PublisherId id, std::uint16_t kind, const char* start, const char* end) {
    PrivilegeDateEntry e{};
    e.id = id;
    e.kind = kind;
    std::memcpy(e.start, start, 9);
    std::memcpy(e.end, end, 9);
    return e;
}

struct PrivilegeFixture : PublisherFixture {
    PrivilegeFixture() {
        PublisherRecord& r = add(100, "Budi", "Santoso");
        r.flags = RecordFlag::Brother | PrivilegeElder;
        setFieldText(r.bapdate, "06011990");
        doc.privilegeDates().entries.push_back(
            row(100, PrivilegeKind::Elder, "03152015", "        "));
    }
    const PrivilegeDateEntry* entry(std::uint16_t kind) {
        return doc.privilegeDates().find(100, kind);
    }
};

TEST(ServicePrivileges, OpensOnTheRecordWithTheYearListsOfAHundredYears) {
    PrivilegeFixture f;
    f.rec(100).serviceKind[f.reportSlot()] = ServiceRegular;
    f.rec(100).categoryBits = CategoryBit::Missionary;
    ServicePrivilegesModel m(f.doc, f.pos(100));
    EXPECT_EQ(m.title(), "Hak istimewa dinas - " + f.doc.displayName(f.pos(100)));
    EXPECT_TRUE(m.checked(kElder));
    EXPECT_FALSE(m.checked(kServant));
    EXPECT_TRUE(m.checked(kRegular));
    EXPECT_FALSE(m.checked(kContinuous));
    EXPECT_TRUE(m.missionary());
    EXPECT_FALSE(m.specialServant());
    const DateLists& start = m.date(kElder, D::Start);
    EXPECT_EQ(start.month(), 3);
    EXPECT_EQ(start.day(), 15);
    EXPECT_EQ(start.year(), 2015);
    // ReportMonth March 2024: 1926 .. 2025.
    const auto years = start.lines(DatePart::Year);
    ASSERT_EQ(years.size(), 101u);
    EXPECT_EQ(years[1], "1926");
    EXPECT_EQ(years.back(), "2025");
    EXPECT_EQ(m.rowText(kContinuous), "PE Tetap");
}

TEST(ServicePrivileges, AnElderStillServingHasNoEndListsUntilTheBoxIsCleared) {
    PrivilegeFixture f;
    ServicePrivilegesModel m(f.doc, f.pos(100));
    EXPECT_FALSE(m.endVisible(kElder));
    m.setChecked(kElder, false);
    EXPECT_TRUE(m.endVisible(kElder));
    ASSERT_TRUE(m.setDate(kElder, D::End, 9, 1, 2023));
    // Checked again, the end date goes back to the blank lines.
    m.setChecked(kElder, true);
    EXPECT_FALSE(m.endVisible(kElder));
    EXPECT_EQ(m.date(kElder, D::End).month(), 0);
    m.setChecked(kElder, false);
    ASSERT_TRUE(m.setDate(kElder, D::End, 9, 1, 2023));
    // An incomplete start date hides the end lists too.
    m.setDateLine(kElder, D::Start, DatePart::Day, 0);
    EXPECT_FALSE(m.endVisible(kElder));
    EXPECT_EQ(m.date(kElder, D::End).year(), 0);
    m.setDateLine(kElder, D::Start, DatePart::Day, 15);
    ASSERT_TRUE(m.setDate(kElder, D::End, 9, 1, 2023));

    const PrivilegeChecks checks = m.ok();
    EXPECT_FALSE(checks.elder);
    EXPECT_STREQ(f.entry(PrivilegeKind::Elder)->start, "03152015");
    EXPECT_STREQ(f.entry(PrivilegeKind::Elder)->end, "09012023");
    // Rows never dated are not made.
    EXPECT_EQ(f.entry(PrivilegeKind::Servant), nullptr);
    EXPECT_EQ(f.doc.privilegeDates().entries.size(), 1u);
}

TEST(ServicePrivileges, ASistersServantAndElderRowsAreDisabled) {
    PublisherFixture f;
    f.add(101, "Sari", "Wulan").flags = RecordFlag::Sister;
    ServicePrivilegesModel m(f.doc, f.pos(101));
    EXPECT_FALSE(m.enabled(kServant));
    EXPECT_FALSE(m.enabled(kElder));
    EXPECT_TRUE(m.enabled(kRegular));
    m.setChecked(kElder, true);
    EXPECT_FALSE(m.checked(kElder));
    m.setChecked(kRegular, true);
    EXPECT_TRUE(m.ok().regularPioneer);
}

TEST(ServicePrivileges, BoxesThatCannotGoTogetherClearEachOther) {
    PrivilegeFixture f;
    ServicePrivilegesModel m(f.doc, f.pos(100));
    m.setChecked(kServant, true);
    EXPECT_FALSE(m.checked(kElder));
    EXPECT_TRUE(m.endVisible(kElder));  // servant after being elder: the end can be dated
    m.setChecked(kRegular, true);
    m.setChecked(kContinuous, true);
    EXPECT_FALSE(m.checked(kRegular));
    m.setChecked(kSpecial, true);
    EXPECT_FALSE(m.checked(kContinuous));
}

TEST(ServicePrivileges, DatesEnteredSurviveTheEditorsStoreAndTheSave) {
    PrivilegeFixture f;
    f.rec(100).flags = RecordFlag::Brother | PrivilegeBaptizedBrother;
    f.doc.privilegeDates().entries.clear();
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(100));
    // Checking a box in the editor marks a row to be made with a blank date.
    editor.setChecked(EditCheck::Servant, true);
    editor.setChecked(EditCheck::RegularPioneer, true);
    ASSERT_EQ(editor.storeForPrivileges(), StoreStatus::Stored);
    ServicePrivilegesModel dialog(f.doc, f.pos(100));
    EXPECT_TRUE(dialog.checked(kServant));
    ASSERT_TRUE(dialog.setDate(kServant, D::Start, 1, 1, 2020));
    dialog.setChecked(kElder, true);
    ASSERT_TRUE(dialog.setDate(kElder, D::Start, 3, 15, 2024));
    ASSERT_TRUE(dialog.setDate(kRegular, D::Start, 9, 1, 2022));
    dialog.setSpecialServant(true);
    editor.privilegesAccepted(dialog.ok());
    EXPECT_TRUE(editor.checked(EditCheck::Elder));
    EXPECT_FALSE(editor.checked(EditCheck::Servant));
    EXPECT_FALSE(editor.checked(EditCheck::BaptizedBrother));
    EXPECT_TRUE(editor.specialServantVisible());
    EXPECT_EQ(editor.ok(), StoreStatus::Stored);

    EXPECT_EQ(f.rec(100).privilege(), PrivilegeElder);
    EXPECT_TRUE(f.rec(100).categoryBits & CategoryBit::SpecialServant);
    EXPECT_EQ(f.rec(100).kindAt(f.reportSlot()), ServiceRegular);
    f.doc.saveAll();
    f.doc.loadStore(f.dir.path());
    ASSERT_TRUE(f.entry(PrivilegeKind::Elder));
    EXPECT_STREQ(f.entry(PrivilegeKind::Elder)->start, "03152024");
    ASSERT_TRUE(f.entry(PrivilegeKind::Servant));
    EXPECT_STREQ(f.entry(PrivilegeKind::Servant)->start, "01012020");
    ASSERT_TRUE(f.entry(PrivilegeKind::RegularPioneer));
    EXPECT_STREQ(f.entry(PrivilegeKind::RegularPioneer)->start, "09012022");
}

TEST(ServicePrivileges, ThePrivilegesListWritesTheBoxesIntoTheRecord) {
    PrivilegeFixture f;
    PublisherRecord& r = f.rec(100);
    r.flags |= RecordFlag::ContinuousAuxiliary | RecordFlag::HouseholdHead;
    const int slot = f.reportSlot();
    const int other = (slot + 1) % kSlotCount;
    r.serviceKind[other] = ServiceRegular;
    ServicePrivilegesModel m(f.doc, f.pos(100));
    EXPECT_TRUE(m.checked(kContinuous));
    m.setChecked(kElder, false);
    m.setChecked(kSpecial, true);
    m.setMissionary(true);
    applyPrivilegeChecks(f.doc, f.pos(100), m.ok());
    EXPECT_EQ(r.privilege(), PrivilegeNone);
    EXPECT_FALSE(r.flags & RecordFlag::ContinuousAuxiliary);
    EXPECT_TRUE(r.flags & RecordFlag::HouseholdHead);
    EXPECT_EQ(r.kindAt(slot), ServiceSpecial);
    EXPECT_EQ(r.kindAt(other), ServiceRegular);  // other months untouched
    EXPECT_TRUE(r.categoryBits & CategoryBit::Missionary);
    EXPECT_TRUE(f.doc.dirty);

    // A plain baptized brother stays one when nothing is checked.
    r.flags = RecordFlag::Brother | PrivilegeBaptizedBrother;
    applyPrivilegeChecks(f.doc, f.pos(100), PrivilegeChecks{});
    EXPECT_EQ(r.privilege(), PrivilegeBaptizedBrother);
}

TEST(ServicePrivileges, AFullTableIsToldAndNothingIsLostSilently) {
    PrivilegeFixture f;
    auto& entries = f.doc.privilegeDates().entries;
    while (entries.size() < static_cast<std::size_t>(PrivilegeDates::kCapacity))
        entries.push_back(row(5000, PrivilegeKind::Elder, "01012000", "        "));
    ServicePrivilegesModel m(f.doc, f.pos(100));
    ASSERT_TRUE(m.setDate(kRegular, D::Start, 9, 1, 2022));
    ASSERT_TRUE(m.setDate(kElder, D::Start, 4, 1, 2015));
    m.ok();
    EXPECT_STREQ(f.entry(PrivilegeKind::Elder)->start, "04012015");  // an existing row
    EXPECT_EQ(f.entry(PrivilegeKind::RegularPioneer), nullptr);
    ASSERT_EQ(f.prompter.told.size(), 1u);
    EXPECT_NE(f.prompter.told[0].find("1500"), std::string::npos);

    // The consent of the record editor is told the same way.
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(100));
    editor.setChecked(EditCheck::Consent, true);
    editor.ok();
    EXPECT_EQ(f.prompter.told.size(), 2u);
}

}  // namespace
}  // namespace velno
