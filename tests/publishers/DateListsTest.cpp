#include "publishers/DateLists.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace velno {
namespace {

// The editor's year list when the ReportMonth lies in 2024.
DateLists editorLists() {
    return DateLists(2024 - 119, 2025, 24);
}

void type(DateLists& d, DatePart part, const std::string& keys) {
    d.focusEntered(part);
    for (char c : keys) d.onChar(part, c);
}

struct Typed {
    DatePart part;
    const char* keys;
    int expected;  // month, day or year; 0 = blank
};

void PrintTo(const Typed& t, std::ostream* os) {
    const char* part = t.part == DatePart::Month ? "month"
                       : t.part == DatePart::Day ? "day"
                                                 : "year";
    *os << part << " \"" << t.keys << "\"";
}

class TypingInLists : public ::testing::TestWithParam<Typed> {};

TEST_P(TypingInLists, SelectsTheLine) {
    const Typed& t = GetParam();
    DateLists d = editorLists();
    type(d, t.part, t.keys);
    const int got = t.part == DatePart::Month ? d.month()
                    : t.part == DatePart::Day ? d.day()
                                              : d.year();
    EXPECT_EQ(got, t.expected) << t.keys;
}

INSTANTIATE_TEST_SUITE_P(Rules, TypingInLists,
                         ::testing::Values(
                             // Two-digit years: not above the ReportMonth's 24 is 20YY, else 19YY.
                             Typed{DatePart::Year, "45", 1945}, Typed{DatePart::Year, "12", 2012},
                             Typed{DatePart::Year, "24", 2024}, Typed{DatePart::Year, "25", 1925},
                             // "19" and "20" go on to four digits; other starts restart.
                             Typed{DatePart::Year, "1987", 1987},
                             Typed{DatePart::Year, "2005", 2005},
                             Typed{DatePart::Year, "4512", 2012}, Typed{DatePart::Year, "1", 0},
                             // A year outside the list leaves the line as it was.
                             Typed{DatePart::Year, "1900", 2019},
                             // Months: below 13 taken as typed, else the last digit alone.
                             Typed{DatePart::Month, "1", 1}, Typed{DatePart::Month, "12", 12},
                             Typed{DatePart::Month, "13", 3}, Typed{DatePart::Month, "05", 5},
                             Typed{DatePart::Month, "115", 5},
                             // Letters: prefix search, restarting with the last letter.
                             Typed{DatePart::Month, "j", 1}, Typed{DatePart::Month, "ju", 6},
                             Typed{DatePart::Month, "jul", 7}, Typed{DatePart::Month, "ag", 8},
                             Typed{DatePart::Month, "ms", 9}, Typed{DatePart::Month, "D", 12},
                             // Days: below 32, else the last digit.
                             Typed{DatePart::Day, "31", 31}, Typed{DatePart::Day, "35", 5},
                             Typed{DatePart::Day, "07", 7}, Typed{DatePart::Day, "x", 0}));

TEST(DateLists, ArrowsWrapAndDeleteBlanksMonthAndDayOnly) {
    DateLists d = editorLists();
    EXPECT_EQ(d.onKey(DatePart::Month, DateKey::Up), DateKeyAction::Selected);
    EXPECT_EQ(d.month(), 12);
    d.onKey(DatePart::Month, DateKey::Down);
    EXPECT_EQ(d.month(), 0);
    d.onKey(DatePart::Day, DateKey::Up);
    EXPECT_EQ(d.day(), 31);
    d.onKey(DatePart::Year, DateKey::Up);
    EXPECT_EQ(d.year(), 2025);
    d.onKey(DatePart::Year, DateKey::Down);
    EXPECT_EQ(d.year(), 0);

    d.load("03152010");
    d.onKey(DatePart::Day, DateKey::Space);
    d.onKey(DatePart::Month, DateKey::Delete);
    EXPECT_EQ(d.onKey(DatePart::Year, DateKey::Delete), DateKeyAction::None);
    EXPECT_EQ(d.month(), 0);
    EXPECT_EQ(d.day(), 0);
    EXPECT_EQ(d.year(), 2010);
}

TEST(DateLists, SeparatorsAndSideArrowsMoveTheFocus) {
    DateLists d = editorLists();
    EXPECT_EQ(d.onChar(DatePart::Month, '.'), DateKeyAction::FocusNext);
    EXPECT_EQ(d.onChar(DatePart::Day, '/'), DateKeyAction::FocusNext);
    EXPECT_EQ(d.onKey(DatePart::Day, DateKey::Right), DateKeyAction::FocusNext);
    EXPECT_EQ(d.onKey(DatePart::Year, DateKey::Left), DateKeyAction::FocusPrevious);
    // "3", "." and "5": the separator ends the first number.
    d.focusEntered(DatePart::Month);
    d.onChar(DatePart::Month, '1');
    d.onChar(DatePart::Month, '.');
    d.focusEntered(DatePart::Day);
    d.onChar(DatePart::Day, '5');
    EXPECT_EQ(d.month(), 1);
    EXPECT_EQ(d.day(), 5);
}

TEST(DateLists, BuildsTheStoredDate) {
    DateLists d = editorLists();
    EXPECT_EQ(d.dateText(), "        ");
    d.setLine(DatePart::Month, 3);
    d.setYear(1990);
    EXPECT_EQ(d.dateText(), "03  1990");  // no day: two blanks
    d.setLine(DatePart::Day, 9);
    EXPECT_EQ(d.dateText(), "03091990");
    EXPECT_TRUE(d.complete());
    d.setLine(DatePart::Year, 0);
    EXPECT_EQ(d.dateText(), "        ");  // no year: blank
}

TEST(DateLists, LoadsBlankPaddedAndZeroPaddedDates) {
    DateLists d = editorLists();
    d.load(" 3 51987");
    EXPECT_EQ(d.month(), 3);
    EXPECT_EQ(d.day(), 5);
    EXPECT_EQ(d.year(), 1987);
    d.load("11  1800");  // a year before the list: the blank line
    EXPECT_EQ(d.month(), 11);
    EXPECT_EQ(d.day(), 0);
    EXPECT_EQ(d.year(), 0);
    d.load("");
    EXPECT_EQ(d.month(), 0);
}

}  // namespace
}  // namespace velno
