#include "publishers/BibleStudentListModel.h"

#include <algorithm>

#include "publishers/PublisherEditModel.h"
#include "publishers/RecordPlacement.h"
#include "store/CVelnoDoc.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

BibleStudentListModel::BibleStudentListModel(CVelnoDoc& doc)
    : doc_(doc), language_(text::tr(text::LanguageCode)), startedDirty_(doc.dirty) {
    refill();
}

BibleStudentListModel::~BibleStudentListModel() = default;

std::string BibleStudentListModel::title() const {
    return text::tr(text::TxStudentSelectTitle);
}

std::string BibleStudentListModel::editButtonText() const {
    return text::tr(text::TxSelectEdit);
}

std::string BibleStudentListModel::addButtonText() const {
    std::string caption = text::tr(text::TxEnrolAdd);
    std::erase(caption, '<');
    if (language_ != "swedish") std::erase(caption, ' ');
    return caption;
}

std::string BibleStudentListModel::closeButtonText() const {
    return text::tr(text::TxSelectClose);
}

void BibleStudentListModel::select(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) selected_ = row;
}

void BibleStudentListModel::refill() {
    rows_.clear();
    for (int pos : doc_.store().subList(ListBibleStudent))
        rows_.push_back({pos, doc_.store().at(pos).id, listName(doc_, pos)});
    if (selected_ >= static_cast<int>(rows_.size())) selected_ = 0;
}

std::unique_ptr<PublisherEditModel> BibleStudentListModel::openEditor() {
    if (rows_.empty()) return openAddEditor();
    return PublisherEditModel::forBibleStudent(doc_, EditMode::Edit, rows_[selected_].storePos);
}

std::unique_ptr<PublisherEditModel> BibleStudentListModel::openAddEditor() {
    return PublisherEditModel::forBibleStudent(doc_, EditMode::Add);
}

void BibleStudentListModel::editorClosed() {
    refill();
}

bool BibleStudentListModel::close() {
    const bool changed = doc_.dirty && !startedDirty_;
    if (doc_.dirty) doc_.rebuildIndex();
    return changed;
}

}  // namespace velno
