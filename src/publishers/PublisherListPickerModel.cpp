#include "publishers/PublisherListPickerModel.h"

#include "publishers/RecordPlacement.h"
#include "store/CVelnoDoc.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

PublisherListPickerModel::PublisherListPickerModel(const CVelnoDoc& doc, PickerList list,
                                                   std::vector<int> candidates)
    : list_(list) {
    switch (list) {
        case PickerList::Inactive:
            for (int pos : doc.store().subList(ListInactive)) positions_.push_back(pos);
            break;
        case PickerList::BibleStudents:
            for (int pos : doc.store().subList(ListBibleStudent)) positions_.push_back(pos);
            break;
        case PickerList::HouseholdCandidates:
            positions_ = std::move(candidates);
            break;
    }
    for (int pos : positions_) lines_.push_back(listName(doc, pos));
}

std::string PublisherListPickerModel::title() const {
    switch (list_) {
        case PickerList::Inactive:
            return text::tr(text::TxListInactive);
        case PickerList::BibleStudents:
            return text::tr(text::TxListBibleStudents);
        case PickerList::HouseholdCandidates:
            break;
    }
    return {};
}

std::string PublisherListPickerModel::okText() const {
    return text::tr(text::TxOk);
}

std::string PublisherListPickerModel::cancelText() const {
    return text::tr(text::TxCancel);
}

void PublisherListPickerModel::select(int line) {
    if (line >= 0 && line < static_cast<int>(lines_.size())) selected_ = line;
}

std::optional<int> PublisherListPickerModel::ok() const {
    if (lines_.empty()) return std::nullopt;
    return selected_;
}

int PublisherListPickerModel::positionOf(int line) const {
    if (line < 0 || line >= static_cast<int>(positions_.size())) return 0;
    return positions_[line];
}

}  // namespace velno
