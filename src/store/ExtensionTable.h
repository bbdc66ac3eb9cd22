#pragma once
// Extended information of publishers ("xten7.dat"): 192-byte entries
// addressed by a record's extSlot, entry 0 a blank placeholder. Changes are
// written through to the file at once.

#include <cstdint>
#include <string>
#include <vector>

#include "store/DataFolder.h"
#include "store/PublisherRecord.h"

namespace velno {

struct PublisherExtension {
    PublisherId owner;
    char longName[65];
    char email[51];
    char other[72];
    std::uint16_t marker;  // non-zero: the entry carries extra data
};
static_assert(sizeof(PublisherExtension) == 192);
static_assert(offsetof(PublisherExtension, longName) == 2);
static_assert(offsetof(PublisherExtension, email) == 67);
static_assert(offsetof(PublisherExtension, other) == 118);
static_assert(offsetof(PublisherExtension, marker) == 190);

namespace ExtensionBit {
constexpr int LongName = 1;
constexpr int Email = 2;
constexpr int Other = 4;
constexpr int Marker = 8;
}  // namespace ExtensionBit

class ExtensionTable {
public:
    static constexpr const char* kFileName = "xten7.dat";
    static constexpr int kCapacity = 601;

    void clear();
    // Reads the whole file; indexes at most 601 entries. Returns false when
    // the file was larger than the read limit.
    bool load(const DataFolder& folder);

    int count() const { return static_cast<int>(owners_.size()); }
    PublisherId ownerOf(int entry) const { return owners_[entry]; }

    // Reads entry `entry` into the current buffer when it belongs to `id`.
    bool readExtension(int entry, PublisherId id);
    PublisherExtension& current() { return current_; }
    const PublisherExtension& current() const { return current_; }
    // Stores the current buffer (owner set by the caller) and returns its
    // entry number; 0 when the file could not be written.
    [[nodiscard]] int writeExtension(const DataFolder& folder, FileResult* failure = nullptr);

    // Bytes of the whole file as kept in memory (for tests and the save).
    const Bytes& image() const { return image_; }

private:
    int findOwner(PublisherId id) const;

    Bytes image_;
    std::vector<PublisherId> owners_;
    PublisherExtension current_{};
};

// The texts are scrambled in the file, position by position.
void scrambleExtension(PublisherExtension& entry);
void unscrambleExtension(PublisherExtension& entry);

}  // namespace velno
