// velno-cli import: reports and publishers from other programs' files, one
// action per kind of file.

#include "cli/ImportCommand.h"
#include "cli/Cli.h"
#include "cli/Command.h"
// velno-cli import: the imports of reports and publishers, by the kind of
// file named first.

#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ImportXmlCommand.h"
#include "text/StringTable.h"

namespace velno::cli {

int runImport(Context& context) {
    if (context.args.empty()) return context.usage(text::tr(text::TxCliImportWhich));
    const std::string action = context.args[0];
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    if (action == "csv") return importCsv(context, rest);
    if (action == "xml-reports") return importXmlReports(context, rest);
    if (action == "xml") return importXmlPublishers(context, rest);
    return context.usage(text::tr(text::TxCliImportWhich));
}

}  // namespace velno::cli
