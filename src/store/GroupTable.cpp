#include "store/GroupTable.h"

#include <algorithm>
#include <cstring>

#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "text/Cp1252.h"
#include "text/texts/StoreTexts.h"

namespace velno {

void xorGroupTexts(GroupFile& g) {
    const int n = std::min<int>(g.count, GroupTable::kCapacity);
    for (int i = 0; i < n; ++i) {
        xorGroupText(g.overseer[i], sizeof g.overseer[i]);
        xorGroupText(g.assistant[i], sizeof g.assistant[i]);
        xorGroupText(g.location[i], sizeof g.location[i]);
        xorGroupText(g.name[i], sizeof g.name[i]);
        xorGroupText(g.time[i], sizeof g.time[i]);
    }
}

void GroupTable::clear() {
    std::memset(&g_, 0, sizeof g_);
}

GroupTable::LoadResult GroupTable::load(const DataFolder& folder) {
    clear();
    const auto file = folder.read(kFileName, sizeof(GroupFile));
    if (!file.found) return LoadResult::Missing;
    if (file.bytes.size() == kPreviousFormatSize && !file.truncated)
        return LoadResult::PreviousFormat;
    if (!file.bytes.empty()) std::memcpy(&g_, file.bytes.data(), file.bytes.size());
    // A damaged count must not reach past the arrays.
    g_.count = std::min<std::uint8_t>(g_.count, kCapacity);
    xorGroupTexts(g_);
    return file.bytes.size() < sizeof(GroupFile) ? LoadResult::Short : LoadResult::Loaded;
}

FileResult GroupTable::save(const DataFolder& folder) const {
    if (g_.count == 0) return folder.remove(kFileName);
    GroupFile scrambled = g_;
    xorGroupTexts(scrambled);
    return folder.write(kFileName, &scrambled, sizeof scrambled);
}

std::string GroupTable::displayName(int n) const {
    if (n < 1 || n > kCapacity) return {};
    const std::string name = fieldText(g_.name[n - 1]);
    if (g_.showName[n - 1] != 0 && name.size() > 1) return name;
    auto prefix = text::utf8ToCp1252(text::tr(text::TxGroupNumberPrefix));
    return prefix.bytes + " " + std::to_string(n);
}

}  // namespace velno
