#include "store/Households.h"

#include "store/RecordStore.h"

namespace velno {

std::vector<int> householdMembers(const RecordStore& store, PublisherId head) {
    std::vector<int> members;
    if (head == 0) return members;
    for (const ListKind kind : {ListActive, ListInactive, ListBibleStudent})
        for (int pos = 1; pos < store.recordCount(); ++pos) {
            const PublisherRecord& r = store.at(pos);
            if (r.listKind == kind && r.household == head && r.id != head) members.push_back(pos);
        }
    return members;
}

std::unordered_map<PublisherId, std::vector<int>> allHouseholdMembers(const RecordStore& store) {
    std::unordered_map<PublisherId, std::vector<int>> members;
    for (const ListKind kind : {ListActive, ListInactive, ListBibleStudent})
        for (int pos = 1; pos < store.recordCount(); ++pos) {
            const PublisherRecord& r = store.at(pos);
            if (r.listKind == kind && r.household != 0 && r.id != r.household)
                members[r.household].push_back(pos);
        }
    return members;
}

int householdHeadOf(const RecordStore& store, const PublisherRecord& record) {
    if (isHouseholdHead(record)) {
        const int own = store.storePosById(record.id);
        return own > 0 ? own : -1;
    }
    if (record.household == 0 || record.household == record.id) return -1;
    const int pos = store.storePosById(record.household);
    return pos > 0 && isHouseholdHead(store.at(pos)) ? pos : -1;
}

void HouseholdJournal::note(const Change& change) {
    if (changes_.size() < kCapacity) changes_.push_back(change);
}

void HouseholdJournal::undo(RecordStore& store) {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it)
        if (const int pos = store.storePosById(it->member); pos > 0) {
            PublisherRecord& r = store.at(pos);
            r.household = it->oldLink;
            if (it->wasHead) r.flags |= RecordFlag::HouseholdHead;
        }
    changes_.clear();
}

void setHouseholdLink(RecordStore& store, int pos, std::uint16_t head, HouseholdJournal* journal) {
    if (pos <= 0 || pos >= store.recordCount()) return;
    PublisherRecord& r = store.at(pos);
    if (journal) journal->note({r.id, r.household, head, isHouseholdHead(r)});
    r.household = head;
    if (head != 0) r.flags = static_cast<std::uint8_t>(r.flags & ~RecordFlag::HouseholdHead);
}

}  // namespace velno
