#pragma once
// The options of one command: flags, options with a value ("--out DIR" or
// "--out=DIR") and plain words.

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velno::cli {

struct KnownOption {
    std::string_view name;  // with the dashes: "--out"
    bool takesValue = false;
};

class Arguments {
public:
    // Nothing, with a usage message in `error`, when an option is unknown,
    // lacks its value or has one it does not take, or when a word is given
    // to a command that takes none (allowWords false).
    static std::optional<Arguments> parse(std::string_view command,
                                          const std::vector<std::string>& args,
                                          std::initializer_list<KnownOption> options,
                                          bool allowWords, std::string& error);

    bool has(std::string_view name) const { return flags_.count(std::string(name)) > 0; }
    std::optional<std::string> value(std::string_view name) const;
    // Every value of an option given more than once, in order (value()
    // has the last).
    std::vector<std::string> values(std::string_view name) const;
    const std::vector<std::string>& words() const { return words_; }

private:
    std::set<std::string> flags_;
    std::map<std::string, std::string> values_;
    std::map<std::string, std::vector<std::string>> repeated_;
    std::vector<std::string> words_;
};

// A whole decimal number from min to max; nothing otherwise.
std::optional<long long> parseWholeNumber(std::string_view text, long long min, long long max);

}  // namespace velno::cli
