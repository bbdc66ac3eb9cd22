#pragma once
// One person of the congregation, 816 bytes: the unit of the main data file.
// The in-memory layout is the file layout (little-endian, no padding).

#include <bit>
#include <cstddef>
#include <cstdint>

#include "store/Calendar.h"

namespace velno {

static_assert(std::endian::native == std::endian::little,
              "records are file images and need a little-endian machine");

using PublisherId = std::uint16_t;

enum ListKind : std::uint8_t {
    ListActive = 0,
    ListInactive = 1,
    ListBibleStudent = 2,
    ListMoved = 3,
    ListDeleted = 4,
    ListCircuitOverseer = 5,
};
constexpr int kSideListKinds = 5;  // kinds 0..4 have sub-lists

enum ServiceKind : std::uint8_t {
    ServicePublisher = 0,
    ServiceAuxiliary = 1,
    ServiceRegular = 2,
    ServiceSpecial = 3,
};

enum Privilege : std::uint8_t {
    PrivilegeNone = 0,
    PrivilegeServant = 1,
    PrivilegeElder = 2,
    PrivilegeBaptizedBrother = 3,
};

// Bits of `flags`.
namespace RecordFlag {
constexpr std::uint8_t PrivilegeMask = 0x03;
constexpr std::uint8_t HouseholdHead = 0x04;
constexpr std::uint8_t ContinuousAuxiliary = 0x08;
constexpr std::uint8_t CustomCategory = 0x10;
constexpr std::uint8_t Brother = 0x20;
constexpr std::uint8_t Sister = 0x40;
constexpr std::uint8_t NoGroupOnSideList = 0x80;
}  // namespace RecordFlag

// Bits of `categoryBits` and `moreBits`.
namespace CategoryBit {
constexpr std::uint16_t SpecialServant = 1u << 7;
constexpr std::uint16_t Missionary = 1u << 8;
}  // namespace CategoryBit
namespace MoreBit {
constexpr std::uint16_t Deaf = 1u << 0;
constexpr std::uint16_t Blind = 1u << 1;
constexpr std::uint16_t Isolated = 1u << 2;
constexpr std::uint16_t Loaded = 1u << 15;
}  // namespace MoreBit

// Bits of `studiesWord`.
namespace StudiesWord {
constexpr std::uint16_t StudiesMask = 0x03FF;
constexpr std::uint16_t SharedOrUnderHour = 1u << 11;
constexpr int QuarterShift = 12;
constexpr std::uint16_t QuarterMask = 0xF000;
// At or above this value the slot holds a report (participation or quarters).
constexpr std::uint16_t ReportThreshold = 4096;
}  // namespace StudiesWord

constexpr int kReportItems = 5;

struct PublisherRecord {
    std::uint16_t reserved;
    char fname[21];
    char lname[21];
    char addr[63];
    char phone[15];
    char phone2[15];
    char phone3[15];
    char bapdate[9];
    char birdate[9];
    char dpa[9];
    std::uint8_t dpaSet;
    std::uint8_t hope;
    std::uint8_t group;
    PublisherId id;
    std::uint16_t extSlot;
    std::uint16_t emergId;
    std::uint16_t household;
    std::uint16_t specneed;
    std::uint16_t markStamp;
    std::uint16_t categoryBits;
    std::uint16_t moreBits;
    std::uint16_t aux198;
    std::uint8_t listKind;
    std::uint8_t statusMark;
    std::uint8_t serviceKind[kSlotCount];
    std::uint8_t listYear;
    std::uint8_t flags;
    std::uint16_t placements[kSlotCount];
    std::uint16_t videos[kSlotCount];
    std::uint16_t hours[kSlotCount];
    std::uint16_t returnVisits[kSlotCount];
    std::uint16_t studiesWord[kSlotCount];
    std::uint16_t remarkIndex[kSlotCount];
    std::uint16_t credit[kSlotCount];
    std::uint8_t slotYear[kSlotCount];
    std::uint8_t lateMark[kSlotCount];

