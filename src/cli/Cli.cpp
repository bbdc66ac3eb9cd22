#include "cli/Cli.h"

#include <cstdlib>
#include <exception>
#include <iostream>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "store/Clock.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

bool looksLikeOption(const std::string& word) {
    return word.size() > 1 && word.starts_with("--");
}

// Takes the global options out of the command line, wherever they stand,
// and returns the rest: the command name and its own arguments.
std::optional<std::vector<std::string>> takeGlobalOptions(const std::vector<std::string>& args,
                                                          GlobalOptions& options,
                                                          std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto equals = arg.find('=');
        const std::string option = arg.substr(0, equals);
        if (option == "--data" || option == "--today" || option == "--snapshot") {
            std::string value;
            if (equals != std::string::npos)
                value = arg.substr(equals + 1);
            else if (i + 1 < args.size() && !looksLikeOption(args[i + 1]))
                value = args[++i];
            if (value.empty()) {
                error = text::arg(text::tr(text::TxCliMissingValue), option);
                return std::nullopt;
            }
            if (option == "--data") {
                options.dataFolder = value;
            } else if (option == "--snapshot") {
                const auto k = parseWholeNumber(value, 1, 6);
                if (!k) {
                    error = text::arg(text::tr(text::TxCliBadNumber), option, "1", "6", value);
                    return std::nullopt;
                }
                options.snapshot = static_cast<int>(*k);
            } else {
                options.today = value;
            }
        } else if (option == "--password-stdin" || option == "--json" || option == "--help" ||
                   option == "-h" || option == "--version") {
            if (equals != std::string::npos) {
                error = text::arg(text::tr(text::TxCliUnexpectedValue), option);
                return std::nullopt;
            }
            if (option == "--password-stdin") options.passwordFromStdin = true;
            if (option == "--json") options.json = true;
            if (option == "--help" || option == "-h") options.help = true;
            if (option == "--version") options.version = true;
        } else {
            rest.push_back(arg);
        }
    }
    return rest;
}

int usageError(std::ostream& err, const std::string& message) {
    err << text::tr(text::TxCliMessagePrefix) << message << '\n'
        << text::tr(text::TxCliUsage) << '\n';
    return Usage;
}

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    GlobalOptions options;
    std::string error;
    auto rest = takeGlobalOptions(args, options, error);
    if (!rest) return usageError(err, error);

    if (options.version) {
        out << text::arg(text::tr(text::TxCliVersion), VELNO_VERSION) << '\n';
        return Ok;
    }
    std::string command = rest->empty() ? std::string() : rest->front();
    // "--help print" is "help print".
    if (options.help && command != "help") {
        if (!command.empty()) rest->insert(rest->begin(), "help");
        command = "help";
        if (rest->empty()) rest->push_back(command);
    }
    if (command.empty()) return usageError(err, text::tr(text::TxCliNoCommand));
    const CommandEntry* entry = findCommand(command);
    if (!entry) return usageError(err, text::arg(text::tr(text::TxCliUnknownCommand), command));

    if (options.today && !parseIsoDate(*options.today))
        return usageError(err, text::arg(text::tr(text::TxCliBadToday), *options.today));
    if (!options.today) {
        // The variable stands in for --today, so a bad one is refused the same way.
        if (const char* variable = std::getenv("VELNO_TODAY"); variable && !parseIsoDate(variable))
            return usageError(err, text::arg(text::tr(text::TxCliBadTodayVariable), variable));
    }
    std::optional<std::string_view> override;
    if (options.today) override = *options.today;

    Context context{options, resolveToday(override), command, {}, in, out, err};
    if (!rest->empty()) context.args.assign(rest->begin() + 1, rest->end());
    return entry->run(context);
}

}  // namespace

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return run(args, std::cin, std::cout, std::cerr);
}

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    // Nothing may escape to the shell as an abort: report and fail.
    try {
        return runCommandLine(args, in, out, err);
    } catch (const std::exception& e) {
        err << text::tr(text::TxCliMessagePrefix)
            << text::arg(text::tr(text::TxCliInternalError), e.what()) << '\n';
        return Failure;
    }
}

}  // namespace velno::cli
