#include "reporting/YearActivitySummaryModel.h"

#include "reporting/Classification.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"

namespace velno {

namespace {

constexpr int kValueCount = 8;  // "tcard.dat": publishers counted in the category
constexpr int kValueHours = 2;
constexpr int kValueStudies = 4;

}  // namespace

YearActivitySummaryModel::YearActivitySummaryModel(const CVelnoDoc& doc) : doc_(doc) {
    compute();
}

std::string YearActivitySummaryModel::title() const {
    return text::tr(text::TxYearActivityTitle);
}

std::vector<std::string> YearActivitySummaryModel::valueRows() const {
    return {text::tr(text::TxValueReporting), text::tr(text::TxValueHours),
            text::tr(text::TxValueStudies)};
}

std::vector<std::string> YearActivitySummaryModel::categoryHeads() const {
    return {text::tr(text::TxCategoryPublishers), text::tr(text::TxCategoryAuxiliary),
            text::tr(text::TxCategoryRegular), text::tr(text::TxCategorySpecial)};
}

int YearActivitySummaryModel::periodMonths() const {
    switch (period_) {
        case Period::SixMonths:
            return 6;
        case Period::ServiceYear:
            return monthsElapsedInServiceYear(doc_.reportMonth().reportMonth0);
        case Period::TwelveMonths:
            break;
    }
    return 12;
}

std::string YearActivitySummaryModel::periodButtonCaption() const {
    int id = text::TxPeriodTwelveMonths;
    if (period_ == Period::SixMonths) id = text::TxPeriodSixMonths;
    if (period_ == Period::ServiceYear) id = text::TxPeriodServiceYear;
    return std::string("&").append(text::arg(text::tr(text::TxTotalAveragePeriod), text::tr(id)));
}

std::array<int, YearActivitySummaryModel::kCategories> YearActivitySummaryModel::monthValues(
    int stamp) const {
    std::array<int, kCategories> v{};
    const int m = month0Of(stamp);
    const int p = parityOf(stamp);
    if (source_ == Source::ReportedToBranch) {
        const int item = value_ == Value::Reporting ? kValueCount
                         : value_ == Value::Hours   ? kValueHours
                                                    : kValueStudies;
        for (int c = 0; c < kCategories; ++c) v[c] = doc_.totals().values[m][c][item][p];
        // Publishers' hours are not reported to the branch.
        if (value_ == Value::Hours) v[0] = 0;
        return v;
    }
    const int slot = monthSlot(m, p);
    for (const std::uint16_t pos : doc_.store().subList(ListActive)) {
        const PublisherRecord& r = doc_.store().at(pos);
        if (r.categoryBits & CategoryBit::Missionary) continue;
        if (!IsReported(r, m, p)) continue;
        const int kind = r.kindAt(slot);
        switch (value_) {
            case Value::Reporting:
                ++v[kind];
                break;
            case Value::Hours:
                if (kind != ServicePublisher) v[kind] += r.hours[slot];
                break;
            case Value::Studies:
                v[kind] += r.studiesWord[slot] & StudiesWord::StudiesMask;
                break;
        }
    }
    return v;
}

void YearActivitySummaryModel::compute() {
    const int reportStamp = doc_.reportMonth().reportStamp;
    const int september = stampOf(serviceYearOf(reportStamp) - 1, 8);
    rows_.clear();
    for (int k = 0; k < 12; ++k) {
        MonthRow row;
        row.stamp = september + k;
        row.month = text::monthName(month0Of(row.stamp));
        row.shown = row.stamp <= reportStamp;
        if (row.shown) row.values = monthValues(row.stamp);
        rows_.push_back(row);
    }
    total_ = {};
    const int n = periodMonths();
    for (int i = 0; i < n; ++i) {
        const auto v = monthValues(reportStamp - i);
        for (int c = 0; c < kCategories; ++c) total_[c] += v[c];
    }
    for (int c = 0; c < kCategories; ++c)
        average_[c] = n ? static_cast<double>(total_[c]) / n : 0.0;
}

void YearActivitySummaryModel::selectValue(Value v) {
    value_ = v;
    compute();
}

void YearActivitySummaryModel::selectSource(Source s) {
    source_ = s;
    compute();
}

void YearActivitySummaryModel::cyclePeriod() {
    period_ = period_ == Period::TwelveMonths ? Period::SixMonths
              : period_ == Period::SixMonths  ? Period::ServiceYear
                                              : Period::TwelveMonths;
    compute();
}

}  // namespace velno
