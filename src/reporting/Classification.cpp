#include "reporting/Classification.h"

#include <cstring>

#include "reporting/CollectionState.h"
#include "store/CVelnoDoc.h"
#include "store/ReportMonth.h"
#include "store/SideListPeriod.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

namespace {

// Digits of text[from, from + n), blanks allowed around them.
std::optional<int> numberAt(std::string_view text, std::size_t from, std::size_t n) {
    if (text.size() < from + n) return std::nullopt;
    int value = 0;
    bool any = false;
    for (std::size_t i = from; i < from + n; ++i) {
        const char c = text[i];
        if (c == ' ') {
            if (any) break;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        any = true;
    }
    if (!any) return std::nullopt;
    return value;
}

int highNibble(std::uint8_t b) {
    return b >> 4;
}
int lowNibble(std::uint8_t b) {
    return b & 0x0F;
}

}  // namespace

std::optional<int> completedYears(std::string_view dateText, int todayYear, int todayMonth) {
    // The year is present when its first character is a digit.
    if (dateText.size() < 8 || dateText[4] < '0') return std::nullopt;
    const auto year = numberAt(dateText, 4, 4);
    if (!year) return std::nullopt;
    const int month = numberAt(dateText, 0, 2).value_or(0);
    int y = *year;
    if (todayMonth < month && y < todayYear) ++y;
    return todayYear - y;
}

// ---- construction -------------------------------------------------------------

Classification::Classification(const CVelnoDoc& doc)
    : Classification(doc.reportMonth(), reportMonthState(doc) == Collection::Open, &doc.remarks()) {
}

Classification::Classification(const ReportMonth& month, bool monthOpen, const RemarkTable* remarks)
    : month0_(month.reportMonth0),
      parity_(month.reportYear2 & 1),
      stamp_(month.reportStamp),
      open_(monthOpen),
      todayYear_(month.todayYear),
      todayMonth_(month.todayMonth),
      remarks_(remarks) {}

int Classification::recentStamp(int month0) const {
    return month0 <= month0_ ? stamp_ - (month0_ - month0) : stamp_ - (month0_ + 12 - month0);
}

int Classification::recentParity(int month0) const {
    return parityOf(recentStamp(month0));
}

// ---- reporting ----------------------------------------------------------------

bool Classification::IsNotReporting(const PublisherRecord& r, int month0) const {
    const int p = recentParity(month0);
    if (IsReported(r, month0, p)) return false;
    return !(remarks_ && HasRemark(r, *remarks_, month0, p));
}

bool Classification::IsInactiveCandidate(const PublisherRecord& r) const {
    if (r.listKind != ListActive) return false;
    return ReportedMonths(r, 6) == 0;
}

int Classification::StatusWindow(const PublisherRecord& r, int mask) const {
    if ((r.statusCode() & mask) == 0) return 6;
    const int markMonth = r.statusMonth();
    bool reached = false;
    for (int i = 0; i < 6; ++i) {
        const int s = stamp_ - i;
        if (month0Of(s) + 1 == markMonth) reached = true;
        // From the month of the mark on, the window ends where the months
        // before hold no hours: the publisher had not started yet.
        if (reached && !HasHoursOrCode(r, month0Of(s - 1), parityOf(s - 1))) return i + 1;
    }
    return 6;
}

std::uint16_t Classification::MissedMonths(const PublisherRecord& r, int count) const {
    std::uint16_t missed = 0;
    walkBack(stamp_, count, [&](const WalkMonth& m) {
        if (m.stamp == stamp_ && open_) return true;
        if (r.kindAt(monthSlot(m.month0, m.parity)) == ServiceSpecial) return true;
        if (!IsReported(r, m.month0, m.parity))
            missed = static_cast<std::uint16_t>(missed | (1u << m.month0));
        return true;
    });
    return missed;
}

std::uint16_t Classification::IrregularMask(const PublisherRecord& r) const {
    const int window = StatusWindow(r, StatusCode::Any);
    return MissedMonths(r, window < 6 ? window : 6);
}

// ---- status marks -------------------------------------------------------------

int Classification::StatusIn6Months(const PublisherRecord& r, int mask) const {
    const int month = r.statusMonth();
    if (month == 0 || (r.statusCode() & mask) == 0) return 0;
    for (int i = 0; i < 6; ++i)
        if (month0Of(stamp_ - i) + 1 == month) return month;
    return 0;
}

int Classification::StatusInServiceYear(const PublisherRecord& r, int mask) const {
    const int month = highNibble(r.listYear);
    if (month == 0 || (lowNibble(r.listYear) & mask) == 0) return 0;
    for (int i = 0; i < monthsElapsed(); ++i)
        if (month0Of(stamp_ - i) + 1 == month) return month;
    return 0;
}

int Classification::StatusIn12Months(const PublisherRecord& r, int mask) const {
    if (lowNibble(r.listYear) & mask) return highNibble(r.listYear);
    if (r.statusCode() & mask) return r.statusMonth();
    return 0;
}

int Classification::StatusIn24Months(const PublisherRecord& r, int mask) const {
    const bool markMatches = (r.statusCode() & mask) != 0;
    const bool copyMatches = (lowNibble(r.listYear) & mask) != 0;
    if (!markMatches && !copyMatches) return 0;
    if (r.markStamp != 0) {
        const int age = stamp_ - r.markStamp;
        if (age > 23) return 0;
        if (age >= 12) return month0Of(r.markStamp) + 1;
    }
    // Within the last twelve months the month is the mark's own: a cleared
    // mark lists nobody, whatever its copy still says.
    return r.statusMonth();
}

// ---- side lists -------------------------------------------------------------

int Classification::SideListIn6Months(const PublisherRecord& r, bool inactiveList) const {
    return sidePeriodMonth(r, stamp_, inactiveList, SidePeriod::SixMonths);
}

int Classification::SideListInServiceYear(const PublisherRecord& r, bool inactiveList) const {
    return sidePeriodMonth(r, stamp_, inactiveList, SidePeriod::ServiceYear);
}

// ---- counts over months -----------------------------------------------------

int Classification::AuxiliaryMonths(const PublisherRecord& r, int n) const {
    int count = 0;
    walkBack(stamp_, n, [&](const WalkMonth& m) {
        count += r.kindAt(monthSlot(m.month0, m.parity)) == ServiceAuxiliary;
        return true;
    });
    return count;
}

int Classification::ReportedMonths(const PublisherRecord& r, int n) const {
    int count = 0;
    walkBack(stamp_, n, [&](const WalkMonth& m) {
        count += IsReported(r, m.month0, m.parity);
        return true;
    });
    return count;
}

// ---- dates ------------------------------------------------------------------

bool Classification::IsBaptized(const PublisherRecord& r) {
    return r.bapdate[4] > '0';
}

std::optional<int> Classification::YearsSinceBaptism(const PublisherRecord& r) const {
    if (!IsBaptized(r)) return std::nullopt;
    return completedYears(std::string_view(r.bapdate, strnlen(r.bapdate, sizeof r.bapdate)),
                          todayYear_, todayMonth_);
}

std::optional<int> Classification::Age(const PublisherRecord& r) const {
    return completedYears(std::string_view(r.birdate, strnlen(r.birdate, sizeof r.birdate)),
                          todayYear_, todayMonth_);
}

const std::array<YearBracket, 9> kBaptizedListBrackets{{
    {text::TxBracketNewlyBaptized, 0, 1},
    {text::TxBracket0To4, 0, 4},
    {text::TxBracket5To9, 5, 9},
    {text::TxBracket10To19, 10, 19},
    {text::TxBracket20To29, 20, 29},
    {text::TxBracket30To39, 30, 39},
    {text::TxBracket40To49, 40, 49},
    {text::TxBracket50To59, 50, 59},
    {text::TxBracket60Plus, 60, 100},
}};

}  // namespace velno
