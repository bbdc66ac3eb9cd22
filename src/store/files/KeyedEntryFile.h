#pragma once
// Direct-access files of fixed-size entries found by a 16-bit key in the
// entry's first two bytes: emergency contacts ("emerg.dat", 256 bytes) and
// special needs ("spneed.dat", 96 bytes). Records point at an entry by key.
// The document keeps the file's bytes and an index of key and position;
// changes are written through to the file at once. A page looks up one
// entry per line, so keys are found through a map kept beside the index.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/DataFolder.h"

namespace velno {

class KeyedEntryFile {
public:
    static constexpr std::uint16_t kFirstKey = 10;

    KeyedEntryFile(std::string fileName, std::size_t entrySize, std::size_t maxIndex)
        : fileName_(std::move(fileName)), entrySize_(entrySize), maxIndex_(maxIndex) {}

    const std::string& fileName() const { return fileName_; }
    std::size_t entrySize() const { return entrySize_; }
    void clear();

    // Whether a key is held by some record.
    using IsReferenced = std::function<bool(std::uint16_t key)>;

    // Keeps only entries that a record refers to, each key once, and
    // rewrites the file with them. When none survives the file is left as
    // it was. Returns the number of entries dropped; -1 when the rewrite
    // failed (the index then follows the old file).
    [[nodiscard]] int compact(const DataFolder& folder, const IsReferenced& isReferenced);
    // Indexes the file as it is; a repeated or unreferenced key is indexed
    // as 0 (free).
    void index(const DataFolder& folder, const IsReferenced& isReferenced);

    // The entry of a key, or nothing (key below 10, unknown, or beyond the file).
    std::optional<Bytes> readEntryByKey(std::uint16_t key) const;
    // The same entry without a copy; empty for none. Valid until the next
    // change of the file.
    std::span<const std::uint8_t> entryByKey(std::uint16_t key) const;
    // Overwrites the entry of a key in place; false when unknown or not written.
    // ENOENT: the key is unknown.
    FileResult writeEntryByKey(const DataFolder& folder, std::uint16_t key, const Bytes& entry);
    // Stores a new entry under a fresh key (first from 10 that is neither
    // indexed nor held by a record). Returns the key, 0 when not written.
    [[nodiscard]] std::uint16_t addEntry(const DataFolder& folder, Bytes entry,
                                         const IsReferenced& isReferenced,
                                         FileResult* failure = nullptr);

    struct IndexEntry {
        std::uint16_t key = 0;
        std::size_t position = 0;
    };
    const std::vector<IndexEntry>& indexEntries() const { return index_; }
    std::size_t fileEntries() const { return image_.size() / entrySize_; }

private:
    std::uint16_t keyAt(std::size_t position) const;
    void readImage(const DataFolder& folder);
    // The index slot of a key, or nothing.
    std::optional<std::size_t> slotOf(std::uint16_t key) const;
    void mapKeys();

    std::string fileName_;
    std::size_t entrySize_;
    std::size_t maxIndex_;
    Bytes image_;
    std::vector<IndexEntry> index_;
    // Key -> slot in index_, for every indexed key but 0; follows index_.
    std::unordered_map<std::uint16_t, std::size_t> slots_;
};

}  // namespace velno
