#include "store/files/KeyedEntryFile.h"

#include <cerrno>
#include <cstring>
#include <set>

namespace velno {

namespace {
constexpr std::size_t kReadLimit = std::size_t{8} << 20;
}

void KeyedEntryFile::clear() {
    image_.clear();
    index_.clear();
    slots_.clear();
}

void KeyedEntryFile::mapKeys() {
    slots_.clear();
    for (std::size_t i = 0; i < index_.size(); ++i)
        if (index_[i].key != 0) slots_.emplace(index_[i].key, i);
}

std::optional<std::size_t> KeyedEntryFile::slotOf(std::uint16_t key) const {
    if (key < kFirstKey) return std::nullopt;
    const auto it = slots_.find(key);
    if (it == slots_.end() || index_[it->second].position >= fileEntries()) return std::nullopt;
    return it->second;
}

std::uint16_t KeyedEntryFile::keyAt(std::size_t position) const {
    std::uint16_t key = 0;
    std::memcpy(&key, image_.data() + position * entrySize_, sizeof key);
    return key;
}

void KeyedEntryFile::readImage(const DataFolder& folder) {
    image_ = folder.read(fileName_, kReadLimit).bytes;
}

int KeyedEntryFile::compact(const DataFolder& folder, const IsReferenced& isReferenced) {
    clear();
    readImage(folder);
    const std::size_t n = std::min(fileEntries(), maxIndex_);
    std::set<std::uint16_t> written;
    Bytes survivors;
    std::vector<IndexEntry> newIndex;
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint16_t key = keyAt(k);
        if (key == 0 || written.count(key) || !isReferenced(key)) continue;
        written.insert(key);
        newIndex.push_back({key, newIndex.size()});
        const auto* p = image_.data() + k * entrySize_;
        survivors.insert(survivors.end(), p, p + entrySize_);
    }
    if (newIndex.empty()) {
        // Nothing is referenced: leave the file alone; nothing is indexed.
        return 0;
    }
    const int dropped = static_cast<int>(fileEntries() - newIndex.size());
    if (survivors != image_) {
        if (!folder.write(fileName_, survivors)) {
            index(folder, isReferenced);
            return -1;
        }
    }
    image_ = std::move(survivors);
    index_ = std::move(newIndex);
    mapKeys();
    return dropped;
}

void KeyedEntryFile::index(const DataFolder& folder, const IsReferenced& isReferenced) {
    clear();
    readImage(folder);
    const std::size_t n = std::min(fileEntries(), maxIndex_);
    std::set<std::uint16_t> seen;
    for (std::size_t k = 0; k < n; ++k) {
        std::uint16_t key = keyAt(k);
        if (key != 0 && (!seen.insert(key).second || !isReferenced(key))) key = 0;
        index_.push_back({key, k});
    }
    mapKeys();
}

std::span<const std::uint8_t> KeyedEntryFile::entryByKey(std::uint16_t key) const {
    const auto slot = slotOf(key);
    if (!slot) return {};
    return {image_.data() + index_[*slot].position * entrySize_, entrySize_};
}

std::optional<Bytes> KeyedEntryFile::readEntryByKey(std::uint16_t key) const {
    const auto entry = entryByKey(key);
    if (entry.empty()) return std::nullopt;
    return Bytes(entry.begin(), entry.end());
}

FileResult KeyedEntryFile::writeEntryByKey(const DataFolder& folder, std::uint16_t key,
                                           const Bytes& entry) {
    const auto slot = slotOf(key);
    if (!slot) return FileResult::failure(fileName_, ENOENT);
    Bytes updated = image_;
    Bytes fixed = entry;
    fixed.resize(entrySize_, 0);
    std::memcpy(fixed.data(), &key, sizeof key);
    std::memcpy(updated.data() + index_[*slot].position * entrySize_, fixed.data(), entrySize_);
    if (FileResult r = folder.write(fileName_, updated); !r) return r;
    image_ = std::move(updated);
    return {};
}

std::uint16_t KeyedEntryFile::addEntry(const DataFolder& folder, Bytes entry,
                                       const IsReferenced& isReferenced, FileResult* failure) {
    std::uint16_t key = kFirstKey;
    while (key != 0 && (slots_.count(key) || isReferenced(key))) ++key;
    if (key == 0) return 0;

    entry.resize(entrySize_, 0);
    std::memcpy(entry.data(), &key, sizeof key);

    std::size_t slot = index_.size();
    for (std::size_t i = 0; i < index_.size(); ++i) {
        if (index_[i].key == 0) {
            slot = i;
            break;
        }
    }
    Bytes updated = image_;
    updated.resize(updated.size() / entrySize_ * entrySize_);  // keep entries aligned
    std::size_t position;
    if (slot < index_.size() && index_[slot].position < fileEntries()) {
        position = index_[slot].position;
    } else {
        if (slot >= maxIndex_) return 0;
        position = updated.size() / entrySize_;
        updated.resize(updated.size() + entrySize_, 0);
    }
    std::memcpy(updated.data() + position * entrySize_, entry.data(), entrySize_);
    if (FileResult r = folder.write(fileName_, updated); !r) {
        if (failure) *failure = std::move(r);
        return 0;
    }
    image_ = std::move(updated);
    if (slot < index_.size())
        index_[slot] = {key, position};
    else
        index_.push_back({key, position});
    slots_[key] = slot;  // a free slot held no key to unmap
    return key;
}

}  // namespace velno
