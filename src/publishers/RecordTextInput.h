#pragma once
// Text typed into a box, on its way into a record field: Windows-1252 bytes
// that the data files can hold. A character they cannot hold is refused
// with a message naming it, so nothing is ever stored garbled.

#include <cstddef>
#include <string>
#include <string_view>

namespace velno {

struct RecordTextInput {
    bool ok = false;
    std::string bytes;    // Windows-1252, at most `limit` bytes, when ok
    std::string message;  // UTF-8, when refused
    bool cut = false;     // the text was longer than the limit
};

// Converts `utf8`, keeping at most `limit` characters. Refused: characters
// outside Windows-1252, control characters, and characters that the
// scrambling of the data files would turn into the terminator at their
// position (for fields kept with that scrambling, `scrambled`).
RecordTextInput recordTextInput(std::string_view utf8, std::size_t limit, bool scrambled = true);

}  // namespace velno
