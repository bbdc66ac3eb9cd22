#include "print/HoursCell.h"

#include "store/FixedText.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"

namespace velno::print {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::pair<std::string_view, std::string_view> splitFraction(std::string_view hours) {
    for (const int id : {text::TxQuarterOne, text::TxQuarterTwo, text::TxQuarterThree}) {
        const std::string& fraction = text::tr(id);
        if (!fraction.empty() && hours.size() >= fraction.size() &&
            hours.substr(hours.size() - fraction.size()) == fraction)
            return {hours.substr(0, hours.size() - fraction.size()),
                    hours.substr(hours.size() - fraction.size())};
    }
    return {hours, {}};
}

std::pair<std::string_view, std::string_view> splitAtUnits(std::string_view hours) {
    hours = trimmed(hours);
    std::size_t digits = 0;
    while (digits < hours.size() && isDigit(hours[digits])) ++digits;
    const std::string_view rest = hours.substr(digits);
    if (rest.empty()) return {hours, {}};
    const auto [whole, fraction] = splitFraction(hours);
    if (!fraction.empty() && whole.size() == digits) return {whole, fraction};
    // A decimal part: a point followed by digits only.
    bool decimal = digits > 0 && rest.size() > 1 && rest.front() == '.';
    for (std::size_t i = 1; decimal && i < rest.size(); ++i) decimal = isDigit(rest[i]);
    if (decimal) return {hours.substr(0, digits), rest};
    return {hours, {}};
}

void drawHoursCell(Canvas& canvas, int units, int y, std::string_view hours) {
    const auto [whole, fraction] = splitAtUnits(hours);
    if (!whole.empty()) canvas.text(units, y, whole, Align::Right);
    if (!fraction.empty()) canvas.text(units, y, fraction, Align::Left);
}

}  // namespace velno::print
