#pragma once
// Adding a publisher (dialog 138 "Tambahkan Penyiar"): a brand-new record,
// a reactivation from the inactive list, or a Bible student who becomes a
// publisher. The two moves go through the list picker and the month choice.

#include <string>

#include "publishers/MonthChoiceModel.h"
#include "publishers/PublisherListPickerModel.h"

namespace velno {

class CVelnoDoc;

enum class AddChoice { New, Reactivate, Promote };

class AddPublisherModel {
public:
    explicit AddPublisherModel(CVelnoDoc& doc) : doc_(doc) {}

    std::string title() const;
    std::string choiceText(AddChoice choice) const;
    std::string cancelText() const;
    bool choiceVisible(AddChoice choice) const;

    // The picker for a move (mode 1 inactive, 2 Bible students).
    PublisherListPickerModel picker(AddChoice choice) const;
    // The month question for the record picked at `line` of that picker.
    MonthChoiceModel monthQuestion(AddChoice choice, int line) const;
    // Carries out the move once a month was chosen; false when nothing
    // changed (cancelled month, or no such record).
    bool apply(AddChoice choice, int line, const MonthChoice& month);

private:
    int positionOf(AddChoice choice, int line) const;

    CVelnoDoc& doc_;
};

}  // namespace velno
