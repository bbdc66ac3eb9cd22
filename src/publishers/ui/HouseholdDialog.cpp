#include "publishers/ui/HouseholdDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/HouseholdModel.h"
#include "text/ui/QtText.h"

namespace velno {

HouseholdPickerDialog::HouseholdPickerDialog(HouseholdPickerModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog140");
    setWindowTitle(qs(model_.title()));
    list_ = new QListWidget(this);
    for (const auto& line : model_.lines()) list_->addItem(qs(line));
    note_ = new QLabel(this);
    ok_ = new QPushButton(qs(model_.okText()), this);
    auto* cancel = new QPushButton(qs(model_.cancelText()), this);
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(note_);
    layout->addLayout(buttons);
    resize(340, 380);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select(row);
        showModel();
    });
    const auto choose = [this] {
        if (model_.ok()) accept();
    };
    connect(list_, &QListWidget::itemDoubleClicked, this, choose);
    connect(ok_, &QPushButton::clicked, this, choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (list_->count() > 0) list_->setCurrentRow(0);
    showModel();
}

void HouseholdPickerDialog::showModel() {
    note_->setText(qs(model_.note()));
    ok_->setVisible(model_.okVisible());
    ok_->setEnabled(model_.selected() >= 0);
}

HouseholdDialog::HouseholdDialog(HouseholdModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog146");
    list_ = new QListWidget(this);
    add_ = new QPushButton(qs(model_.addText()), this);
    delete_ = new QPushButton(this);
    auto* close = new QPushButton(qs(model_.closeText()), this);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(new QLabel(qs(model_.staticText()), this));
    buttons->addWidget(add_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(460, 300);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select(row);
        showModel();
    });
    connect(add_, &QPushButton::clicked, this, [this] { addMember(); });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (model_.removeSelected())
            accept();
        else
            showModel();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showModel();
}

void HouseholdDialog::showModel() {
    setWindowTitle(qs(model_.title()));
    {
        const QSignalBlocker block(list_);
        list_->clear();
        for (const auto& line : model_.lines()) list_->addItem(qs(line));
        list_->setCurrentRow(model_.selected());
    }
    add_->setVisible(model_.addVisible());
    delete_->setVisible(model_.deleteVisible());
    if (model_.deleteVisible()) delete_->setText(qs(model_.deleteText()));
}

void HouseholdDialog::addMember() {
    HouseholdPickerModel picker = model_.picker();
    HouseholdPickerDialog dialog(picker, this);
    if (dialog.exec() == QDialog::Accepted)
        if (const auto pos = picker.ok()) model_.addMember(*pos);
    showModel();
}

}  // namespace velno
