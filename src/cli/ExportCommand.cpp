// velno-cli export: the exports of the "Ekspor atau Impor" menu, each
// written into the data folder's Exports and named on the output; the
// command line never opens a file.

#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ExportXmlCommand.h"
#include "text/StringTable.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

// The delimited exports (ExportDelimitedCommand.cpp).
bool isDelimitedExport(const std::string& action);
int exportDelimited(Context& context, const std::string& action,
                    const std::vector<std::string>& rest);

int runExport(Context& context) {
    if (context.args.empty()) return context.usage(text::tr(text::TxCliExportWhich));
    const std::string action = context.args.front();
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    if (action == "xml") return exportXml(context, rest);
    if (isDelimitedExport(action)) return exportDelimited(context, action, rest);
    return context.usage(text::tr(text::TxCliExportWhich));
}

}  // namespace velno::cli
