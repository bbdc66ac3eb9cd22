#pragma once
// Printed hours in a column: the whole hours end at one x, the units digit
// of every row above the next, and a quarter-hour fraction ("¼", "½", "¾")
// or a decimal part follows to the right of that x, so a fraction never
// pushes the whole number out of line.

#include <string_view>
#include <utility>

#include "print/Canvas.h"

namespace velno::print {

// Splits printed hours such as "12¾" into "12" and "¾".
std::pair<std::string_view, std::string_view> splitFraction(std::string_view hours);

// Splits printed hours at the units digit: "12¾" → "12" | "¾", "12.5" →
// "12" | ".5", a lone "½" → "" | "½". Anything else (a mark) is all whole.
std::pair<std::string_view, std::string_view> splitAtUnits(std::string_view hours);

// Draws hours (or a mark) with the units digit ending at `units`.
void drawHoursCell(Canvas& canvas, int units, int y, std::string_view hours);

}  // namespace velno::print
