#include "exchange/NameMapFile.h"

#include "exchange/ColumnMapFile.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"

namespace velno {

using namespace tpmap;

std::vector<NameMapEntry> readNameMap(const Bytes& bytes) {
    std::vector<NameMapEntry> entries;
    const std::size_t count =
        std::min(bytes.size() / kRecordSize, static_cast<std::size_t>(kMaxRecords));
    for (std::size_t k = 0; k < count; ++k) {
        const char* p = reinterpret_cast<const char*>(bytes.data() + k * kRecordSize);
        NameMapEntry e;
        e.displayName = fieldText(p + kDisplayOffset, kNameWidth - 1);
        e.csvName = fieldText(p + kCsvNameOffset, kNameWidth - 1);
        const auto* id = reinterpret_cast<const std::uint8_t*>(p + kIdOffset);
        e.id = static_cast<std::uint16_t>(id[0] | id[1] << 8);
        entries.push_back(std::move(e));
    }
    return entries;
}

Bytes nameMapBytes(const std::vector<NameMapEntry>& entries) {
    const std::size_t count = std::min(entries.size(), static_cast<std::size_t>(kMaxRecords));
    Bytes b(count * kRecordSize, 0);
    for (std::size_t k = 0; k < count; ++k) {
        char* p = reinterpret_cast<char*>(b.data() + k * kRecordSize);
        setFieldText(p + kDisplayOffset, kNameWidth, entries[k].displayName);
        setFieldText(p + kCsvNameOffset, kNameWidth, entries[k].csvName);
        b[k * kRecordSize + kIdOffset] = entries[k].id & 0xff;
        b[k * kRecordSize + kIdOffset + 1] = static_cast<std::uint8_t>(entries[k].id >> 8);
    }
    return b;
}

std::vector<NameMapEntry> loadNameMap(const CVelnoDoc& doc) {
    const auto read = doc.folder().read(kFileName, kRecordSize * kMaxRecords);
    if (!read.found || read.error) return {};
    return readNameMap(read.bytes);
}

FileResult saveNameMap(CVelnoDoc& doc, const std::vector<NameMapEntry>& entries) {
    return writeCsvMapFile(doc, kFileName, nameMapBytes(entries));
}

}  // namespace velno
