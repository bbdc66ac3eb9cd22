// The record store: name order, index, lookups and upkeep.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "store/CVelnoDoc.h"
#include "store/Collation.h"
#include "store/FixedText.h"
#include "store/Households.h"
#include "store/RecordStore.h"
#include "store/SideListMaintenance.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

using test::makeRecord;

std::vector<PublisherId> idsInOrder(const RecordStore& store) {
    std::vector<PublisherId> ids;
    for (int pos = 1; pos < store.recordCount(); ++pos) ids.push_back(store.at(pos).id);
    return ids;
}

TEST(RecordStore, EmptyStoreHoldsOnlyTheHeader) {
    RecordStore store;
    EXPECT_EQ(1, store.recordCount());
    EXPECT_EQ(" ", fieldText(store.header().fname));
    EXPECT_EQ("A", fieldText(store.header().lname));
    for (int kind = 0; kind < kSideListKinds; ++kind) EXPECT_TRUE(store.subList(kind).empty());
    EXPECT_EQ(0, store.circuitOverseerPos());
}

TEST(RecordStore, ResetLeavesNoTraceOfEarlierRecords) {
    RecordStore store;
    const PublisherRecord zero{};
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(store.append(makeRecord(100, "Eka", "Putri")));
        ASSERT_TRUE(store.insertAt(1, makeRecord(101, "Dwi", "Santoso")));
        store.setRecordCount(5);  // as a loader that filled more places
        store.reset();
        store.setRecordCount(5);
        for (int pos = 1; pos < 5; ++pos)
            EXPECT_EQ(0, std::memcmp(&zero, &store.at(pos), sizeof zero)) << "place " << pos;
    }
}

TEST(RecordStore, SortKeepsEqualNamesInOrderAndOverseerLast) {
    RecordStore store;
    store.append(makeRecord(30003, "Kris", "Aaron", ListCircuitOverseer));
    store.append(makeRecord(101, "anna", "smith"));
    store.append(makeRecord(102, "Zeta", "Brown"));
    store.append(makeRecord(103, "Anna ", "Smith"));  // "Smith, Anna " trims to equal
    store.append(makeRecord(104, "ANNA", "SMITH "));  // "SMITH , ANNA": blank before comma
    store.sortStore(false);
    EXPECT_EQ((std::vector<PublisherId>{102, 104, 101, 103, 30003}), idsInOrder(store));
    // By first name 104 and 101 are equal and keep their order; 103 has two
    // blanks in the middle.
    store.sortStore(true);
    EXPECT_EQ((std::vector<PublisherId>{103, 104, 101, 102, 30003}), idsInOrder(store));
}

TEST(RecordStore, SortMatchesAnInsertionSortOnRandomNames) {
    // The order must be exactly that of a stable insertion sort comparing
    // trimmed "family, first" names.
    std::mt19937 rng(42);
    const std::vector<std::string> parts{"ana",
                                         "Ana",
                                         "ANA ",
                                         "\xC1na",
                                         "B\xF6hm",
                                         "Bohm",
                                         "bo",
                                         "Bo ",
                                         " Zed",
                                         "\x8A"
                                         "ara",
                                         "Sara",
                                         "\xC6sir"};
    for (int round = 0; round < 20; ++round) {
        RecordStore store;
        const int n = 60 + static_cast<int>(rng() % 60);
        for (int i = 0; i < n; ++i) {
            const ListKind kind = rng() % 25 == 0 ? ListCircuitOverseer : ListActive;
            store.append(makeRecord(static_cast<PublisherId>(100 + i), parts[rng() % parts.size()],
                                    parts[rng() % parts.size()], kind));
        }
        std::vector<PublisherRecord> reference(store.data() + 1,
                                               store.data() + store.recordCount());
        auto greater = [](const PublisherRecord& a, const PublisherRecord& b) {
            if (a.listKind == ListCircuitOverseer) return b.listKind != ListCircuitOverseer;
            if (b.listKind == ListCircuitOverseer) return false;
            return compareNames(trimmed(displayNameOf(a, true)), trimmed(displayNameOf(b, true))) >
                   0;
        };
        for (std::size_t i = 1; i < reference.size(); ++i)
            for (std::size_t j = i; j > 0 && greater(reference[j - 1], reference[j]); --j)
                std::swap(reference[j - 1], reference[j]);
        store.sortStore(false);
        for (std::size_t i = 0; i < reference.size(); ++i)
            ASSERT_EQ(reference[i].id, store.at(static_cast<int>(i) + 1).id) << "round " << round;
    }
}

