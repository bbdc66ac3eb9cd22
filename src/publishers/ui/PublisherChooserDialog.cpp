#include "publishers/ui/PublisherChooserDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/PublisherChooserModel.h"
#include "text/ui/QtText.h"

namespace velno {

PublisherChooserDialog::PublisherChooserDialog(PublisherChooserModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog126");
    setWindowTitle(qs(model_.title()));

    choices_ = new QListWidget(this);
    choices_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const auto& name : model_.choiceRows()) choices_->addItem(qs(name));
    side_ = new QListWidget(this);
    for (const auto& row : model_.sideRows()) side_->addItem(qs(row));
    pick_ = new QPushButton(qs(model_.pickText()), this);
    remove_ = new QPushButton(qs(model_.removeText()), this);
    or_ = new QLabel(qs(model_.orText()), this);
    or_->setAlignment(Qt::AlignCenter);
    count_ = new QLabel(this);
    count_->setAlignment(Qt::AlignCenter);
    ok_ = new QPushButton(qs(model_.okText()), this);
    auto* cancel = new QPushButton(qs(model_.cancelText()), this);
    ok_->setDefault(true);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(pick_);
    middle->addWidget(or_);
    middle->addWidget(remove_);
    middle->addSpacing(12);
    middle->addWidget(count_);
    middle->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* grid = new QGridLayout(this);
    grid->addWidget(choices_, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addWidget(side_, 0, 2);
    grid->addLayout(buttons, 1, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);
    resize(620, 420);

    connect(choices_, &QListWidget::itemSelectionChanged, this, [this] {
        for (int row = 0; row < choices_->count(); ++row)
            if (choices_->item(row)->isSelected() != model_.isSelected(row))
                model_.setSelected(row, choices_->item(row)->isSelected());
        showModel();
    });
    connect(side_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.chooseSide(row);
        showModel();
    });
    connect(pick_, &QPushButton::clicked, this, [this] {
        model_.pick();
        showModel();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        model_.remove();
        showModel();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showModel();
}

void PublisherChooserDialog::showModel() {
    {
        const QSignalBlocker block(choices_);
        for (int row = 0; row < choices_->count(); ++row)
            choices_->item(row)->setSelected(model_.isSelected(row));
    }
    count_->setText(qs(model_.countLine()));
    ok_->setVisible(model_.okVisible());
    remove_->setVisible(model_.removeVisible());
    or_->setVisible(model_.orVisible());
}

}  // namespace velno
