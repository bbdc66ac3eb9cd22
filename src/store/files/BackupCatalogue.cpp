#include "store/files/BackupCatalogue.h"

#include <cstring>
#include <system_error>

#include "store/FixedText.h"

namespace velno {

std::array<CatalogueEntry, BackupCatalogue::kEntries> BackupCatalogue::read(
    const DataFolder& folder) {
    std::array<CatalogueEntry, kEntries> entries{};
    const auto file = folder.read(kFileName, sizeof entries);
    // A missing catalogue reads as empty entries (and has no bytes to copy).
    if (!file.bytes.empty()) std::memcpy(entries.data(), file.bytes.data(), file.bytes.size());
    for (auto& e : entries) {
        e.label[sizeof e.label - 1] = 0;
        e.path[sizeof e.path - 1] = 0;
    }
    return entries;
}

FileResult BackupCatalogue::add(const DataFolder& folder, const std::string& label,
                                const std::filesystem::path& path) {
    auto entries = read(folder);
    for (int i = kEntries - 1; i > 0; --i) entries[i] = entries[i - 1];
    entries[0] = {};
    setFieldText(entries[0].label, label);
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    setFieldText(entries[0].path, text);
    return folder.write(kFileName, entries.data(), sizeof entries);
}

bool BackupCatalogue::isValid(const CatalogueEntry& entry) {
    const std::string path = fieldText(entry.path);
    if (path.empty()) return false;
    std::error_code ec;
    const auto size = std::filesystem::file_size(DataFolder(path).resolve("tdat9.bin"), ec);
    return !ec && size > 500;
}

}  // namespace velno
