#pragma once
// "tpmap.dat": names of a report file assigned by hand to publishers, kept
// for the next import. 128-byte records, at most 300.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/DataFolder.h"

namespace velno {

class CVelnoDoc;

namespace tpmap {
constexpr const char* kFileName = "tpmap.dat";
constexpr std::size_t kRecordSize = 128;
constexpr std::size_t kDisplayOffset = 0;
constexpr std::size_t kCsvNameOffset = 60;
constexpr std::size_t kNameWidth = 60;
constexpr std::size_t kIdOffset = 120;
constexpr int kMaxRecords = 300;
static_assert(kCsvNameOffset + kNameWidth == kIdOffset && kIdOffset + 2 + 6 == kRecordSize);
}  // namespace tpmap

struct NameMapEntry {
    std::string displayName;  // Windows-1252, as the publisher was listed
    std::string csvName;      // Windows-1252, as in the file after conversion
    std::uint16_t id = 0;
};

// The whole records, at most 300; a partial record at the end is ignored.
std::vector<NameMapEntry> readNameMap(const Bytes& bytes);
// At most the first 300 entries.
Bytes nameMapBytes(const std::vector<NameMapEntry>& entries);

std::vector<NameMapEntry> loadNameMap(const CVelnoDoc& doc);
FileResult saveNameMap(CVelnoDoc& doc, const std::vector<NameMapEntry>& entries);

}  // namespace velno
