#include "store/RemarkTable.h"

#include <cstring>
#include <map>
#include <set>
#include <tuple>

#include "store/FixedText.h"
#include "store/RecordStore.h"

namespace velno {

namespace {

constexpr std::size_t kEntrySize = sizeof(RemarkEntry);
constexpr std::size_t kReadLimit = std::size_t{16} << 20;

RemarkEntry entryAt(const Bytes& bytes, std::size_t k) {
    RemarkEntry e;
    std::memcpy(&e, bytes.data() + k * kEntrySize, kEntrySize);
    return e;
}

bool hasBlankText(const RemarkEntry& e) {
    return trimmed(std::string_view(e.text, strnlen(e.text, sizeof e.text))).empty();
}

using RemarkKey = std::tuple<PublisherId, std::uint8_t, std::uint8_t>;
RemarkKey keyOf(const RemarkEntry& e) {
    return {e.id, e.month, e.parity};
}

}  // namespace

std::string RemarkEntry::textString() const {
    return fieldText(text);
}

void RemarkTable::clear() {
    entries_.assign(1, RemarkEntry{});
    entries_.reserve(kCapacity);
}

int RemarkTable::append(const RemarkEntry& entry) {
    if (count() >= kCapacity) return 0;
    entries_.push_back(entry);
    entries_.back().text[sizeof entry.text - 1] = 0;
    return count() - 1;
}

int RemarkTable::compactFile(const DataFolder& folder) {
    const auto size = folder.size(kFileName);
    if (!size || *size <= 143) return 0;
    const auto file = folder.read(kFileName, kReadLimit);
    const std::size_t inFile = file.bytes.size() / kEntrySize;
    std::vector<RemarkEntry> kept;
    for (std::size_t k = 1; k < inFile && k <= static_cast<std::size_t>(kFileEntries); ++k) {
        const RemarkEntry e = entryAt(file.bytes, k);
        if (e.month != 0 && e.id > 10) kept.push_back(e);
    }
    if (kept.size() > 2) {
        // An entry is superseded by a later one for the same publisher and
        // month that has a text. Later entries are compared as they were read.
        std::set<RemarkKey> laterWithText;
        for (std::size_t k = kept.size(); k-- > 0;) {
            const RemarkKey key = keyOf(kept[k]);
            const bool hasText = kept[k].text[0] != 0;
            if (kept[k].id > 11 && laterWithText.count(key)) {
                kept[k].month = 0;
                kept[k].id = 0;
            }
            if (hasText) laterWithText.insert(key);
        }
    }
    Bytes rewritten(kEntrySize, 0);
    int written = 0;
    for (const auto& e : kept) {
        if (e.month == 0 && e.id == 0) continue;
        const auto* p = reinterpret_cast<const std::uint8_t*>(&e);
        rewritten.insert(rewritten.end(), p, p + kEntrySize);
        ++written;
    }
    const int dropped = static_cast<int>(inFile > 0 ? inFile - 1 : 0) - written;
    if (rewritten == file.bytes) return 0;
    return folder.write(kFileName, rewritten).ok() ? dropped : -1;
}

RemarkLoadReport RemarkTable::load(const DataFolder& folder, RecordStore& store) {
    RemarkLoadReport report;
    clear();
    const auto file = folder.read(kFileName, kReadLimit);
    const std::size_t inFile = file.bytes.size() / kEntrySize;
    for (std::size_t k = 1; k < inFile && count() < kCapacity; ++k) {
        RemarkEntry e = entryAt(file.bytes, k);
        if (e.month == 0 || e.id <= 10) continue;
        e.text[sizeof e.text - 1] = 0;
        if (hasBlankText(e)) continue;
        PublisherRecord* record = store.recordById(e.id);
        if (!record) {
            ++report.unknownPublisher;
            continue;
        }
        if (e.month > 12 || e.parity > 2) {
            ++report.badSlot;
            continue;
        }
        record->remarkIndex[monthSlot(e.month - 1, e.parity)] = static_cast<std::uint16_t>(count());
        entries_.push_back(e);
    }
    for (int pos = 1; pos < store.recordCount(); ++pos)
        for (auto& index : store.at(pos).remarkIndex)
            if (index >= count()) index = 0;
    return report;
}

FileResult RemarkTable::writeRemark(const DataFolder& folder, const RemarkEntry& entry) {
    return writeRemarks(folder, {entry});
}

FileResult RemarkTable::writeRemarks(const DataFolder& folder,
                                     const std::vector<RemarkEntry>& entries) {
    auto file = folder.read(kFileName, kReadLimit);
    Bytes& bytes = file.bytes;
    bytes.resize(bytes.size() / kEntrySize * kEntrySize);  // a partial tail is dropped

    // Positions by key (first one wins) and positions with a blank text
    // (the last one is reused), kept current as entries are written.
    std::map<RemarkKey, std::set<std::size_t>> byKey;
    std::set<std::size_t> blanks;
    const std::size_t inFile = bytes.size() / kEntrySize;
    for (std::size_t k = 1; k < inFile; ++k) {
        const RemarkEntry e = entryAt(bytes, k);
        byKey[keyOf(e)].insert(k);
        if (hasBlankText(e)) blanks.insert(k);
    }
    for (const RemarkEntry& given : entries) {
        RemarkEntry e = given;
        e.text[sizeof e.text - 1] = 0;
        std::size_t target = 0;
        const auto match = byKey.find(keyOf(e));
        if (match != byKey.end() && !match->second.empty()) {
            target = *match->second.begin();
        } else if (!blanks.empty()) {
            target = *blanks.rbegin();
        } else {
            if (bytes.empty()) bytes.resize(kEntrySize, 0);
            target = bytes.size() / kEntrySize;
            bytes.resize(bytes.size() + kEntrySize, 0);
        }
        byKey[keyOf(entryAt(bytes, target))].erase(target);
        blanks.erase(target);
        std::memcpy(bytes.data() + target * kEntrySize, &e, kEntrySize);
        byKey[keyOf(e)].insert(target);
        if (hasBlankText(e)) blanks.insert(target);
    }
    return folder.write(kFileName, bytes);
}

FileResult RemarkTable::writeAll(const DataFolder& folder) const {
    return writeRemarks(folder, entries_);
}

FileResult RemarkTable::blankRemarksOf(const DataFolder& folder, PublisherId id) {
    bool found = false;
    for (int k = 1; k < count(); ++k) {
        if (entries_[k].id == id) {
            std::memset(entries_[k].text, 0, sizeof entries_[k].text);
            found = true;
        }
    }
    if (!found) return {};
    return writeAll(folder);
}

}  // namespace velno
