// velno-cli export: the exports of the "Ekspor atau Impor" menu, each
// written into the data folder's Exports and named on the output; the
// command line never opens a file.

#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ExportXmlCommand.h"
#include "text/StringTable.h"

namespace velno::cli {

int runExport(Context& context) {
    if (context.args.empty()) return context.usage(text::tr(text::TxCliExportWhich));
    const std::string action = context.args[0];
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    if (action == "xml") return exportXml(context, rest);
    return context.usage(text::tr(text::TxCliExportWhich));
}

}  // namespace velno::cli
