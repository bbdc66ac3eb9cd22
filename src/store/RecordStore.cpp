#include "store/RecordStore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <numeric>
#include <type_traits>

#include "store/Collation.h"
#include "store/FixedText.h"

namespace velno {

static_assert(std::is_trivially_copyable_v<PublisherRecord> &&
              std::is_trivially_default_constructible_v<PublisherRecord>);

void RecordStore::FreeRecords::operator()(PublisherRecord* records) const {
    std::free(records);
}

RecordStore::RecordStore()
    : records_(static_cast<PublisherRecord*>(std::calloc(kCapacity, sizeof(PublisherRecord)))),
      positionById_(65536, 0) {
    if (!records_) throw std::bad_alloc();
    initHeaderRecord(records_[0]);
    rebuildIndex();
}

void RecordStore::reset() {
    std::memset(records_.get(), 0, sizeof(PublisherRecord) * used_);
    initHeaderRecord(records_[0]);
    count_ = 1;
    used_ = 1;
    rebuildIndex();
}

void RecordStore::setRecordCount(int count) {
    count_ = std::clamp(count, 1, kCapacity);
    used_ = std::max(used_, count_);
}

bool RecordStore::append(const PublisherRecord& record) {
    if (isFull()) return false;
    records_[count_++] = record;
    used_ = std::max(used_, count_);
    return true;
}

bool RecordStore::insertAt(int pos, const PublisherRecord& record) {
    if (isFull() || pos < 1 || pos > count_) return false;
    std::memmove(&records_[pos + 1], &records_[pos], sizeof(PublisherRecord) * (count_ - pos));
    records_[pos] = record;
    ++count_;
    used_ = std::max(used_, count_);
    return true;
}

void RecordStore::removeAt(int pos) {
    if (pos < 1 || pos >= count_) return;
    std::memmove(&records_[pos], &records_[pos + 1], sizeof(PublisherRecord) * (count_ - pos - 1));
    --count_;
    std::memset(&records_[count_], 0, sizeof(PublisherRecord));
}

PublisherRecord* RecordStore::recordById(PublisherId id) {
    const int pos = storePosById(id);
    return pos ? &records_[pos] : nullptr;
}

const PublisherRecord* RecordStore::recordById(PublisherId id) const {
    const int pos = storePosById(id);
    return pos ? &records_[pos] : nullptr;
}

int RecordStore::storePosById(PublisherId id) const {
    if (id < kLowestLookupId) return 0;
    return positionById_[id];
}

PublisherId RecordStore::freeId(PublisherId start) const {
    std::vector<bool> used(kLastFreeId + 1, false);
    for (int pos = 1; pos < count_; ++pos)
        if (records_[pos].id <= kLastFreeId) used[records_[pos].id] = true;
    for (int id = start; id <= kLastFreeId; ++id)
        if (!used[id]) return static_cast<PublisherId>(id);
    return 0;
}

int RecordStore::countList(ListKind kind) const {
    int n = 0;
    for (int pos = 1; pos < count_; ++pos)
        if (records_[pos].listKind == kind) ++n;
    return n;
}

int RecordStore::rebuildIndex() {
    index_.clear();
    index_.reserve(count_);
    for (auto& list : subLists_) list.clear();
    std::fill(positionById_.begin(), positionById_.end(), 0);
    coPos_ = 0;
    int extraOverseers = 0;
    for (int pos = 1; pos < count_; ++pos) {
        const PublisherRecord& r = records_[pos];
        index_.push_back({r.id, static_cast<std::uint16_t>(pos), r.listKind});
        if (r.listKind < kSideListKinds)
            subLists_[r.listKind].push_back(static_cast<std::uint16_t>(pos));
        if (r.listKind == ListCircuitOverseer) {
            if (coPos_) ++extraOverseers;
            coPos_ = pos;  // the later one wins
        }
        if (r.id >= kLowestLookupId && positionById_[r.id] == 0)
            positionById_[r.id] = static_cast<std::uint16_t>(pos);
    }
    return extraOverseers;
}

void RecordStore::sortStore(bool sortByFirstName) {
    const int n = count_ - 1;
    if (n < 2) return;
    struct Key {
        bool overseer;
        std::string name;
        int pos;
    };
    std::vector<Key> keys;
    keys.reserve(n);
    for (int pos = 1; pos < count_; ++pos) {
        const PublisherRecord& r = records_[pos];
        const std::string name = displayNameOf(r, !sortByFirstName);
        keys.push_back({r.listKind == ListCircuitOverseer, collationKey(trimmed(name)), pos});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.overseer != b.overseer) return b.overseer;
        if (a.overseer) return false;
        return a.name < b.name;
    });
    bool moved = false;
    for (int i = 0; i < n && !moved; ++i) moved = keys[i].pos != i + 1;
    if (!moved) return;
    std::unique_ptr<PublisherRecord[]> sorted(new PublisherRecord[n]);
    for (int i = 0; i < n; ++i) sorted[i] = records_[keys[i].pos];
    std::memcpy(&records_[1], sorted.get(), sizeof(PublisherRecord) * n);
}

int RecordStore::repairDuplicateIds() {
    std::vector<bool> seen(65536, false);
    int repaired = 0;
    for (auto& entry : index_) {
        if (seen[entry.id]) {
            const PublisherId start = std::max<PublisherId>(entry.id, kFirstFreeId);
            const PublisherId fresh = start <= kLastFreeId ? freeId(start) : freeId(kFirstFreeId);
            if (fresh != 0) {
                records_[entry.recordIndex].id = fresh;
                entry.id = fresh;
                ++repaired;
            }
        }
        seen[entry.id] = true;
    }
    if (repaired) rebuildIndex();
    return repaired;
}

int RecordStore::positionOfHandle(std::uint16_t handle) const {
    if ((handle & ListHandle::ListBits) == 0) return handle < count_ ? handle : 0;
    const int entry = handle & ListHandle::EntryMask;
    const std::vector<std::uint16_t>* list = nullptr;
    if (handle & ListHandle::BibleStudent)
        list = &subLists_[ListBibleStudent];
    else if (handle & ListHandle::Inactive)
        list = &subLists_[ListInactive];
    else
        list = &subLists_[ListMoved];
    return entry < static_cast<int>(list->size()) ? (*list)[entry] : 0;
}

std::string displayNameOf(const PublisherRecord& record, bool familyFirst) {
    const std::string first = fieldText(record.fname);
    const std::string family = fieldText(record.lname);
    return familyFirst ? family + ", " + first : first + " " + family;
}

}  // namespace velno
