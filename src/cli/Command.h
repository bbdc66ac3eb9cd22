#pragma once
// What every subcommand of velno-cli receives, and the table of commands.
// Adding a command: one line in cli/Commands.def and its own .cpp file
// defining the function named there.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Calendar.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CliTexts.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/PublishersTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno::cli {

// Options that apply to every command; they may stand before or after the
// command name.
struct GlobalOptions {
    std::filesystem::path dataFolder{"."};
    std::optional<std::string> today;
    bool passwordFromStdin = false;
    // --snapshot K: the month-end snapshot K (1..6) months back, read-only.
    std::optional<int> snapshot;
    bool json = false;
    bool help = false;
    bool version = false;
};

struct Context {
    GlobalOptions options;
    CalendarDate today;
    std::string command;
    std::vector<std::string> args;  // the command's own arguments
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

    // Writes the message to the error stream and returns the exit code.
    int fail(const std::string& message) const;
    int usage(const std::string& message) const;
};

using CommandFunction = int (*)(Context&);

struct CommandEntry {
    std::string_view name;
    text::TextId summary;
    CommandFunction run;
};

#define VELNO_CLI_COMMAND(name, function, summary) int function(Context& context);
#include "cli/Commands.def"
#undef VELNO_CLI_COMMAND

// Every command, in the order of Commands.def.
const std::vector<CommandEntry>& commandTable();
const CommandEntry* findCommand(std::string_view name);

// Every report kind `print` knows: number, short name, title, whether it
// needs a group, whether it is built (print --list, help print).
void listReportKinds(std::ostream& out);

}  // namespace velno::cli
