// The backup catalogue "buhist.dat": its entries, the check of the folder
// each names, and the restore dialog that lists them.

#include <cstdint>
#include <vector>

#include "MemoryFolder.h"
#include "exchange/BackupDialogModel.h"
#include "store/CVelnoDoc.h"
#include "store/files/BackupCatalogue.h"

using namespace velno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::serveOneFile(BackupCatalogue::kFileName, data, size);
    const DataFolder folder(fuzz::kFolder);
    for (const auto& entry : BackupCatalogue::read(folder)) (void)BackupCatalogue::isValid(entry);
    static CVelnoDoc doc;
    doc.folder().setPath(fuzz::kFolder);
    BackupDialogModel dialog(doc, BackupDialogModel::Mode::Restore);
    for (int i = 0; i < static_cast<int>(dialog.items().size()); ++i) dialog.selectItem(i);
    (void)dialog.promptText();
    return 0;
}
