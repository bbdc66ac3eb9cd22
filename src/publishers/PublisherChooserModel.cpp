#include "publishers/PublisherChooserModel.h"

#include <algorithm>

#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"

namespace velno {

PublisherChooserModel::PublisherChooserModel(const CVelnoDoc& doc, int titleText, ListKind list,
                                             LastEntry last)
    : doc_(doc), titleText_(titleText), last_(last) {
    const RecordStore& store = doc.store();
    if (list < kSideListKinds) {
        for (int pos : store.subList(list)) {
            positions_.push_back(pos);
            names_.push_back(text::cp1252ToUtf8(displayNameOf(store.at(pos), true)));
        }
    }
    selected_.assign(positions_.size(), false);
    groupCount_ = std::clamp(doc.groups().count(), 0, GroupTable::kCapacity);
    for (int g = 1; g <= groupCount_; ++g)
        sideRows_.push_back(text::cp1252ToUtf8(doc.groups().displayName(g)));
    sideRows_.push_back(text::tr(last == LastEntry::BlankForm ? text::TxBlankForm
                                                              : text::TxRegularAndSpecialPioneers));
}

std::string PublisherChooserModel::title() const {
    return text::tr(titleText_);
}
std::string PublisherChooserModel::pickText() const {
    return text::tr(text::TxChooserPick);
}
std::string PublisherChooserModel::removeText() const {
    return text::tr(text::TxChooserRemove);
}
std::string PublisherChooserModel::orText() const {
    return text::tr(text::TxChooserOr);
}
std::string PublisherChooserModel::okText() const {
    return text::tr(text::TxButtonOk);
}
std::string PublisherChooserModel::cancelText() const {
    return text::tr(text::TxButtonCancel);
}

bool PublisherChooserModel::isSelected(int row) const {
    return row >= 0 && row < static_cast<int>(selected_.size()) && selected_[row];
}

void PublisherChooserModel::setSelected(int row, bool selected) {
    if (row < 0 || row >= static_cast<int>(selected_.size())) return;
    selected_[row] = selected;
    if (selected) blankForm_ = false;
    showSideLabel_ = false;
}

int PublisherChooserModel::selectedCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void PublisherChooserModel::chooseSide(int row) {
    if (row < 0 || row >= static_cast<int>(sideRows_.size())) return;
    sideRow_ = row;
    showSideLabel_ = true;
}

void PublisherChooserModel::applySide(bool select) {
    if (sideRow_ < 0) return;
    const RecordStore& store = doc_.store();
    if (sideRow_ < groupCount_) {
        const int group = sideRow_ + 1;
        for (std::size_t i = 0; i < positions_.size(); ++i)
            if (store.at(positions_[i]).group == group) selected_[i] = select;
    } else if (last_ == LastEntry::Pioneers) {
        const int slot = doc_.reportMonth().slot();
        for (std::size_t i = 0; i < positions_.size(); ++i) {
            const int kind = store.at(positions_[i]).kindAt(slot);
            if (kind == ServiceRegular || kind == ServiceSpecial) selected_[i] = select;
        }
    } else {
        // The blank form stands for "nobody": one empty form is printed.
        std::fill(selected_.begin(), selected_.end(), false);
        blankForm_ = select;
        showSideLabel_ = true;
        return;
    }
    if (select) blankForm_ = false;
    showSideLabel_ = false;
}

void PublisherChooserModel::pick() {
    applySide(true);
}

void PublisherChooserModel::remove() {
    applySide(false);
}

std::string PublisherChooserModel::countLine() const {
    if (showSideLabel_ && sideRow_ >= 0) return sideRows_[sideRow_];
    if (sideRow_ < 0 && selectedCount() == 0) return text::tr(text::TxChooserAllMembers);
    return text::arg(text::tr(text::TxChooserSelected), std::to_string(selectedCount()));
}

std::vector<int> PublisherChooserModel::result() const {
    std::vector<int> chosen;
    if (blankForm_) return chosen;
    for (std::size_t i = 0; i < positions_.size(); ++i)
        if (selected_[i]) chosen.push_back(positions_[i]);
    return chosen;
}

}  // namespace velno
