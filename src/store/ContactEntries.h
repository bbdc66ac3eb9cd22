#pragma once
// The entries of "emerg.dat" (emergency contacts, 256 bytes) and
// "spneed.dat" (special needs, 96 bytes). KeyedEntryFile owns the files and
// their key index; these are the layouts of one entry.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "store/DataFolder.h"

namespace velno {

struct EmergencyContact {
    std::uint16_t key;  // 10 or more; 0 = free entry
    char contact[96];
    char info[96];
    char homePhone[16];
    char mobilePhone[16];
    char officePhone[16];
    std::uint8_t sy;  // 0 or 1
    std::uint8_t zero[13];
};
static_assert(sizeof(EmergencyContact) == 256);
static_assert(offsetof(EmergencyContact, contact) == 2);
static_assert(offsetof(EmergencyContact, info) == 98);
static_assert(offsetof(EmergencyContact, homePhone) == 194);
static_assert(offsetof(EmergencyContact, mobilePhone) == 210);
static_assert(offsetof(EmergencyContact, officePhone) == 226);
static_assert(offsetof(EmergencyContact, sy) == 242);

struct SpecialNeed {
    std::uint16_t key;  // 10 or more; 0 = free entry
    char text[94];
};
static_assert(sizeof(SpecialNeed) == 96);
static_assert(offsetof(SpecialNeed, text) == 2);

template <typename Entry>
Bytes entryBytes(const Entry& entry) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&entry);
    return Bytes(p, p + sizeof entry);
}

// A short buffer leaves the rest of the entry zero.
template <typename Entry>
Entry entryFromBytes(std::span<const std::uint8_t> bytes) {
    Entry entry{};
    std::memcpy(&entry, bytes.data(), bytes.size() < sizeof entry ? bytes.size() : sizeof entry);
    return entry;
}

}  // namespace velno
