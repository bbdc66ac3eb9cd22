#include "publishers/PioneerEnrolmentModel.h"

#include <algorithm>

#include "publishers/RecordPlacement.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/PublishersTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

namespace {

int clampLine(int line, std::size_t size) {
    if (size == 0) return 0;
    return std::clamp(line, 0, static_cast<int>(size) - 1);
}

}  // namespace

PioneerEnrolmentModel::PioneerEnrolmentModel(CVelnoDoc& doc, EnrolmentMode mode)
    : doc_(doc),
      mode_(mode),
      reportMonth0_(doc.reportMonth().reportMonth0),
      reportYear2_(doc.reportMonth().reportYear2),
      month0_(doc.reportMonth().reportMonth0) {
    rebuild();
    focusList(EnrolmentSide::Left);
}

ServiceKind PioneerEnrolmentModel::kind() const {
    switch (mode_) {
        case EnrolmentMode::Auxiliary:
            return ServiceAuxiliary;
        case EnrolmentMode::Regular:
            return ServiceRegular;
        case EnrolmentMode::Special:
            break;
    }
    return ServiceSpecial;
}

std::string PioneerEnrolmentModel::title() const {
    int modeText = text::TxSpecialPioneers;
    if (mode_ == EnrolmentMode::Auxiliary) modeText = text::TxListAuxiliary;
    if (mode_ == EnrolmentMode::Regular) modeText = text::TxPioneersRegular;
    const std::string month = month0_ >= 0 ? text::monthName(month0_) : std::string();
    return text::arg(text::tr(text::TxEnrolTitle), text::tr(modeText), month,
                     std::to_string(year2()), std::to_string(right_.size()));
}

std::string PioneerEnrolmentModel::actionText() const {
    return text::tr(side_ == EnrolmentSide::Left ? text::TxEnrolAdd : text::TxEnrolRemove);
}

std::string PioneerEnrolmentModel::specialCheckText() const {
    return text::tr(text::TxEnrolSpecialCheck);
}

std::string PioneerEnrolmentModel::finishText() const {
    return text::tr(text::TxFinished);
}

std::vector<std::string> PioneerEnrolmentModel::yearLines() const {
    std::vector<std::string> out;
    for (int line = 0; line < 3; ++line) out.push_back(std::to_string(reportYear2_ - 2 + line));
    return out;
}

std::vector<int> PioneerEnrolmentModel::monthsOfYear(int line) const {
    // The window: two years back only the months after the ReportMonth,
    // last year all twelve, this year the months up to the ReportMonth.
    int from = 0;
    int to = 11;
    if (line == 0) from = reportMonth0_ + 1;
    if (line == 2) to = reportMonth0_;
    std::vector<int> months;
    for (int m = from; m <= to; ++m) months.push_back(m);
    return months;
}

std::vector<std::string> PioneerEnrolmentModel::monthLines() const {
    std::vector<std::string> out;
    for (int m : monthsOfYear(yearLine_)) out.push_back(text::monthName(m));
    return out;
}

int PioneerEnrolmentModel::monthLine() const {
    const auto months = monthsOfYear(yearLine_);
    const auto it = std::find(months.begin(), months.end(), month0_);
    return it == months.end() ? -1 : static_cast<int>(it - months.begin());
}

int PioneerEnrolmentModel::year2() const {
    return reportYear2_ - 2 + yearLine_;
}

int PioneerEnrolmentModel::slot() const {
    return monthSlot(month0_, year2() & 1);
}

void PioneerEnrolmentModel::selectYear(int line) {
    if (line < 0 || line > 2) return;
    yearLine_ = line;
    const auto months = monthsOfYear(line);
    month0_ = months.empty() ? -1 : months.front();
    rightLine_ = 0;
    rebuild();
    showName(side_);
}

void PioneerEnrolmentModel::selectMonth(int line) {
    const auto months = monthsOfYear(yearLine_);
    if (line < 0 || line >= static_cast<int>(months.size())) return;
    month0_ = months[line];
    rightLine_ = 0;
    rebuild();
    showName(side_);
}

void PioneerEnrolmentModel::rebuild() {
    left_.clear();
    right_.clear();
    if (month0_ >= 0) {
        const int s = slot();
        const RecordStore& store = doc_.store();
        for (int pos : store.subList(ListActive)) {
            const int k = store.at(pos).kindAt(s);
            if (k == ServicePublisher)
                left_.push_back({pos, listName(doc_, pos)});
            else if (k == kind())
                right_.push_back({pos, listName(doc_, pos)});
        }
    }
    leftLine_ = clampLine(leftLine_, left_.size());
    rightLine_ = clampLine(rightLine_, right_.size());
}

void PioneerEnrolmentModel::showName(EnrolmentSide side) {
    const auto& rows = side == EnrolmentSide::Left ? left_ : right_;
    const int line = side == EnrolmentSide::Left ? leftLine_ : rightLine_;
    name_ = rows.empty() ? std::string() : rows[line].name;
}

int PioneerEnrolmentModel::visibleSelection(EnrolmentSide side) const {
    if (side != side_) return -1;
    const auto& rows = side == EnrolmentSide::Left ? left_ : right_;
    if (rows.empty()) return -1;
    return side == EnrolmentSide::Left ? leftLine_ : rightLine_;
}

void PioneerEnrolmentModel::focusList(EnrolmentSide side) {
    side_ = side;
    showName(side);
}

void PioneerEnrolmentModel::selectLine(EnrolmentSide side, int line) {
    if (side == EnrolmentSide::Left)
        leftLine_ = clampLine(line, left_.size());
    else
        rightLine_ = clampLine(line, right_.size());
    focusList(side);
}

void PioneerEnrolmentModel::setSpecialChecked(bool on) {
    if (mode_ == EnrolmentMode::Auxiliary) return;
    mode_ = on ? EnrolmentMode::Special : EnrolmentMode::Regular;
    rebuild();
    showName(side_);
}

bool PioneerEnrolmentModel::act() {
    return side_ == EnrolmentSide::Left ? add() : remove();
}

bool PioneerEnrolmentModel::add() {
    if (left_.empty() || month0_ < 0) return false;
    PublisherRecord& r = doc_.store().at(left_[leftLine_].storePos);
    const int s = slot();
    r.serviceKind[s] = static_cast<std::uint8_t>((r.serviceKind[s] & ~0x03) | kind());
    leftLine_ = std::max(0, leftLine_ - 1);
    doc_.dirty = true;
    rebuild();
    focusList(EnrolmentSide::Left);
    return true;
}

bool PioneerEnrolmentModel::remove() {
    if (right_.empty() || month0_ < 0) return false;
    PublisherRecord& r = doc_.store().at(right_[rightLine_].storePos);
    const int s = slot();
    r.serviceKind[s] = static_cast<std::uint8_t>(r.serviceKind[s] & ~0x03);
    const bool reportMonth = month0_ == reportMonth0_ && year2() == reportYear2_;
    if (mode_ != EnrolmentMode::Regular && reportMonth)
        r.flags &= static_cast<std::uint8_t>(~RecordFlag::ContinuousAuxiliary);
    doc_.dirty = true;
    rebuild();
    focusList(EnrolmentSide::Right);
    return true;
}

}  // namespace velno
