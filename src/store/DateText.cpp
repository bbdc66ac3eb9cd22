#include "store/DateText.h"

#include <cstdio>

#include "store/FixedText.h"

namespace velno {

std::string makeDateText(int month, int day, int year) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%2d%2d%4d", month, day, year);
    return std::string(buffer).substr(0, kDateTextLength);
}

namespace {

std::optional<int> number(std::string_view text) {
    const auto t = trimmed(text);
    if (t.empty()) return std::nullopt;
    int value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<DateParts> parseDateText(std::string_view text) {
    if (text.size() < kDateTextLength) return std::nullopt;
    const auto month = number(text.substr(0, 2));
    const auto day = number(text.substr(2, 2));
    const auto year = number(text.substr(4, 4));
    if (!month || !day || !year) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
    return DateParts{*year, *month, *day};
}

bool isDateSet(std::string_view text) {
    return !trimmed(text).empty();
}

std::string dateTextToExchange(std::string_view text) {
    std::string padded(text.substr(0, kDateTextLength));
    padded.resize(kDateTextLength, ' ');
    return padded.substr(4, 4) + "-" + padded.substr(0, 2) + "-" + padded.substr(2, 2);
}

}  // namespace velno
