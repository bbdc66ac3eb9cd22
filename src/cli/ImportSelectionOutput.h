#pragma once
// The import selection without its window, shared by the imports: lists
// the lines the file would change, or merges the chosen ones (--merge
// all|LINES) and saves.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"

namespace velno {
class CVelnoDoc;
class ImportSelectionModel;
}  // namespace velno

namespace velno::cli {

struct ImportOutput {
    std::string file;        // as given, for the JSON
    int month0 = 0;          // the collection month
    std::string mergeUsage;  // the usage message of a bad --merge ("%1": the line count)
    // More fields of the JSON object, after "merged".
    std::function<void(JsonWriter&)> moreJson;
};

int listOrMerge(Context& context, CVelnoDoc& doc, const std::filesystem::path& folder,
                ImportSelectionModel& model, const std::optional<std::string>& merge,
                const ImportOutput& output);

}  // namespace velno::cli
