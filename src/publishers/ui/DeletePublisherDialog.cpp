#include "publishers/ui/DeletePublisherDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/DeletePublisherModel.h"
#include "text/texts/PublishersTexts.h"
#include "text/ui/QtText.h"

namespace velno {

DeletePublisherDialog::DeletePublisherDialog(DeletePublisherModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog149");
    setWindowTitle(qs(model_.title()));
    permanent_ = new QRadioButton(qs(model_.permanentText()), this);
    temporary_ = new QRadioButton(qs(model_.temporaryText()), this);
    month_ = new QComboBox(this);
    for (const auto& line : model_.monthLines()) month_->addItem(qs(line));
    year_ = new QComboBox(this);
    for (const auto& line : model_.yearLines()) year_->addItem(qs(line));
    ok_ = new QPushButton(qs(text::tr(text::TxOk)), this);
    auto* cancel = new QPushButton(qs(text::tr(text::TxCancel)), this);
    ok_->setDefault(true);

    auto* dates = new QHBoxLayout;
    dates->addSpacing(20);
    dates->addWidget(month_);
    dates->addWidget(year_);
    dates->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(permanent_);
    layout->addWidget(temporary_);
    layout->addLayout(dates);
    layout->addStretch();
    layout->addLayout(buttons);
    // The lists keep their room while hidden, so the dialog does not jump.
    for (QComboBox* list : {month_, year_}) {
        QSizePolicy policy = list->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        list->setSizePolicy(policy);
    }
    setMinimumWidth(300);

    connect(permanent_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        model_.setKind(DeleteKind::Permanent);
        showModel();
    });
    connect(temporary_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        model_.setKind(DeleteKind::Temporary);
        showModel();
    });
    connect(month_, &QComboBox::currentIndexChanged, this,
            [this](int line) { model_.setMonthLine(line); });
    connect(year_, &QComboBox::currentIndexChanged, this,
            [this](int line) { model_.setYearLine(line); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showModel();
}

void DeletePublisherDialog::showModel() {
    const QSignalBlocker b1(permanent_), b2(temporary_), b3(month_), b4(year_);
    permanent_->setChecked(model_.kind() == DeleteKind::Permanent);
    temporary_->setChecked(model_.kind() == DeleteKind::Temporary);
    month_->setCurrentIndex(model_.monthLine());
    year_->setCurrentIndex(model_.yearLine());
    month_->setVisible(model_.dateListsVisible());
    year_->setVisible(model_.dateListsVisible());
}

}  // namespace velno
