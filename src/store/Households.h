#pragma once
// Households have no object of their own: a head is a record with the head
// flag, a member any record whose `household` link holds the head's id.
// Every reader of households (the dialogs, the lists, the exports) finds
// them here.

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

// Store position of the household's head for a member (or the head
// itself), -1 when the record belongs to no household.
int householdHeadOf(const RecordStore& store, const PublisherRecord& record);

}  // namespace velno
