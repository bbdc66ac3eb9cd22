#include "reporting/RecordAverages.h"

#include "store/CVelnoDoc.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

const std::string& quarterFraction(int quarters) {
    static const std::string none;
    switch (quarters % 4) {
        case 1:
            return text::tr(text::TxQuarterOne);
        case 2:
            return text::tr(text::TxQuarterTwo);
        case 3:
            return text::tr(text::TxQuarterThree);
        default:
            return none;
    }
}

std::string hoursText(int hours, int quarters) {
    const int whole = hours + quarters / 4;
    const std::string& fraction = quarterFraction(quarters);
    if (whole == 0 && !fraction.empty()) return fraction;
    return std::to_string(whole) + fraction;
}

double CategoryAverage(const CVelnoDoc& doc, int kind, int months, int value, int group,
                       int filter) {
    const Classification cls(doc);
    const auto& store = doc.store();
    long sum = 0;
    long quarters = 0;
    long reports = 0;
    const int privilege = filter & CategoryFilter::PrivilegeMask;
    for (const std::uint16_t pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        if (group > 0 && r.group != group) continue;
        if (privilege != 0 && r.privilege() != privilege) continue;
        if ((filter & CategoryFilter::Custom) && !(r.flags & RecordFlag::CustomCategory)) continue;
        for (int i = 0; i < months; ++i) {
            const int s = cls.stamp() - i;
            const int slot = slotOf(s);
            if (kind != kAnyServiceKind && r.kindAt(slot) != kind) continue;
            if (!IsReported(r, month0Of(s), parityOf(s))) continue;
            ++reports;
            sum += r.itemAt(slot, value);
            if (value == ReportItem::Hours) quarters += quarterHoursAt(r, slot);
        }
    }
    if (reports == 0) return 0.0;
    return static_cast<double>(sum + carriedQuarterHours(static_cast<int>(quarters))) /
           static_cast<double>(reports);
}

double PublisherAverage(const Classification& cls, int value, const PublisherRecord& r, int months,
                        bool pioneerOnly) {
    if (months <= 0) return 0.0;
    long sum = 0;
    int quarters = 0;
    int monthsWithHours = 0;
    for (int i = 0; i < months; ++i) {
        const int slot = slotOf(cls.stamp() - i);
        const int v = r.itemAt(slot, value);
        if (pioneerOnly && value == ReportItem::Hours) {
            if (r.kindAt(slot) == ServicePublisher || v == 0) continue;
            sum += v;
            ++monthsWithHours;
            continue;
        }
        sum += v;
        if (value == ReportItem::Hours) quarters += quarterHoursAt(r, slot);
    }
    if (pioneerOnly && value == ReportItem::Hours)
        return monthsWithHours ? static_cast<double>(sum) / monthsWithHours : 0.0;
    return static_cast<double>(sum + carriedQuarterHours(quarters)) / months;
}

MonthsSumResult MonthsSum(const Classification& cls, const PublisherRecord& r, int value,
                          int months) {
    MonthsSumResult result;
    int sum = 0;
    for (int i = 0; i < months; ++i) {
        const int slot = slotOf(cls.stamp() - i);
        sum += r.itemAt(slot, value);
        if (value == ReportItem::Hours) result.quarters += quarterHoursAt(r, slot);
    }
    if (value == ReportItem::Hours) {
        result.rawHours = sum;
        result.value = sum + carriedQuarterHours(result.quarters);
        result.text = hoursText(sum, result.quarters);
    } else {
        result.value = sum;
        result.text = std::to_string(sum);
    }
    return result;
}

}  // namespace velno
