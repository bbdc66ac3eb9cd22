#pragma once
// Averages and sums over the last months of the records: per category of
// the congregation, per publisher, and hours with their quarter hours.

#include <string>

#include "reporting/Classification.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

// Report items as CategoryAverage, PublisherAverage and MonthsSum take them.
namespace ReportItem {
constexpr int Placements = 0;
constexpr int Videos = 1;
constexpr int Hours = 2;
constexpr int ReturnVisits = 3;
constexpr int Studies = 4;
}  // namespace ReportItem

// CategoryAverage's kind that matches every service kind.
constexpr int kAnyServiceKind = 15;
// CategoryAverage's filter: privilege bits 0..1, the custom category bit.
namespace CategoryFilter {
constexpr int PrivilegeMask = 0x03;
constexpr int Custom = 0x10;
}  // namespace CategoryFilter

// Quarter hours of a slot (bits 12..15 of studiesWord).
inline int quarterHoursAt(const PublisherRecord& r, int slot) {
    return r.studiesWord[slot] >> StudiesWord::QuarterShift;
}
// Whole hours that a sum of quarter hours adds: three quarters round up,
// one or two are dropped.
constexpr int carriedQuarterHours(int quarters) {
    return quarters / 4 + (quarters % 4 == 3 ? 1 : 0);
}
// "¼", "½", "¾" for one to three quarters left over, else "".
const std::string& quarterFraction(int quarters);
// Printed hours: the whole hours with every four quarters added, followed
// by the fraction of the quarters left ("12½"; "¾" alone without hours).
std::string hoursText(int hours, int quarters);

// The average value per report over the last `months` months of the
// active publishers who pass the group and the filter and whose kind in
// that month is `kind`. Hours carry their quarter hours. 0 without reports.
double CategoryAverage(const CVelnoDoc& doc, int kind, int months, int value, int group,
                       int filter);

// One record's average over the last `months` months. Unreported months
// count as 0. With pioneerOnly (hours): only months as a pioneer count,
// quarter hours are left out, and the sum is divided by the months with
// hours.
double PublisherAverage(const Classification& cls, int value, const PublisherRecord& r, int months,
                        bool pioneerOnly);

struct MonthsSumResult {
    int value = 0;     // hours: whole hours with the carried quarter hours
    int quarters = 0;  // hours: every quarter hour of the months
    int rawHours = 0;  // hours: the hours without quarters
    std::string text;  // printed form (hours with their fraction)
};
MonthsSumResult MonthsSum(const Classification& cls, const PublisherRecord& r, int value,
                          int months);

}  // namespace velno
