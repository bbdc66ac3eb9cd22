#pragma once
// Month arithmetic shared by every subsystem: MonthStamp, two-digit years,
// month slots and their year parity.

#include <cstdint>
#include <string>

namespace velno {

// Months counted from January 2000.
using MonthStamp = std::uint16_t;

constexpr int kMonthsPerSlotGroup = 3;  // even year, odd year, working slot
constexpr int kSlotCount = 36;
// Months after this stamp (September 2023) use the new report form.
constexpr MonthStamp kNewFormatFromStamp = 284;

constexpr int stampOf(int year, int month0) {
    return (year - 2000) * 12 + month0;
}
constexpr int yearOfStamp(int stamp) {
    return stamp / 12 + 2000;
}
constexpr int month0OfStamp(int stamp) {
    return stamp % 12;
}

// A year kept in one byte: 0..200 are 2000..2200, 201..255 are 1945..1999.
constexpr int yearFromByte(std::uint8_t value) {
    return value <= 200 ? 2000 + value : 1744 + value;
}
constexpr std::uint8_t yearToByte(int year) {
    return static_cast<std::uint8_t>((year - 2000) & 0xFF);
}

// Parity of a calendar year as the month slots use it (on the two-digit year).
constexpr int parityOfYear(int year) {
    return yearToByte(year) & 1;
}

constexpr int monthSlot(int month0, int parity) {
    return month0 * kMonthsPerSlotGroup + parity;
}

// The year of the most recent occurrence of month0 seen from the month
// (reportMonth0, reportYear): this year unless the month lies after it.
constexpr int mostRecentYear(int month0, int reportMonth0, int reportYear) {
    return month0 <= reportMonth0 ? reportYear : reportYear - 1;
}

// "%d-%.2d": four-digit year and month 1..12.
std::string formatStamp(int stamp);

struct CalendarDate {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;
};

}  // namespace velno
