#pragma once
// The month whose reports are being collected: by default the calendar
// month before today's.

#include <cstdint>

#include "store/Calendar.h"

namespace velno {

struct ReportMonth {
    std::uint8_t reportMonth0 = 0;
    std::uint8_t reportYear2 = 0;  // two-digit year
    MonthStamp reportStamp = 0;
    int todayYear = 2000;
    int todayMonth = 1;  // 1..12
    int todayDay = 1;
    int earlyYear2 = 0;  // 0 = no early start
    int earlyMonth = 0;  // 1..12
    bool newFormatActive = false;

    int reportYear() const { return yearOfStamp(reportStamp); }
    int parity() const { return reportYear2 & 1; }
    int slot() const { return monthSlot(reportMonth0, parity()); }

    // Sets today's date and derives the month before it (the early start,
    // when set, takes the place of today's year and month).
    void deriveFrom(const CalendarDate& today);
    // Moves the processing month to a stamp (the start dialog, snapshots).
    void setStamp(int stamp);

    // Slot of month0 at its most recent occurrence seen from this month.
    int recentSlot(int month0) const;
    // Year of month0 at its most recent occurrence seen from this month.
    int recentYear(int month0) const { return mostRecentYear(month0, reportMonth0, reportYear()); }
};

}  // namespace velno
