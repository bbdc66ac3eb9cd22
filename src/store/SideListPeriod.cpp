#include "store/SideListPeriod.h"

#include <optional>

#include "store/Calendar.h"

namespace velno {

namespace {

constexpr int month0Of(int stamp) {
    return ((stamp % 12) + 12) % 12;
}
constexpr int parityOf(int stamp) {
    return ((stamp < 0 ? stamp - 11 : stamp) / 12) & 1;
}

int monthsElapsedInServiceYear(int month0) {
    return month0 >= 8 ? month0 - 7 : month0 + 5;
}

// The stamp of an inactive record's month; none when no month is stored.
// Years before 2000 give negative stamps, as valid as any other.
std::optional<int> inactiveStamp(const PublisherRecord& r) {
    if (r.statusMonth() < 1 || r.statusMonth() > 12) return std::nullopt;
    return (yearFromByte(r.listYear) - 2000) * 12 + r.statusMonth() - 1;
}

// The record's month among the `months` ending with the ReportMonth; on the
// inactive list only from last year on and with the year's parity.
int walk(const PublisherRecord& r, int stamp, bool inactiveList, int months) {
    if (r.statusMark == 0) return 0;
    if (inactiveList && yearFromByte(r.listYear) < yearOfStamp(stamp) - 1) return 0;
    const int month = r.statusMonth();
    for (int i = 0; i < months; ++i) {
        const int s = stamp - i;
        if (month0Of(s) + 1 != month) continue;
        if (inactiveList && parityOf(s) != (r.listYear & 1)) continue;
        return month;
    }
    return 0;
}

}  // namespace

int sidePeriodMonth(const PublisherRecord& r, int stamp, bool inactiveList, SidePeriod period) {
    switch (period) {
        case SidePeriod::SixMonths:
            return walk(r, stamp, inactiveList, 6);
        case SidePeriod::ServiceYear:
            return walk(r, stamp, inactiveList, monthsElapsedInServiceYear(month0Of(stamp)));
        case SidePeriod::TwelveMonths:
        case SidePeriod::MoreThanTwelve: {
            bool lastTwelve = false;
            if (!inactiveList) {
                // A moved record leaves its list after twelve months.
                lastTwelve = r.statusMonth() >= 1 && r.statusMonth() <= 12;
            } else if (const auto s = inactiveStamp(r)) {
                lastTwelve = *s <= stamp && *s > stamp - 12;
            }
            if (period == SidePeriod::TwelveMonths) return lastTwelve ? r.statusMonth() : 0;
            // Exactly the records the last twelve months leave out.
            if (lastTwelve) return 0;
            return inactiveStamp(r) ? r.statusMonth() : -1;
        }
        case SidePeriod::All:
            return r.statusMonth() >= 1 && r.statusMonth() <= 12 ? r.statusMonth() : -1;
    }
    return 0;
}

}  // namespace velno
