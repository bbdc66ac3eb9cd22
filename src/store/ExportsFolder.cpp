#include "store/ExportsFolder.h"

#include <system_error>

#include "store/CVelnoDoc.h"
#include "store/DesktopServices.h"
#include "store/Prompter.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace fs = std::filesystem;

fs::path exportsFolder(const CVelnoDoc& doc) {
    const fs::path& live = doc.oldYearView && !doc.oldReportView().liveFolder.empty()
                               ? doc.oldReportView().liveFolder
                               : doc.folder().path();
    return live / text::tr(text::TxExportsFolder);
}

FileResult writeExportFile(const CVelnoDoc& doc, const std::string& fileName,
                           const std::string& bytes) {
    const fs::path folder = exportsFolder(doc);
    const fs::path path = folder / fileName;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return FileResult::failure(path.string(), error.value(), error.message());
    FileResult result = writeFileAtomically(path, bytes.data(), bytes.size());
    if (!result.ok()) result.file = path.string();
    return result;
}

void offerToOpenExport(Prompter& prompter, FileOpener& opener, const fs::path& path) {
    const std::string name = path.string();
    if (prompter.ask(text::arg(text::tr(text::TxExportWrittenOpenIt), name), Buttons::YesNo,
                     Answer::No, Icon::Question) != Answer::Yes)
        return;
    const std::string reason = opener.open(name);
    if (!reason.empty())
        prompter.tell(text::arg(text::tr(text::TxCannotOpenExport), name, reason), Icon::Error);
}

}  // namespace velno
