#include "demo/DemoCongregation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "store/CVelnoDoc.h"
#include "store/ContactEntries.h"
#include "store/DateText.h"
#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

// June 2024: the ReportMonth is May 2024 and the 24 months reach back to
// June 2022, so both report forms occur.
constexpr CalendarDate kToday{2024, 6, 10};

// Hours, taking part in the ministry (or less than one hour) or quarter hours.
bool reported(const PublisherRecord& r, int slot) {
    return r.hours[slot] != 0 ||
           (r.studiesWord[slot] & (StudiesWord::SharedOrUnderHour | StudiesWord::QuarterMask));
}

class DemoCongregationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new test::TempFolder();
        std::string error;
        ASSERT_TRUE(
            writeDemoCongregation(folder_->path(), kToday, 7, kDemoDefaultPublishers, &error))
            << error;
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override {
        doc_ = std::make_unique<CVelnoDoc>();
        doc_->setToday(kToday);
        ASSERT_TRUE(doc_->loadStore(folder_->path()));
    }

    const RecordStore& store() const { return doc_->store(); }
    std::vector<const PublisherRecord*> records(int kind = -1) const {
        std::vector<const PublisherRecord*> out;
        for (int pos = 1; pos < store().recordCount(); ++pos)
            if (kind < 0 || store().at(pos).listKind == kind) out.push_back(&store().at(pos));
        return out;
    }
    // The 24 months of the demo, as (stamp, slot).
    std::vector<std::pair<int, int>> months() const {
        std::vector<std::pair<int, int>> out;
        const int last = doc_->reportMonth().reportStamp;
        for (int stamp = last - 23; stamp <= last; ++stamp)
            out.emplace_back(stamp,
                             monthSlot(month0OfStamp(stamp), parityOfYear(yearOfStamp(stamp))));
        return out;
    }

    static test::TempFolder* folder_;
    std::unique_ptr<CVelnoDoc> doc_;
};

test::TempFolder* DemoCongregationTest::folder_ = nullptr;

TEST_F(DemoCongregationTest, LoadsCleanlyWithTheDocumentedSizes) {
    const LoadReport& report = doc_->loadReport();
    EXPECT_TRUE(report.mainFileFound);
    EXPECT_EQ(report.duplicateIdsRepaired, 0);
    EXPECT_EQ(report.extraCircuitOverseers, 0);
    EXPECT_EQ(report.remarksOfUnknownPublishers, 0);
    EXPECT_EQ(report.remarksWithBadSlot, 0);
    EXPECT_EQ(report.emergencyEntriesDropped, 0);

    EXPECT_EQ(store().recordCount(), 145);
    EXPECT_EQ(store().subList(ListActive).size(), 120u);
    EXPECT_EQ(store().subList(ListInactive).size(), 8u);
    EXPECT_EQ(store().subList(ListMoved).size(), 3u);
    EXPECT_EQ(store().subList(ListDeleted).size(), 2u);
    EXPECT_EQ(store().subList(ListBibleStudent).size(), 10u);
    EXPECT_EQ(store().circuitOverseerPos(), store().recordCount() - 1);
    EXPECT_EQ(store().at(store().circuitOverseerPos()).id, 30003);
    EXPECT_EQ(doc_->groups().count(), 6);

    std::set<PublisherId> ids;
    for (const PublisherRecord* r : records()) EXPECT_TRUE(ids.insert(r->id).second) << r->id;
    for (const PublisherRecord* r : records(ListBibleStudent)) EXPECT_GE(r->id, 2000);
}

TEST_F(DemoCongregationTest, ReportMonthIsOpenAndEarlierMonthsClosed) {
    HeaderRecord header = doc_->header();
    const ReportMonth& month = doc_->reportMonth();
    EXPECT_EQ(month.reportStamp, stampOf(2024, 4));
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(header.collectionState(m), m == month.reportMonth0 ? 1 : 2) << m;
    for (const auto& [stamp, slot] : months())
        EXPECT_EQ(header.initYear(slot), yearToByte(yearOfStamp(stamp)));
    EXPECT_EQ(fieldText(store().header().fname), " ");  // no password
}

