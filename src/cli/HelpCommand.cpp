#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

int runHelp(Context& context) {
    std::ostream& out = context.out;
    out << text::tr(text::TxCliUsage) << "\n\n" << text::tr(text::TxCliCommandsHeading) << '\n';
    std::size_t width = 0;
    for (const CommandEntry& entry : commandTable()) width = std::max(width, entry.name.size());
    for (const CommandEntry& entry : commandTable())
        out << "  " << entry.name << std::string(width + 2 - entry.name.size(), ' ')
            << text::tr(entry.summary) << '\n';
    out << '\n' << text::tr(text::TxCliGlobalOptionsHelp) << '\n';
    return Ok;
}

}  // namespace velno::cli
