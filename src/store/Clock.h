#pragma once
// Today's date: from --today, VELNO_TODAY, or the system clock. One clock
// for the whole program so that tests and scripts can fix the date.

#include <optional>
#include <string_view>

#include "store/Calendar.h"

namespace velno {

// "YYYY-MM-DD" with a real calendar date; nothing otherwise.
std::optional<CalendarDate> parseIsoDate(std::string_view text);
CalendarDate systemToday();
// The override when given and valid, else VELNO_TODAY when set and valid,
// else the system date.
CalendarDate resolveToday(std::optional<std::string_view> override);

}  // namespace velno
