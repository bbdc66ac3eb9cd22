#pragma once
// "tappt.dat": start and end dates of privileges and of consent.
// Read into a document table at load and written at save.

#include <cstdint>
#include <vector>

#include "store/DataFolder.h"
#include "store/PublisherRecord.h"

namespace velno {

namespace PrivilegeKind {
constexpr std::uint16_t Removed = 0;
constexpr std::uint16_t Servant = 1;
constexpr std::uint16_t Elder = 2;
constexpr std::uint16_t RegularPioneer = 3;
constexpr std::uint16_t ContinuousAuxiliary = 4;
constexpr std::uint16_t SpecialPioneer = 5;
constexpr std::uint16_t Consent = 20;
}  // namespace PrivilegeKind

struct PrivilegeDateEntry {
    PublisherId id;
    std::uint16_t kind;
    std::uint16_t carried;
    char start[9];
    char end[9];
    std::uint8_t zero[8];
};
static_assert(sizeof(PrivilegeDateEntry) == 32);
static_assert(offsetof(PrivilegeDateEntry, start) == 6);
static_assert(offsetof(PrivilegeDateEntry, end) == 15);

struct PrivilegeDates {
    static constexpr const char* kFileName = "tappt.dat";
    static constexpr int kCapacity = 1500;
    std::vector<PrivilegeDateEntry> entries;

    void readPrivilegeDates(const DataFolder& folder);
    // Trims the start dates and writes each (id, kind) once: entries with a
    // full start date, and consent entries whatever their date.
    FileResult writePrivilegeDates(const DataFolder& folder);
    void removeAllOf(PublisherId id);
    // The first row of (id, kind), the one a save keeps; null when none.
    PrivilegeDateEntry* find(PublisherId id, std::uint16_t kind);
    const PrivilegeDateEntry* find(PublisherId id, std::uint16_t kind) const;
    // A new row of (id, kind) with blank dates; null when the table is full.
    PrivilegeDateEntry* add(PublisherId id, std::uint16_t kind);
};

}  // namespace velno
