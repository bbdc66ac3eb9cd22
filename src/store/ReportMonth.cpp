#include "store/ReportMonth.h"

namespace velno {

void ReportMonth::deriveFrom(const CalendarDate& today) {
    todayYear = today.year;
    todayMonth = today.month;
    todayDay = today.day;
    int year = todayYear;
    int month = todayMonth;
    if (earlyYear2 != 0) {
        year = 2000 + earlyYear2;
        month = earlyMonth;
    }
    setStamp((year - 2000) * 12 + (month - 1) - 1);
}

void ReportMonth::setStamp(int stamp) {
    reportStamp = static_cast<MonthStamp>(stamp);
    reportMonth0 = static_cast<std::uint8_t>(stamp % 12);
    reportYear2 = static_cast<std::uint8_t>((stamp / 12) & 0xFF);
    newFormatActive = reportStamp > kNewFormatFromStamp;
}

int ReportMonth::recentSlot(int month0) const {
    return monthSlot(month0, parityOfYear(recentYear(month0)));
}

}  // namespace velno
