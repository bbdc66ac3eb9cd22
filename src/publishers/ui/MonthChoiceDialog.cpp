#include "publishers/ui/MonthChoiceDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "text/texts/PublishersTexts.h"
#include "text/ui/QtText.h"

namespace velno {

MonthChoiceDialog::MonthChoiceDialog(MonthChoiceModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog113");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    caption_ = new QLabel(qs(model_.caption()), this);
    caption_->setWordWrap(true);
    // Wide enough for a caption with a long name on one line.
    setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    layout->addWidget(caption_);

    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    months_ = new QComboBox(this);
    for (const auto& line : model_.monthLines()) months_->addItem(qs(line));
    row->addWidget(months_);
    years_ = new QComboBox(this);
    for (const auto& line : model_.yearLines()) years_->addItem(qs(line));
    years_->setVisible(model_.yearListVisible());
    row->addWidget(years_);
    row->addStretch();
    regular_ = new QCheckBox(qs(model_.regularCheckText()), this);
    regular_->setVisible(model_.regularCheckVisible());
    layout->addWidget(regular_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(qs(text::tr(text::TxOk)), QDialogButtonBox::AcceptRole);
    buttons->addButton(qs(text::tr(text::TxCancel)), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    layout->addWidget(buttons);

    connect(months_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.setMonthLine(line);
        showModel();
    });
    connect(years_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.setYearLine(line);
        showModel();
    });
    connect(regular_, &QCheckBox::toggled, this, [this](bool on) { model_.setRegularChecked(on); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showModel();
    months_->setFocus();
}

void MonthChoiceDialog::showModel() {
    const QSignalBlocker blockMonths(months_);
    const QSignalBlocker blockYears(years_);
    months_->setCurrentIndex(model_.monthLine());
    // The model moves the year back when a later month would date the move
    // in the future.
    years_->setCurrentIndex(model_.yearLine());
    regular_->setChecked(model_.regularChecked());
}

MonthChoice askMonth(MonthChoiceModel& model, QWidget* parent) {
    MonthChoiceDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted) return model.cancel();
    return model.ok();
}

}  // namespace velno
