#include "store/Collation.h"

#include <array>

namespace velno {

namespace {

struct Tables {
    std::array<unsigned char, 256> base{};
    std::array<unsigned char, 256> upper{};
};

Tables makeTables() {
    Tables t;
    for (int c = 0; c < 256; ++c) {
        t.base[c] = static_cast<unsigned char>(c);
        t.upper[c] = static_cast<unsigned char>(c);
    }
    for (int c = 'a'; c <= 'z'; ++c) t.upper[c] = static_cast<unsigned char>(c - 32);
    // Latin-1 lower-case letters 0xE0..0xFE (except 0xF7 ÷) fold to 0xC0..0xDE.
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) t.upper[c] = static_cast<unsigned char>(c - 0x20);
    t.upper[0x9A] = 0x8A;  // š Š
    t.upper[0x9C] = 0x8C;  // œ Œ
    t.upper[0x9E] = 0x8E;  // ž Ž
    t.upper[0xFF] = 0x9F;  // ÿ Ÿ

    for (int c = 0; c < 256; ++c) t.base[c] = t.upper[c];
    auto setRange = [&](int from, int to, char letter) {
        for (int c = from; c <= to; ++c) {
            t.base[c] = static_cast<unsigned char>(letter);
            t.base[c + 0x20] = static_cast<unsigned char>(letter);
        }
    };
    setRange(0xC0, 0xC6, 'A');  // À..Å, Æ
    setRange(0xC7, 0xC7, 'C');
    setRange(0xC8, 0xCB, 'E');
    setRange(0xCC, 0xCF, 'I');
    setRange(0xD0, 0xD0, 'D');
    setRange(0xD1, 0xD1, 'N');
    setRange(0xD2, 0xD6, 'O');
    setRange(0xD8, 0xD8, 'O');
    setRange(0xD9, 0xDC, 'U');
    setRange(0xDD, 0xDD, 'Y');
    setRange(0xDE, 0xDE, 'T');
    t.base[0xDF] = 'S';                 // ß has no upper-case form of its own
    t.base[0xFF] = 'Y';                 // ÿ
    t.base[0x9F] = 'Y';                 // Ÿ
    t.base[0x8A] = t.base[0x9A] = 'S';  // Š š
    t.base[0x8C] = t.base[0x9C] = 'O';  // Œ œ
    t.base[0x8E] = t.base[0x9E] = 'Z';  // Ž ž
    t.base[0x83] = 'F';                 // ƒ
    return t;
}

const Tables& tables() {
    static const Tables t = makeTables();
    return t;
}

int compareLevel(std::string_view a, std::string_view b,
                 const std::array<unsigned char, 256>& map) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = map[static_cast<unsigned char>(a[i])];
        const int cb = map[static_cast<unsigned char>(b[i])];
        if (ca != cb) return ca - cb;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

unsigned char baseLetter(unsigned char c) {
    return tables().base[c];
}
unsigned char upperLetter(unsigned char c) {
    return tables().upper[c];
}

int compareNames(std::string_view a, std::string_view b) {
    const int first = compareLevel(a, b, tables().base);
    return first != 0 ? first : compareLevel(a, b, tables().upper);
}

bool namesEqual(std::string_view a, std::string_view b) {
    return compareNames(a, b) == 0;
}

std::string collationKey(std::string_view name) {
    // Level 1 bytes, a separator below every byte of a name, level 2 bytes.
    // Names hold no zero byte, so a shorter prefix sorts first on each level.
    std::string key;
    key.reserve(name.size() * 2 + 1);
    for (char c : name)
        key.push_back(static_cast<char>(tables().base[static_cast<unsigned char>(c)]));
    key.push_back('\0');
    for (char c : name)
        key.push_back(static_cast<char>(tables().upper[static_cast<unsigned char>(c)]));
    return key;
}

}  // namespace velno
