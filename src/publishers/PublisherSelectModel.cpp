#include "publishers/PublisherSelectModel.h"

#include "publishers/PublisherEditModel.h"
#include "publishers/RecordPlacement.h"
#include "store/CVelnoDoc.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

PublisherSelectModel::PublisherSelectModel(CVelnoDoc& doc, SelectMode mode)
    : doc_(doc), mode_(mode) {
    refill();
}

PublisherSelectModel::~PublisherSelectModel() = default;

std::string PublisherSelectModel::title() const {
    return text::tr(text::TxSelectTitle);
}

std::string PublisherSelectModel::editButtonText() const {
    if (mode_ == SelectMode::Picker) return "&" + text::tr(text::TxPick);
    return text::tr(text::TxSelectEdit);
}

std::string PublisherSelectModel::addButtonText() const {
    return text::tr(text::TxSelectAdd);
}

std::string PublisherSelectModel::closeButtonText() const {
    if (mode_ == SelectMode::Picker) return "&" + text::tr(text::TxPickCancel);
    return text::tr(text::TxSelectClose);
}

void PublisherSelectModel::select(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) selected_ = row;
}

void PublisherSelectModel::refill() {
    rows_.clear();
    for (int pos : doc_.store().subList(ListActive))
        rows_.push_back({pos, doc_.store().at(pos).id, listName(doc_, pos)});
    if (selected_ >= static_cast<int>(rows_.size())) selected_ = 0;
}

void PublisherSelectModel::refillAtTop() {
    refill();
    selected_ = 0;
}

void PublisherSelectModel::selectId(PublisherId id) {
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].id == id) selected_ = static_cast<int>(row);
}

int PublisherSelectModel::step(int delta) {
    const int n = static_cast<int>(rows_.size());
    if (n == 0) return 0;
    selected_ = ((selected_ + delta) % n + n) % n;
    return rows_[selected_].storePos;
}

std::unique_ptr<PublisherEditModel> PublisherSelectModel::openEditor() {
    if (rows_.empty()) return openAddEditor();
    return std::make_unique<PublisherEditModel>(doc_, this, EditMode::Edit,
                                                rows_[selected_].storePos);
}

AddStep PublisherSelectModel::addStep() const {
    const RecordStore& store = doc_.store();
    const bool sideLists =
        !store.subList(ListInactive).empty() || !store.subList(ListBibleStudent).empty();
    return sideLists ? AddStep::Chooser : AddStep::Editor;
}

std::unique_ptr<PublisherEditModel> PublisherSelectModel::openAddEditor() {
    return std::make_unique<PublisherEditModel>(doc_, this, EditMode::Add);
}

AddPublisherModel PublisherSelectModel::addChooser() {
    return AddPublisherModel(doc_);
}

std::optional<int> PublisherSelectModel::pick() const {
    if (rows_.empty()) return std::nullopt;
    return rows_[selected_].storePos;
}

SelectCloseResult PublisherSelectModel::close() {
    SelectCloseResult result;
    constexpr std::uint16_t needs = MoreBit::Deaf | MoreBit::Blind | MoreBit::Isolated;
    for (int pos : doc_.store().subList(ListActive))
        if (doc_.store().at(pos).moreBits & needs) ++result.specialNeeds;
    doc_.hasSpecialNeeds = result.specialNeeds != 0;
    result.redraw = doc_.dirty;
    copySource_.reset();
    return result;
}

}  // namespace velno
