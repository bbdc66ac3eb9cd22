#pragma once
// The character sets of the XML layer: the HTML 4 entity names, the
// character-set names with their Windows code page numbers, and the
// conversions between a file's code page and the internal Windows-1252,
// done by the C library's iconv.

#include <string>
#include <string_view>
#include <vector>

namespace velno::xml {

constexpr int kInternalCodePage = 1252;
constexpr int kUtf8CodePage = 65001;
constexpr int kUtf16LeCodePage = 1200;
constexpr int kUtf16BeCodePage = 1201;

// The code point of a named reference ("nbsp" = 160), -1 when unknown.
int entityCodePoint(std::string_view name);
// How many names the entity table holds.
int entityCount();

// The code page of a character-set name (case ignored), 0 when unknown.
int codePageOf(std::string_view name);
// Every code page of the name table, once each.
std::vector<int> knownCodePages();
// The name iconv knows the code page by.
std::string iconvName(int codePage);

struct Conversion {
    std::string text;
    int lost = 0;     // characters without an equivalent, or malformed bytes
    bool ok = false;  // false: iconv does not know the code page
};

// Bytes in `codePage` to Windows-1252; a lost character becomes "?".
Conversion toInternal(std::string_view bytes, int codePage);
// Windows-1252 to bytes in `codePage`.
Conversion fromInternal(std::string_view text, int codePage);

// Valid UTF-8 holding at least one multi-byte sequence.
bool looksLikeUtf8(std::string_view bytes);

}  // namespace velno::xml
