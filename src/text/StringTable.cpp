#include "text/StringTable.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <vector>

#include "text/TextIdCheck.h"
#include "text/texts/CommonTexts.h"

namespace velno::text {

namespace {

struct Row {
    int id;
    std::string_view text;
};

constexpr Row kRows[] = {
#define VELNO_TEXT(name, id, str) {id, str},
#include "text/texts/all.def"
#undef VELNO_TEXT
};

constexpr std::size_t kRowCount = std::size(kRows);

// Rows in id order, so a look-up is a binary search over plain ints.
constexpr std::array<Row, kRowCount> kSorted = [] {
    std::array<Row, kRowCount> rows{};
    std::copy(std::begin(kRows), std::end(kRows), rows.begin());
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.id < b.id; });
    return rows;
}();

constexpr std::array<int, kRowCount> kSortedIds = [] {
    std::array<int, kRowCount> ids{};
    for (std::size_t i = 0; i < kRowCount; ++i) ids[i] = kSorted[i].id;
    return ids;
}();

// Fails the build and names the id (as the template argument in the
// compiler's message) when a .def file repeats an id.
template <int DuplicateId>
struct TextIdListedTwice {
    static_assert(DuplicateId < 0, "a text id is listed twice in src/text/texts/*.def");
};
[[maybe_unused]] constexpr TextIdListedTwice<duplicateTextId(kSortedIds).value_or(-1)>
    kNoTextIdListedTwice{};

const std::vector<std::string>& sortedTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> out;
        out.reserve(kRowCount);
        for (const Row& row : kSorted) out.emplace_back(row.text);
        return out;
    }();
    return texts;
}

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

}  // namespace

const std::string& tr(int id) {
    const auto it = std::lower_bound(kSortedIds.begin(), kSortedIds.end(), id);
    if (it == kSortedIds.end() || *it != id) return emptyText();
    return sortedTexts()[static_cast<std::size_t>(it - kSortedIds.begin())];
}

const std::string& monthName(int month0) {
    if (month0 < 0 || month0 > 11) return emptyText();
    return tr(MonthJanuary + month0);
}

const std::string& monthShortName(int month0) {
    if (month0 < 0 || month0 > 11) return emptyText();
    return tr(MonthShortJanuary + month0);
}

}  // namespace velno::text
