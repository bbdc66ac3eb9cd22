#include "reporting/Statistics.h"

#include "reporting/Attendance.h"
#include "reporting/Classification.h"
#include "reporting/PublisherSelection.h"
#include "reporting/QuickView.h"
#include "reporting/RecordAverages.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

namespace {

StatisticsCount shareOf(int count, int active) {
    return {count, active ? static_cast<double>(count) / active * 100.0 : 0.0};
}

constexpr std::array<int, 7> kBaptismLabels{
    text::TxNotBaptized,   text::TxStatUnderAYear, text::TxStat1To4,   text::TxBracket5To9,
    text::TxBracket10To19, text::TxBracket20To29,  text::TxStatOver30,
};
constexpr std::array<int, 7> kAgeLabels{
    text::TxAgeUnder20, text::TxAge20To29, text::TxAge30To39, text::TxAge40To49,
    text::TxAge50To59,  text::TxAge60To69, text::TxAgeOver70,
};

}  // namespace

int BaptismBracket(const Classification& cls, const PublisherRecord& r) {
    const auto years = cls.YearsSinceBaptism(r);
    if (!years) return 0;
    const int y = *years;
    if (y <= 0) return 1;
    if (y <= 4) return 2;
    if (y <= 9) return 3;
    if (y <= 19) return 4;
    if (y <= 29) return 5;
    return 6;
}

std::optional<int> AgeBracket(const Classification& cls, const PublisherRecord& r) {
    const auto age = cls.Age(r);
    if (!age) return std::nullopt;
    if (*age <= 19) return 0;
    if (*age >= 70) return 6;
    return *age / 10 - 1;
}

StatisticsPage statisticsPage(const CVelnoDoc& doc) {
    const Classification cls(doc);
    const QuickView q = computeQuickView(doc);
    const RecordStore& store = doc.store();
    const int m0 = cls.month0();
    const int slot = monthSlot(m0, cls.parity());
    StatisticsPage page;
    page.title = text::arg(text::tr(text::TxStatisticsTitle), text::tr(text::TxCongregation)) +
                 text::monthName(m0) + congregationSuffix(doc);
    page.active = q.active;
    page.regular = shareOf(q.regular, q.active);
    page.baptized = shareOf(q.baptized, q.active);
    page.regularPioneers = q.regularPioneers;
    page.elders = q.elders;
    page.servants = q.servants;
    page.specialPioneers = q.specialPioneers;

    // Movement of the month, the last six months and the service year.
    page.movementHeads = {text::monthShortName(m0), text::tr(text::TxSixMonthsAbbrev),
                          text::tr(text::TxServiceYearAbbrev)};
    StatisticsMovement aux{text::tr(text::TxAuxiliaryPioneersExtra)};
    StatisticsMovement added{text::tr(text::TxListNew)};
    StatisticsMovement inactive{text::tr(text::TxListInactive)};
    StatisticsMovement reactivated{text::tr(text::TxListReactivated)};
    StatisticsMovement moved{text::tr(text::TxListMoved)};
    const auto copyNamesMonth = [&](const PublisherRecord& r, int mask) {
        return (r.listYear >> 4) == m0 + 1 && (r.listYear & mask) != 0;
    };
    for (const std::uint16_t pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        aux.month += r.kindAt(slot) == ServiceAuxiliary;
        aux.sixMonths += cls.AuxiliaryMonths(r, 6) > 0;
        aux.serviceYear += cls.AuxiliaryMonths(r, cls.monthsElapsed()) > 0;
        added.month += copyNamesMonth(r, StatusCode::New);
        added.sixMonths += cls.StatusIn6Months(r, StatusCode::New) != 0;
        added.serviceYear += cls.StatusInServiceYear(r, StatusCode::New) != 0;
        reactivated.month += copyNamesMonth(r, StatusCode::Reactivated);
        reactivated.sixMonths += cls.StatusIn6Months(r, StatusCode::Reactivated) != 0;
        reactivated.serviceYear += cls.StatusInServiceYear(r, StatusCode::Reactivated) != 0;
    }
    for (const std::uint16_t pos : store.subList(ListInactive)) {
        const PublisherRecord& r = store.at(pos);
        inactive.month += r.statusMonth() == m0 + 1 && (r.listYear & 1) == cls.parity() &&
                          yearFromByte(r.listYear) >= 2000 + cls.yearOffset() - 1;
        inactive.sixMonths += cls.SideListIn6Months(r, true) != 0;
        inactive.serviceYear += cls.SideListInServiceYear(r, true) != 0;
    }
    for (const std::uint16_t pos : store.subList(ListMoved)) {
        const PublisherRecord& r = store.at(pos);
        moved.month += r.statusMonth() == m0 + 1;
        moved.sixMonths += cls.SideListIn6Months(r, false) != 0;
        moved.serviceYear += cls.SideListInServiceYear(r, false) != 0;
    }
    page.movement = {aux, added, inactive, reactivated, moved};

    // Average hours by category.
    page.serviceYearMonths = cls.monthsElapsed();
    const auto hoursLine = [&](int kind, int labelId, double month) {
        StatisticsHours h;
        h.label = "( " + text::tr(labelId) + " )";
        h.kind = kind;
        h.month = month;
        h.sixMonths = CategoryAverage(doc, kind, 6, ReportItem::Hours, 0, 0);
        h.serviceYear = CategoryAverage(doc, kind, page.serviceYearMonths, ReportItem::Hours, 0, 0);
        page.hours.push_back(h);
    };
    if (cls.stamp() <= kNewFormatFromStamp)
        hoursLine(ServicePublisher, text::TxCategoryPublishers, q.avgHoursPublishers.value_or(0.0));
    hoursLine(ServiceRegular, text::TxCategoryRegular, q.avgHoursRegular);
    hoursLine(ServiceAuxiliary, text::TxCategoryAuxiliary, q.avgHoursAuxiliary);

    for (int b = 0; b < kMeetingBlocks; ++b) {
        const MeetingBlock& block = doc.meetings().blocks[b];
        StatisticsAttendance a;
        a.name = meetingName(block);
        a.month = block.average[slot];
        a.threeMonths = AttendanceAverage(block, cls.stamp(), 3);
        a.sixMonths = AttendanceAverage(block, cls.stamp(), 6);
        a.serviceYear = AttendanceAverage(block, cls.stamp(), page.serviceYearMonths);
        page.attendance.push_back(a);
    }

    // Years since baptism and age.
    page.bracketsEnabled = doc.viewOptions().includeDates();
    std::array<int, 7> baptism{}, age{};
    for (const std::uint16_t pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        ++baptism[BaptismBracket(cls, r)];
        if (const auto a = AgeBracket(cls, r))
            ++age[*a];
        else
            ++page.withoutBirthDate;
    }
    for (int i = 0; i < 7; ++i) {
        page.baptism[i] = {text::tr(kBaptismLabels[i]), shareOf(baptism[i], page.active)};
        page.age[i] = {text::tr(kAgeLabels[i]), shareOf(age[i], page.active)};
    }
    return page;
}

}  // namespace velno
