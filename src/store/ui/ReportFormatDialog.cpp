#include "store/ui/ReportFormatDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno {

ReportFormatDialog::ReportFormatDialog(ReportFormatModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog123");
    setWindowTitle(qs(model_.title()));
    auto* grid = new QGridLayout(this);
    // The longest check box's text apart from the lists.
    grid->setHorizontalSpacing(fontMetrics().height());

    auto* checkColumn = new QVBoxLayout;
    for (int i = 0; i < ReportFormatModel::kCheckCount; ++i) {
        const auto check = static_cast<ReportFormatModel::Check>(i);
        auto* box = new QCheckBox(qs(model_.checkText(check)), this);
        box->setVisible(model_.isVisible(check));
        checks_[i] = box;
        checkColumn->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, check](bool on) {
            model_.setChecked(check, on);
            showChecks();
        });
    }
    checkColumn->addStretch();
    grid->addLayout(checkColumn, 0, 0, 2, 1);

    QStringList rows;
    for (const auto& r : model_.marginRows()) rows << qs(r);
    for (int m = 0; m < ReportFormatModel::kMarginCount; ++m) {
        const auto margin = static_cast<ReportFormatModel::Margin>(m);
        auto* column = new QVBoxLayout;
        // Two lines, the unit in brackets on the second, rather than words
        // wrapped wherever the narrow list ends.
        QString captionText = qs(model_.marginCaption(margin));
        if (const qsizetype bracket = captionText.indexOf('('); bracket > 0)
            captionText = captionText.left(bracket).trimmed() + '\n' + captionText.mid(bracket);
        auto* caption = new QLabel(captionText, this);
        auto* list = new QListWidget(this);
        list->addItems(rows);
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setFixedHeight(list->sizeHintForRow(0) * 6 + 2 * list->frameWidth());
        list->setFixedWidth(list->sizeHintForColumn(0) + 40);
        caption->setBuddy(list);
        lists_[m] = list;
        column->addWidget(caption);
        column->addWidget(list);
        column->addStretch();
        grid->addLayout(column, 0, 1 + m);
        // With scrolling per item the scroll bar's value is the first
        // visible line.
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, margin](int first) {
                    if (listening_) model_.scrollMargin(margin, first);
                });
        connect(list, &QListWidget::itemSelectionChanged, this, [this, margin, list] {
            if (!listening_) return;
            const auto selected = list->selectedItems();
            if (!selected.isEmpty()) model_.selectMargin(margin, list->row(selected.first()));
        });
    }

    auto* nameColumn = new QVBoxLayout;
    auto* nameCaption = new QLabel(qs(model_.congregationNameCaption()), this);
    name_ = new QLineEdit(qs(model_.congregationName()), this);
    name_->setMaxLength(static_cast<int>(ReportFormatModel::kCongregationNameLength));
    nameCaption->setBuddy(name_);
    nameColumn->addWidget(nameCaption);
    nameColumn->addWidget(name_);
    grid->addLayout(nameColumn, 1, 1, 1, ReportFormatModel::kMarginCount);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!model_.setCongregationName(text.toStdString())) {
            const QSignalBlocker block(name_);
            name_->setText(qs(model_.congregationName()));
        }
    });

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(qs(text::tr(text::TxButtonOk)), QDialogButtonBox::AcceptRole);
    auto* cancel =
        buttons->addButton(qs(text::tr(text::TxButtonCancel)), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(buttons, 2, 0, 1, 1 + ReportFormatModel::kMarginCount);

    showChecks();
}

void ReportFormatDialog::showChecks() {
    for (int i = 0; i < ReportFormatModel::kCheckCount; ++i) {
        const QSignalBlocker block(checks_[i]);
        checks_[i]->setChecked(model_.isChecked(static_cast<ReportFormatModel::Check>(i)));
    }
}

void ReportFormatDialog::scrollListsToModel() {
    for (int m = 0; m < ReportFormatModel::kMarginCount; ++m) {
        QListWidget* list = lists_[m];
        const int first = model_.firstVisibleRow(static_cast<ReportFormatModel::Margin>(m));
        list->clearSelection();
        list->verticalScrollBar()->setValue(first);
    }
}

void ReportFormatDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (listening_) return;
    scrollListsToModel();
    listening_ = true;
}

}  // namespace velno
