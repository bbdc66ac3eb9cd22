#include "publishers/DateLists.h"

#include <cctype>
#include <cstdio>

#include "store/DateText.h"
#include "store/FixedText.h"
#include "text/StringTable.h"

namespace velno {

namespace {

constexpr int kMonthLines = 13;
constexpr int kDayLines = 32;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The number of a blank-padded or zero-padded part; 0 when unreadable.
int partNumber(std::string_view text) {
    const auto t = trimmed(text);
    if (t.empty()) return 0;
    int value = 0;
    for (char c : t) {
        if (!isDigit(c)) return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string twoDigits(int n) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

int wrap(int line, int count) {
    return (line % count + count) % count;
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

}  // namespace

DateLists::DateLists(int firstYear, int lastYear, int currentYear2)
    : firstYear_(firstYear), lastYear_(lastYear), currentYear2_(currentYear2) {}

std::vector<std::string> DateLists::lines(DatePart part) const {
    std::vector<std::string> out{""};
    switch (part) {
        case DatePart::Month:
            for (int m = 0; m < 12; ++m) out.push_back(text::monthShortName(m));
            break;
        case DatePart::Day:
            for (int d = 1; d <= 31; ++d) out.push_back(twoDigits(d));
            break;
        case DatePart::Year:
            for (int y = firstYear_; y <= lastYear_; ++y) out.push_back(std::to_string(y));
            break;
    }
    return out;
}

int DateLists::lineCount(DatePart part) const {
    switch (part) {
        case DatePart::Month:
            return kMonthLines;
        case DatePart::Day:
            return kDayLines;
        case DatePart::Year:
            break;
    }
    return lastYear_ - firstYear_ + 2;
}

int DateLists::line(DatePart part) const {
    switch (part) {
        case DatePart::Month:
            return month_;
        case DatePart::Day:
            return day_;
        case DatePart::Year:
            break;
    }
    return yearLine_;
}

void DateLists::setLine(DatePart part, int line) {
    if (line < 0 || line >= lineCount(part)) return;
    switch (part) {
        case DatePart::Month:
            month_ = line;
            break;
        case DatePart::Day:
            day_ = line;
            break;
        case DatePart::Year:
            yearLine_ = line;
            break;
    }
}

void DateLists::setYear(int year) {
    yearLine_ = year >= firstYear_ && year <= lastYear_ ? year - firstYear_ + 1 : 0;
}

void DateLists::selectYear(int year) {
    // A typed year outside the list leaves the selection as it is.
    if (year >= firstYear_ && year <= lastYear_) yearLine_ = year - firstYear_ + 1;
}

void DateLists::load(std::string_view dateText) {
    std::string padded(dateText.substr(0, kDateTextLength));
    padded.resize(kDateTextLength, ' ');
    const int month = partNumber(std::string_view(padded).substr(0, 2));
    const int day = partNumber(std::string_view(padded).substr(2, 2));
    month_ = month >= 1 && month <= 12 ? month : 0;
    day_ = day >= 1 && day <= 31 ? day : 0;
    setYear(partNumber(std::string_view(padded).substr(4, 4)));
    buffer_.clear();
}

std::string DateLists::dateText() const {
    if (!month_ || !yearLine_) return std::string(kDateTextLength, ' ');
    return twoDigits(month_) + (day_ ? twoDigits(day_) : std::string("  ")) +
           std::to_string(year());
}

void DateLists::focusEntered(DatePart part) {
    buffer_.clear();
    bufferPart_ = part;
}

DateKeyAction DateLists::onChar(DatePart part, char c) {
    if (c == '.' || c == '/') {
        buffer_.clear();
        return DateKeyAction::FocusNext;
    }
    if (part != bufferPart_) focusEntered(part);
    if (isDigit(c)) {
        if (!buffer_.empty() && !isDigit(buffer_.back())) buffer_.clear();
        return typeDigit(part, c);
    }
    if (isLetter(c) && part == DatePart::Month) {
        if (!buffer_.empty() && isDigit(buffer_.back())) buffer_.clear();
        return typeLetter(c);
    }
    return DateKeyAction::None;
}

DateKeyAction DateLists::typeDigit(DatePart part, char c) {
    buffer_.push_back(c);
    const int value = partNumber(buffer_);
    const int digit = c - '0';
    if (part == DatePart::Year) {
        if (buffer_.size() == 2) {
            selectYear(value <= currentYear2_ ? 2000 + value : 1900 + value);
            // Only "19" and "20" can go on to a four-digit year.
            if (buffer_ != "19" && buffer_ != "20") buffer_.clear();
        } else if (buffer_.size() >= 4) {
            selectYear(value);
            buffer_.clear();
        }
        return DateKeyAction::Selected;
    }
    const int limit = part == DatePart::Month ? 12 : 31;
    int chosen = value;
    if (chosen > limit) chosen = digit;
    if (chosen >= 1 && chosen <= limit) setLine(part, chosen);
    if (buffer_.size() >= 2) buffer_.clear();
    return DateKeyAction::Selected;
}

DateKeyAction DateLists::typeLetter(char c) {
    const auto names = lines(DatePart::Month);
    auto search = [&](const std::string& prefix) {
        for (int m = 1; m < kMonthLines; ++m)
            if (startsWithNoCase(names[m], prefix)) return m;
        return 0;
    };
    buffer_.push_back(c);
    int found = search(buffer_);
    if (!found) {
        buffer_.assign(1, c);
        found = search(buffer_);
    }
    if (found) month_ = found;
    return DateKeyAction::Selected;
}

DateKeyAction DateLists::onKey(DatePart part, DateKey key) {
    buffer_.clear();
    switch (key) {
        case DateKey::Up:
            setLine(part, wrap(line(part) - 1, lineCount(part)));
            return DateKeyAction::Selected;
        case DateKey::Down:
            setLine(part, wrap(line(part) + 1, lineCount(part)));
            return DateKeyAction::Selected;
        case DateKey::Left:
            return DateKeyAction::FocusPrevious;
        case DateKey::Right:
            return DateKeyAction::FocusNext;
        case DateKey::Delete:
        case DateKey::Space:
            if (part == DatePart::Year) return DateKeyAction::None;
            setLine(part, 0);
            return DateKeyAction::Selected;
    }
    return DateKeyAction::None;
}

}  // namespace velno
