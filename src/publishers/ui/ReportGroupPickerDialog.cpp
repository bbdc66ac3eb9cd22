#include "publishers/ui/ReportGroupPickerDialog.h"
#include "text/ui/QtText.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velno {

ReportGroupPickerDialog::ReportGroupPickerDialog(ReportGroupPickerModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog122");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    for (const auto& row : model_.rows()) list_->addItem(qs(row));
    if (model_.selectedRow() >= 0) list_->setCurrentRow(model_.selectedRow());
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    printAll_ = buttons->addButton(qs(model_.printAllText()), QDialogButtonBox::ActionRole);
    printOne_ = buttons->addButton(qs(model_.printOneText()), QDialogButtonBox::ActionRole);
    ok_ = buttons->addButton(qs(model_.okText()), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(qs(model_.cancelText()), QDialogButtonBox::RejectRole);
    printAll_->setVisible(model_.printButtonsVisible());
    printOne_->setVisible(model_.printButtonsVisible());
    ok_->setVisible(model_.okVisible());
    ok_->setDefault(true);
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    row->addStretch();
    row->addWidget(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int r) {
        model_.select(r);
        printOne_->setText(qs(model_.printOneText()));
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this] { finish(ReportGroupPickerModel::Choice::Show); });
    connect(ok_, &QPushButton::clicked, this,
            [this] { finish(ReportGroupPickerModel::Choice::Show); });
    connect(printAll_, &QPushButton::clicked, this,
            [this] { finish(ReportGroupPickerModel::Choice::PrintAll); });
    connect(printOne_, &QPushButton::clicked, this,
            [this] { finish(ReportGroupPickerModel::Choice::PrintOne); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ReportGroupPickerDialog::finish(ReportGroupPickerModel::Choice choice) {
    if (model_.rows().empty()) return;
    choice_ = choice;
    accept();
}

ReportGroupPickerModel::Choice pickReportGroup(ReportGroupPickerModel& model, QWidget* parent) {
    ReportGroupPickerDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted) return ReportGroupPickerModel::Choice::Cancelled;
    return dialog.choice();
}

}  // namespace velno
