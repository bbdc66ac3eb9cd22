#include "text/StringTable.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "text/TextIdCheck.h"
#include "text/texts/CommonTexts.h"

namespace velno::text {
namespace {

struct DefRow {
    int id;
    std::string_view text;
};

// The rows read straight from the .def files, independent of the table's own copy.
constexpr DefRow kDefRows[] = {
#define VELNO_TEXT(name, id, str) {id, str},
#include "text/texts/all.def"
#undef VELNO_TEXT
};

TEST(StringTable, EveryRowIsFoundByItsId) {
    for (const DefRow& row : kDefRows) EXPECT_EQ(tr(row.id), row.text) << "id " << row.id;
    EXPECT_EQ(tr(MonthJanuary), "Januari");
    EXPECT_EQ(tr(3), "Januari");
    EXPECT_EQ(tr(LanguageCode), "in");
}

TEST(StringTable, UnknownIdsYieldTheSameEmptyText) {
    const std::string& unknown = tr(2);
    EXPECT_TRUE(unknown.empty());
    for (int id : {-1, 0, 1, 15, 1199, 18999, 1 << 30}) {
        EXPECT_EQ(&tr(id), &unknown) << "id " << id;
    }
}

TEST(StringTable, MonthNames) {
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(&monthName(m), &tr(3 + m));
        EXPECT_EQ(&monthShortName(m), &tr(1203 + m));
    }
    EXPECT_EQ(monthName(0), "Januari");
    EXPECT_EQ(monthName(11), "Desember");
    EXPECT_EQ(monthShortName(7), "Agt");
    for (int m : {-1, 12, 100}) {
        EXPECT_TRUE(monthName(m).empty());
        EXPECT_TRUE(monthShortName(m).empty());
    }
}

TEST(StringTable, NoIdIsListedTwice) {
    std::array<int, std::size(kDefRows)> ids{};
    for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = kDefRows[i].id;
    const auto duplicate = duplicateTextId(ids);
    EXPECT_FALSE(duplicate.has_value()) << "id " << duplicate.value_or(0) << " is listed twice";
}

TEST(StringTable, DuplicateCheckFindsARepeatedId) {
    static_assert(!duplicateTextId(std::array{3, 1203, 20000}).has_value());
    EXPECT_EQ(duplicateTextId(std::array{1203, 20000, 3, 20000, 3}), 3);
    EXPECT_EQ(duplicateTextId(std::array{7, 7}), 7);
    EXPECT_FALSE(duplicateTextId(std::array{7}).has_value());
}

}  // namespace
}  // namespace velno::text