    std::uint8_t privilege() const { return flags & RecordFlag::PrivilegeMask; }
    std::uint8_t kindAt(int slot) const { return serviceKind[slot] & 0x03; }
    int statusMonth() const { return statusMark >> 4; }  // 1..12, 0 = none
    int statusCode() const { return statusMark & 0x0F; }

    // Report item 0..4 of a slot; item 4 is the Bible-study count.
    std::uint16_t itemAt(int slot, int item) const;
    void setItemAt(int slot, int item, std::uint16_t value);
    // A slot holds a report when any item is non-zero or studiesWord carries
    // quarter hours (4096 or more).
    bool hasReportAt(int slot) const;
    void clearItemsAt(int slot);
};

static_assert(sizeof(PublisherRecord) == 816);
static_assert(offsetof(PublisherRecord, fname) == 2);
static_assert(offsetof(PublisherRecord, lname) == 23);
static_assert(offsetof(PublisherRecord, addr) == 44);
static_assert(offsetof(PublisherRecord, phone) == 107);
static_assert(offsetof(PublisherRecord, phone2) == 122);
static_assert(offsetof(PublisherRecord, phone3) == 137);
static_assert(offsetof(PublisherRecord, bapdate) == 152);
static_assert(offsetof(PublisherRecord, birdate) == 161);
static_assert(offsetof(PublisherRecord, dpa) == 170);
static_assert(offsetof(PublisherRecord, dpaSet) == 179);
static_assert(offsetof(PublisherRecord, hope) == 180);
static_assert(offsetof(PublisherRecord, group) == 181);
static_assert(offsetof(PublisherRecord, id) == 182);
static_assert(offsetof(PublisherRecord, extSlot) == 184);
static_assert(offsetof(PublisherRecord, emergId) == 186);
static_assert(offsetof(PublisherRecord, household) == 188);
static_assert(offsetof(PublisherRecord, specneed) == 190);
static_assert(offsetof(PublisherRecord, markStamp) == 192);
static_assert(offsetof(PublisherRecord, categoryBits) == 194);
static_assert(offsetof(PublisherRecord, moreBits) == 196);
static_assert(offsetof(PublisherRecord, aux198) == 198);
static_assert(offsetof(PublisherRecord, listKind) == 200);
static_assert(offsetof(PublisherRecord, statusMark) == 201);
static_assert(offsetof(PublisherRecord, serviceKind) == 202);
static_assert(offsetof(PublisherRecord, listYear) == 238);
static_assert(offsetof(PublisherRecord, flags) == 239);
static_assert(offsetof(PublisherRecord, placements) == 240);
static_assert(offsetof(PublisherRecord, videos) == 312);
static_assert(offsetof(PublisherRecord, hours) == 384);
static_assert(offsetof(PublisherRecord, returnVisits) == 456);
static_assert(offsetof(PublisherRecord, studiesWord) == 528);
static_assert(offsetof(PublisherRecord, remarkIndex) == 600);
static_assert(offsetof(PublisherRecord, credit) == 672);
static_assert(offsetof(PublisherRecord, slotYear) == 744);
static_assert(offsetof(PublisherRecord, lateMark) == 780);

// Record 0 of the store is document state, not a person.
namespace HeaderField {
constexpr int CollectionStateOffset = 137;  // 12 bytes in the phone3 area
constexpr int SavedMonthMask = 0x0F;        // categoryBits bits 0..3
}  // namespace HeaderField

class HeaderRecord {
public:
    explicit HeaderRecord(PublisherRecord& record) : r_(record) {}

    // 0 not initialised, 1 open, 2 closed.
    std::uint8_t collectionState(int month0) const;
    void setCollectionState(int month0, std::uint8_t state);
    // The two-digit year for which a month slot was last initialised.
    std::uint16_t initYear(int slot) const { return r_.remarkIndex[slot]; }
    void setInitYear(int slot, std::uint16_t year2) { r_.remarkIndex[slot] = year2; }

private:
    PublisherRecord& r_;
};

// A fresh header: all zero, first name " " (no password), family name "A".
void initHeaderRecord(PublisherRecord& record);

}  // namespace velno
