#include "publishers/SideListModel.h"

#include <algorithm>

#include "publishers/PublisherMoves.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

constexpr int kFilterTexts[] = {text::TxPeriodSixMonths, text::TxPeriodServiceYear,
                                text::TxPeriodTwelveMonths, text::TxPeriodMoreThanTwelve,
                                text::TxPeriodAll};

std::string nameOf(const CVelnoDoc& doc, int pos) {
    return text::cp1252ToUtf8(doc.displayName(pos));
}

int keptRow(int row, std::size_t size) {
    if (size == 0) return -1;
    return row >= 0 && row < static_cast<int>(size) ? row : 0;
}

}  // namespace

std::vector<SideListRow> sixMonthsWithoutReport(const CVelnoDoc& doc) {
    const RecordStore& store = doc.store();
    const ReportMonth& rm = doc.reportMonth();
    std::vector<SideListRow> rows;
    for (const std::uint16_t pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        bool reported = false;
        int month0 = rm.reportMonth0;
        int parity = rm.parity();
        for (int i = 0; i < 6 && !reported; ++i) {
            reported = r.hasReportAt(monthSlot(month0, parity));
            if (--month0 < 0) {
                month0 = 11;
                parity ^= 1;
            }
        }
        if (!reported) rows.push_back({pos, r.id, nameOf(doc, pos)});
    }
    return rows;
}

void TwoListSelection::keepRows() {
    leftRow_ = keptRow(leftRow_, left_.size());
    rightRow_ = keptRow(rightRow_, right_.size());
}

void TwoListSelection::openAt(bool preferRight) {
    leftRow_ = left_.empty() ? -1 : 0;
    rightRow_ = right_.empty() ? -1 : 0;
    side_ = preferRight && !right_.empty() ? SideListSide::Right : SideListSide::Left;
}

void TwoListSelection::selectLeft(int row) {
    side_ = SideListSide::Left;
    if (row >= 0 && row < static_cast<int>(left_.size())) leftRow_ = row;
}

void TwoListSelection::selectRight(int row) {
    side_ = SideListSide::Right;
    if (row >= 0 && row < static_cast<int>(right_.size())) rightRow_ = row;
}

const SideListRow* TwoListSelection::selectedRow() const {
    const auto& rows = side_ == SideListSide::Left ? left_ : right_;
    const int row = side_ == SideListSide::Left ? leftRow_ : rightRow_;
    return row >= 0 && row < static_cast<int>(rows.size()) ? &rows[row] : nullptr;
}

int TwoListSelection::selectedPos() const {
    const SideListRow* row = selectedRow();
    return row ? row->pos : 0;
}

SideListModel::SideListModel(CVelnoDoc& doc, SideListMode mode) : doc_(doc), mode_(mode) {
    rebuild();
    openAt(true);
}

std::string SideListModel::title() const {
    return text::tr(mode_ == SideListMode::Inactive ? text::TxInactiveListTitle
                                                    : text::TxDeletedListTitle);
}

std::string SideListModel::leftGroupText() const {
    if (mode_ == SideListMode::Deleted) return " " + text::tr(text::TxDeletedWord) + " ";
    return text::tr(text::TxInactiveGroup);
}

std::string SideListModel::rightGroupText() const {
    return text::tr(text::TxSixMonthsGroup);
}

std::string SideListModel::actionText() const {
    if (mode_ == SideListMode::Deleted) return text::tr(text::TxRestoreButton);
    return text::tr(side_ == SideListSide::Right ? text::TxToInactiveButton
                                                 : text::TxReactivateButton);
}

std::string SideListModel::filterText() const {
    return text::tr(kFilterTexts[filter_]);
}

std::string SideListModel::editText() const {
    return text::tr(text::TxSideListEdit);
}

std::string SideListModel::deleteText() const {
    return text::tr(text::TxEditDelete);
}

std::string SideListModel::closeText() const {
    return text::tr(text::TxSelectClose);
}

std::string SideListModel::leftLine(int pos) const {
    const PublisherRecord& r = doc_.store().at(pos);
    const std::string name = nameOf(doc_, pos);
    if (mode_ == SideListMode::Inactive) {
        const int month = r.statusMonth();
        const std::string monthText =
            month >= 1 && month <= 12 ? text::monthShortName(month - 1) : std::string();
        return name + "\t" +
               text::formatPrintf("%d  %s", yearFromByte(r.listYear), monthText.c_str());
    }
    const int month = r.markStamp % 256;
    const int yearPart = r.markStamp / 256;
    const std::string monthText =
        month >= 1 && month <= 12 ? text::monthShortName(month - 1) : std::string();
    const std::string yearText = yearPart == 0 ? std::string() : std::to_string(1950 + yearPart);
    return name + "\t" + monthText + " " + yearText;
}

void SideListModel::rebuild() {
    const RecordStore& store = doc_.store();
    left_.clear();
    const int kind = mode_ == SideListMode::Inactive ? ListInactive : ListDeleted;
    for (const std::uint16_t pos : store.subList(kind)) {
        const PublisherRecord& r = store.at(pos);
        if (mode_ == SideListMode::Inactive && filter_ != 4 &&
            sidePeriodMonth(r, doc_.reportMonth().reportStamp, true, kFilters[filter_]) == 0)
            continue;
        left_.push_back({pos, r.id, leftLine(pos)});
    }
    right_.clear();
    if (mode_ == SideListMode::Inactive) right_ = sixMonthsWithoutReport(doc_);
    keepRows();
}

void SideListModel::useSide(SideListSide side) {
    if (side == SideListSide::Right && !rightVisible()) return;
    side_ = side;
}

void SideListModel::selectRight(int row) {
    if (rightVisible()) TwoListSelection::selectRight(row);
}

std::string SideListModel::nameLine() const {
    const SideListRow* row = selectedRow();
    if (!row) return {};
    return row->text.substr(0, row->text.find('\t'));
}

void SideListModel::nextFilter() {
    if (!filterVisible()) return;
    filter_ = (filter_ + 1) % 5;
    rebuild();
}

std::optional<MonthChoiceModel> SideListModel::actionQuestion() const {
    const int pos = selectedPos();
    if (pos == 0) return std::nullopt;
    if (mode_ == SideListMode::Deleted)
        return MonthChoiceModel(doc_.reportMonth(), nameOf(doc_, pos));
    if (side_ == SideListSide::Right) {
        if (doc_.store().countList(ListInactive) >= kInactiveListLimit) return std::nullopt;
        return moveQuestion(doc_, pos, MoveVerb::ToInactive);
    }
    return moveQuestion(doc_, pos, MoveVerb::Reactivated);
}

bool SideListModel::act(const MonthChoice& choice) {
    const int pos = selectedPos();
    if (pos == 0 || !choice.chosen()) return false;
    bool done = false;
    cleared_ = 0;
    if (mode_ == SideListMode::Deleted) {
        done = restoreDeleted(doc_, pos, choice.month);
    } else if (side_ == SideListSide::Right) {
        done = moveToInactive(doc_, pos, choice.month, choice.year);
    } else {
        cleared_ = reactivatePublisher(doc_, pos, choice.month);
        done = cleared_ >= 0;
        cleared_ = std::max(cleared_, 0);
    }
    if (done) rebuild();
    return done;
}

std::string SideListModel::confirmDeleteText() const {
    return text::arg(text::tr(text::TxConfirmDelete), nameLine());
}

bool SideListModel::deleteSelected() {
    if (side_ != SideListSide::Left) return false;
    const int pos = selectedPos();
    if (pos == 0 || !deletePermanently(doc_, pos)) return false;
    rebuild();
    return true;
}

}  // namespace velno
