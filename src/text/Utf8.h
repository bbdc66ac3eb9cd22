#pragma once
// Walking UTF-8 texts by characters, not bytes: lengths, cuts and keystrokes
// count what a person sees.

#include <cstddef>
#include <string_view>

namespace velno::text {

std::size_t utf8Characters(std::string_view utf8);
// Bytes taken by the first `characters` characters (all when fewer).
std::size_t utf8PrefixBytes(std::string_view utf8, std::size_t characters);
// Where the character after the one starting at `at` starts.
std::size_t utf8NextCharacter(std::string_view utf8, std::size_t at);
// Where the last character before `end` starts.
std::size_t utf8PreviousCharacter(std::string_view utf8, std::size_t end);

}  // namespace velno::text
