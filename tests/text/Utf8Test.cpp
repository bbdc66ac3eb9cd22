// Counting and cutting UTF-8 texts by characters.

#include <gtest/gtest.h>

#include "text/Utf8.h"

namespace velno::text {
namespace {

TEST(Utf8, CharactersCutsAndStepsKeepWholeCharacters) {
    const std::string_view s = "Ré€x";  // 1, 2, 3 and 1 bytes
    EXPECT_EQ(4u, utf8Characters(s));
    EXPECT_EQ(0u, utf8PrefixBytes(s, 0));
    EXPECT_EQ(3u, utf8PrefixBytes(s, 2));
    EXPECT_EQ(6u, utf8PrefixBytes(s, 3));
    EXPECT_EQ(s.size(), utf8PrefixBytes(s, 9));
    EXPECT_EQ(1u, utf8NextCharacter(s, 0));
    EXPECT_EQ(3u, utf8NextCharacter(s, 1));
    EXPECT_EQ(s.size(), utf8NextCharacter(s, 6));
    EXPECT_EQ(6u, utf8PreviousCharacter(s, s.size()));
    EXPECT_EQ(3u, utf8PreviousCharacter(s, 6));
    EXPECT_EQ(0u, utf8PreviousCharacter(s, 1));
    EXPECT_EQ(0u, utf8PreviousCharacter(s, 0));
}

}  // namespace
}  // namespace velno::text
