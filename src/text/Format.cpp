#include "text/Format.h"

#include <cstdarg>
#include <cstdio>

namespace velno::text {

// One pass over the pattern, so an argument that itself contains "%2" is
// copied as it is and never expanded again.
std::string substitute(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size() + 16 * args.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            out.push_back(c);
            continue;
        }
        const char next = pattern[i + 1];
        if (next == '%') {
            out += "%%";
            ++i;
        } else if (next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < args.size()) {
                out += args[index];
            } else {
                out.push_back('%');
                out.push_back(next);
            }
            ++i;
        } else {
            out.push_back('%');
        }
    }
    return out;
}

std::string formatPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string out;
    if (length > 0) {
        // vsnprintf writes the terminator too; the string owns room for it.
        out.resize(static_cast<std::size_t>(length));
        std::vsnprintf(out.data(), out.size() + 1, format, args);
    }
    va_end(args);
    return out;
}

}  // namespace velno::text
