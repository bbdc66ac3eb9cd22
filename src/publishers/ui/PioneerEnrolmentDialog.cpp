#include "publishers/ui/PioneerEnrolmentDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/PioneerEnrolmentModel.h"
#include "text/texts/PublishersTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

void fillList(QListWidget* list, const std::vector<EnrolmentRow>& rows) {
    list->clear();
    for (const EnrolmentRow& row : rows) list->addItem(qs(row.name));
}

}  // namespace

PioneerEnrolmentDialog::PioneerEnrolmentDialog(PioneerEnrolmentModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog111");
    years_ = new QListWidget(this);
    for (const auto& line : model_.yearLines()) years_->addItem(qs(line));
    // Three short lines: no room wasted below them.
    years_->setFixedHeight(years_->sizeHintForRow(0) * 3 + 2 * years_->frameWidth() + 4);
    years_->setFixedWidth(60);
    months_ = new QComboBox(this);
    // Created in the order of the tab chain: the top row, then the lists.
    special_ = new QCheckBox(qs(model_.specialCheckText()), this);
    left_ = new QListWidget(this);
    action_ = new QPushButton(this);
    right_ = new QListWidget(this);
    name_ = new QLabel(this);
    name_->setAlignment(Qt::AlignCenter);
    name_->setFrameShape(QFrame::StyledPanel);
    finish_ = new QPushButton(qs(model_.finishText()), this);
    action_->setDefault(true);
    finish_->setAutoDefault(false);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(qs(text::tr(text::TxEnrolYear)), this), 0, Qt::AlignTop);
    dateRow->addWidget(years_);
    dateRow->addSpacing(16);
    dateRow->addWidget(new QLabel(qs(text::tr(text::TxMonthWord)), this), 0, Qt::AlignTop);
    dateRow->addWidget(months_, 0, Qt::AlignTop);
    dateRow->addStretch();
    dateRow->addWidget(special_, 0, Qt::AlignTop);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(name_);
    middle->addWidget(action_);
    middle->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addWidget(left_, 1);
    lists->addLayout(middle);
    lists->addWidget(right_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(finish_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dateRow);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    name_->setMinimumWidth(action_->fontMetrics().horizontalAdvance(QString(24, 'M')) / 2);
    resize(680, 440);

    left_->installEventFilter(this);
    right_->installEventFilter(this);
    connect(years_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.selectYear(row);
        fillMonths();
        showModel();
    });
    connect(months_, &QComboBox::currentIndexChanged, this, [this](int line) {
        if (line < 0) return;
        model_.selectMonth(line);
        showModel();
    });
    connect(left_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.selectLine(EnrolmentSide::Left, row);
        showModel();
    });
    connect(right_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.selectLine(EnrolmentSide::Right, row);
        showModel();
    });
    connect(action_, &QPushButton::clicked, this, [this] {
        model_.act();
        showModel();
        listOf(model_.activeSide())->setFocus();
    });
    connect(special_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setSpecialChecked(on);
        showModel();
    });
    connect(finish_, &QPushButton::clicked, this, &QDialog::accept);

    {
        const QSignalBlocker block(years_);
        years_->setCurrentRow(model_.yearLine());
    }
    fillMonths();
    showModel();
    left_->setFocus();
}

QListWidget* PioneerEnrolmentDialog::listOf(EnrolmentSide side) const {
    return side == EnrolmentSide::Left ? left_ : right_;
}

void PioneerEnrolmentDialog::fillMonths() {
    const QSignalBlocker block(months_);
    months_->clear();
    for (const auto& line : model_.monthLines()) months_->addItem(qs(line));
    months_->setCurrentIndex(model_.monthLine());
}

void PioneerEnrolmentDialog::showModel() {
    setWindowTitle(qs(model_.title()));
    {
        const QSignalBlocker b1(left_), b2(right_), b3(special_), b4(months_);
        fillList(left_, model_.leftRows());
        fillList(right_, model_.rightRows());
        // Only the list that has the focus shows its line; the other keeps
        // its remembered line for the button.
        for (EnrolmentSide side : {EnrolmentSide::Left, EnrolmentSide::Right}) {
            QListWidget* list = listOf(side);
            const int line = model_.visibleSelection(side);
            if (line >= 0) {
                list->setCurrentRow(line);
            } else {
                list->setCurrentRow(-1);
                list->clearSelection();
            }
        }
        special_->setVisible(model_.specialCheckVisible());
        special_->setChecked(model_.specialChecked());
        months_->setCurrentIndex(model_.monthLine());
    }
    name_->setText(qs(model_.nameLine()));
    action_->setText(qs(model_.actionText()));
}

bool PioneerEnrolmentDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != left_ && watched != right_) return QDialog::eventFilter(watched, event);
    auto* list = static_cast<QListWidget*>(watched);
    if (event->type() == QEvent::FocusIn) {
        model_.focusList(list == left_ ? EnrolmentSide::Left : EnrolmentSide::Right);
        showModel();
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving a list hides its line; the button still acts on it.
        const QSignalBlocker block(list);
        list->setCurrentRow(-1);
        list->clearSelection();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velno
