#include "text/Utf8.h"

namespace velno::text {

namespace {

bool continues(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::size_t utf8Characters(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        if (!continues(c)) ++n;
    return n;
}

std::size_t utf8PrefixBytes(std::string_view utf8, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (continues(utf8[i])) continue;
        if (seen == characters) return i;
        ++seen;
    }
    return utf8.size();
}

std::size_t utf8NextCharacter(std::string_view utf8, std::size_t at) {
    std::size_t i = at + 1;
    while (i < utf8.size() && continues(utf8[i])) ++i;
    return i < utf8.size() ? i : utf8.size();
}

std::size_t utf8PreviousCharacter(std::string_view utf8, std::size_t end) {
    if (end == 0) return 0;
    std::size_t i = end - 1;
    while (i > 0 && continues(utf8[i])) --i;
    return i;
}

}  // namespace velno::text
