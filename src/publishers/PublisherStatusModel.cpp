#include "publishers/PublisherStatusModel.h"

#include "store/ReportMonth.h"
#include "text/Format.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

namespace {

StatusChoice choiceOfCode(int code) {
    switch (code) {
        case 1:
            return StatusChoice::NewPublisher;
        case 4:
            return StatusChoice::RegularTransfer;
        case 2:
            return StatusChoice::Reactivated;
        default:
            return StatusChoice::None;
    }
}

int codeOfChoice(StatusChoice choice) {
    switch (choice) {
        case StatusChoice::NewPublisher:
            return 1;
        case StatusChoice::RegularTransfer:
            return 4;
        case StatusChoice::Reactivated:
            return 2;
        default:
            return 0;
    }
}

}  // namespace

PublisherStatusModel::PublisherStatusModel(const ReportMonth& month, std::string name,
                                           const StatusFields& fields)
    : reportStamp_(month.reportStamp),
      reportMonth0_(month.reportMonth0),
      name_(std::move(name)),
      fields_(fields) {
    int source = fields.statusMark;
    choice_ = choiceOfCode(source & 0x0F);
    if (choice_ == StatusChoice::None) {
        source = fields.listYear;
        choice_ = choiceOfCode(source & 0x0F);
    }
    // The status month: the month code when it is at most 23 months old.
    const int age = reportStamp_ - fields.markStamp;
    const int stamp =
        fields.markStamp != 0 && age >= 0 && age <= 23 ? fields.markStamp : reportStamp_;
    const int marked = choice_ != StatusChoice::None ? source >> 4 : 0;
    month_ = marked >= 1 && marked <= 12 ? marked : month0OfStamp(stamp) + 1;
    const int year = month0OfStamp(stamp) + 1 == month_ ? yearOfStamp(stamp) : yearOfMonth(month_);
    yearRow_ = year == yearOfMonth(month_) - 1 ? 0 : 1;
}

int PublisherStatusModel::yearOfMonth(int month) const {
    // A month later than the ReportMonth's belongs to the year before.
    const int year = yearOfStamp(reportStamp_);
    return month - 1 > reportMonth0_ ? year - 1 : year;
}

std::string PublisherStatusModel::title() const {
    return text::arg(text::tr(text::TxStatusTitle), name_);
}

std::vector<std::string> PublisherStatusModel::choiceTexts() const {
    return {text::tr(text::TxStatusNew), text::tr(text::TxStatusRegularTransfer),
            text::tr(text::TxStatusSpecialTransfer), text::tr(text::TxStatusReactivated),
            text::tr(text::TxStatusClear)};
}

std::string PublisherStatusModel::monthHint() const {
    return text::tr(text::TxStatusMonthHint);
}

std::string PublisherStatusModel::helpButtonText() const {
    return text::tr(text::TxHelpButton);
}

bool PublisherStatusModel::monthListVisible() const {
    return choice_ == StatusChoice::NewPublisher || choice_ == StatusChoice::RegularTransfer ||
           choice_ == StatusChoice::Reactivated;
}

bool PublisherStatusModel::yearListVisible() const {
    return choice_ == StatusChoice::NewPublisher || choice_ == StatusChoice::Reactivated;
}

std::vector<std::string> PublisherStatusModel::monthRows() const {
    std::vector<std::string> rows{""};
    for (int m = 0; m < 12; ++m) rows.push_back(text::monthShortName(m));
    return rows;
}

void PublisherStatusModel::setMonthRow(int row) {
    if (row < 0 || row > 12) return;
    month_ = row;
    yearRow_ = 1;
}

std::vector<int> PublisherStatusModel::yearRows() const {
    const int year = yearOfMonth(month_ > 0 ? month_ : reportMonth0_ + 1);
    return {year - 1, year};
}

void PublisherStatusModel::setYearRow(int row) {
    if (row == 0 || row == 1) yearRow_ = row;
}

int PublisherStatusModel::chosenStamp() const {
    if (month_ == 0) return -1;
    return stampOf(yearRows()[yearRow_], month_ - 1);
}

StatusFields PublisherStatusModel::result() const {
    StatusFields out = fields_;
    if (choice_ == StatusChoice::None) return out;
    if (choice_ == StatusChoice::Clear) {
        out.statusMark = 0;
        out.markStamp = 0;
    } else {
        out.statusMark = static_cast<std::uint8_t>(month_ * 16 + codeOfChoice(choice_));
        if (choice_ == StatusChoice::NewPublisher || choice_ == StatusChoice::Reactivated) {
            const int stamp = chosenStamp();
            out.markStamp = static_cast<std::uint16_t>(stamp < 0 ? 0 : stamp);
        }
    }
    // A mark older than a year keeps only its kind.
    if (out.markStamp != 0 && reportStamp_ - out.markStamp > 11) out.statusMark &= 0x0F;
    out.listYear = out.statusMark;
    return out;
}

}  // namespace velno
