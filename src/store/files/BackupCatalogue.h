#pragma once
// "buhist.dat": the last ten backups and month-end snapshots, newest first.
// Exactly ten 512-byte entries.

#include <array>
#include <filesystem>
#include <string>

#include "store/DataFolder.h"

namespace velno {

struct CatalogueEntry {
    char label[52];
    char path[460];
};
static_assert(sizeof(CatalogueEntry) == 512);

class BackupCatalogue {
public:
    static constexpr const char* kFileName = "buhist.dat";
    static constexpr int kEntries = 10;

    // A missing or short file reads as empty entries.
    static std::array<CatalogueEntry, kEntries> read(const DataFolder& folder);
    // Puts a new entry first; the oldest falls off.
    static FileResult add(const DataFolder& folder, const std::string& label,
                          const std::filesystem::path& path);
    // The entry's folder exists and its tdat9.bin is larger than 500 bytes.
    static bool isValid(const CatalogueEntry& entry);
};

}  // namespace velno
