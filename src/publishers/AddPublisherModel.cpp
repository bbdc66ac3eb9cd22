#include "publishers/AddPublisherModel.h"

#include "publishers/PublisherMoves.h"
#include "store/CVelnoDoc.h"
#include "text/texts/PublishersTexts.h"

namespace velno {

std::string AddPublisherModel::title() const {
    return text::tr(text::TxAddTitle);
}

std::string AddPublisherModel::choiceText(AddChoice choice) const {
    switch (choice) {
        case AddChoice::New:
            return text::tr(text::TxAddNew);
        case AddChoice::Reactivate:
            return text::tr(text::TxAddReactivate);
        case AddChoice::Promote:
            break;
    }
    return text::tr(text::TxAddPromote);
}

std::string AddPublisherModel::cancelText() const {
    return text::tr(text::TxCancel);
}

bool AddPublisherModel::choiceVisible(AddChoice choice) const {
    switch (choice) {
        case AddChoice::New:
            return true;
        case AddChoice::Reactivate:
            return !doc_.store().subList(ListInactive).empty();
        case AddChoice::Promote:
            break;
    }
    return !doc_.store().subList(ListBibleStudent).empty();
}

PublisherListPickerModel AddPublisherModel::picker(AddChoice choice) const {
    return PublisherListPickerModel(
        doc_, choice == AddChoice::Promote ? PickerList::BibleStudents : PickerList::Inactive);
}

int AddPublisherModel::positionOf(AddChoice choice, int line) const {
    if (choice == AddChoice::New) return 0;
    return picker(choice).positionOf(line);
}

MonthChoiceModel AddPublisherModel::monthQuestion(AddChoice choice, int line) const {
    const MoveVerb verb = choice == AddChoice::Promote ? MoveVerb::Promoted : MoveVerb::Reactivated;
    return moveQuestion(doc_, positionOf(choice, line), verb);
}

bool AddPublisherModel::apply(AddChoice choice, int line, const MonthChoice& month) {
    const int pos = positionOf(choice, line);
    if (!month.chosen() || pos == 0) return false;
    if (choice == AddChoice::Promote) return promoteBibleStudent(doc_, pos, month.month);
    return reactivatePublisher(doc_, pos, month.month) >= 0;
}

}  // namespace velno
