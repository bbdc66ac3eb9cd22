#include "publishers/ui/MovedListDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "publishers/MovedListModel.h"
#include "publishers/ui/MonthChoiceDialog.h"
#include "publishers/ui/SideListRows.h"
#include "store/CVelnoDoc.h"
#include "text/ui/QtText.h"

namespace velno {

MovedListDialog::MovedListDialog(CVelnoDoc& doc, MovedListModel& model, QWidget* parent)
    : QDialog(parent), askMonth(velno::askMonth), doc_(doc), model_(model) {
    setObjectName("dialog112");
    setWindowTitle(qs(model_.title()));
    auto* leftBox = new QGroupBox(qs(model_.leftGroupText()), this);
    auto* rightBox = new QGroupBox(qs(model_.rightGroupText()), this);
    left_ = new QListWidget(leftBox);
    right_ = new QListWidget(rightBox);
    (new QVBoxLayout(leftBox))->addWidget(left_);
    auto* rightLayout = new QVBoxLayout(rightBox);
    inactive_ = new QCheckBox(qs(model_.inactiveSourceText()), rightBox);
    rightLayout->addWidget(inactive_);
    rightLayout->addWidget(right_);
    name_ = new QLabel(this);
    action_ = new QPushButton(this);
    undo_ = new QPushButton(qs(model_.undoText()), this);
    filter_ = new QPushButton(this);
    auto* done = new QPushButton(qs(model_.doneText()), this);

    // Return carries out the action on the selected line.
    action_->setDefault(true);
    auto* middle = new QVBoxLayout;
    middle->addWidget(name_);
    middle->addWidget(action_);
    middle->addWidget(undo_);
    middle->addWidget(filter_);
    middle->addStretch();
    middle->addWidget(done);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(leftBox, 1);
    layout->addLayout(middle);
    layout->addWidget(rightBox, 1);
    resize(760, 420);

    connectSideLists(this, left_, right_, model_, showing_, [this] { showModel(); });
    connect(inactive_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setInactiveSource(on);
        showModel();
    });
    connect(action_, &QPushButton::clicked, this, [this] { act(); });
    connect(undo_, &QPushButton::clicked, this, [this] { undo(); });
    connect(filter_, &QPushButton::clicked, this, [this] {
        model_.nextFilter();
        showModel();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    showModel();
    (model_.side() == SideListSide::Right ? right_ : left_)->setFocus();
}

void MovedListDialog::showModel() {
    showing_ = true;
    fillSideList(left_, model_.leftRows(), model_.leftRow());
    fillSideList(right_, model_.rightRows(), model_.rightRow());
    showing_ = false;
    name_->setText(qs(model_.nameLine()));
    action_->setText(qs(model_.actionText()));
    filter_->setText(qs(model_.filterText()));
    undo_->setVisible(model_.undoVisible());
}

void MovedListDialog::act() {
    if (model_.side() == SideListSide::Right) {
        if (auto question = model_.moveQuestion()) model_.moveSelected(askMonth(*question, this));
    } else if (model_.selectedPos() != 0 &&
               doc_.prompter().ask(model_.confirmDeleteText(), Buttons::OkCancel, Answer::Cancel,
                                   Icon::Question) == Answer::Ok) {
        model_.deleteSelected();
    }
    showModel();
}

void MovedListDialog::undo() {
    if (model_.selectedPos() == 0) return;
    if (doc_.prompter().ask(model_.confirmUndoText(), Buttons::OkCancel, Answer::Cancel,
                            Icon::Question) != Answer::Ok)
        return;
    MonthChoice choice;
    if (model_.undoNeedsMonth()) {
        MonthChoiceModel question = model_.undoQuestion();
        choice = askMonth(question, this);
        if (!choice.chosen()) return;
    }
    model_.undoSelected(choice);
    showModel();
}

}  // namespace velno
