// The check boxes of the record editor: interlocks, privilege marks and
// what the store writes from them.
#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cstring>
#include <vector>

#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"

namespace velno {
namespace {

using test::PublisherFixture;
using C = EditCheck;

struct Rule {
    C checked;
    std::vector<C> cleared;
    std::vector<C> set;
};

void PrintTo(const Rule& r, std::ostream* os) {
    *os << "box " << static_cast<int>(r.checked);
}

// The interlocks as the secretary sees them.
const std::vector<Rule> kRules = {
    {C::Elder, {C::Servant, C::BaptizedBrother, C::Sister}, {C::Brother}},
    {C::Servant, {C::Elder, C::BaptizedBrother, C::Sister}, {C::Brother}},
    {C::BaptizedBrother, {C::Elder, C::Servant, C::Sister}, {C::Brother}},
    {C::Sister, {C::Brother, C::Servant, C::Elder, C::BaptizedBrother}, {}},
    {C::Brother, {C::Sister}, {}},
    {C::RegularPioneer, {C::ContinuousAuxiliary, C::SpecialPioneer}, {}},
    {C::ContinuousAuxiliary, {C::RegularPioneer, C::SpecialPioneer}, {}},
    {C::SpecialPioneer, {C::ContinuousAuxiliary, C::RegularPioneer}, {}},
    {C::HouseholdHead, {}, {}},
    {C::Anointed, {}, {}},
    {C::Deaf, {}, {}},
};

const std::vector<C> kLinked = {
    C::Elder,   C::Servant,        C::BaptizedBrother,     C::Sister,
    C::Brother, C::RegularPioneer, C::ContinuousAuxiliary, C::SpecialPioneer,
    C::Anointed};

bool contains(const std::vector<C>& list, C c) {
    return std::find(list.begin(), list.end(), c) != list.end();
}

class Interlocks : public ::testing::TestWithParam<Rule> {};

TEST_P(Interlocks, CheckingClearsAndSetsTheOtherBoxes) {
    const Rule& rule = GetParam();
    for (C earlier : kLinked) {
        if (earlier == rule.checked) continue;
        PublisherFixture f;
        f.add(101, "Ana", "Bela");
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
        m.setChecked(earlier, true);
        m.setChecked(rule.checked, true);
        const bool expected = contains(rule.set, earlier) || !contains(rule.cleared, earlier);
        EXPECT_EQ(m.checked(earlier), expected)
            << "box " << static_cast<int>(earlier) << " then " << static_cast<int>(rule.checked);
        EXPECT_TRUE(m.checked(rule.checked));
        for (C s : rule.set) EXPECT_TRUE(m.checked(s));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Interlocks, ::testing::ValuesIn(kRules));

TEST(EditorChecks, UncheckingChangesNothingElse) {
    PublisherFixture f;
    f.add(101, "Ana", "Bela");
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
    m.setChecked(C::Elder, true);
    m.setChecked(C::Elder, false);
    EXPECT_TRUE(m.checked(C::Brother));
    m.setChecked(C::RegularPioneer, true);
    m.setChecked(C::RegularPioneer, false);
    EXPECT_FALSE(m.checked(C::ContinuousAuxiliary));
}

TEST(EditorChecks, SisterClearsTheElderAppointmentWhenStored) {
    PublisherFixture f;
    PublisherRecord& r = f.add(101, "Ana", "Bela");
    r.flags = PrivilegeElder | RecordFlag::Brother | RecordFlag::HouseholdHead;
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
    EXPECT_TRUE(m.checked(C::Elder));
    m.setChecked(C::Sister, true);
    EXPECT_EQ(m.ok(), StoreStatus::Stored);
    EXPECT_EQ(f.rec(101).privilege(), PrivilegeNone);
    EXPECT_EQ(f.rec(101).flags, RecordFlag::Sister | RecordFlag::HouseholdHead);
}

TEST(EditorChecks, AppointmentWithoutGenderShowsBrother) {
    PublisherFixture f;
    f.add(101, "Ana", "Bela").flags = PrivilegeServant;
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
    EXPECT_TRUE(m.checked(C::Servant));
    EXPECT_TRUE(m.checked(C::Brother));
}

TEST(EditorChecks, RegularPioneerTouchesOnlyTheReportMonthSlot) {
    PublisherFixture f;
    PublisherRecord& r = f.add(101, "Ana", "Bela");
    for (int s = 0; s < kSlotCount; ++s) r.serviceKind[s] = static_cast<std::uint8_t>(s % 2);
    r.serviceKind[f.reportSlot()] = 0x04;  // a bit above the kind
    PublisherRecord before = r;
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
    m.setChecked(C::RegularPioneer, true);
    m.ok();
    const PublisherRecord& after = f.rec(101);
    for (int s = 0; s < kSlotCount; ++s) {
        if (s == f.reportSlot())
            EXPECT_EQ(after.serviceKind[s], 0x04 | ServiceRegular);
        else
            EXPECT_EQ(after.serviceKind[s], before.serviceKind[s]) << "slot " << s;
    }
}

struct KindCase {
    std::uint8_t stored;  // kind in the ReportMonth's slot before
    C check;              // the box checked in the editor (Anointed: none of the three)
    bool uncheckAll;      // clear the pioneer boxes instead
    std::uint8_t expected;
};

void PrintTo(const KindCase& k, std::ostream* os) {
    *os << "kind " << static_cast<int>(k.stored) << ", "
        << (k.uncheckAll ? std::string("pioneer boxes cleared")
                         : "box " + std::to_string(static_cast<int>(k.check)));
}

class StoredKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(StoredKind, FollowsTheBoxes) {
    const KindCase& k = GetParam();
    PublisherFixture f;
    f.add(101, "Ana", "Bela").serviceKind[f.reportSlot()] = k.stored;
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
    if (k.uncheckAll) {
        m.setChecked(C::RegularPioneer, false);
        m.setChecked(C::SpecialPioneer, false);
    } else {
        m.setChecked(k.check, true);
    }
    m.ok();
    EXPECT_EQ(f.rec(101).kindAt(f.reportSlot()), k.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoredKind,
    ::testing::Values(KindCase{0, C::SpecialPioneer, false, ServiceSpecial},
                      KindCase{2, C::ContinuousAuxiliary, false, ServiceAuxiliary},
                      KindCase{1, C::Anointed, false, ServiceAuxiliary},  // an existing 1 stays
                      KindCase{2, C::Anointed, true, ServicePublisher},
                      KindCase{3, C::Anointed, false, ServiceSpecial}));

TEST(EditorChecks, MarksCreateBlankPrivilegeRowsAtStore) {
    PublisherFixture f;
    f.add(101, "Ana", "Bela");
    PrivilegeDateEntry dated{};
    dated.id = 101;
    dated.kind = PrivilegeKind::Servant;
    std::memcpy(dated.start, "01152010", 9);
    f.doc.privilegeDates().entries.push_back(dated);
    PrivilegeDateEntry elder = dated;
    elder.kind = PrivilegeKind::Elder;
    f.doc.privilegeDates().entries.push_back(elder);

    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
    m.setChecked(C::Servant, true);
    m.setChecked(C::Elder, true);  // clears the servant box and its mark
    m.setChecked(C::ContinuousAuxiliary, true);
    EXPECT_EQ(m.privilegeMarks(),
              (std::set<int>{PrivilegeKind::Elder, PrivilegeKind::ContinuousAuxiliary}));
    m.ok();
    const auto& rows = f.doc.privilegeDates().entries;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_STREQ(rows[0].start, "01152010");  // the servant row is left alone
    EXPECT_STREQ(rows[1].start, "        ");  // the elder row blanked
    EXPECT_EQ(rows[2].kind, PrivilegeKind::ContinuousAuxiliary);
    EXPECT_STREQ(rows[2].start, "        ");
}

TEST(EditorChecks, PrivilegesDialogOkClearsTheMarks) {
    PublisherFixture f;
    f.add(101, "Ana", "Bela");
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
    m.setChecked(C::Elder, true);
    m.privilegesAccepted({.elder = true, .specialServant = true});
    EXPECT_TRUE(m.privilegeMarks().empty());
    EXPECT_TRUE(m.specialServantVisible());
    m.ok();
    EXPECT_TRUE(f.doc.privilegeDates().entries.empty());
    EXPECT_EQ(f.rec(101).categoryBits & CategoryBit::SpecialServant, CategoryBit::SpecialServant);
    EXPECT_EQ(f.rec(101).privilege(), PrivilegeElder);
}

TEST(EditorChecks, HouseholdHeadLocksWhileMembersAreLinked) {
    PublisherFixture f;
    f.add(101, "Ana", "Bela").flags = RecordFlag::HouseholdHead;
    f.add(102, "Budi", "Bela").household = 101;
    f.add(103, "Cici", "Dara").household = 102;
    {
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(101));
        EXPECT_FALSE(m.enabled(C::HouseholdHead));
        EXPECT_TRUE(m.visible(EditButton::Household));
        EXPECT_EQ(m.buttonText(EditButton::Household), "Edit Rumah tangga");
        m.setChecked(C::HouseholdHead, false);
        EXPECT_TRUE(m.checked(C::HouseholdHead));
    }
    PublisherEditModel member(f.doc, nullptr, EditMode::Edit, f.pos(103));
    EXPECT_EQ(member.buttonText(EditButton::Household), "Lihat Rumah tangga");
    member.setChecked(C::HouseholdHead, true);  // a head belongs to no other household
    EXPECT_EQ(member.copy().household, 0);
    PublisherEditModel alone(f.doc, nullptr, EditMode::Edit, f.pos(102));
    alone.setChecked(C::HouseholdHead, false);
    EXPECT_TRUE(alone.visible(EditButton::Household));  // still linked to 101
}

}  // namespace
}  // namespace velno
