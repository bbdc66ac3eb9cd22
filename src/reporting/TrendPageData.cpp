#include "reporting/TrendPageData.h"

#include <algorithm>

#include "reporting/Classification.h"
#include "reporting/RecordAverages.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

namespace {

std::string withMonth(int textId, int month0) {
    return text::tr(textId) + " " + text::monthName(month0);
}

}  // namespace

// ---- three/six-month averages -------------------------------------------------

AverageRow averageRow(const CVelnoDoc& doc, const Classification& cls, int pos) {
    const PublisherRecord& r = doc.store().at(pos);
    AverageRow row;
    row.pos = pos;
    row.id = r.id;
    row.name = publisherName(doc, pos);
    row.kind = r.kindAt(monthSlot(cls.month0(), cls.parity()));
    row.reported3 = cls.ReportedMonths(r, 3);
    row.reported6 = cls.ReportedMonths(r, 6);
    // A publisher who started or moved in recently is averaged over his
    // months only.
    const int window = cls.StatusWindow(r, StatusCode::New | StatusCode::MovedIn);
    const int w3 = std::min(window, 3);
    const int w6 = std::min(window, 6);
    row.studies3 = PublisherAverage(cls, ReportItem::Studies, r, w3, false);
    row.studies6 = PublisherAverage(cls, ReportItem::Studies, r, w6, false);
    row.aux3 = cls.AuxiliaryMonths(r, 3);
    row.aux6 = cls.AuxiliaryMonths(r, 6);
    row.hours3 = PublisherAverage(cls, ReportItem::Hours, r, w3, true);
    row.hours6 = PublisherAverage(cls, ReportItem::Hours, r, w6, true);
    row.reportedText = text::formatPrintf("%d / %d", row.reported3, row.reported6);
    row.studiesText = text::formatPrintf("%6.1f/%4.1f", row.studies3, row.studies6);
    row.auxText = row.aux6 ? text::formatPrintf("%d / %d", row.aux3, row.aux6) : std::string();
    row.hoursText = text::formatPrintf("%6.1f/%4.1f", row.hours3, row.hours6);
    return row;
}

AveragesPage averagesPage(const CVelnoDoc& doc, const PublisherSelection& selection) {
    const Classification cls(doc);
    AveragesPage page;
    page.title = withMonth(text::TxAveragesTitle, cls.month0());
    page.subtitle = selection.subtitle(doc);
    for (const std::uint16_t pos : doc.store().subList(ListActive)) {
        if (!selection.passes(doc.store().at(pos), cls)) continue;
        AverageRow row = averageRow(doc, cls, pos);
        AverageKindTotal& t = page.byKind[row.kind];
        ++t.rows;
        t.studies3 += row.studies3;
        t.studies6 += row.studies6;
        t.hours3 += row.hours3;
        t.hours6 += row.hours6;
        page.rows.push_back(std::move(row));
    }
    return page;
}

// ---- regular-pioneer hours ----------------------------------------------------

int pioneerStartMonth(const Classification& cls, const PublisherRecord& r) {
    for (int i = 0; i < 12; ++i) {
        const int s = cls.stamp() - i;
        const int m = month0Of(s);
        if (r.kindAt(slotOf(s)) != ServiceRegular) return (m + 1) % 12;
        if (m == 8) return 8;
    }
    return 8;
}

int pioneerMonthlyGoal(const Classification& cls) {
    const int serviceYearOffset = cls.yearOffset() + (cls.month0() >= 8 ? 1 : 0);
    return serviceYearOffset < 23 ? 70 : 50;
}

PioneerHoursRow pioneerHoursRow(const CVelnoDoc& doc, const Classification& cls, int pos) {
    const PublisherRecord& r = doc.store().at(pos);
    PioneerHoursRow row;
    row.pos = pos;
    row.id = r.id;
    row.startMonth0 = pioneerStartMonth(cls, r);
    row.lateStart = row.startMonth0 != 8;
    row.name = publisherName(doc, pos) + (row.lateStart ? " *" : "");
    row.enrolledMonths = monthsEnrolledFrom(row.startMonth0);
    row.elapsedMonths =
        cls.month0() - row.startMonth0 + 1 + (cls.month0() < row.startMonth0 ? 12 : 0);
    for (int i = 0; i < row.elapsedMonths; ++i) {
        const int slot = slotOf(cls.stamp() - i);
        row.hours += r.hours[slot];
        row.credit += r.credit[slot];
    }
    row.total = row.hours + row.credit;
    row.average = static_cast<double>(row.total) / row.elapsedMonths;
    row.remaining = std::max(0, row.enrolledMonths * pioneerMonthlyGoal(cls) - row.total);
    if (cls.month0() != 7) {
        const int left = monthsRemainingInServiceYear(cls.month0());
        row.perMonth = row.remaining == 0 ? 0.0 : static_cast<double>(row.remaining) / left;
    }
    return row;
}

