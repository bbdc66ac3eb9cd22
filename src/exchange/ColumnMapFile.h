#pragma once
// "vnmap.dat": which column of a report file feeds each target field, the
// header text that stood there, and the participation rule. 840 bytes,
// little-endian; "Version 10" marks the current report form.

#include <array>
#include <cstddef>
#include <string>

#include "store/DataFolder.h"

namespace velno {

class CVelnoDoc;

// The target fields in their file order.
enum CsvTarget : int {
    TargetFirst = 0,
    TargetLast,
    TargetShared,
    TargetStudies,
    TargetHours,
    TargetRemark,
    TargetName,      // first name then last name
    TargetLastFirst  // last name, comma, first name
};
constexpr int kCsvTargets = 8;

namespace vnmap {
constexpr const char* kFileName = "vnmap.dat";
constexpr std::size_t kSize = 840;
constexpr std::size_t kColumnsOffset = 0;
constexpr std::size_t kZeroOffset = 32;
constexpr std::size_t kRuleOffset = 36;
constexpr std::size_t kHeadersOffset = 40;
constexpr std::size_t kHeaderWidth = 80;
constexpr std::size_t kVersionOffset = 760;
constexpr const char* kVersion = "Version 10";
static_assert(kHeadersOffset + kCsvTargets * kHeaderWidth + kHeaderWidth == kVersionOffset);
static_assert(kVersionOffset + kHeaderWidth == kSize);
}  // namespace vnmap

struct ColumnMap {
    std::array<int, kCsvTargets> column{-1, -1, -1, -1, -1, -1, -1, -1};  // 0-based, -1 none
    std::array<std::string, kCsvTargets> header;  // Windows-1252, at most 79 bytes
    bool rule = false;                            // participation derived from hours
};

// False when the bytes are not a map (not 840 bytes). A file without
// "Version 10" keeps no rule and no assignment of targets 2 to 5 (they
// meant the older report's numbers). Columns outside 0..999 read as none.
bool readColumnMap(const Bytes& bytes, ColumnMap& map);
Bytes columnMapBytes(const ColumnMap& map);

// The data folder's saved map; nothing when it is missing, empty or not a
// map.
bool loadColumnMap(const CVelnoDoc& doc, ColumnMap& map);
// The map files are the import's memory, not data: they reach the disk
// when a map dialog continues, also while the data's own writes wait for a
// save. Refused in a read-only (snapshot) folder; a failure names the file.
FileResult writeCsvMapFile(CVelnoDoc& doc, const std::string& name, const Bytes& bytes);
FileResult saveColumnMap(CVelnoDoc& doc, const ColumnMap& map);

}  // namespace velno
