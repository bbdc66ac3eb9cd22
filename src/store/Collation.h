#pragma once
// Comparison of display names: a fixed two-level order on Windows-1252
// bytes so that sorting never depends on the machine's locale.
// Level 1 reduces letters to their unaccented upper-case base letter,
// level 2 only folds case. Names equal on both levels are equal.

#include <string>
#include <string_view>

namespace velno {

unsigned char baseLetter(unsigned char c);   // level 1
unsigned char upperLetter(unsigned char c);  // level 2

// <0, 0, >0 on the texts as given (callers trim).
int compareNames(std::string_view a, std::string_view b);
bool namesEqual(std::string_view a, std::string_view b);

// Precomputed sort key: comparing keys bytewise equals compareNames.
std::string collationKey(std::string_view name);

}  // namespace velno
