#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "text/Format.h"
#include "text/texts/CommonTexts.h"

namespace velno::text {

namespace {

// Bytes 0x80..0x9F; the unassigned ones keep their C1 control value.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

struct ReverseEntry {
    char32_t codePoint;
    unsigned char byte;
};

// The high block sorted by code point, so the way back is a binary search.
constexpr std::array<ReverseEntry, 32> kReverse = [] {
    std::array<ReverseEntry, 32> entries{};
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        entries[i] = {kHighBlock[i], static_cast<unsigned char>(0x80 + i)};
    }
    std::sort(entries.begin(), entries.end(), [](const ReverseEntry& a, const ReverseEntry& b) {
        return a.codePoint < b.codePoint;
    });
    return entries;
}();

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 1;  // bytes taken, or the bytes of the faulty sequence
    bool valid = false;
};

// Strict decoding: overlong forms, surrogates, values past U+10FFFF and
// cut-off sequences are all faults.
Decoded decodeOne(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t need = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC0 && lead <= 0xDF) {
        need = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF7) {
        need = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {};  // a stray continuation byte or a byte UTF-8 never uses
    }
    for (std::size_t k = 1; k <= need; ++k) {
        if (i + k >= s.size()) return {0, k, false};
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return {0, k, false};
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool ok = cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    return {cp, need + 1, ok};
}

// Whether the character itself is worth quoting in a message: controls,
// format characters, odd spaces and lone combining marks would show as
// nothing or would garble the quotes.
bool isShowable(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
    if (c >= 0x0300 && c <= 0x036F) return false;
    if (c == 0x1680 || c == 0x180E || c == 0x3000) return false;
    if (c >= 0x1AB0 && c <= 0x1AFF) return false;
    if (c >= 0x1DC0 && c <= 0x1DFF) return false;
    if (c >= 0x2000 && c <= 0x200F) return false;
    if (c >= 0x2028 && c <= 0x202F) return false;
    if (c >= 0x205F && c <= 0x206F) return false;
    if (c >= 0x20D0 && c <= 0x20FF) return false;
    if (c >= 0xE000 && c <= 0xF8FF) return false;
    if (c >= 0xFDD0 && c <= 0xFDEF) return false;
    if (c >= 0xFE00 && c <= 0xFE0F) return false;
    if (c >= 0xFE20 && c <= 0xFE2F) return false;
    if (c == 0xFEFF || (c >= 0xFFF0 && c <= 0xFFFB)) return false;
    if ((c & 0xFFFE) == 0xFFFE) return false;
    if (c >= 0xE0000) return false;  // tags, variation selectors, private use
    return true;
}

std::string hexCodePoint(char32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(cp));
    return buf;
}

std::string hexBytes(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(c));
        if (!out.empty()) out.push_back(' ');
        out += buf;
    }
    return out;
}

Cp1252Result failure(std::string message) {
    Cp1252Result result;
    result.error = std::move(message);
    return result;
}

}  // namespace

char32_t cp1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighBlock[byte - 0x80];
    return byte;
}

std::optional<unsigned char> codePointToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    const auto it =
        std::lower_bound(kReverse.begin(), kReverse.end(), codePoint,
                         [](const ReverseEntry& e, char32_t cp) { return e.codePoint < cp; });
    if (it != kReverse.end() && it->codePoint == codePoint) return it->byte;
    return std::nullopt;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.push_back(c);
        } else {
            appendUtf8(out, cp1252ToCodePoint(b));
        }
    }
    return out;
}

Cp1252Result utf8ToCp1252(std::string_view utf8) {
    Cp1252Result result;
    result.bytes.reserve(utf8.size());
    std::size_t position = 0;  // 1-based character position once incremented
    for (std::size_t i = 0; i < utf8.size();) {
        ++position;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            result.bytes.push_back(utf8[i]);
            ++i;
            continue;
        }
        const Decoded d = decodeOne(utf8, i);
        if (!d.valid) {
            return failure(arg(tr(TxMalformedUtf8), hexBytes(utf8.substr(i, d.length)),
                               std::to_string(position)));
        }
        const auto byte = codePointToCp1252(d.codePoint);
        if (!byte) {
            if (!isShowable(d.codePoint)) {
                return failure(arg(tr(TxUnshownCharNotStorable), hexCodePoint(d.codePoint),
                                   std::to_string(position)));
            }
            return failure(arg(tr(TxCharNotStorable), utf8.substr(i, d.length),
                               hexCodePoint(d.codePoint), std::to_string(position)));
        }
        result.bytes.push_back(static_cast<char>(*byte));
        i += d.length;
    }
    result.ok = true;
    return result;
}

}  // namespace velno::text
