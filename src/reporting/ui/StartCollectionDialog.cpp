#include "reporting/ui/StartCollectionDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno {

StartCollectionDialog::StartCollectionDialog(StartCollectionModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("startCollectionDialog");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    // The month buttons are wide and stacked: their texts name the month.
    reopen_ = new QPushButton(qs(model_.reopenText()), this);
    initialise_ = new QPushButton(qs(model_.initialiseText()), this);
    early_ = new QPushButton(qs(model_.earlyStartText()), this);
    for (QPushButton* b : {reopen_, initialise_, early_}) {
        b->setMinimumHeight(b->sizeHint().height() * 3 / 2);
        layout->addWidget(b);
    }
    reopen_->setVisible(model_.reopenVisible());
    early_->setVisible(model_.earlyStartVisible());

    auto* row = new QHBoxLayout;
    advice_ = new QPushButton(qs(model_.adviceButtonText()), this);
    advice_->setVisible(model_.adviceVisible());
    advice_->setAutoDefault(false);
    cancel_ = new QPushButton(qs(text::tr(text::TxButtonCancel)), this);
    row->addWidget(advice_);
    row->addStretch();
    row->addWidget(cancel_);
    layout->addLayout(row);

    QPushButton* def = model_.defaultButton() == StartButton::Reopen ? reopen_ : initialise_;
    def->setDefault(true);
    def->setFocus();

    connect(advice_, &QPushButton::clicked, this, [this] { model_.showAdvice(); });
    connect(reopen_, &QPushButton::clicked, this, [this] {
        if (model_.pressReopen()) accept();
    });
    connect(initialise_, &QPushButton::clicked, this, [this] {
        if (model_.pressInitialise()) accept();
    });
    connect(early_, &QPushButton::clicked, this, [this] {
        if (model_.pressEarlyStart()) accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void StartCollectionDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

}  // namespace velno
