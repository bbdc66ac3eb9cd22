#pragma once
// The running totals of the report month by service kind, as the branch
// report needs them. Held by the document; the rules that fill it live in
// reporting/TallyMonth.

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace velno {

// Categories follow the service kind of the month.
namespace TallyCategory {
constexpr int Publishers = 0;
constexpr int Auxiliary = 1;
constexpr int Regular = 2;
constexpr int Special = 3;
}  // namespace TallyCategory

namespace TallyValue {
constexpr int Placements = 0;
constexpr int Videos = 1;
constexpr int Hours = 2;
constexpr int ReturnVisits = 3;
constexpr int Studies = 4;
constexpr int ActivePublishers = 5;  // category 0 only
constexpr int QuarterHours = 7;      // set by the history editor only
constexpr int Count = 8;             // publishers counted in the category
}  // namespace TallyValue

struct CategoryTally {
    static constexpr int kCategories = 4;
    static constexpr int kValues = 9;
    std::uint16_t values[kCategories][kValues]{};
    // Set when the tally no longer matches the records (a month was
    // initialised); TallyMonth clears it.
    bool stale = true;

    std::uint16_t at(int category, int value) const { return values[category][value]; }
    void clear() { std::memset(values, 0, sizeof values); }
    // Sums saturate: a wrapped 16-bit total would print as a small number.
    void add(int category, int value, unsigned amount) {
        const unsigned sum = values[category][value] + amount;
        values[category][value] = static_cast<std::uint16_t>(std::min(sum, 65535u));
    }
};

}  // namespace velno
