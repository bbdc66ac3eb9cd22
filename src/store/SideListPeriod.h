#pragma once
// Which side-list records fall into a period seen from the ReportMonth (its MonthStamp): the
// filters of the inactive and moved lists, shared by the side-list dialogs
// and the list viewer so that both list the same people.

#include "store/PublisherRecord.h"

namespace velno {

enum class SidePeriod { SixMonths, ServiceYear, TwelveMonths, MoreThanTwelve, All };

// The month (1..12) a record joined its list when the period lists it, -1
// when the period lists it without a month, 0 when it is not listed. On the
// inactive list the year byte counts too; the moved list keeps no year.
int sidePeriodMonth(const PublisherRecord& r, int reportStamp, bool inactiveList,
                    SidePeriod period);

}  // namespace velno
