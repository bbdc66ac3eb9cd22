#include "store/files/PrivilegeDates.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "store/FixedText.h"

namespace velno {

void PrivilegeDates::readPrivilegeDates(const DataFolder& folder) {
    entries.clear();
    const auto file = folder.read(kFileName, sizeof(PrivilegeDateEntry) * kCapacity);
    const std::size_t n = file.bytes.size() / sizeof(PrivilegeDateEntry);
    entries.resize(n);
    if (n) std::memcpy(entries.data(), file.bytes.data(), n * sizeof(PrivilegeDateEntry));
}

FileResult PrivilegeDates::writePrivilegeDates(const DataFolder& folder) {
    if (entries.size() > static_cast<std::size_t>(kCapacity)) entries.resize(kCapacity);
    // An emptied table removes the file, or the rows of publishers deleted
    // for good would come back at the next load.
    if (entries.empty()) return folder.remove(kFileName);
    Bytes bytes;
    std::set<std::pair<PublisherId, std::uint16_t>> seen;
    for (auto& e : entries) {
        if (e.id == 0 || e.kind == 0) continue;
        const auto key = std::make_pair(e.id, e.kind);
        const bool earlier = !seen.insert(key).second;
        const std::string start(trimmed(fieldText(e.start)));
        setFieldText(e.start, start);
        if ((start.size() > 7 || e.kind == PrivilegeKind::Consent) && !earlier) {
            const auto* p = reinterpret_cast<const std::uint8_t*>(&e);
            bytes.insert(bytes.end(), p, p + sizeof e);
        }
    }
    return folder.write(kFileName, bytes);
}

void PrivilegeDates::removeAllOf(PublisherId id) {
    std::erase_if(entries, [id](const PrivilegeDateEntry& e) { return e.id == id; });
}

PrivilegeDateEntry* PrivilegeDates::find(PublisherId id, std::uint16_t kind) {
    for (auto& e : entries)
        if (e.id == id && e.kind == kind) return &e;
    return nullptr;
}

const PrivilegeDateEntry* PrivilegeDates::find(PublisherId id, std::uint16_t kind) const {
    return const_cast<PrivilegeDates*>(this)->find(id, kind);
}

PrivilegeDateEntry* PrivilegeDates::add(PublisherId id, std::uint16_t kind) {
    if (entries.size() >= static_cast<std::size_t>(kCapacity)) return nullptr;
    PrivilegeDateEntry e{};
    e.id = id;
    e.kind = kind;
    setFieldText(e.start, "        ");
    entries.push_back(e);
    return &entries.back();
}

}  // namespace velno
