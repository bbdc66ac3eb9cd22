#pragma once
// Guards the string table: an id listed twice in texts/*.def would make one
// of the two texts unreachable without any error.

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace velno::text {

// The smallest id that occurs more than once, if any.
template <std::size_t N>
constexpr std::optional<int> duplicateTextId(const std::array<int, N>& ids) {
    auto sorted = ids;
    std::sort(sorted.begin(), sorted.end());
    const auto it = std::adjacent_find(sorted.begin(), sorted.end());
    if (it == sorted.end()) return std::nullopt;
    return *it;
}

}  // namespace velno::text
