#pragma once
// The month, day and year lists of one date in the record editors, with
// their typing rules. Line 0 of each list is the blank line.

#include <string>
#include <string_view>
#include <vector>

namespace velno {

enum class DatePart { Month, Day, Year };
enum class DateKey { Up, Down, Left, Right, Delete, Space };
enum class DateKeyAction {
    None,           // nothing changed
    Selected,       // the list's line may have changed
    FocusNext,      // "." or "/" or Right
    FocusPrevious,  // Left
};

class DateLists {
public:
    // Year lines: the blank line, then firstYear..lastYear. A two-digit
    // year typed above `currentYear2` means 19YY, otherwise 20YY.
    DateLists(int firstYear, int lastYear, int currentYear2);

    // UTF-8 lines: month "Jan".."Des", day "01".."31", the years.
    std::vector<std::string> lines(DatePart part) const;
    int lineCount(DatePart part) const;
    int line(DatePart part) const;
    void setLine(DatePart part, int line);

    int month() const { return month_; }  // 1..12, 0 = blank
    int day() const { return day_; }      // 1..31, 0 = blank
    int year() const { return yearLine_ ? firstYear_ + yearLine_ - 1 : 0; }
    // Selects the year line of `year`; a year outside the list selects the
    // blank line.
    void setYear(int year);

    // Loads a stored DateText ("MMDDYYYY", blanks or zero-padded); blank or
    // unreadable parts select the blank lines.
    void load(std::string_view dateText);
    // MM zero-padded, DD or two blanks, YYYY; all blanks unless the month
    // and the year are chosen.
    std::string dateText() const;
    bool complete() const { return month_ && day_ && yearLine_; }

    // Focus entering a list starts a new typed buffer.
    void focusEntered(DatePart part);
    // A typed character: digits, letters (month list), "." and "/".
    DateKeyAction onChar(DatePart part, char c);
    DateKeyAction onKey(DatePart part, DateKey key);

private:
    DateKeyAction typeDigit(DatePart part, char c);
    DateKeyAction typeLetter(char c);
    void selectYear(int year);

    int firstYear_;
    int lastYear_;
    int currentYear2_;
    int month_ = 0;
    int day_ = 0;
    int yearLine_ = 0;
    std::string buffer_;
    DatePart bufferPart_ = DatePart::Month;
};

}  // namespace velno
