#include "publishers/ui/PublisherSelectDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherSelectModel.h"
#include "text/ui/QtText.h"

namespace velno {

PublisherSelectDialog::PublisherSelectDialog(PublisherSelectModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog136");
    setWindowTitle(qs(model_.title()));
    list_ = new QListWidget(this);
    edit_ = new QPushButton(qs(model_.editButtonText()), this);
    add_ = new QPushButton(qs(model_.addButtonText()), this);
    close_ = new QPushButton(qs(model_.closeButtonText()), this);
    edit_->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(edit_);
    buttons->addWidget(add_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(420, 440);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) model_.select(row);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { edit(); });
    connect(edit_, &QPushButton::clicked, this, [this] { edit(); });
    connect(add_, &QPushButton::clicked, this, [this] { add(); });
    // Picker mode returns the choice; the list closes with "&Tutup".
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    showModel();
}

void PublisherSelectDialog::showModel() {
    {
        const QSignalBlocker block(list_);
        list_->clear();
        for (const auto& row : model_.rows()) list_->addItem(qs(row.name));
        if (list_->count() > 0) list_->setCurrentRow(model_.selected());
    }
    edit_->setVisible(model_.editVisible());
    add_->setVisible(model_.addVisible());
    // With "&Edit..." hidden, Enter adds.
    if (!edit_->isVisibleTo(this) && add_->isVisibleTo(this)) add_->setDefault(true);
    if (edit_->isVisibleTo(this)) edit_->setDefault(true);
    list_->setFocus();
}

void PublisherSelectDialog::runEditor(PublisherEditModel& editor) {
    PublisherEditDialog dialog(editor, this);
    dialog.setStatusAsker(askStatus);
    dialog.exec();
    // Names shown in the list may have changed with any store.
    model_.refill();
    showModel();
}

void PublisherSelectDialog::edit() {
    if (!model_.addVisible()) {
        // The picker: "&Pilih" returns the selected publisher.
        if (model_.pick()) accept();
        return;
    }
    auto editor = model_.openEditor();
    runEditor(*editor);
}

void PublisherSelectDialog::add() {
    if (model_.addStep() == AddStep::Editor) {
        auto editor = model_.openAddEditor();
        runEditor(*editor);
        return;
    }
    AddPublisherModel chooser = model_.addChooser();
    AddPublisherDialog dialog(chooser, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.choice()) return;
    if (*dialog.choice() == AddChoice::New) {
        auto editor = model_.openAddEditor();
        runEditor(*editor);
        return;
    }
    if (runMove(chooser, *dialog.choice(), askMonth, this)) model_.afterMove();
    showModel();
}

}  // namespace velno
