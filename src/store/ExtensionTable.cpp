#include "store/ExtensionTable.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "store/Scrambler.h"

namespace velno {

namespace {

constexpr std::size_t kEntrySize = sizeof(PublisherExtension);
// Far above any real file; keeps a garbage file from exhausting memory.
constexpr std::size_t kReadLimit = std::size_t{8} << 20;

void forceTerminators(PublisherExtension& e) {
    e.longName[sizeof e.longName - 1] = 0;
    e.email[sizeof e.email - 1] = 0;
    e.other[sizeof e.other - 1] = 0;
}

}  // namespace

void scrambleExtension(PublisherExtension& entry) {
    scrambleText(entry.longName, sizeof entry.longName);
    scrambleText(entry.email, sizeof entry.email);
    scrambleText(entry.other, sizeof entry.other);
}

void unscrambleExtension(PublisherExtension& entry) {
    unscrambleText(entry.longName, sizeof entry.longName);
    unscrambleText(entry.email, sizeof entry.email);
    unscrambleText(entry.other, sizeof entry.other);
}

void ExtensionTable::clear() {
    image_.clear();
    owners_.clear();
    current_ = {};
}

bool ExtensionTable::load(const DataFolder& folder) {
    clear();
    auto file = folder.read(kFileName, kReadLimit);
    image_ = std::move(file.bytes);
    const std::size_t entries = std::min<std::size_t>(image_.size() / kEntrySize, kCapacity);
    owners_.resize(entries);
    for (std::size_t k = 0; k < entries; ++k)
        std::memcpy(&owners_[k], image_.data() + k * kEntrySize, sizeof(PublisherId));
    return !file.truncated;
}

int ExtensionTable::findOwner(PublisherId id) const {
    for (int k = 1; k < count(); ++k)
        if (owners_[k] == id) return k;
    return 0;
}

bool ExtensionTable::readExtension(int entry, PublisherId id) {
    if (entry <= 0 || entry >= count() || owners_[entry] != id) return false;
    std::memcpy(&current_, image_.data() + entry * kEntrySize, kEntrySize);
    unscrambleExtension(current_);
    forceTerminators(current_);
    return true;
}

int ExtensionTable::writeExtension(const DataFolder& folder, FileResult* failure) {
    PublisherExtension stored = current_;
    forceTerminators(stored);
    scrambleExtension(stored);

    int entry = findOwner(current_.owner);
    if (entry == 0 && count() >= 3) {
        for (int k = 1; k < count(); ++k) {
            const auto* p = image_.data() + k * kEntrySize;
            if (std::all_of(p, p + kEntrySize, [](std::uint8_t b) { return b == 0; })) {
                entry = k;
                break;
            }
        }
    }
    Bytes updated = image_;
    if (entry == 0) {
        if (count() >= kCapacity) return 0;
        // A new file starts with the blank placeholder entry. A partial entry
        // at the end of a damaged file is overwritten so entries stay aligned.
        std::size_t end = static_cast<std::size_t>(count()) * kEntrySize;
        if (count() == 0) end = kEntrySize;
        entry = static_cast<int>(end / kEntrySize);
        if (updated.size() < end + kEntrySize) updated.resize(end + kEntrySize, 0);
    }
    std::memcpy(updated.data() + entry * kEntrySize, &stored, kEntrySize);
    if (FileResult r = folder.write(kFileName, updated); !r) {
        if (failure) *failure = std::move(r);
        return 0;
    }
    image_ = std::move(updated);
    const int entries = std::max(count(), entry + 1);
    owners_.resize(entries, 0);
    owners_[entry] = current_.owner;
    return entry;
}

}  // namespace velno
