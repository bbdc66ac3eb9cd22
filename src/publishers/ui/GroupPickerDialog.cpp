#include "publishers/ui/GroupPickerDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "publishers/GroupPickerModel.h"
#include "text/StringTable.h"
#include "text/texts/PublishersTexts.h"
#include "text/ui/QtText.h"

namespace velno {

GroupPickerDialog::GroupPickerDialog(GroupPickerModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog142");
    setWindowTitle(qs(model_.title()));
    numbers_ = new QListWidget(this);
    for (const auto& l : model_.lines()) numbers_->addItem(qs(l));
    numbers_->setMaximumWidth(80);
    label_ = new QLabel(this);
    overseer_ = new QLabel(this);
    location_ = new QLabel(this);
    auto* heading = new QLabel(qs(model_.membersHeading()), this);
    members_ = new QListWidget(this);
    ok_ = new QPushButton(qs(text::tr(text::TxOk)), this);
    auto* cancel = new QPushButton(qs(text::tr(text::TxEditCancel)), this);
    ok_->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(numbers_, 0, 0, 6, 1);
    grid->addWidget(label_, 0, 1);
    grid->addWidget(overseer_, 1, 1);
    grid->addWidget(location_, 2, 1);
    grid->addWidget(heading, 3, 1);
    grid->addWidget(members_, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 5, 1);
    resize(420, 380);

    if (model_.selectedRow() >= 0) numbers_->setCurrentRow(model_.selectedRow());
    connect(numbers_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select(row);
        showGroup();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showGroup();
    numbers_->setFocus();
}

void GroupPickerDialog::showGroup() {
    label_->setText(qs(model_.labelLine()));
    overseer_->setText(qs(model_.overseerLine()));
    location_->setText(qs(model_.locationLine()));
    members_->clear();
    for (const auto& m : model_.members()) members_->addItem(qs(m));
}

}  // namespace velno
