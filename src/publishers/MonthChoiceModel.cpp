#include "publishers/MonthChoiceModel.h"

#include "store/ReportMonth.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

MonthChoiceModel::MonthChoiceModel(const ReportMonth& month, std::string caption,
                                   MonthChoiceExtra extra)
    : reportMonth0_(month.reportMonth0),
      reportYear_(month.reportYear()),
      caption_(std::move(caption)),
      extra_(extra),
      month0_(month.reportMonth0),
      year_(month.reportYear()) {}

std::string MonthChoiceModel::title() const {
    return text::tr(text::TxMonthChoiceTitle);
}

std::vector<std::string> MonthChoiceModel::monthLines() const {
    std::vector<std::string> out;
    for (int m = 0; m < 12; ++m) out.push_back(text::monthName(m));
    return out;
}

int MonthChoiceModel::pastYear(int month0, int year) const {
    return year == reportYear_ && month0 > reportMonth0_ ? year - 1 : year;
}

void MonthChoiceModel::setMonthLine(int month0) {
    if (month0 < 0 || month0 > 11) return;
    month0_ = month0;
    year_ = pastYear(month0_, year_);
}

std::vector<std::string> MonthChoiceModel::yearLines() const {
    std::vector<std::string> out;
    for (int y = kFirstYear; y <= reportYear_; ++y) out.push_back(std::to_string(y));
    return out;
}

void MonthChoiceModel::setYearLine(int line) {
    if (line < 0 || kFirstYear + line > reportYear_) return;
    year_ = kFirstYear + line;
}

std::string MonthChoiceModel::regularCheckText() const {
    return text::tr(text::TxRegularPublisher);
}

MonthChoice MonthChoiceModel::ok() const {
    MonthChoice choice;
    choice.month = month0_ + 1;
    if (extra_ == MonthChoiceExtra::YearList) choice.year = pastYear(month0_, year_);
    if (extra_ == MonthChoiceExtra::RegularCheck) choice.regular = regular_;
    return choice;
}

}  // namespace velno
