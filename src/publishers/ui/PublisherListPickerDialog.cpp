#include "publishers/ui/PublisherListPickerDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "publishers/PublisherListPickerModel.h"
#include "text/ui/QtText.h"

namespace velno {

PublisherListPickerDialog::PublisherListPickerDialog(PublisherListPickerModel& model,
                                                     QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog140");
    setWindowTitle(qs(model_.title()));
    list_ = new QListWidget(this);
    for (const auto& line : model_.lines()) list_->addItem(qs(line));
    if (list_->count() > 0) list_->setCurrentRow(model_.selected());
    ok_ = new QPushButton(qs(model_.okText()), this);
    auto* cancel = new QPushButton(qs(model_.cancelText()), this);
    ok_->setDefault(true);
    ok_->setEnabled(list_->count() > 0);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(320, 360);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { model_.select(row); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (model_.ok()) accept();
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (model_.ok()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<int> pickFromList(PublisherListPickerModel& model, QWidget* parent) {
    PublisherListPickerDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return model.ok();
}

}  // namespace velno