PioneerHoursPage pioneerHoursPage(const CVelnoDoc& doc) {
    const Classification cls(doc);
    PioneerHoursPage page;
    page.title = withMonth(text::TxServiceYearTotalsTitle, cls.month0());
    page.subtitle = text::tr(text::TxRegularPioneersLower);
    page.goal = pioneerMonthlyGoal(cls);
    page.showsPerMonth = cls.month0() != 7;
    const int slot = monthSlot(cls.month0(), cls.parity());
    bool anyLate = false;
    for (const std::uint16_t pos : doc.store().subList(ListActive)) {
        if (doc.store().at(pos).kindAt(slot) != ServiceRegular) continue;
        page.rows.push_back(pioneerHoursRow(doc, cls, pos));
        anyLate = anyLate || page.rows.back().lateStart;
    }
    if (anyLate) page.footnote = " * " + text::tr(text::TxEnrolledAfterSeptember);
    return page;
}

// ---- service-year totals -------------------------------------------------------

ServiceYearTotalsPage serviceYearTotalsPage(const CVelnoDoc& doc,
                                            const PublisherSelection& selection) {
    const Classification cls(doc);
    ServiceYearTotalsPage page;
    page.title = withMonth(text::TxServiceYearTotalsTitle, cls.month0());
    page.subtitle = selection.subtitle(doc);
    page.months = cls.monthsElapsed();
    page.total.name = text::tr(text::TxTotalRow);
    for (const std::uint16_t pos : doc.store().subList(ListActive)) {
        const PublisherRecord& r = doc.store().at(pos);
        if (!selection.passes(r, cls)) continue;
        ServiceYearTotalsRow row;
        row.pos = pos;
        row.id = r.id;
        row.name = publisherName(doc, pos);
        row.reportedMonths = cls.ReportedMonths(r, page.months);
        row.studies = MonthsSum(cls, r, ReportItem::Studies, page.months).value;
        row.auxiliaryMonths = cls.AuxiliaryMonths(r, page.months);
        const MonthsSumResult hours = MonthsSum(cls, r, ReportItem::Hours, page.months);
        row.rawHours = hours.rawHours;
        row.quarters = hours.quarters;
        row.hours = hours.value;
        row.hoursText = hours.text;
        page.total.reportedMonths += row.reportedMonths;
        page.total.studies += row.studies;
        page.total.auxiliaryMonths += row.auxiliaryMonths;
        page.total.rawHours += row.rawHours;
        page.total.quarters += row.quarters;
        page.rows.push_back(std::move(row));
    }
    // The total carries the quarter hours of every row together.
    page.total.hours = page.total.rawHours + carriedQuarterHours(page.total.quarters);
    page.total.hoursText = hoursText(page.total.rawHours, page.total.quarters);
    return page;
}

// ---- twelve-month hours ----------------------------------------------------------

HoursPage hoursPage(const CVelnoDoc& doc, const PublisherSelection& selection) {
    const Classification cls(doc);
    HoursPage page;
    page.title = withMonth(text::TxHoursPageTitle, cls.month0());
    page.subtitle = selection.subtitle(doc);
    for (int k = 0; k < 12; ++k) page.stamps[k] = cls.stamp() - 11 + k;
    int onlyKind = -1;
    if (selection.kind == Selection::RegularPioneers) onlyKind = ServiceRegular;
    if (selection.kind == Selection::AuxiliaryPioneers) onlyKind = ServiceAuxiliary;

    for (const std::uint16_t pos : doc.store().subList(ListActive)) {
        const PublisherRecord& r = doc.store().at(pos);
        if (!selection.passes(r, cls)) continue;
        HoursRow row;
        row.pos = pos;
        row.id = r.id;
        row.name = publisherName(doc, pos);
        int auxSum = 0, auxQuarters = 0, auxMonths = 0;
        for (int k = 0; k < 12; ++k) {
            const int s = page.stamps[k];
            const int slot = slotOf(s);
            const int kind = r.kindAt(slot);
            const int hours = r.hours[slot];
            const int quarters = quarterHoursAt(r, slot);
            if (kind == ServiceAuxiliary && (hours || quarters)) {
                auxSum += hours;
                auxQuarters += quarters;
                ++auxMonths;
            }
            if (onlyKind >= 0 && kind != onlyKind) continue;
            HoursCell& cell = row.cells[k];
            const bool withHours = hours != 0 || quarters != 0;
            if (s <= kNewFormatFromStamp || kind != ServicePublisher) {
                if (withHours)
                    cell = {HoursCell::Hours, hours, quarters, hoursText(hours, quarters)};
            }
            if (s > kNewFormatFromStamp && cell.kind == HoursCell::Blank &&
                IsReported(r, month0Of(s), parityOf(s)))
                cell.kind = HoursCell::Tick;
        }
        if (selection.kind == Selection::AuxiliaryPioneers)
            row.average =
                auxMonths
                    ? static_cast<double>(auxSum + carriedQuarterHours(auxQuarters)) / auxMonths
                    : 0.0;
        else
            row.average = PublisherAverage(cls, ReportItem::Hours, r, 12, false);
        row.averageText = text::formatPrintf("%3.1f", row.average);
        page.rows.push_back(std::move(row));
    }
    return page;
}

}  // namespace velno