TEST_F(DemoCongregationTest, EachMonthUsesTheFormOfItsTime) {
    int underHour = 0, quarters = 0, oldMonths = 0, newMonths = 0;
    for (const PublisherRecord* r : records()) {
        if (r->listKind == ListCircuitOverseer || r->listKind == ListBibleStudent) continue;
        for (const auto& [stamp, slot] : months()) {
            EXPECT_EQ(r->slotYear[slot], yearToByte(yearOfStamp(stamp)));
            const std::uint16_t word = r->studiesWord[slot];
            if (!reported(*r, slot)) continue;
            if (stamp <= kNewFormatFromStamp) {
                ++oldMonths;
                EXPECT_EQ(word & StudiesWord::QuarterMask, 0) << r->id << " " << stamp;
                if (word & StudiesWord::SharedOrUnderHour) {
                    EXPECT_EQ(r->hours[slot], 0) << "less than one hour carries no hours";
                    ++underHour;
                }
            } else {
                ++newMonths;
                EXPECT_TRUE(word & StudiesWord::SharedOrUnderHour) << "took part";
                EXPECT_EQ(r->placements[slot] + r->videos[slot] + r->returnVisits[slot], 0);
                if (r->kindAt(slot) == ServicePublisher) {
                    EXPECT_EQ(r->hours[slot], 0);
                }
                if (word & StudiesWord::QuarterMask) ++quarters;
            }
            if (r->credit[slot]) {
                EXPECT_EQ(r->kindAt(slot), ServiceRegular);
                EXPECT_LE(r->hours[slot] + r->credit[slot], 55);
            }
        }
    }
    EXPECT_GT(oldMonths, 0);
    EXPECT_GT(newMonths, 0);
    EXPECT_GE(underHour, 1);  // carried through "tlt15.dat"
    EXPECT_GE(quarters, 1);
}

TEST_F(DemoCongregationTest, HoldsEveryKindOfServiceAndStatus) {
    std::set<int> kinds;
    int continuous = 0, newMarks = 0, reactivated = 0, remarkOnly = 0;
    for (const PublisherRecord* r : records(ListActive)) {
        for (const auto& [stamp, slot] : months()) {
            kinds.insert(r->kindAt(slot));
            if (!reported(*r, slot) && doc_->remarks().hasText(r->remarkIndex[slot])) ++remarkOnly;
        }
        if (r->flags & RecordFlag::ContinuousAuxiliary) {
            ++continuous;
            for (const auto& [stamp, slot] : months()) EXPECT_EQ(r->kindAt(slot), ServiceAuxiliary);
        }
        const int code = (r->statusMark ? r->statusMark : r->listYear) & 0x0F;
        if (code == 1) {
            ++newMarks;
            EXPECT_FALSE(isDateSet(fieldText(r->bapdate))) << "a new publisher is not yet baptized";
            EXPECT_EQ(r->statusMonth(), month0OfStamp(r->markStamp) + 1);
        }
        if (code == 2) ++reactivated;
    }
    const auto active = records(ListActive);
    EXPECT_EQ(std::count_if(active.begin(), active.end(), [](auto* r) { return r->hope == 'A'; }),
              1);
    EXPECT_TRUE(std::all_of(active.begin(), active.end(),
                            [](auto* r) { return r->hope == 'A' || r->hope == 'O'; }));
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(continuous, 1);
    EXPECT_EQ(newMarks, 2);
    EXPECT_EQ(reactivated, 2);
    EXPECT_GE(remarkOnly, 3);
}

TEST_F(DemoCongregationTest, SideListsCarryTheMonthTheyJoined) {
    const int lastYear = 2024;
    for (int kind : {ListInactive, ListMoved, ListDeleted}) {
        for (const PublisherRecord* r : records(kind)) {
            EXPECT_GE(r->statusMonth(), 1);
            EXPECT_LE(r->statusMonth(), 12);
            EXPECT_EQ(r->statusCode(), 0);
            EXPECT_GE(yearFromByte(r->listYear), lastYear - 2);
            if (kind == ListDeleted) {
                EXPECT_EQ(r->markStamp % 256, r->statusMonth());
                EXPECT_EQ(r->markStamp / 256 + 1950, yearFromByte(r->listYear));
            }
        }
    }
}

TEST_F(DemoCongregationTest, LateReportsComeBackFromTheirMarks) {
    ASSERT_GE(doc_->lateReports().count(), 1);
    for (const LateReportEntry& e : doc_->lateReports().entries()) {
        const PublisherRecord* r = store().recordById(e.id);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(e.processing, doc_->reportMonth().reportMonth0 + 1);
        EXPECT_TRUE(reported(*r, doc_->reportMonth().recentSlot(e.month0)));
    }
}

