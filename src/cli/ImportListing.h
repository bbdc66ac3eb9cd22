#pragma once
// What every import of reports prints or merges: the lines of the import
// selection (dialog 145) as text or JSON, and --merge all|LINES choosing
// the lines to merge before the folder is saved.

#include <optional>
#include <string>

#include "cli/Command.h"

namespace velno {
class ImportSelectionModel;
}

namespace velno::cli {

class FolderSession;

// Merges (when `merge` is given) or lists the model's lines. Returns the
// exit code.
int listOrMergeImport(Context& context, FolderSession& session, ImportSelectionModel& model,
                      const std::string& file, int month0, const std::optional<std::string>& merge);

}  // namespace velno::cli
