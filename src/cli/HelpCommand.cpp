#include <optional>
#include <ostream>
#include <string_view>
#include <utility>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

// The commands whose options do not fit their one-line summary; "CMD help"
// prints the same text.
std::optional<text::TextId> detailedUsage(std::string_view command) {
    static constexpr std::pair<std::string_view, text::TextId> kUsages[] = {
        {"publisher", text::TxCliPublisherUsage}, {"group", text::TxCliGroupUsage},
        {"household", text::TxCliHouseholdUsage}, {"contact", text::TxCliContactUsage},
        {"extra", text::TxCliExtraUsage},         {"overseer", text::TxCliOverseerUsage}};
    for (const auto& [name, usage] : kUsages)
        if (name == command) return usage;
    return std::nullopt;
}

}  // namespace

int runHelp(Context& context) {
    std::ostream& out = context.out;
    if (!context.args.empty()) {
        const CommandEntry* entry =
            context.args.size() == 1 ? findCommand(context.args[0]) : nullptr;
        if (!entry)
            return context.usage(text::arg(text::tr(text::TxCliUnknownCommand), context.args[0]));
        out << entry->name << ": " << text::tr(entry->summary) << '\n';
        if (const auto usage = detailedUsage(entry->name)) out << '\n' << text::tr(*usage) << '\n';
        if (entry->name == "print") {
            out << '\n';
            listReportKinds(out);
        }
        return Ok;
    }
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
