#include "publishers/MovedListModel.h"

#include "publishers/PublisherMoves.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

namespace {

constexpr int kFilterTexts[] = {text::TxPeriodSixMonths, text::TxPeriodServiceYear,
                                text::TxPeriodTwelveMonths};

}  // namespace

MovedListModel::MovedListModel(CVelnoDoc& doc) : doc_(doc) {
    rebuild();
    // The right list is in use unless only the left one holds someone.
    openAt(true);
    if (right_.empty() && left_.empty()) side_ = SideListSide::Right;
}

std::string MovedListModel::title() const {
    return text::tr(text::TxMovedTitle);
}
std::string MovedListModel::leftGroupText() const {
    return text::tr(text::TxMovedGroup);
}
std::string MovedListModel::rightGroupText() const {
    return text::arg(text::tr(text::TxListNotReporting),
                     text::monthName(doc_.reportMonth().reportMonth0));
}
std::string MovedListModel::inactiveSourceText() const {
    return text::tr(text::TxInactiveSource);
}
std::string MovedListModel::actionText() const {
    return text::tr(side_ == SideListSide::Right ? text::TxMoveAwayButton
                                                 : text::TxMovedDeleteButton);
}
std::string MovedListModel::undoText() const {
    return text::tr(text::TxUndoMoveButton);
}
std::string MovedListModel::filterText() const {
    return text::tr(kFilterTexts[filter_]);
}
std::string MovedListModel::doneText() const {
    return text::tr(text::TxSideListDone);
}

void MovedListModel::rebuild() {
    const RecordStore& store = doc_.store();
    const ReportMonth& rm = doc_.reportMonth();
    left_.clear();
    for (const std::uint16_t pos : store.subList(ListMoved)) {
        const PublisherRecord& r = store.at(pos);
        const int month = sidePeriodMonth(r, rm.reportStamp, false, kFilters[filter_]);
        if (month <= 0) continue;
        left_.push_back(
            {pos, r.id,
             text::cp1252ToUtf8(doc_.displayName(pos)) + "\t" + text::monthShortName(month - 1)});
    }
    right_.clear();
    const int kind = inactiveSource_ ? ListInactive : ListActive;
    for (const std::uint16_t pos : store.subList(kind)) {
        const PublisherRecord& r = store.at(pos);
        if (!inactiveSource_ && r.hasReportAt(rm.slot())) continue;
        right_.push_back({pos, r.id, text::cp1252ToUtf8(doc_.displayName(pos))});
    }
    keepRows();
}

void MovedListModel::setInactiveSource(bool on) {
    inactiveSource_ = on;
    rightRow_ = 0;
    side_ = SideListSide::Right;
    rebuild();
}

std::string MovedListModel::nameLine() const {
    const int pos = selectedPos();
    return pos == 0 ? std::string() : text::cp1252ToUtf8(doc_.displayName(pos));
}

void MovedListModel::nextFilter() {
    filter_ = (filter_ + 1) % 3;
    rebuild();
}

std::optional<MonthChoiceModel> MovedListModel::moveQuestion() const {
    const int pos = selectedPos();
    if (side_ != SideListSide::Right || pos == 0) return std::nullopt;
    if (doc_.store().countList(ListMoved) >= kMovedListLimit) return std::nullopt;
    return velno::moveQuestion(doc_, pos, MoveVerb::MovedAway);
}

bool MovedListModel::moveSelected(const MonthChoice& choice) {
    const int pos = selectedPos();
    if (side_ != SideListSide::Right || pos == 0 || !choice.chosen()) return false;
    if (!moveAway(doc_, pos, choice.month)) return false;
    rebuild();
    return true;
}

std::string MovedListModel::confirmDeleteText() const {
    return text::arg(text::tr(text::TxConfirmDelete), nameLine());
}

bool MovedListModel::deleteSelected() {
    const int pos = selectedPos();
    if (side_ != SideListSide::Left || pos == 0) return false;
    if (!deletePermanently(doc_, pos)) return false;
    rebuild();
    return true;
}

std::string MovedListModel::confirmUndoText() const {
    return text::arg(text::tr(text::TxConfirmUndoMove), nameLine());
}

bool MovedListModel::undoNeedsMonth() const {
    const int pos = selectedPos();
    return pos != 0 && !returnsToInactive(doc_.store().at(pos));
}

MonthChoiceModel MovedListModel::undoQuestion() const {
    return MonthChoiceModel(doc_.reportMonth(),
                            moveCaption(doc_, selectedPos(), MoveVerb::Returned),
                            MonthChoiceExtra::RegularCheck);
}

bool MovedListModel::undoSelected(const MonthChoice& choice) {
    const int pos = selectedPos();
    if (side_ != SideListSide::Left || pos == 0) return false;
    if (!undoMove(doc_, pos, choice.month, choice.regular)) return false;
    rebuild();
    return true;
}

}  // namespace velno