TEST_F(DemoCongregationTest, GroupsAreLedByEldersOfTheirOwnGroup) {
    const GroupFile& g = doc_->groups().data();
    for (int n = 1; n <= g.count; ++n) {
        const std::string overseer = fieldText(g.overseer[n - 1]);
        const PublisherRecord* found = nullptr;
        for (const PublisherRecord* r : records(ListActive))
            if (displayNameOf(*r, false) == overseer) found = r;
        ASSERT_NE(found, nullptr) << "group " << n << " overseer " << overseer;
        EXPECT_EQ(found->privilege(), PrivilegeElder);
        EXPECT_EQ(found->group, n);
        EXPECT_FALSE(fieldText(g.location[n - 1]).empty());
        EXPECT_LE(g.day[n - 1], 6);
    }
    for (const PublisherRecord* r : records(ListActive)) {
        EXPECT_GE(r->group, 1);
        EXPECT_LE(r->group, g.count);
    }
}

TEST_F(DemoCongregationTest, HouseholdsContactsAndNeedsAreLinked) {
    std::map<PublisherId, int> members, contactUsers, needUsers;
    for (const PublisherRecord* r : records()) {
        if (r->household) {
            const PublisherRecord* head = store().recordById(r->household);
            ASSERT_NE(head, nullptr);
            EXPECT_TRUE(head->flags & RecordFlag::HouseholdHead);
            ++members[r->household];
        }
        if (r->emergId) {
            const auto entry = doc_->readEntryByKey(doc_->emergency(), r->emergId);
            ASSERT_TRUE(entry) << r->id;
            const auto contact = entryFromBytes<EmergencyContact>(*entry);
            EXPECT_EQ(contact.key, r->emergId);
            EXPECT_FALSE(fieldText(contact.contact).empty());
            ++contactUsers[r->emergId];
        }
        if (r->specneed) {
            const auto entry = doc_->readEntryByKey(doc_->specialNeeds(), r->specneed);
            ASSERT_TRUE(entry) << r->id;
            EXPECT_GE(fieldText(entryFromBytes<SpecialNeed>(*entry).text).size(), 4u);
            ++needUsers[r->specneed];
        }
        EXPECT_TRUE(r->moreBits & MoreBit::Loaded);
    }
    auto shared = [](const std::map<PublisherId, int>& users) {
        return std::count_if(users.begin(), users.end(), [](auto& u) { return u.second >= 2; });
    };
    EXPECT_GE(shared(members), 1);
    EXPECT_GE(shared(contactUsers), 2);  // households and two singles
    EXPECT_GE(shared(needUsers), 1);
    for (std::uint16_t bit : {MoreBit::Deaf, MoreBit::Blind, MoreBit::Isolated}) {
        const auto holders = records();
        EXPECT_TRUE(std::any_of(holders.begin(), holders.end(),
                                [&](auto* r) { return r->moreBits & bit; }));
    }
}

TEST_F(DemoCongregationTest, ExtendedInformationBelongsToItsOwners) {
    int longNames = 0, mails = 0;
    for (int pos = 1; pos < store().recordCount(); ++pos) {
        if (store().at(pos).extSlot == 0) continue;
        ASSERT_NE(doc_->extensionOf(pos), 0) << pos;
        const PublisherExtension& e = doc_->extensions().current();
        EXPECT_EQ(e.owner, store().at(pos).id);
        if (fieldText(e.longName).size() >= 58) ++longNames;
        const std::string mail = fieldText(e.email);
        if (!mail.empty()) {
            ++mails;
            EXPECT_NE(mail.find('@'), std::string::npos);
            EXPECT_TRUE(std::all_of(mail.begin(), mail.end(), [](char c) {
                return c > ' ' && c < 127;
            })) << mail;
        }
    }
    EXPECT_GE(longNames, 3);
    EXPECT_GT(mails, 20);
    EXPECT_FALSE(doc_->dirty) << "no extension link was bad";
}

