#pragma once
// Texts in fixed-width, zero-terminated byte fields (Windows-1252).

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace velno {

template <std::size_t N>
std::string fieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

inline std::string fieldText(const char* field, std::size_t width) {
    return std::string(field, strnlen(field, width));
}

// Stores at most width-1 bytes and fills the rest with zeros.
inline void setFieldText(char* field, std::size_t width, std::string_view text) {
    const std::size_t n = text.size() < width ? text.size() : width - 1;
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, width - n);
}

template <std::size_t N>
void setFieldText(char (&field)[N], std::string_view text) {
    setFieldText(field, N, text);
}

// Trims blanks (and tabs, CR, LF) at both ends.
std::string_view trimmed(std::string_view text);

}  // namespace velno
