#pragma once
// Dialog 138, adding a publisher: a brand-new record, a reactivation from
// the inactive list or a Bible student who becomes a publisher; a view over
// AddPublisherModel. The dialog only tells which way was chosen.

#include <QDialog>
#include <functional>
#include <optional>

#include "publishers/AddPublisherModel.h"

class QPushButton;

namespace velno {

class AddPublisherDialog : public QDialog {
    Q_OBJECT
public:
    AddPublisherDialog(AddPublisherModel& model, QWidget* parent = nullptr);

    QPushButton* choiceButton(AddChoice choice) const;
    QPushButton* cancelButton() const { return cancel_; }
    std::optional<AddChoice> choice() const { return choice_; }

private:
    AddPublisherModel& model_;
    QPushButton* buttons_[3] = {};
    QPushButton* cancel_;
    std::optional<AddChoice> choice_;
};

// Asks the month of a move (the shared month choice dialog).
using MonthAsker = std::function<MonthChoice(MonthChoiceModel&, QWidget*)>;

// The whole way of a move chosen in the dialog: the list picker, the month
// question, the move. Returns whether a record moved.
bool runMove(AddPublisherModel& model, AddChoice choice, const MonthAsker& askMonth,
             QWidget* parent);

}  // namespace velno
