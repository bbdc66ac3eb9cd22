#include "reporting/RecordCard.h"

#include "reporting/CollectionState.h"
#include "reporting/RecordAverages.h"
#include "reporting/ReportPredicates.h"
#include "store/CVelnoDoc.h"
#include "store/DateText.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"

namespace velno {

namespace {

// Bits of the "HideAvg" setting.
constexpr int kHideAverageBit[2] = {1, 2};
constexpr int kHideTotalBit[2] = {4, 8};

// September is month0 8: the first month of a service year.
constexpr int kSeptember = 8;

int monthsIntoServiceYear(int month0) {
    return (month0 - kSeptember + 12) % 12 + 1;
}

std::string number(int value) {
    return value == 0 ? std::string() : std::to_string(value);
}

// One month of a card as the record holds it, or blank when the month lies
// outside the months the slots hold or has not been collected yet.
struct MonthAt {
    int month0, year, stamp, slot;
    bool held;
};

MonthAt monthAt(const CVelnoDoc& doc, int stamp) {
    const ReportMonth& rm = doc.reportMonth();
    MonthAt m{month0OfStamp(stamp), yearOfStamp(stamp), stamp, 0, false};
    m.slot = monthSlot(m.month0, parityOfYear(m.year));
    // Each slot holds the month of one of two years: anything later than
    // the ReportMonth, or 24 months before it, would be another year's.
    m.held = stamp <= rm.reportStamp && stamp > rm.reportStamp - 24;
    if (stamp == rm.reportStamp && collectionState(doc, m.month0) == Collection::NotInitialised)
        m.held = false;
    return m;
}

// The stamps of a table: a service year from September, or a span of
// months ending `endStamp`.
std::vector<int> stampsOfServiceYear(int serviceYear) {
    std::vector<int> stamps;
    for (int i = 0; i < 12; ++i) stamps.push_back(stampOf(serviceYear - 1, kSeptember) + i);
    return stamps;
}

int serviceYearOfStamp(int stamp) {
    return yearOfStamp(stamp) + (month0OfStamp(stamp) >= kSeptember ? 1 : 0);
}

std::string remarkOf(const CVelnoDoc& doc, const PublisherRecord& r, int slot) {
    const int k = r.remarkIndex[slot];
    if (!doc.remarks().hasText(k)) return {};
    return text::cp1252ToUtf8(doc.remarks().at(k).textString());
}

bool hoursShown(const PublisherRecord& r, int slot) {
    return (r.categoryBits & CategoryBit::Missionary) || r.kindAt(slot) != ServicePublisher;
}

// Sums of one table's columns, for totals and averages.
struct Sums {
    std::array<long, 5> items{};
    long quarters = 0;
    long shared = 0, aux = 0;
    int reportedMonths = 0;
};

void addPublisherMonth(const CVelnoDoc& doc, const PublisherRecord& r, const MonthAt& m,
                       CardForm form, CardRow& row, Sums& sums, bool summary) {
    const int slot = m.slot;
    const int parity = parityOfYear(m.year);
    const bool reported = IsReported(r, m.month0, parity) || r.hasReportAt(slot);
    if (reported) ++sums.reportedMonths;
    for (int item = 0; item < kReportItems; ++item) sums.items[item] += r.itemAt(slot, item);
    sums.quarters += quarterHoursAt(r, slot);
    const bool shared = IsReported(r, m.month0, parity);
    const bool aux = r.kindAt(slot) == ServiceAuxiliary;
    if (shared) ++sums.shared;
    if (aux) ++sums.aux;
    if (form == CardForm::New) {
        row.shared = row.shared || shared;
        row.aux = row.aux || aux;
        row.sharedCount += shared ? 1 : 0;
        row.auxCount += aux ? 1 : 0;
        const int studies = r.itemAt(slot, 4);
        if (studies) row.studies = row.studies.value_or(0) + studies;
        if (hoursShown(r, slot)) row.hours = row.hours.value_or(0) + r.hours[slot];
    }
    if (!summary) row.remark = remarkOf(doc, r, slot);
}

void finishOldRow(CardRow& row, const std::array<long, 5>& items, long quarters) {
    for (int item = 0; item < kReportItems; ++item)
        row.items[item] = number(static_cast<int>(items[item]));
    if (items[2] || quarters)
        row.items[2] = hoursText(static_cast<int>(items[2]), static_cast<int>(quarters));
}

// The remark of a five-number month: the auxiliary mark, the under-an-hour
// mark and the remark, blank-separated.
std::string oldFormRemark(const PublisherRecord& r, int slot, const std::string& remark) {
    std::string out;
    auto add = [&out](const std::string& part) {
        if (part.empty()) return;
        if (!out.empty()) out += ' ';
        out += part;
    };
    if (r.kindAt(slot) == ServiceAuxiliary) add(text::tr(text::TxCardAuxiliaryRemark));
    if (r.studiesWord[slot] & StudiesWord::SharedOrUnderHour) add(text::tr(text::TxCardUnderHour));
    add(remark);
    return out;
}

struct TableRange {
    std::vector<int> stamps;
    int serviceYear;
    int position;  // 0 current, 1 previous: which hide options apply
};

std::vector<TableRange> tablesOf(const CVelnoDoc& doc, const CardRequest& request) {
    const int reportStamp = doc.reportMonth().reportStamp;
    std::vector<TableRange> ranges;
    auto span = [&](int months, int end, int position) {
        TableRange range{{}, serviceYearOfStamp(end), position};
        for (int s = end - months + 1; s <= end; ++s) range.stamps.push_back(s);
        ranges.push_back(range);
    };
    const int back = request.previous ? 1 : 0;
    switch (request.span) {
        case CardSpan::ServiceYear: {
            const int sy = currentServiceYear(doc) - back;
            ranges.push_back({stampsOfServiceYear(sy), sy, 0});
            ranges.push_back({stampsOfServiceYear(sy - 1), sy - 1, 1});
            break;
        }
        case CardSpan::SixMonths:
            span(6, reportStamp - 12 * back, 0);
            break;
        case CardSpan::TwelveMonths:
            span(12, reportStamp - 12 * back, 0);
            break;
        case CardSpan::TwentyFourMonths:
            span(12, reportStamp, 0);
            span(12, reportStamp - 12, 1);
            break;
    }
    return ranges;
}

// Months an average of the table counts: the months so far of the current
// service year, all of any other table.
int monthsCounted(const CVelnoDoc& doc, const TableRange& range) {
    const int reportStamp = doc.reportMonth().reportStamp;
    int months = 0;
    for (const int s : range.stamps)
        if (s <= reportStamp) ++months;
    if (range.stamps.size() == 12 && range.serviceYear == currentServiceYear(doc))
        months = monthsIntoServiceYear(doc.reportMonth().reportMonth0);
    return months;
}

// "%3.1f" on a publisher's card, "%4.1f" on the summary card.
std::string average(double total, int months, bool wide) {
    if (months <= 0) return {};
    const double value = total / months;
    return wide ? text::formatPrintf("%4.1f", value) : text::formatPrintf("%3.1f", value);
}

// Builds one table over the records given (one for a card, all for the
// summary card).
CardTable buildTable(const CVelnoDoc& doc, const std::vector<int>& positions,
                     const TableRange& range, const CardRequest& request, bool summary) {
    CardTable table;
    table.serviceYear = range.serviceYear;
    // A span takes the form of its first month, as its service year would.
    table.form = formOfServiceYear(serviceYearOfStamp(range.stamps.front()));
    Sums sums;
    for (const int stamp : range.stamps) {
        const MonthAt m = monthAt(doc, stamp);
        CardRow row;
        row.month0 = m.month0;
        row.year = m.year;
        row.blank = !m.held;
        if (m.held) {
            const Sums before = sums;
            for (const int pos : positions) {
                const PublisherRecord& r = doc.store().at(pos);
                addPublisherMonth(doc, r, m, table.form, row, sums, summary);
                if (table.form == CardForm::Old && !summary)
                    row.remark = oldFormRemark(r, m.slot, row.remark);
            }
            if (table.form == CardForm::Old) {
                std::array<long, 5> items{};
                for (int i = 0; i < kReportItems; ++i) items[i] = sums.items[i] - before.items[i];
                finishOldRow(row, items, sums.quarters - before.quarters);
            }
        }
        table.rows.push_back(row);
    }

    const bool hideTotals = request.options.hideTotals[range.position];
    const bool hideAverages = request.options.hideAverages[range.position];
    const int months = monthsCounted(doc, range);
    const double hours = static_cast<double>(sums.items[2]) + sums.quarters / 4.0;
    if (table.form == CardForm::New) {
        if (hideTotals) return table;
        if (summary) {
            table.newTotals[0] = average(static_cast<double>(sums.shared), months, true);
            table.newTotals[1] = average(static_cast<double>(sums.items[4]), months, true);
            table.newTotals[2] = average(static_cast<double>(sums.aux), months, true);
            table.newTotals[3] = average(hours, months, true);
            return table;
        }
        // Only a pioneer's card (by the ReportMonth) carries the hours total.
        const PublisherRecord& r = doc.store().at(positions.front());
        if (r.kindAt(doc.reportMonth().slot()) != ServicePublisher)
            table.newTotals[3] =
                hoursText(static_cast<int>(sums.items[2]), static_cast<int>(sums.quarters));
        return table;
    }
    std::array<long, 5> totals = sums.items;
    CardRow totalRow;
    finishOldRow(totalRow, totals, sums.quarters);
    if (!hideTotals) table.totals = totalRow.items;
    if (!hideAverages) {
        // A publisher's averages count the months reported (at most the
        // months so far); the summary card's count every month so far.
        const int divisor = summary ? months : std::min(sums.reportedMonths, months);
        for (int i = 0; i < kReportItems; ++i) {
            const double total = i == 2 ? hours : static_cast<double>(totals[i]);
            // A column without any number stays blank rather than "0.0".
            if (total > 0) table.averages[i] = average(total, divisor, summary);
        }
    }
    return table;
}

}  // namespace

CardOptions CardOptions::fromSettings(const Settings& s) {
    CardOptions o;
    for (int y = 0; y < 2; ++y) {
        o.hideAverages[y] = (s.hideAverages & kHideAverageBit[y]) != 0;
        o.hideTotals[y] = (s.hideAverages & kHideTotalBit[y]) != 0;
    }
    o.showGroup = s.printGroup != 0;
    o.onePerPage = s.onePerPage != 0;
    o.hideBirth = s.hideBirth != 0;
    return o;
}

int CardOptions::hideBits() const {
    int bits = 0;
    for (int y = 0; y < 2; ++y) {
        if (hideAverages[y]) bits |= kHideAverageBit[y];
        if (hideTotals[y]) bits |= kHideTotalBit[y];
    }
    return bits;
}

bool CardOptions::storeInto(Settings& s) const {
    const bool changed = s.hideAverages != hideBits() || s.printGroup != int(showGroup) ||
                         s.onePerPage != int(onePerPage) || s.hideBirth != int(hideBirth);
    s.hideAverages = hideBits();
    s.printGroup = showGroup ? 1 : 0;
    s.onePerPage = onePerPage ? 1 : 0;
    s.hideBirth = hideBirth ? 1 : 0;
    return changed;
}

int currentServiceYear(const CVelnoDoc& doc) {
    const ReportMonth& rm = doc.reportMonth();
    return rm.reportYear2 + 2000 + (rm.reportMonth0 >= kSeptember ? 1 : 0);
}

std::string cardDate(const char* dateText, bool yearOnly) {
    const auto parts = parseDateText(fieldText(dateText, kDateTextLength));
    if (!parts) return {};
    if (yearOnly) return std::to_string(parts->year);
    return text::formatPrintf("%d %s %d", parts->day, text::monthName(parts->month - 1).c_str(),
                              parts->year);
}

RecordCard buildRecordCard(const CVelnoDoc& doc, int pos, const CardRequest& request) {
    const PublisherRecord& r = doc.store().at(pos);
    RecordCard card;
    card.span = request.span;
    CardHeader& h = card.header;
    h.name = text::cp1252ToUtf8(doc.displayName(pos));
    h.birth = cardDate(r.birdate, request.options.hideBirth);
    h.baptism = cardDate(r.bapdate, false);
    if (request.options.showGroup && r.group >= 1 && r.group <= doc.groups().count())
        h.group = text::cp1252ToUtf8(doc.groups().displayName(r.group));
    const int slot = doc.reportMonth().slot();
    h.boxes[BoxMale] = (r.flags & RecordFlag::Brother) != 0;
    h.boxes[BoxFemale] = (r.flags & RecordFlag::Sister) != 0;
    // Hope is only marked for the baptised.
    if (trimmed(fieldText(r.bapdate)).size() >= 5) {
        h.boxes[BoxOtherSheep] = r.hope != 'A';
        h.boxes[BoxAnointed] = r.hope == 'A';
    }
    h.boxes[BoxElder] = r.privilege() == PrivilegeElder;
    h.boxes[BoxServant] = r.privilege() == PrivilegeServant;
    h.boxes[BoxRegularPioneer] = r.kindAt(slot) == ServiceRegular;
    h.boxes[BoxSpecialPioneer] = r.kindAt(slot) == ServiceSpecial;
    h.boxes[BoxMissionary] = (r.categoryBits & CategoryBit::Missionary) != 0;

    for (const TableRange& range : tablesOf(doc, request))
        card.tables.push_back(buildTable(doc, {pos}, range, request, false));
    return card;
}

RecordCard buildSummaryCard(const CVelnoDoc& doc, bool inactive, const CardRequest& request) {
    RecordCard card;
    card.summary = true;
    card.span = request.span;
    card.header.name = text::tr(text::TxCardTotal);
    const auto& list = doc.store().subList(inactive ? ListInactive : ListActive);
    const std::vector<int> positions(list.begin(), list.end());
    for (const TableRange& range : tablesOf(doc, request))
        card.tables.push_back(buildTable(doc, positions, range, request, true));
    return card;
}

}  // namespace velno
