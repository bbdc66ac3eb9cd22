#include "publishers/ui/PublisherStatusDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno {

PublisherStatusDialog::PublisherStatusDialog(PublisherStatusModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog103");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QGridLayout(this);
    auto* radios = new QVBoxLayout;
    const auto texts = model_.choiceTexts();
    for (int i = 0; i < 5; ++i) {
        choices_[i] = new QRadioButton(qs(texts[i]), this);
        radios->addWidget(choices_[i]);
        const auto choice = static_cast<StatusChoice>(i + 1);
        connect(choices_[i], &QRadioButton::toggled, this, [this, choice](bool on) {
            if (!on) return;
            model_.setChoice(choice);
            sync();
        });
    }
    radios->addStretch();
    layout->addLayout(radios, 0, 0);

    auto* lists = new QHBoxLayout;
    months_ = new QListWidget(this);
    for (const auto& m : model_.monthRows()) months_->addItem(qs(m));
    years_ = new QListWidget(this);
    // Whole lines only: seven months and two years, none cut at an edge.
    const int row = months_->sizeHintForRow(0);
    for (QListWidget* list : {months_, years_})
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    months_->setFixedSize(months_->fontMetrics().horizontalAdvance("Desember") + 30,
                          row * 7 + 2 * months_->frameWidth());
    years_->setFixedSize(years_->fontMetrics().horizontalAdvance("00000") + 30,
                         row * 2 + 2 * years_->frameWidth());
    lists->addWidget(months_);
    lists->addWidget(years_, 0, Qt::AlignTop);
    layout->addLayout(lists, 0, 1);
    hint_ = new QLabel(qs(model_.monthHint()), this);
    hint_->setWordWrap(true);
    layout->addWidget(hint_, 1, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    QPushButton* help = new QPushButton(qs(model_.helpButtonText()), this);
    help->setAutoDefault(false);
    ok_ = new QPushButton(qs(text::tr(text::TxButtonOk)), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(qs(text::tr(text::TxButtonCancel)), this);
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(months_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r < 0) return;
        model_.setMonthRow(r);
        sync();
    });
    connect(years_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) model_.setYearRow(r);
    });
    connect(help, &QPushButton::clicked, this, [this] {
        if (onHelp) onHelp();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    sync();
}

void PublisherStatusDialog::sync() {
    const QSignalBlocker m(months_), y(years_);
    for (int i = 0; i < 5; ++i) {
        const QSignalBlocker b(choices_[i]);
        choices_[i]->setChecked(static_cast<int>(model_.choice()) == i + 1);
    }
    months_->setCurrentRow(model_.monthRow());
    months_->setVisible(model_.monthListVisible());
    hint_->setVisible(model_.monthListVisible());
    years_->clear();
    for (int year : model_.yearRows()) years_->addItem(QString::number(year));
    years_->setCurrentRow(model_.yearRow());
    years_->setVisible(model_.yearListVisible());
}

bool editPublisherStatus(PublisherStatusModel& model, QWidget* parent,
                         const std::function<void()>& help) {
    PublisherStatusDialog dialog(model, parent);
    dialog.onHelp = help;
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace velno
