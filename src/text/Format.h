#pragma once
// Message formatting: "%1".."%9" placeholders of the string table and the
// printf-style formats that the data files and pages use.

#include <string>
#include <string_view>
#include <vector>

namespace velno::text {

// Replaces %1..%9 by the arguments; "%%" stays "%%"; a placeholder without
// an argument is left as it is.
std::string substitute(std::string_view pattern, const std::vector<std::string>& args);

template <typename... Args>
std::string arg(std::string_view pattern, const Args&... args) {
    return substitute(pattern, std::vector<std::string>{std::string(args)...});
}

// printf-style formatting into a std::string of any length.
std::string formatPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace velno::text
