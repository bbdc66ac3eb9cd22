#pragma once
// Windows-1252 is the byte encoding of every record text in the data files.
// Conversion happens only at the edges (UI, CLI, XML, CSV).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velno::text {

// Every byte maps to one code point; the five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
char32_t cp1252ToCodePoint(unsigned char byte);
std::optional<unsigned char> codePointToCp1252(char32_t codePoint);

std::string cp1252ToUtf8(std::string_view bytes);

struct Cp1252Result {
    std::string bytes;  // the converted text when ok
    bool ok = false;
    std::string error;  // UTF-8 message naming the refused character and its position
};

// Refuses (never mangles) a character Windows-1252 cannot hold, and
// malformed UTF-8.
Cp1252Result utf8ToCp1252(std::string_view utf8);

}  // namespace velno::text
