#include "reporting/QuickView.h"

#include "reporting/Classification.h"
#include "reporting/PublisherSelection.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

QuickView computeQuickView(const CVelnoDoc& doc) {
    const Classification cls(doc);
    const RecordStore& store = doc.store();
    const bool newForm = cls.stamp() > kNewFormatFromStamp;
    QuickView q;
    q.active = static_cast<int>(store.subList(ListActive).size());
    if (!newForm) q.avgHoursPublishers = 0.0;
    const std::string custom = customCategoryName(doc);
    if (!custom.empty()) q.customCategoryName = custom;
    if (q.active < 2) return q;

    const int slot = monthSlot(cls.month0(), cls.parity());
    long hourSum[4] = {0, 0, 0, 0};
    int withHours[4] = {0, 0, 0, 0};
    for (const std::uint16_t pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        const int kind = r.kindAt(slot);
        if (cls.IsRegular(r)) ++q.regular;
        if (Classification::IsBaptized(r)) ++q.baptized;
        if (kind == ServiceRegular) ++q.regularPioneers;
        if (kind == ServiceSpecial) ++q.specialPioneers;
        if (kind == ServiceAuxiliary) ++q.monthAuxiliary;
        if (r.privilege() == PrivilegeElder) ++q.elders;
        if (r.privilege() == PrivilegeServant) ++q.servants;
        if (r.hours[slot] > 0) {
            hourSum[kind] += r.hours[slot];
            ++withHours[kind];
        }
        if (cls.AuxiliaryMonths(r, cls.monthsElapsed()) > 0) ++q.serviceYear.auxiliary;
        if (cls.StatusInServiceYear(r, StatusCode::New)) ++q.serviceYear.newPublishers;
        if (cls.StatusInServiceYear(r, StatusCode::Reactivated)) ++q.serviceYear.reactivated;
        if (cls.AuxiliaryMonths(r, 6) > 0) ++q.sixMonths.auxiliary;
        if (cls.StatusIn6Months(r, StatusCode::New)) ++q.sixMonths.newPublishers;
        if (cls.StatusIn6Months(r, StatusCode::Reactivated)) ++q.sixMonths.reactivated;
        if (r.flags & RecordFlag::CustomCategory) ++q.customCategory;
        if (r.moreBits & MoreBit::Deaf) ++q.deaf;
        if (r.moreBits & MoreBit::Blind) ++q.blind;
        if (r.moreBits & MoreBit::Isolated) ++q.isolated;
    }
    if (!q.customCategoryName) q.customCategory = 0;
    const auto average = [&](int kind) {
        return withHours[kind] ? static_cast<double>(hourSum[kind]) / withHours[kind] : 0.0;
    };
    if (!newForm) q.avgHoursPublishers = average(ServicePublisher);
    q.avgHoursRegular = average(ServiceRegular);
    q.avgHoursAuxiliary = average(ServiceAuxiliary);

    for (const std::uint16_t pos : store.subList(ListInactive)) {
        const PublisherRecord& r = store.at(pos);
        if (cls.SideListInServiceYear(r, true)) ++q.serviceYear.inactive;
        if (cls.SideListIn6Months(r, true)) ++q.sixMonths.inactive;
    }
    for (const std::uint16_t pos : store.subList(ListMoved)) {
        const PublisherRecord& r = store.at(pos);
        if (cls.SideListInServiceYear(r, false)) ++q.serviceYear.moved;
        if (cls.SideListIn6Months(r, false)) ++q.sixMonths.moved;
    }
    return q;
}

// ---- the dialog ------------------------------------------------------------

namespace {

std::string count(int n) {
    return text::formatPrintf("%3d", n);
}

}  // namespace

QuickViewModel::QuickViewModel(const CVelnoDoc& doc)
    : q_(computeQuickView(doc)), month0_(doc.reportMonth().reportMonth0) {
    using text::tr;
    const auto add = [&](Box box, int labelId, const std::string& value) {
        lines_.push_back({box, tr(labelId), value});
    };
    add(Box::Congregation, text::TxQvActive, count(q_.active));
    add(Box::Congregation, text::TxQvRegular, count(q_.regular));
    add(Box::Congregation, text::TxQvBaptized, count(q_.baptized));
    add(Box::Congregation, text::TxQvRegularPioneers, count(q_.regularPioneers));
    add(Box::Congregation, text::TxQvElders, count(q_.elders));
    add(Box::Congregation, text::TxQvServants, count(q_.servants));

    add(Box::Month, text::TxQvAuxiliary, count(q_.monthAuxiliary));
    add(Box::Month, text::TxQvAvgPublishers,
        q_.avgHoursPublishers ? text::formatPrintf("%4.1f", *q_.avgHoursPublishers)
                              : std::string());
    add(Box::Month, text::TxQvAvgRegular, text::formatPrintf("%4.1f", q_.avgHoursRegular));
    add(Box::Month, text::TxQvAvgAuxiliary, text::formatPrintf("%4.1f", q_.avgHoursAuxiliary));

    const auto period = [&](Box box, const QuickViewPeriod& p, int newLabel) {
        add(box, text::TxQvAuxiliary, count(p.auxiliary));
        add(box, newLabel, count(p.newPublishers));
        add(box, text::TxQvReactivated, count(p.reactivated));
        add(box, text::TxQvInactive, count(p.inactive));
        add(box, text::TxQvMoved, count(p.moved));
    };
    period(Box::ServiceYear, q_.serviceYear, text::TxQvNewShort);
    period(Box::SixMonths, q_.sixMonths, text::TxQvNewLong);

    if (q_.customCategoryName)
        lines_.push_back(
            {Box::Categories, *q_.customCategoryName + " :", count(q_.customCategory)});
    add(Box::Categories, text::TxQvDeaf, count(q_.deaf));
    add(Box::Categories, text::TxQvBlind, count(q_.blind));
    add(Box::Categories, text::TxQvIsolated, count(q_.isolated));
}

std::string QuickViewModel::title() const {
    return text::tr(text::TxQuickViewTitle);
}

std::string QuickViewModel::boxCaption(Box box) const {
    switch (box) {
        case Box::Month:
            return text::monthName(month0_);
        case Box::ServiceYear:
            return text::tr(text::TxPeriodServiceYear);
        case Box::SixMonths:
            return text::tr(text::TxLastSixMonthsBox);
        default:
            return {};
    }
}

}  // namespace velno