TEST_F(DemoCongregationTest, TextsAreStorableAndSomeUseWindows1252Letters) {
    int accented = 0;
    for (const PublisherRecord* r : records()) {
        for (const std::string& t :
             {fieldText(r->fname), fieldText(r->lname), fieldText(r->addr)}) {
            EXPECT_FALSE(unscramblableCharacter(t)) << t;
            if (std::any_of(t.begin(), t.end(),
                            [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
                ++accented;
        }
        EXPECT_LE(fieldText(r->fname).size(), r->listKind == ListCircuitOverseer ? 18u : 14u);
        EXPECT_LE(fieldText(r->lname).size(), 14u);
    }
    EXPECT_GE(accented, 1);
}

TEST_F(DemoCongregationTest, PrivilegeDatesFollowThePrivileges) {
    const auto& entries = doc_->privilegeDates().entries;
    auto rowOf = [&](PublisherId id, std::uint16_t kind) {
        return std::find_if(entries.begin(), entries.end(), [&](const PrivilegeDateEntry& e) {
            return e.id == id && e.kind == kind;
        });
    };
    for (const PublisherRecord* r : records(ListActive)) {
        if (r->privilege() == PrivilegeElder || r->privilege() == PrivilegeServant) {
            const auto row =
                rowOf(r->id, r->privilege() == PrivilegeElder ? PrivilegeKind::Elder
                                                              : PrivilegeKind::Servant);
            ASSERT_NE(row, entries.end()) << r->id;
            const std::string start = fieldText(row->start);
            EXPECT_EQ(start.size(), 8u);
            EXPECT_TRUE(std::all_of(start.begin(), start.end(),
                                    [](char c) { return c >= '0' && c <= '9'; }));
        }
    }
    EXPECT_EQ(
        std::count_if(entries.begin(), entries.end(),
                      [](const PrivilegeDateEntry& e) { return e.kind == PrivilegeKind::Consent; }),
        1);
}

TEST_F(DemoCongregationTest, AttendanceTotalsAndAveragesAgreeWithTheWeeks) {
    for (const MeetingBlock& block : doc_->meetings().blocks) {
        for (const auto& [stamp, slot] : months()) {
            int held = 0, total = 0;
            for (int w = 0; w < 5; ++w) {
                held += block.week[w][slot] > 0;
                total += block.week[w][slot];
            }
            ASSERT_GT(held, 0) << stamp;
            EXPECT_EQ(block.meetings[slot], held);
            EXPECT_EQ(block.total[slot], total);
            // Half up: the remainder decides.
            EXPECT_EQ(block.average[slot], (2 * total + held) / (2 * held)) << stamp;
        }
    }
}

TEST(DemoCongregation, RefusesBadRequestsAndDataFolders) {
    test::TempFolder folder;
    std::string error;
    EXPECT_FALSE(writeDemoCongregation(folder.file("a"), kToday, 1, 0, &error));
    EXPECT_FALSE(
        writeDemoCongregation(folder.file("a"), kToday, 1, kDemoMaxPublishers + 1, &error));
    EXPECT_FALSE(writeDemoCongregation(folder.file("a"), {2001, 6, 1}, 1, 10, &error));
    EXPECT_FALSE(std::filesystem::exists(folder.file("a")));

    std::filesystem::create_directories(folder.file("snapshots") / "Roll");
    EXPECT_FALSE(writeDemoCongregation(folder.file("snapshots"), kToday, 1, 10, &error));
    EXPECT_NE(error.find("snapshots"), std::string::npos);

    test::writeBytes(folder.file("TDAT9.BIN"), {1, 2, 3});
    EXPECT_FALSE(writeDemoCongregation(folder.path(), kToday, 1, 10, &error));
    EXPECT_EQ(test::readBytes(folder.file("TDAT9.BIN")), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(DemoCongregation, SmallCongregationsStillHaveEveryList) {
    test::TempFolder folder;
    test::writeBytes(folder.file("notes.txt"), {'x'});  // unrelated files are no obstacle
    std::string error;
    ASSERT_TRUE(writeDemoCongregation(folder.path(), kToday, 3, 1, &error)) << error;
    CVelnoDoc doc;
    doc.setToday(kToday);
    ASSERT_TRUE(doc.loadStore(folder.path()));
    EXPECT_EQ(doc.store().subList(ListActive).size(), 1u);
    for (int kind : {ListInactive, ListMoved, ListDeleted, ListBibleStudent})
        EXPECT_EQ(doc.store().subList(kind).size(), 1u) << kind;
    EXPECT_EQ(doc.groups().count(), 1);
    const int pos = doc.store().subList(ListActive).front();
    EXPECT_EQ(fieldText(doc.groups().data().overseer[0]),
              displayNameOf(doc.store().at(pos), false));
}

}  // namespace
}  // namespace velno