TEST(RecordStore, LookupsIgnoreLowIdsAndFollowTheIndex) {
    RecordStore store;
    store.append(makeRecord(7, "Low", "Id"));
    store.append(makeRecord(150, "Budi", "Santoso"));
    store.append(makeRecord(101, "Citra", "Dewi", ListInactive));
    store.rebuildIndex();
    EXPECT_EQ(nullptr, store.recordById(7));
    EXPECT_EQ(0, store.storePosById(7));
    ASSERT_NE(nullptr, store.recordById(150));
    EXPECT_EQ(2, store.storePosById(150));
    EXPECT_EQ(0, store.storePosById(999));
    EXPECT_EQ(100, store.freeId(100));
    EXPECT_EQ(102, store.freeId(101));
    // List handles: inactive entry 0 is the record at position 3.
    EXPECT_EQ(3, store.positionOfHandle(ListHandle::Inactive | 0));
    EXPECT_EQ(0, store.positionOfHandle(ListHandle::Inactive | 1));
    EXPECT_EQ(2, store.positionOfHandle(2));
}

TEST(RecordStore, RepairGivesLaterDuplicatesFreshIds) {
    RecordStore store;
    store.append(makeRecord(100, "A", "One"));
    store.append(makeRecord(100, "B", "Two"));
    store.append(makeRecord(101, "C", "Three"));
    store.append(makeRecord(5, "D", "Four"));
    store.append(makeRecord(5, "E", "Five"));
    store.rebuildIndex();
    EXPECT_EQ(2, store.repairDuplicateIds());
    EXPECT_EQ((std::vector<PublisherId>{100, 102, 101, 5, 103}), idsInOrder(store));
    EXPECT_EQ(2, store.storePosById(102));
}

TEST(RecordStore, SecondOverseerIsReportedAndTheLaterOneWins) {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    doc.setPrompter(&prompter);
    doc.store().append(makeRecord(30003, "Kris", "Tanu", ListCircuitOverseer));
    doc.store().append(makeRecord(30004, "Kris", "Tanu", ListCircuitOverseer));
    doc.rebuildIndex();
    ASSERT_EQ(1u, prompter.told.size());
    EXPECT_EQ("Oh no, duplicate co!  Check LoadNumx()", prompter.told[0]);
    EXPECT_EQ(2, doc.store().circuitOverseerPos());
}

TEST(SideLists, TrimStopsAtRecordsOfTheCurrentYear) {
    test::TempFolder dir;
    CVelnoDoc doc;
    doc.loadStore(dir.path());
    for (int i = 0; i < 281; ++i) {
        auto r = makeRecord(static_cast<PublisherId>(100 + i), "N" + std::to_string(i), "Inactive",
                            ListInactive);
        r.listYear = yearToByte(2025);
        r.statusMark = 0x30;
        doc.store().append(r);
    }
    doc.rebuildIndex();
    EXPECT_EQ(0, trimInactiveList(doc, 2025));
    EXPECT_EQ(281, doc.store().countList(ListInactive));
}

TEST(SideLists, TrimRemovesOldestYearThenMonthDownTo250) {
    test::TempFolder dir;
    CVelnoDoc doc;
    doc.loadStore(dir.path());
    // 290 inactive: 20 from 1998 (byte 254, months 5 and 2), the rest 2024.
    for (int i = 0; i < 290; ++i) {
        auto r = makeRecord(static_cast<PublisherId>(100 + i), "N" + std::to_string(1000 + i), "X",
                            ListInactive);
        const bool old = i < 20;
        r.listYear = old ? yearToByte(1998) : yearToByte(2024);
        r.statusMark = static_cast<std::uint8_t>((old && i % 2 ? 2 : 5) << 4);
        doc.store().append(r);
    }
    doc.rebuildIndex();
    EXPECT_EQ(40, trimInactiveList(doc, 2025));
    EXPECT_EQ(250, doc.store().countList(ListInactive));
    // Every 1998 record went first, the February ones before the May ones.
    for (int pos : doc.store().subList(ListInactive))
        EXPECT_EQ(yearToByte(2024), doc.store().at(pos).listYear);
}

TEST(SideLists, DeletedListUsesTheDeletionStamp) {
    test::TempFolder dir;
    CVelnoDoc doc;
    doc.loadStore(dir.path());
    for (int i = 0; i < 285; ++i) {
        auto r = makeRecord(static_cast<PublisherId>(100 + i), "D" + std::to_string(1000 + i), "X",
                            ListDeleted);
        const int year = i < 10 ? 2020 : 2025;
        r.markStamp = static_cast<std::uint16_t>(6 + 256 * (year - 1950));
        doc.store().append(r);
    }
    doc.rebuildIndex();
    EXPECT_EQ(10, trimDeletedList(doc, 2025));  // stops at this year's records
    EXPECT_EQ(275, doc.store().countList(ListDeleted));
}

