#include "exchange/ui/XmlChooserDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "exchange/XmlChooserModel.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/texts/ExchangeTexts.h"
#include "text/ui/QtText.h"

namespace velno {

XmlChooserDialog::XmlChooserDialog(XmlChooserModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog126");
    setWindowTitle(qs(model_.title()));
    choices_ = new QListWidget(this);
    choices_->setSelectionMode(QAbstractItemView::MultiSelection);
    side_ = new QListWidget(this);
    for (const auto& row : model_.sideRows()) side_->addItem(qs(row));
    side_->setCurrentRow(model_.sideRow());
    all_ = new QPushButton(qs(model_.selectAllText()), this);
    none_ = new QPushButton(qs(model_.selectNoneText()), this);
    auto* orLabel = new QLabel(qs(text::tr(text::TxChooserOr)), this);
    orLabel->setAlignment(Qt::AlignCenter);
    count_ = new QLabel(this);
    duplicates_ = new QLabel(this);
    replace_ = new QCheckBox(qs(text::tr(text::TxXmlReplace)), this);
    summary_ = new QLabel(this);
    tooMany_ = new QLabel(qs(model_.tooManyText()), this);
    ok_ = new QPushButton(qs(text::tr(text::TxButtonOk)), this);
    auto* cancel = new QPushButton(qs(text::tr(text::TxButtonCancel)), this);
    ok_->setDefault(true);
    for (QPushButton* b : {all_, none_}) b->setAutoDefault(false);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(all_);
    middle->addWidget(orLabel);
    middle->addWidget(none_);
    middle->addSpacing(12);
    for (QWidget* w : {static_cast<QWidget*>(count_), static_cast<QWidget*>(duplicates_),
                       static_cast<QWidget*>(replace_), static_cast<QWidget*>(summary_),
                       static_cast<QWidget*>(tooMany_)})
        middle->addWidget(w);
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
    resize(640, 420);

    connect(choices_, &QListWidget::itemSelectionChanged, this, [this] {
        for (int row = 0; row < choices_->count(); ++row)
            model_.setSelected(row, choices_->item(row)->isSelected());
        showModel();
    });
    connect(side_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.chooseSide(row);
        fillChoices();
    });
    connect(all_, &QPushButton::clicked, this, [this] {
        model_.selectAll();
        showModel();
    });
    connect(none_, &QPushButton::clicked, this, [this] {
        model_.selectNone();
        showModel();
    });
    connect(replace_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setReplace(on);
        showModel();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fillChoices();
}

void XmlChooserDialog::fillChoices() {
    {
        const QSignalBlocker block(choices_);
        choices_->clear();
        for (const auto& name : model_.choiceRows()) choices_->addItem(qs(name));
    }
    showModel();
}

void XmlChooserDialog::showModel() {
    {
        const QSignalBlocker block(choices_);
        for (int row = 0; row < choices_->count(); ++row)
            choices_->item(row)->setSelected(model_.isSelected(row));
    }
    count_->setText(qs(model_.countLine()));
    duplicates_->setText(qs(model_.duplicatesLine()));
    duplicates_->setVisible(model_.duplicatesVisible());
    replace_->setVisible(model_.duplicatesVisible());
    summary_->setText(qs(model_.summaryLine()));
    summary_->setVisible(model_.isImport());
    tooMany_->setVisible(model_.tooMany());
    ok_->setVisible(model_.okVisible());
    none_->setVisible(model_.selectedCount() > 0);
}

}  // namespace velno
