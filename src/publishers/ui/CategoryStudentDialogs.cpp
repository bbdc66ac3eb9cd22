#include "publishers/ui/CategoryStudentDialogs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/PublisherEditModel.h"
#include "text/StringTable.h"
#include "text/texts/PublishersTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

QHBoxLayout* okCancel(QDialog* dialog) {
    auto* ok = new QPushButton(qs(text::tr(text::TxOk)), dialog);
    auto* cancel = new QPushButton(qs(text::tr(text::TxCancel)), dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

}  // namespace

RenameCategoryDialog::RenameCategoryDialog(RenameCategoryModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog133");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(qs(model_.question()), this);
    question->setWordWrap(true);
    layout->addWidget(question);
    rename_ = new QRadioButton(qs(model_.renameText()), this);
    clear_ = new QRadioButton(qs(model_.clearText()), this);
    rename_->setChecked(model_.choice() == RenameChoice::RenameAll);
    clear_->setChecked(model_.choice() == RenameChoice::ClearAll);
    layout->addWidget(rename_);
    layout->addWidget(clear_);
    layout->addLayout(okCancel(this));
}

RenameChoice RenameCategoryDialog::choice() const {
    if (result() != QDialog::Accepted) return RenameChoice::Cancel;
    return clear_->isChecked() ? RenameChoice::ClearAll : RenameChoice::RenameAll;
}

CustomCategoryDialog::CustomCategoryDialog(CustomCategoryModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog132");
    setWindowTitle(qs(model_.title()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(qs(model_.prompt()), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    name_ = new QLineEdit(qs(model_.name()), this);
    name_->setMaxLength(CustomCategoryModel::kNameLimit);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const TextUpdate update = model_.setName(typed.toStdString());
        if (qs(update.text) != typed) {
            const QSignalBlocker block(name_);
            name_->setText(qs(update.text));
        }
    });
    layout->addWidget(name_);
    enable_ = new QCheckBox(qs(model_.enableText()), this);
    enable_->setChecked(model_.enabled());
    connect(enable_, &QCheckBox::clicked, this, [this](bool on) { model_.setEnabled(on); });
    layout->addWidget(enable_);
    layout->addLayout(okCancel(this));
}

void CustomCategoryDialog::accept() {
    RenameChoice choice = RenameChoice::RenameAll;
    if (auto question = model_.renameQuestion()) {
        RenameCategoryDialog rename(*question, this);
        rename.exec();
        choice = rename.choice();
    }
    model_.accept(choice);
    QDialog::accept();
}

BibleStudentListDialog::BibleStudentListDialog(BibleStudentListModel& model,
                                               EditorRunner editStudent, QWidget* parent)
    : QDialog(parent), model_(model), editStudent_(std::move(editStudent)) {
    setObjectName("dialog136students");
    setWindowTitle(qs(model_.title()));
    list_ = new QListWidget(this);
    list_->setMinimumSize(320, 300);
    edit_ = new QPushButton(qs(model_.editButtonText()), this);
    add_ = new QPushButton(qs(model_.addButtonText()), this);
    auto* close = new QPushButton(qs(model_.closeButtonText()), this);
    edit_->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(edit_);
    buttons->addWidget(add_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { model_.select(row); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { run(model_.openEditor()); });
    connect(edit_, &QPushButton::clicked, this, [this] { run(model_.openEditor()); });
    connect(add_, &QPushButton::clicked, this, [this] { run(model_.openAddEditor()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showModel();
    list_->setFocus();
}

void BibleStudentListDialog::run(std::unique_ptr<PublisherEditModel> editor) {
    if (editStudent_) editStudent_(*editor, this);
    model_.editorClosed();
    showModel();
}

void BibleStudentListDialog::showModel() {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const SelectRow& row : model_.rows()) list_->addItem(qs(row.name));
    list_->setCurrentRow(model_.rows().empty() ? -1 : model_.selected());
    edit_->setVisible(model_.editVisible());
}

}  // namespace velno