TEST(SideLists, ClearingAMonth) {
    test::TempFolder dir;
    CVelnoDoc doc;
    doc.loadStore(dir.path());
    const int slot = monthSlot(4, 1);  // May, odd year
    auto inactiveSameParity = makeRecord(100, "A", "In", ListInactive);
    inactiveSameParity.listYear = 25;
    inactiveSameParity.statusMark = 0x50;  // joined in May
    auto inactiveOtherParity = makeRecord(101, "B", "In", ListInactive);
    inactiveOtherParity.listYear = 24;
    auto deletedInMay = makeRecord(102, "C", "Del", ListDeleted);
    deletedInMay.statusMark = 0x50;
    deletedInMay.listYear = 25;
    auto deletedInJuly = makeRecord(103, "D", "Del", ListDeleted);
    deletedInJuly.statusMark = 0x70;
    for (auto* r : {&inactiveSameParity, &inactiveOtherParity, &deletedInMay, &deletedInJuly}) {
        r->hours[slot] = 9;
        r->credit[slot] = 3;
        r->remarkIndex[slot] = 1;
        r->serviceKind[slot] = ServiceAuxiliary;
        doc.store().append(*r);
    }
    doc.rebuildIndex();
    clearMonthOnInactiveList(doc, 4, 1);
    clearMonthOnDeletedList(doc, 4, 1, 2025, 3);
    const auto& s = doc.store();
    const PublisherRecord& a = *s.recordById(100);
    EXPECT_EQ(0, a.hours[slot]);
    EXPECT_EQ(0, a.credit[slot]);
    EXPECT_EQ(0, a.serviceKind[slot]);
    const PublisherRecord& b = *s.recordById(101);
    EXPECT_EQ(9, b.hours[slot]);  // other parity: untouched
    EXPECT_EQ(3, b.credit[slot]);
    const PublisherRecord& c = *s.recordById(102);
    EXPECT_EQ(0, c.statusMark);
    EXPECT_EQ(yearToByte(2023), c.listYear);  // May lies after March: one more year back
    EXPECT_EQ(0, c.hours[slot]);
    const PublisherRecord& d = *s.recordById(103);
    EXPECT_EQ(9, d.hours[slot]);
    EXPECT_EQ(0, d.credit[slot]);
    EXPECT_EQ(0, d.remarkIndex[slot]);
    EXPECT_EQ(0x70, d.statusMark);
}

}  // namespace
}  // namespace velno

namespace velno {
namespace {

TEST(Households, MembersComeActiveThenInactiveThenStudentsAndOnlyUnderARealHead) {
    RecordStore store;
    PublisherRecord head = makeRecord(100, "Budi", "Santoso");
    head.flags |= RecordFlag::HouseholdHead;
    head.household = 100;  // a head's own link says nothing
    PublisherRecord student = makeRecord(2001, "Ani", "Santoso", ListBibleStudent);
    PublisherRecord inactive = makeRecord(101, "Citra", "Santoso", ListInactive);
    PublisherRecord active = makeRecord(102, "Dewi", "Santoso");
    PublisherRecord moved = makeRecord(103, "Eko", "Santoso", ListMoved);
    PublisherRecord stray = makeRecord(104, "Fajar", "Wijaya");
    PublisherRecord notAHead = makeRecord(105, "Gita", "Wijaya");
    for (PublisherRecord* r : {&student, &inactive, &active, &moved}) r->household = 100;
    stray.household = 105;
    for (const PublisherRecord& r : {head, student, inactive, active, moved, stray, notAHead})
        ASSERT_TRUE(store.append(r));
    store.rebuildIndex();

    std::vector<PublisherId> ids;
    for (int pos : householdMembers(store, 100)) ids.push_back(store.at(pos).id);
    EXPECT_EQ((std::vector<PublisherId>{102, 101, 2001}), ids);
    EXPECT_TRUE(householdMembers(store, 0).empty());

    EXPECT_EQ(store.storePosById(100), householdHeadOf(store, *store.recordById(2001)));
    EXPECT_EQ(store.storePosById(100), householdHeadOf(store, *store.recordById(100)));
    EXPECT_EQ(-1, householdHeadOf(store, *store.recordById(104)));  // linked to a non-head
    EXPECT_EQ(-1, householdHeadOf(store, *store.recordById(105)));
}

}  // namespace
}  // namespace velno
