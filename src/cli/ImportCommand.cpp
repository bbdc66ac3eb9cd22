// velno-cli import: reports and publishers from other programs' files, one
// action per kind of file.

#include "cli/ImportCommand.h"
#include "cli/Cli.h"
#include "cli/Command.h"

namespace velno::cli {

int runImport(Context& context) {
    if (context.args.empty()) return context.usage(text::tr(text::TxCliImportWhich));
    const std::string action = context.args[0];
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    if (action == "csv") return importCsv(context, rest);
    return context.usage(text::tr(text::TxCliImportWhich));
}

}  // namespace velno::cli
