#include "cli/Command.h"

#include <ostream>

#include "cli/Cli.h"

namespace velno::cli {

const std::vector<CommandEntry>& commandTable() {
    static const std::vector<CommandEntry> table = {
#define VELNO_CLI_COMMAND(name, function, summary) {name, text::summary, &function},
#include "cli/Commands.def"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CliTexts.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/PublishersTexts.h"
#include "text/texts/ReportingTexts.h"
#undef VELNO_CLI_COMMAND
    };
    return table;
}

const CommandEntry* findCommand(std::string_view name) {
    for (const CommandEntry& entry : commandTable())
        if (entry.name == name) return &entry;
    return nullptr;
}

int Context::fail(const std::string& message) const {
    err << text::tr(text::TxCliMessagePrefix) << message << '\n';
    return Failure;
}

int Context::usage(const std::string& message) const {
    err << text::tr(text::TxCliMessagePrefix) << message << '\n'
        << text::tr(text::TxCliUsage) << '\n';
    return Usage;
}

}  // namespace velno::cli
