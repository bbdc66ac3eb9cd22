#pragma once
// Remarks on monthly reports ("remark9.dat"): 48-byte entries, entry 0 a
// zero header. Records point at table entries through remarkIndex. Remark
// edits are written through to the file at once; "rmkundo.dat" keeps the
// file as it was at load so that declining to save can restore it.

#include <cstdint>
#include <string>
#include <vector>

#include "store/DataFolder.h"
#include "store/PublisherRecord.h"

namespace velno {

class RecordStore;

struct RemarkEntry {
    char text[44];
    std::uint8_t month;   // 1..12
    std::uint8_t parity;  // 0 or 1
    PublisherId id;

    std::string textString() const;
    bool isEmpty() const { return month == 0 || id <= 10; }
};
static_assert(sizeof(RemarkEntry) == 48);
static_assert(offsetof(RemarkEntry, month) == 44);
static_assert(offsetof(RemarkEntry, id) == 46);

struct RemarkLoadReport {
    int compactedAway = 0;     // entries dropped by the compaction
    int unknownPublisher = 0;  // kept in the file, not loaded
    int badSlot = 0;           // month or parity out of range
};

class RemarkTable {
public:
    static constexpr const char* kFileName = "remark9.dat";
    static constexpr const char* kUndoFileName = "rmkundo.dat";
    static constexpr int kCapacity = 3899;
    static constexpr int kFileEntries = 3898;

    RemarkTable() { clear(); }
    void clear();

    // Entries 1..count-1 are in use.
    int count() const { return static_cast<int>(entries_.size()); }
    RemarkEntry& at(int k) { return entries_[k]; }
    // Whether a remarkIndex value points at an entry with a text.
    bool hasText(int k) const { return k > 0 && k < count() && entries_[k].text[0] != 0; }
    const RemarkEntry& at(int k) const { return entries_[k]; }
    // Appends an entry; returns its number, 0 when the table is full.
    int append(const RemarkEntry& entry);

    // Drops empty and superseded entries from the file (files over 143
    // bytes only). Returns the number of entries dropped; -1 when the file
    // could not be rewritten.
    static int compactFile(const DataFolder& folder);
    // Loads the table and points each record's remarkIndex at its entry.
    // The index must be current; remarkIndex of records 1.. must be zero.
    RemarkLoadReport load(const DataFolder& folder, RecordStore& store);

    // Writes one entry into the file: over the entry with the same id,
    // month and parity, else over the last entry with a blank text, else
    // at the end.
    static FileResult writeRemark(const DataFolder& folder, const RemarkEntry& entry);
    // The same for many entries with one file write.
    static FileResult writeRemarks(const DataFolder& folder,
                                   const std::vector<RemarkEntry>& entries);
    // Writes every entry of the table, from entry 0.
    FileResult writeAll(const DataFolder& folder) const;

    // Empties the texts of an id's entries and writes the table back when
    // any was found.
    FileResult blankRemarksOf(const DataFolder& folder, PublisherId id);

private:
    std::vector<RemarkEntry> entries_;
};

}  // namespace velno
