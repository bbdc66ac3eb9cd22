#pragma once
// The classification of publishers: not reporting, irregular, regular,
// inactive candidates, new, reactivated, moved in, gone inactive or moved
// away, auxiliary pioneers, years since baptism. Every count and list asks
// these questions, always from the ReportMonth.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "reporting/ReportPredicates.h"
#include "store/Calendar.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;
class RemarkTable;
struct ReportMonth;

// Low-nibble codes of statusMark and of its copy in listYear.
namespace StatusCode {
constexpr int New = 1;
constexpr int Reactivated = 2;
constexpr int MovedIn = 4;
constexpr int Any = New | Reactivated | MovedIn;
}  // namespace StatusCode

// Month index and year parity of a MonthStamp.
constexpr int month0Of(int stamp) {
    return ((stamp % 12) + 12) % 12;
}
constexpr int parityOf(int stamp) {
    return ((stamp < 0 ? stamp - 11 : stamp) / 12) & 1;
}
constexpr int slotOf(int stamp) {
    return monthSlot(month0Of(stamp), parityOf(stamp));
}

// Months of the service year up to and including month0 (September = 1).
constexpr int monthsElapsedInServiceYear(int month0) {
    return month0 >= 8 ? month0 - 7 : month0 + 5;
}
// Months of the service year after month0 (August is the last).
constexpr int monthsRemainingInServiceYear(int month0) {
    return month0 < 7 ? 7 - month0 : 19 - month0;
}
// The service year (named after the year it ends in) of a MonthStamp.
constexpr int serviceYearOf(int stamp) {
    return yearOfStamp(stamp) + (month0Of(stamp) >= 8 ? 1 : 0);
}

// Completed years from a "MMDDYYYY" date to today's year and month: a date
// whose month lies after today's month in an earlier year has not yet
// completed its last year. Nothing when the text holds no year.
std::optional<int> completedYears(std::string_view dateText, int todayYear, int todayMonth);

class Classification {
public:
    // The ReportMonth, its collection state, the remarks and today's date
    // of a document.
    explicit Classification(const CVelnoDoc& doc);
    // remarks may be null (no record has a remark).
    Classification(const ReportMonth& month, bool monthOpen, const RemarkTable* remarks);

    int month0() const { return month0_; }
    int parity() const { return parity_; }
    int stamp() const { return stamp_; }
    int yearOffset() const { return stamp_ / 12; }
    bool monthOpen() const { return open_; }
    int todayYear() const { return todayYear_; }
    int todayMonth() const { return todayMonth_; }
    // Parity of month0 at its most recent occurrence.
    int recentParity(int month0) const;
    int recentStamp(int month0) const;
    int monthsElapsed() const { return monthsElapsedInServiceYear(month0_); }

    // No report and no remark for month0 at its most recent occurrence.
    bool IsNotReporting(const PublisherRecord& r, int month0) const;
    // An active record without a report in the last six months.
    bool IsInactiveCandidate(const PublisherRecord& r) const;
    // Months (1..6) over which regularity is judged: a publisher who started
    // (or came back) recently is judged from his first month.
    int StatusWindow(const PublisherRecord& r, int mask) const;
    // Bit i set: month index i was missed within the last `count` months.
    // Special pioneers never miss a month; the open ReportMonth is never
    // missed.
    std::uint16_t MissedMonths(const PublisherRecord& r, int count) const;
    std::uint16_t IrregularMask(const PublisherRecord& r) const;
    bool IsRegular(const PublisherRecord& r) const { return IrregularMask(r) == 0; }

    // Month number 1..12 of a matching status, 0 when none.
    int StatusIn6Months(const PublisherRecord& r, int mask) const;
    int StatusInServiceYear(const PublisherRecord& r, int mask) const;
    int StatusIn12Months(const PublisherRecord& r, int mask) const;
    int StatusIn24Months(const PublisherRecord& r, int mask) const;

    // Month number 1..12 in which an inactive-list (inactiveList) or
    // moved-list record left, when within the period; 0 otherwise.
    int SideListIn6Months(const PublisherRecord& r, bool inactiveList) const;
    int SideListInServiceYear(const PublisherRecord& r, bool inactiveList) const;

    int AuxiliaryMonths(const PublisherRecord& r, int n) const;
    int ReportedMonths(const PublisherRecord& r, int n) const;

    std::optional<int> YearsSinceBaptism(const PublisherRecord& r) const;
    static bool IsBaptized(const PublisherRecord& r);
    std::optional<int> Age(const PublisherRecord& r) const;

    // Whether a month is within the last n months' walk (stamps).
    bool withinLast(int stamp, int n) const { return stamp <= stamp_ && stamp > stamp_ - n; }

private:
    int month0_ = 0;
    int parity_ = 0;
    int stamp_ = 0;
    bool open_ = false;
    int todayYear_ = 2000;
    int todayMonth_ = 1;
    const RemarkTable* remarks_ = nullptr;
};

// Brackets of the baptized list: "Baru Dibaptis" 0-1 years, "0 - 4 Thn",
// ..., "Lebih dari 60 Thn" 60-100. They overlap on purpose.
struct YearBracket {
    int textId;
    int from;
    int to;
    bool contains(int years) const { return years >= from && years <= to; }
};
extern const std::array<YearBracket, 9> kBaptizedListBrackets;

}  // namespace velno
