#pragma once
// Households have no object of their own: a head is a record with the head
// flag, a member any record whose `household` link holds the head's id.
// Every reader of households (the dialogs, the lists, the exports) finds
// them here.

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class RecordStore;

inline bool isHouseholdHead(const PublisherRecord& record) {
    return (record.flags & RecordFlag::HouseholdHead) != 0;
}

// Store positions of the head's members, the head itself excluded: the
// active first, then the inactive, then the Bible students, each in store
// order. Records of the other lists never belong to a household.
std::vector<int> householdMembers(const RecordStore& store, PublisherId head);

// The members of every household at once, for readers that visit every
// record: the head's id -> store positions in householdMembers' order.
std::unordered_map<PublisherId, std::vector<int>> allHouseholdMembers(const RecordStore& store);

// Store position of the household's head for a member (or the head
// itself), -1 when the record belongs to no household.
int householdHeadOf(const RecordStore& store, const PublisherRecord& record);

// The household changes made while one record editor is open, so that
// cancelling the editor can take them back. Not saved.
class HouseholdJournal {
public:
    static constexpr std::size_t kCapacity = 200;

    struct Change {
        PublisherId member;
        std::uint16_t oldLink;
        std::uint16_t newLink;
        // A one-person household's head loses the flag by joining another;
        // taking the change back gives it back.
        bool wasHead = false;
    };

    // Past the capacity a change is made but cannot be taken back.
    void note(const Change& change);
    void clear() { changes_.clear(); }
    const std::vector<Change>& changes() const { return changes_; }
    // Restores the old links, newest first, and empties the journal.
    void undo(RecordStore& store);

private:
    std::vector<Change> changes_;
};

// Sets a record's household link (noted in the journal when one is given).
// Joining a household makes the record no head of its own.
void setHouseholdLink(RecordStore& store, int pos, std::uint16_t head,
                      HouseholdJournal* journal = nullptr);

}  // namespace velno
