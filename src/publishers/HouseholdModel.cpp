#include "publishers/HouseholdModel.h"

#include "store/CVelnoDoc.h"
#include "store/Households.h"
#include "text/Cp1252.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

std::string householdLine(const CVelnoDoc& doc, int storePos) {
    const PublisherRecord& r = doc.store().at(storePos);
    std::string line = text::cp1252ToUtf8(displayNameOf(r, true));
    if (r.listKind == ListInactive)
        line += " ( " + text::tr(text::TxInactiveMark) + " )";
    else if (r.listKind == ListBibleStudent)
        line += " ( " + text::tr(text::TxStudentMark) + " )";
    return line;
}

HouseholdModel::HouseholdModel(CVelnoDoc& doc, HouseholdJournal& journal, PublisherRecord& opener,
                               bool openerIsHead, std::string headName)
    : doc_(doc), journal_(journal), opener_(opener), openerIsHead_(openerIsHead) {
    head_ = openerIsHead_ ? opener_.id : opener_.household;
    const int pos = doc_.store().storePosById(head_);
    if (pos > 0 && !(openerIsHead_ && !headName.empty()))
        headName_ = text::cp1252ToUtf8(displayNameOf(doc_.store().at(pos), true));
    else
        headName_ = std::move(headName);
    rebuild();
}

void HouseholdModel::rebuild() {
    members_ = householdMembers(doc_.store(), head_);
    lines_.assign(1, headName_);
    for (int pos : members_) lines_.push_back(householdLine(doc_, pos));
    if (selected_ >= static_cast<int>(lines_.size())) selected_ = 0;
}

std::string HouseholdModel::staticText() const {
    return text::tr(text::TxHouseholdStatic);
}

void HouseholdModel::select(int line) {
    if (line >= 0 && line < static_cast<int>(lines_.size())) selected_ = line;
}

std::string HouseholdModel::addText() const {
    return text::tr(text::TxHouseholdAdd);
}

bool HouseholdModel::deleteVisible() const {
    if (selected_ <= 0) return false;
    if (openerIsHead_) return true;
    return doc_.store().at(members_[selected_ - 1]).id == opener_.id;
}

std::string HouseholdModel::deleteText() const {
    return text::tr(text::TxMovedDeleteButton) + " - " + lines_[selected_];
}

std::string HouseholdModel::closeText() const {
    return text::tr(text::TxHouseholdClose);
}

HouseholdPickerModel HouseholdModel::picker() const {
    return HouseholdPickerModel(doc_, head_);
}

bool HouseholdModel::addMember(int storePos) {
    if (!openerIsHead_ || storePos <= 0 || storePos >= doc_.store().recordCount()) return false;
    const PublisherRecord& r = doc_.store().at(storePos);
    // A head with members keeps them; the picker does not offer one.
    if (r.id == head_ || (isHouseholdHead(r) && !householdMembers(doc_.store(), r.id).empty()))
        return false;
    setHouseholdLink(doc_.store(), storePos, head_, &journal_);
    doc_.dirty = true;
    rebuild();
    return true;
}

bool HouseholdModel::removeSelected() {
    if (!deleteVisible()) return false;
    const int pos = members_[selected_ - 1];
    const bool self = doc_.store().at(pos).id == opener_.id;
    setHouseholdLink(doc_.store(), pos, 0, &journal_);
    doc_.dirty = true;
    if (self) {
        opener_.household = 0;
        return true;
    }
    selected_ = 0;
    rebuild();
    return false;
}

}  // namespace velno
