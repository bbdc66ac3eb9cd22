#pragma once
// The light scrambling of texts in the data files. It keeps casual readers
// out of the files; it is not encryption.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "store/PublisherRecord.h"

namespace velno {

constexpr int kScrambleBase = 61;

// Position-dependent byte addition over the text before the terminator.
// Bytes after the terminator are left as they are.
void scrambleText(char* field, std::size_t width);
void unscrambleText(char* field, std::size_t width);

// Record texts, in place. The same fields in both directions.
void scrambleRecord(PublisherRecord& record);
void unscrambleRecord(PublisherRecord& record);

// A character that would scramble to the terminator (value 195 - position)
// cannot be kept in a scrambled field. Returns a message naming the
// character and its position, or nothing when the text can be stored.
std::optional<std::string> unscramblableCharacter(std::string_view text);

// The repeating-key exclusive or of the group file; applying it twice
// restores the text.
void xorGroupText(char* field, std::size_t width);

}  // namespace velno
