#pragma once
// Where exported files go (the data folder's "Exports", made when missing)
// and how the user is offered to open one. Exported files are not
// protected like the data files, so they never land in the data folder
// itself.

#include <filesystem>
#include <string>

#include "store/DataFolder.h"

namespace velno {

class CVelnoDoc;
class FileOpener;
class Prompter;

// The live data folder's Exports folder, also while a snapshot is open.
std::filesystem::path exportsFolder(const CVelnoDoc& doc);

// Writes one export atomically into the Exports folder, making the folder
// first. A failure names the file by its full path, ready for
// CVelnoDoc::reportWriteFailure.
FileResult writeExportFile(const CVelnoDoc& doc, const std::string& fileName,
                           const std::string& bytes);

// Asks Yes/No whether to open the written file; Yes hands it to the
// desktop's program for it. A file that cannot be opened is told.
void offerToOpenExport(Prompter& prompter, FileOpener& opener, const std::filesystem::path& path);

}  // namespace velno
