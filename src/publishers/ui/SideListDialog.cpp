#include "publishers/ui/SideListDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "publishers/DeletePublisherModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/SideListModel.h"
#include "publishers/ui/DeletePublisherDialog.h"
#include "publishers/ui/MonthChoiceDialog.h"
#include "publishers/ui/PublisherEditDialog.h"
#include "publishers/ui/SideListRows.h"
#include "store/CVelnoDoc.h"
#include "text/ui/QtText.h"

namespace velno {

SideListDialog::SideListDialog(CVelnoDoc& doc, SideListModel& model, QWidget* parent)
    : QDialog(parent), askMonth(velno::askMonth), doc_(doc), model_(model) {
    setObjectName("dialog114");
    setWindowTitle(qs(model_.title()));
    leftBox_ = new QGroupBox(qs(model_.leftGroupText()), this);
    rightBox_ = new QGroupBox(qs(model_.rightGroupText()), this);
    left_ = new QListWidget(leftBox_);
    right_ = new QListWidget(rightBox_);
    (new QVBoxLayout(leftBox_))->addWidget(left_);
    (new QVBoxLayout(rightBox_))->addWidget(right_);
    name_ = new QLabel(this);
    action_ = new QPushButton(this);
    filter_ = new QPushButton(this);
    edit_ = new QPushButton(qs(model_.editText()), this);
    delete_ = new QPushButton(qs(model_.deleteText()), this);
    auto* close = new QPushButton(qs(model_.closeText()), this);

    // Return carries out the action on the selected line.
    action_->setDefault(true);
    auto* middle = new QVBoxLayout;
    middle->addWidget(name_);
    middle->addWidget(action_);
    middle->addWidget(filter_);
    middle->addStretch();
    middle->addWidget(edit_);
    middle->addWidget(delete_);
    middle->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(leftBox_, 1);
    layout->addLayout(middle);
    layout->addWidget(rightBox_, 1);
    rightBox_->setVisible(model_.rightVisible());
    filter_->setVisible(model_.filterVisible());
    resize(model_.rightVisible() ? 760 : 480, 420);

    connectSideLists(this, left_, right_, model_, showing_, [this] { showModel(); });
    connect(action_, &QPushButton::clicked, this, [this] { act(); });
    connect(filter_, &QPushButton::clicked, this, [this] {
        model_.nextFilter();
        showModel();
    });
    connect(edit_, &QPushButton::clicked, this, [this] { editSelected(); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteSelected(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showModel();
    (model_.side() == SideListSide::Right ? right_ : left_)->setFocus();
}

void SideListDialog::showModel() {
    showing_ = true;
    fillSideList(left_, model_.leftRows(), model_.leftRow());
    fillSideList(right_, model_.rightRows(), model_.rightRow());
    showing_ = false;
    name_->setText(qs(model_.nameLine()));
    action_->setText(qs(model_.actionText()));
    filter_->setText(qs(model_.filterText()));
    edit_->setVisible(model_.editVisible());
    delete_->setVisible(model_.deleteVisible());
}

void SideListDialog::act() {
    auto question = model_.actionQuestion();
    if (!question) return;
    model_.act(askMonth(*question, this));
    showModel();
}

void SideListDialog::editSelected() {
    const int pos = model_.selectedPos();
    if (pos == 0 || model_.side() != SideListSide::Left) return;
    PublisherEditModel editor(doc_, nullptr, EditMode::Edit, pos);
    PublisherEditDialog dialog(editor, this);
    if (runEditor)
        runEditor(dialog);
    else
        dialog.exec();
    model_.rebuild();
    showModel();
}

void SideListDialog::deleteSelected() {
    const int pos = model_.selectedPos();
    if (pos == 0 || model_.side() != SideListSide::Left) return;
    if (model_.mode() == SideListMode::Deleted) {
        if (doc_.prompter().ask(model_.confirmDeleteText(), Buttons::OkCancel, Answer::Cancel,
                                Icon::Question) == Answer::Ok)
            model_.deleteSelected();
    } else {
        DeletePublisherModel dialogModel(doc_, pos);
        DeletePublisherDialog dialog(dialogModel, this);
        if (dialog.exec() == QDialog::Accepted) applyDeletion(doc_, pos, dialogModel.ok());
        model_.rebuild();
    }
    showModel();
}

}  // namespace velno
