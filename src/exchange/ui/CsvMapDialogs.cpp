#include "exchange/ui/CsvMapDialogs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

QListWidget* newList(QWidget* parent, int characters, int lines) {
    auto* list = new QListWidget(parent);
    list->setMinimumSize(list->fontMetrics().horizontalAdvance(QString(characters, 'x')),
                         list->fontMetrics().height() * lines);
    return list;
}

// Continue, Cancel and Clear, as both dialogs have them.
QVBoxLayout* buttonColumn(QDialog* dialog, QPushButton*& go, QPushButton*& cancel,
                          QPushButton*& clear) {
    auto* column = new QVBoxLayout;
    go = new QPushButton(qs(text::tr(text::TxMapContinue)), dialog);
    go->setDefault(true);
    cancel = new QPushButton(qs(text::tr(text::TxMapCancel)), dialog);
    clear = new QPushButton(qs(text::tr(text::TxMapClear)), dialog);
    clear->setAutoDefault(false);
    cancel->setAutoDefault(false);
    column->addWidget(go);
    column->addWidget(cancel);
    column->addWidget(clear);
    column->addStretch();
    QObject::connect(go, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return column;
}

void setLines(QListWidget* list, const std::vector<std::string>& lines) {
    const QSignalBlocker block(list);
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (i < list->count())
            list->item(i)->setText(qs(lines[static_cast<std::size_t>(i)]));
        else
            list->addItem(qs(lines[static_cast<std::size_t>(i)]));
    }
    while (list->count() > static_cast<int>(lines.size())) delete list->takeItem(list->count() - 1);
}

}  // namespace

ColumnMapDialog::ColumnMapDialog(ColumnMapModel& model, const QString& path, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog155");
    setWindowTitle(path);
    auto* layout = new QHBoxLayout(this);
    auto* lists = new QVBoxLayout;
    auto* pair = new QHBoxLayout;
    targets_ = newList(this, 34, 9);
    targets_->setObjectName("list1116");
    sources_ = newList(this, 26, 9);
    sources_->setObjectName("list1114");
    pair->addWidget(targets_, 3);
    pair->addWidget(sources_, 2);
    hint_ = new QLabel(this);
    rule_ = new QCheckBox(qs(model_.ruleText()), this);
    lists->addLayout(pair, 1);
    lists->addWidget(hint_);
    lists->addWidget(rule_);
    layout->addLayout(lists, 1);
    layout->addLayout(buttonColumn(this, continue_, cancel_, clear_));

    setLines(sources_, model_.sourceLines());
    connect(targets_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.selectTarget(row);
        refresh();
    });
    connect(sources_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.selectColumn(row);
        refresh();
    });
    connect(rule_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setRule(on);
        refresh();
    });
    connect(clear_, &QPushButton::clicked, this, [this] {
        model_.clear();
        refresh();
    });
    refresh();
}

void ColumnMapDialog::refresh() {
    setLines(targets_, model_.targetLines());
    {
        const QSignalBlocker block(sources_);
        sources_->setCurrentRow(model_.selectedColumn());
        if (model_.selectedColumn() < 0) sources_->clearSelection();
    }
    {
        const QSignalBlocker block(rule_);
        rule_->setChecked(model_.rule());
    }
    hint_->setText(qs(model_.hintText()));
    hint_->setVisible(!model_.hintText().empty());
    continue_->setVisible(model_.isComplete());
}

NameMapDialog::NameMapDialog(NameMapModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog156");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    chosenName_ = new QLabel(this);
    names_ = newList(this, 40, 16);
    names_->setObjectName("list1120");
    left->addWidget(chosenName_);
    left->addWidget(names_, 1);
    auto* middle = new QVBoxLayout;
    arrow_ = new QPushButton(this);
    arrow_->setAutoDefault(false);
    middle->addStretch();
    middle->addWidget(arrow_);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    chosenPublisher_ = new QLabel(this);
    publishers_ = newList(this, 30, 16);
    publishers_->setObjectName("list201");
    right->addWidget(chosenPublisher_);
    right->addWidget(publishers_, 1);
    skip_ = new QCheckBox(qs(text::tr(text::TxSkipUnidentified)), this);
    right->addWidget(skip_);
    layout->addLayout(left, 3);
    layout->addLayout(middle);
    layout->addLayout(right, 2);
    layout->addLayout(buttonColumn(this, continue_, cancel_, clear_));

    connect(names_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.selectLeft(row);
        refresh();
    });
    connect(publishers_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.selectRight(row);
        refresh();
    });
    connect(arrow_, &QPushButton::clicked, this, [this] {
        model_.pressArrow();
        refresh();
    });
    connect(skip_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setSkipUnidentified(on);
        refresh();
    });
    connect(clear_, &QPushButton::clicked, this, [this] {
        model_.clear();
        fill();
    });
    fill();
}

void NameMapDialog::fill() {
    {
        const QSignalBlocker a(names_), b(publishers_);
        names_->clear();
        publishers_->clear();
    }
    setLines(publishers_, model_.rightLines());
    refresh();
}

void NameMapDialog::refresh() {
    setWindowTitle(qs(model_.title()));
    setLines(names_, model_.leftLines());
    chosenName_->setText(qs(model_.selectedLeftText()));
    chosenPublisher_->setText(qs(model_.selectedRightText()));
    arrow_->setText(qs(model_.arrowText()));
    arrow_->setEnabled(model_.isArrowEnabled());
    skip_->setVisible(model_.isSkipVisible());
    continue_->setVisible(model_.isContinueVisible());
}

}  // namespace velno
