// The backup catalogue "buhist.dat": its entries and the check of the
// folder each names.

#include <cstdint>
#include <vector>

#include "MemoryFolder.h"
#include "store/files/BackupCatalogue.h"

using namespace velno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::serveOneFile(BackupCatalogue::kFileName, data, size);
    const DataFolder folder(fuzz::kFolder);
    for (const auto& entry : BackupCatalogue::read(folder)) (void)BackupCatalogue::isValid(entry);
    return 0;
}
