#include "reporting/YearPioneerHoursModel.h"

#include <algorithm>

#include "reporting/Classification.h"
#include "reporting/PublisherSelection.h"
#include "reporting/TrendPageData.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

YearPioneerHoursModel::YearPioneerHoursModel(const CVelnoDoc& doc) : doc_(doc) {
    const Classification cls(doc);
    const int slot = monthSlot(cls.month0(), cls.parity());
    for (const std::uint16_t pos : doc.store().subList(ListActive))
        if (doc.store().at(pos).kindAt(slot) == ServiceRegular) positions_.push_back(pos);
    if (!positions_.empty()) selected_ = 0;
    compute();
}

std::vector<std::string> YearPioneerHoursModel::publisherRows() const {
    std::vector<std::string> rows;
    for (const int pos : positions_) rows.push_back(publisherName(doc_, pos));
    return rows;
}

PublisherId YearPioneerHoursModel::selectedId() const {
    return selected_ < 0 ? 0 : doc_.store().at(positions_[selected_]).id;
}

std::string YearPioneerHoursModel::caption() const {
    std::string c = text::tr(text::TxYearPioneerHoursTitle);
    if (selected_ >= 0) c += " - " + publisherName(doc_, positions_[selected_]);
    return c;
}

void YearPioneerHoursModel::selectPublisher(int row) {
    if (row < 0 || row >= static_cast<int>(positions_.size())) return;
    selected_ = row;
    compute();
}

void YearPioneerHoursModel::setPreviousYear(bool on) {
    previous_ = on;
    compute();
}

std::vector<YearPioneerHoursModel::MonthRow> YearPioneerHoursModel::monthTable() const {
    std::vector<MonthRow> rows;
    const Classification cls(doc_);
    const int sy = serviceYearOf(cls.stamp()) - (previous_ ? 1 : 0);
    const int september = stampOf(sy - 1, 8);
    for (int k = 0; k < 12; ++k) {
        MonthRow row;
        row.stamp = september + k;
        row.month = text::monthShortName(month0Of(row.stamp));
        row.shown = row.stamp <= cls.stamp() && selected_ >= 0;
        if (row.shown) {
            const PublisherRecord& r = doc_.store().at(positions_[selected_]);
            const int slot = slotOf(row.stamp);
            row.kind = r.kindAt(slot);
            row.hours = r.hours[slot];
            row.credit = r.credit[slot];
        }
        rows.push_back(row);
    }
    return rows;
}

void YearPioneerHoursModel::compute() {
    total_ = 0;
    remaining_ = 0;
    perMonth_.reset();
    start_ = 8;
    if (selected_ < 0) return;
    const Classification cls(doc_);
    const PublisherRecord& r = doc_.store().at(positions_[selected_]);
    start_ = pioneerStartMonth(cls, r);
    const int elapsed = cls.month0() - start_ + 1 + (cls.month0() < start_ ? 12 : 0);
    for (int i = 0; i < elapsed; ++i) {
        const int slot = slotOf(cls.stamp() - i);
        total_ += r.hours[slot] + r.credit[slot];
    }
    remaining_ = std::max(0, monthsEnrolledFrom(start_) * pioneerMonthlyGoal(cls) - total_);
    if (cls.month0() != 7)
        perMonth_ = remaining_ == 0 ? 0.0
                                    : static_cast<double>(remaining_) /
                                          monthsRemainingInServiceYear(cls.month0());
}

std::string YearPioneerHoursModel::periodLabel() const {
    const int next = (doc_.reportMonth().reportMonth0 + 1) % 12;
    return text::monthShortName(next) + " - " + text::monthShortName(7);
}

namespace {
bool linesShown(const CVelnoDoc& doc, int selected, bool previous) {
    return selected >= 0 && !previous && doc.reportMonth().reportMonth0 != 7;
}
}  // namespace

std::string YearPioneerHoursModel::sinceLine() const {
    if (!linesShown(doc_, selected_, previous_) || start_ == 8) return {};
    return text::arg(text::tr(text::TxPioneeringSince), text::monthName(start_));
}

std::string YearPioneerHoursModel::remainingLine() const {
    if (!linesShown(doc_, selected_, previous_)) return {};
    return text::arg(text::tr(text::TxHoursRemaining), periodLabel()) + std::to_string(remaining_);
}

std::string YearPioneerHoursModel::perMonthLine() const {
    if (!linesShown(doc_, selected_, previous_) || !perMonth_) return {};
    return text::arg(text::tr(text::TxHoursRemainingPerMonth), periodLabel()) +
           text::formatPrintf("%4.1f", *perMonth_);
}

std::string YearPioneerHoursModel::yearLine() const {
    if (!previous_) return {};
    const int previousYear = serviceYearOf(doc_.reportMonth().reportStamp) - 1;
    return text::formatPrintf("%s : %d", text::tr(text::TxPeriodServiceYear).c_str(), previousYear);
}

}  // namespace velno
