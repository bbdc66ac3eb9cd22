#pragma once
// The yearly activity summary (dialog 134 "Ringkasan Kegiatan Setahun"):
// month by month over the service year, one value per category (publishers,
// auxiliary, regular and special pioneers), from the records of the active
// publishers or from what was reported to the branch, with the total and
// the monthly average over a chosen period.

#include <array>
#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;

class YearActivitySummaryModel {
public:
    enum class Source { ActiveFile, ReportedToBranch };
    enum class Value { Reporting, Hours, Studies };
    enum class Period { TwelveMonths, SixMonths, ServiceYear };
    enum class Action { None, Print, Close };
    static constexpr int kCategories = 4;

    struct MonthRow {
        int stamp = 0;
        std::string month;   // month name
        bool shown = false;  // false for months still to come
        std::array<int, kCategories> values{};
    };

    explicit YearActivitySummaryModel(const CVelnoDoc& doc);

    std::string title() const;
    // The combobox: the value summed.
    std::vector<std::string> valueRows() const;
    Value value() const { return value_; }
    Source source() const { return source_; }
    Period period() const { return period_; }
    // "&Total/Rata2 %1" with the period's name.
    std::string periodButtonCaption() const;
    std::vector<std::string> categoryHeads() const;
    // September to August of the current service year.
    const std::vector<MonthRow>& rows() const { return rows_; }
    // Over the months of the period (walked back from the ReportMonth).
    const std::array<int, kCategories>& periodTotal() const { return total_; }
    const std::array<double, kCategories>& periodAverage() const { return average_; }
    int periodMonths() const;

    void selectValue(Value v);
    void selectSource(Source s);
    // The period button: 12 months, 6 months, the service year, and round.
    void cyclePeriod();
    Action print() const { return Action::Print; }
    Action finish() const { return Action::Close; }

    // One month's values by category, from either source.
    std::array<int, kCategories> monthValues(int stamp) const;

private:
    void compute();

    const CVelnoDoc& doc_;
    Source source_ = Source::ActiveFile;
    Value value_ = Value::Reporting;
    Period period_ = Period::TwelveMonths;
    std::vector<MonthRow> rows_;
    std::array<int, kCategories> total_{};
    std::array<double, kCategories> average_{};
};

}  // namespace velno
