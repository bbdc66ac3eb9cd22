#include "cli/Arguments.h"

#include <charconv>

#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

std::optional<Arguments> Arguments::parse(std::string_view command,
                                          const std::vector<std::string>& args,
                                          std::initializer_list<KnownOption> options,
                                          bool allowWords, std::string& error) {
    Arguments result;
    const std::string name(command);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            if (!allowWords) {
                error = text::arg(text::tr(text::TxCliUnexpectedArgument), name, arg);
                return std::nullopt;
            }
            result.words_.push_back(arg);
            continue;
        }
        const auto equals = arg.find('=');
        const std::string option = arg.substr(0, equals);
        const KnownOption* known = nullptr;
        for (const KnownOption& k : options)
            if (k.name == option) known = &k;
        if (!known) {
            error = text::arg(text::tr(text::TxCliUnknownOption), name, option);
            return std::nullopt;
        }
        if (!known->takesValue) {
            if (equals != std::string::npos) {
                error = text::arg(text::tr(text::TxCliUnexpectedValue), option);
                return std::nullopt;
            }
            result.flags_.insert(option);
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size() &&
                   !(args[i + 1].size() > 1 && args[i + 1].starts_with("--"))) {
            value = args[++i];
        } else {
            error = text::arg(text::tr(text::TxCliMissingValue), option);
            return std::nullopt;
        }
        if (value.empty()) {
            error = text::arg(text::tr(text::TxCliMissingValue), option);
            return std::nullopt;
        }
        result.repeated_[option].push_back(value);
        result.values_[option] = value;
    }
    return result;
}

std::optional<std::string> Arguments::value(std::string_view name) const {
    const auto it = values_.find(std::string(name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> Arguments::values(std::string_view name) const {
    const auto it = repeated_.find(std::string(name));
    return it == repeated_.end() ? std::vector<std::string>() : it->second;
}

std::optional<long long> parseWholeNumber(std::string_view text, long long min, long long max) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty() || value < min || value > max)
        return std::nullopt;
    return value;
}

}  // namespace velno::cli
