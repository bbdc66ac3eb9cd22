#include "store/Scrambler.h"

#include <cstring>

#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace {

// Kept out of line: inlined into the fixed-size fields, GCC warns falsely of
// writes past them.
[[gnu::noinline]] void shiftText(char* field, std::size_t width, int direction) {
    const std::size_t length = strnlen(field, width);
    for (std::size_t i = 0; i < length; ++i) {
        const int amount = static_cast<int>(i) + kScrambleBase;
        const auto c = static_cast<unsigned char>(field[i]);
        field[i] = static_cast<char>((c + direction * amount) & 0xFF);
    }
}

// Fields whose last position is forced to a terminator before the change.
template <std::size_t N>
void shiftClosed(char (&field)[N], int direction) {
    field[N - 1] = 0;
    shiftText(field, N, direction);
}

template <std::size_t N>
void shiftOpen(char (&field)[N], int direction) {
    shiftText(field, N, direction);
}

void shiftRecord(PublisherRecord& r, int direction) {
    shiftClosed(r.fname, direction);
    shiftClosed(r.lname, direction);
    shiftClosed(r.addr, direction);
    shiftClosed(r.phone, direction);
    shiftOpen(r.phone2, direction);
    shiftOpen(r.phone3, direction);
    shiftClosed(r.bapdate, direction);
    shiftClosed(r.birdate, direction);
}

}  // namespace

void scrambleText(char* field, std::size_t width) {
    shiftText(field, width, +1);
}
void unscrambleText(char* field, std::size_t width) {
    shiftText(field, width, -1);
}

void scrambleRecord(PublisherRecord& record) {
    shiftRecord(record, +1);
}
void unscrambleRecord(PublisherRecord& record) {
    shiftRecord(record, -1);
}

std::optional<std::string> unscramblableCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (((c + i + kScrambleBase) & 0xFF) == 0) {
            return text::arg(text::tr(text::TxUnscramblableCharacter),
                             text::cp1252ToUtf8(text.substr(i, 1)), std::to_string(i + 1));
        }
    }
    return std::nullopt;
}

void xorGroupText(char* field, std::size_t width) {
    static constexpr char kKey[] = "Pine Grove";
    constexpr std::size_t keyLength = sizeof kKey - 1;
    std::size_t k = 0;
    for (std::size_t i = 0; i < width && field[i] != 0; ++i) {
        if (field[i] != kKey[k]) field[i] = static_cast<char>(field[i] ^ kKey[k]);
        k = (k + 1) % keyLength;
    }
}

}  // namespace velno
