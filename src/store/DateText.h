#pragma once
// A date as the records keep it: "MMDDYYYY", each number right-aligned with
// blanks ("%2d%2d%4d"); an unset date is all blanks.

#include <optional>
#include <string>
#include <string_view>

namespace velno {

constexpr int kDateTextLength = 8;

struct DateParts {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
};

std::string makeDateText(int month, int day, int year);
// Nothing when the text holds no complete date.
std::optional<DateParts> parseDateText(std::string_view text);
bool isDateSet(std::string_view text);
// Exchange form "YYYY-MM-DD", built from the last four characters, the first
// two and the middle two (blanks stay as they are stored).
std::string dateTextToExchange(std::string_view text);

}  // namespace velno
