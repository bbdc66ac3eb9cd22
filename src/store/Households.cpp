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

}  // namespace velno
