#include "exchange/ColumnMapFile.h"

#include <cstring>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"

namespace velno {

using namespace vnmap;

namespace {

constexpr int kMaxColumn = 999;

std::int32_t get32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
        static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void put32(Bytes& b, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int k = 0; k < 4; ++k) b[at + static_cast<std::size_t>(k)] = (u >> (8 * k)) & 0xff;
}

std::string textAt(const Bytes& b, std::size_t at) {
    return fieldText(reinterpret_cast<const char*>(b.data() + at), kHeaderWidth - 1);
}

void putText(Bytes& b, std::size_t at, const std::string& text) {
    setFieldText(reinterpret_cast<char*>(b.data() + at), kHeaderWidth, text);
}

}  // namespace

bool readColumnMap(const Bytes& bytes, ColumnMap& map) {
    map = {};
    if (bytes.size() != kSize) return false;
    const bool current = textAt(bytes, kVersionOffset) == kVersion;
    for (int t = 0; t < kCsvTargets; ++t) {
        const auto k = static_cast<std::size_t>(t);
        if (!current && t >= TargetShared && t <= TargetRemark) continue;
        const std::int32_t c = get32(bytes, kColumnsOffset + 4 * k);
        if (c < 0 || c > kMaxColumn) continue;
        map.column[k] = c;
        map.header[k] = textAt(bytes, kHeadersOffset + kHeaderWidth * k);
    }
    map.rule = current && get32(bytes, kRuleOffset) == 1;
    return true;
}

Bytes columnMapBytes(const ColumnMap& map) {
    Bytes b(kSize, 0);
    for (int t = 0; t < kCsvTargets; ++t) {
        const auto k = static_cast<std::size_t>(t);
        const bool assigned = map.column[k] >= 0;
        put32(b, kColumnsOffset + 4 * k, assigned ? map.column[k] : -1);
        if (assigned) putText(b, kHeadersOffset + kHeaderWidth * k, map.header[k]);
    }
    put32(b, kZeroOffset, 0);
    put32(b, kRuleOffset, map.rule ? 1 : 0);
    putText(b, kVersionOffset, kVersion);
    return b;
}

bool loadColumnMap(const CVelnoDoc& doc, ColumnMap& map) {
    const auto read = doc.folder().read(kFileName, kSize + 1);
    map = {};
    if (!read.found || read.error || read.truncated) return false;
    return readColumnMap(read.bytes, map);
}

FileResult writeCsvMapFile(CVelnoDoc& doc, const std::string& name, const Bytes& bytes) {
    if (doc.folder().isReadOnly() || doc.folder().isMemoryOnly())
        return doc.folder().write(name, bytes);
    const DataFolder direct(doc.folder().path());
    return direct.write(name, bytes);
}

FileResult saveColumnMap(CVelnoDoc& doc, const ColumnMap& map) {
    return writeCsvMapFile(doc, kFileName, columnMapBytes(map));
}

}  // namespace velno
