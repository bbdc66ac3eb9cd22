#pragma once
// The fixed-capacity block of PublisherRecords (header at position 0, the
// persons in display-name order, the circuit overseer last) and its index.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

struct PublisherIndexEntry {
    PublisherId id = 0;
    std::uint16_t recordIndex = 0;  // store position
    std::uint8_t listKind = 0;
};

// 16-bit list handles address an entry of a side list or a store position.
namespace ListHandle {
constexpr std::uint16_t EntryMask = 0x01FF;
constexpr std::uint16_t Moved = 1u << 13;
constexpr std::uint16_t Inactive = 1u << 14;
constexpr std::uint16_t BibleStudent = 1u << 15;
constexpr std::uint16_t ListBits = Moved | Inactive | BibleStudent;
}  // namespace ListHandle

class RecordStore {
public:
    static constexpr int kCapacity = 1510;
    // Ids the program gives out; lookups ignore ids of 9 and below.
    static constexpr PublisherId kFirstFreeId = 100;
    static constexpr PublisherId kLastFreeId = 29999;
    static constexpr PublisherId kLowestLookupId = 10;

    RecordStore();

    // Back to just the header record.
    void reset();

    int recordCount() const { return count_; }
    bool isFull() const { return count_ >= kCapacity; }
    PublisherRecord& at(int pos) { return records_[pos]; }
    const PublisherRecord& at(int pos) const { return records_[pos]; }
    PublisherRecord& header() { return records_[0]; }
    const PublisherRecord& header() const { return records_[0]; }
    PublisherRecord* data() { return records_.get(); }
    const PublisherRecord* data() const { return records_.get(); }

    // For loaders that fill data() directly.
    void setRecordCount(int count);

    // Appends a record at the end; false when the store is full.
    bool append(const PublisherRecord& record);
    // Inserts at a position (1..count); false when the store is full.
    bool insertAt(int pos, const PublisherRecord& record);
    // Removes the record at a position; later records move down one place.
    void removeAt(int pos);

    // Lookups through the index (rebuildIndex must follow every change).
    PublisherRecord* recordById(PublisherId id);
    const PublisherRecord* recordById(PublisherId id) const;
    int storePosById(PublisherId id) const;
    // First id from `start` up to 29999 that no record uses; 0 when none.
    PublisherId freeId(PublisherId start) const;

    int countList(ListKind kind) const;

    // Returns the number of extra circuit-overseer records found.
    int rebuildIndex();
    // Stable sort by trimmed display name (family name first unless
    // sortByFirstName); the circuit overseer after everyone.
    void sortStore(bool sortByFirstName);
    // Gives every later record with an already used id a free id; returns
    // how many were changed.
    int repairDuplicateIds();

    const std::vector<PublisherIndexEntry>& index() const { return index_; }
    // Store positions of the records of a kind 0..4, in store order.
    const std::vector<std::uint16_t>& subList(int kind) const { return subLists_[kind]; }
    int circuitOverseerPos() const { return coPos_; }

    // The store position a list handle addresses; 0 when it addresses nothing.
    int positionOfHandle(std::uint16_t handle) const;

private:
    struct FreeRecords {
        void operator()(PublisherRecord* records) const;
    };

    // Zeroed memory from the system: pages of records never used are never
    // touched, which a start of the program notices.
    std::unique_ptr<PublisherRecord[], FreeRecords> records_;
    int count_ = 1;
    // Records at and above this position have never held data (still zero).
    int used_ = 1;
    std::vector<PublisherIndexEntry> index_;
    std::array<std::vector<std::uint16_t>, kSideListKinds> subLists_;
    int coPos_ = 0;
    // id -> store position of the first record with that id (0 = none).
    std::vector<std::uint16_t> positionById_;
};

// "First Family" or, family first, "Family, First".
std::string displayNameOf(const PublisherRecord& record, bool familyFirst);

}  // namespace velno
