#include "publishers/ui/AddPublisherDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "publishers/ui/PublisherListPickerDialog.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

constexpr AddChoice kChoices[] = {AddChoice::New, AddChoice::Reactivate, AddChoice::Promote};

}  // namespace

AddPublisherDialog::AddPublisherDialog(AddPublisherModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog138");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    for (AddChoice choice : kChoices) {
        auto* button = new QPushButton(qs(model_.choiceText(choice)), this);
        button->setVisible(model_.choiceVisible(choice));
        layout->addWidget(button);
        buttons_[static_cast<int>(choice)] = button;
        connect(button, &QPushButton::clicked, this, [this, choice] {
            choice_ = choice;
            accept();
        });
    }
    cancel_ = new QPushButton(qs(model_.cancelText()), this);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cancel_);
    layout->addSpacing(8);
    layout->addLayout(bottom);
    buttons_[0]->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* AddPublisherDialog::choiceButton(AddChoice choice) const {
    return buttons_[static_cast<int>(choice)];
}

bool runMove(AddPublisherModel& model, AddChoice choice, const MonthAsker& askMonth,
             QWidget* parent) {
    if (choice == AddChoice::New || !askMonth) return false;
    PublisherListPickerModel picker = model.picker(choice);
    const std::optional<int> line = pickFromList(picker, parent);
    if (!line) return false;
    MonthChoiceModel question = model.monthQuestion(choice, *line);
    const MonthChoice month = askMonth(question, parent);
    return model.apply(choice, *line, month);
}

}  // namespace velno
