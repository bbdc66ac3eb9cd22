#include "publishers/ui/ContactDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/EmergencyContactModel.h"
#include "publishers/ExtraInfoModel.h"
#include "publishers/SharedEntryChooserModel.h"
#include "text/StringTable.h"
#include "text/texts/PublishersTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

// A box whose text goes to the model; a refused character puts the
// model's text back.
template <typename Model, typename Field>
QLineEdit* modelBox(QWidget* parent, Model& model, Field field) {
    auto* edit = new QLineEdit(qs(model.text(field)), parent);
    edit->setMaxLength(Model::limit(field));
    // Long texts get room to be read; phone numbers need little.
    if (Model::limit(field) > 20) edit->setMinimumWidth(360);
    QObject::connect(edit, &QLineEdit::textEdited, parent, [edit, &model, field](const QString& t) {
        if (model.setText(field, t.toStdString())) return;
        const QSignalBlocker block(edit);
        edit->setText(qs(model.text(field)));
    });
    return edit;
}

// "Gunakan ... yang telah ada" opens the chooser on the model's entries;
// "Berhenti ..." stops using the shared entry. The dialog re-reads the model.
template <typename Model, typename Refresh>
void connectSharing(QDialog* dialog, Model& model, QPushButton* useExisting, QPushButton* stop,
                    Refresh refresh) {
    QObject::connect(useExisting, &QPushButton::clicked, dialog, [dialog, &model, refresh] {
        SharedEntryChooserModel chooser = model.chooser();
        SharedEntryChooserDialog chooserDialog(chooser, dialog);
        if (chooserDialog.exec() == QDialog::Accepted && chooser.ok() != 0)
            model.useExisting(chooser.ok());
        refresh();
    });
    QObject::connect(stop, &QPushButton::clicked, dialog, [&model, refresh] {
        model.stopSharing();
        refresh();
    });
}

QDialogButtonBox* okCancel(QDialog* dialog, QPushButton** ok = nullptr) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* okButton =
        buttons->addButton(qs(text::tr(text::TxOk)), QDialogButtonBox::AcceptRole);
    okButton->setDefault(true);
    if (ok) *ok = okButton;
    buttons->addButton(qs(text::tr(text::TxCancel)), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

SharedEntryChooserDialog::SharedEntryChooserDialog(SharedEntryChooserModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog148");
    setWindowTitle(qs(model_.title()));
    list_ = new QListWidget(this);
    for (const auto& line : model_.lines()) list_->addItem(qs(line));
    all_ = new QCheckBox(qs(model_.includeAllText()), this);
    auto* buttons = okCancel(this, &ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(all_);
    layout->addWidget(buttons);
    resize(420, 320);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select(row);
        showModel();
    });
    connect(all_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setIncludeAll(on);
        showModel();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    showModel();
}

void SharedEntryChooserDialog::showModel() {
    const QSignalBlocker blockList(list_);
    const QSignalBlocker blockAll(all_);
    list_->setCurrentRow(model_.selected());
    all_->setVisible(model_.includeAllVisible());
    all_->setChecked(model_.includeAll());
    ok_->setEnabled(model_.okEnabled());
}

EmergencyContactDialog::EmergencyContactDialog(EmergencyContactModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog147");
    setWindowTitle(qs(model_.title()));
    auto* form = new QFormLayout;
    for (int i = 0; i < kContactFieldCount; ++i) {
        const auto field = static_cast<ContactField>(i);
        boxes_[i] = modelBox(this, model_, field);
        form->addRow(qs(model_.caption(field)), boxes_[i]);
    }
    sy_ = new QCheckBox(qs(model_.syCaption()), this);
    sy_->setChecked(model_.sy());
    connect(sy_, &QCheckBox::clicked, this, [this](bool on) { model_.setSy(on); });
    form->addRow(QString(), sy_);
    useExisting_ = new QPushButton(qs(model_.useExistingText()), this);
    note_ = new QLabel(qs(model_.sharedNote()), this);
    note_->setWordWrap(true);
    stop_ = new QPushButton(qs(model_.stopSharingText()), this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    // The sharing buttons keep their captions' width under the fields.
    layout->addWidget(useExisting_, 0, Qt::AlignLeft);
    layout->addWidget(note_);
    layout->addWidget(stop_, 0, Qt::AlignLeft);
    layout->addWidget(okCancel(this));
    connectSharing(this, model_, useExisting_, stop_, [this] { showModel(); });
    showModel();
}

void EmergencyContactDialog::showModel() {
    for (int i = 0; i < kContactFieldCount; ++i) {
        const QSignalBlocker block(boxes_[i]);
        boxes_[i]->setText(qs(model_.text(static_cast<ContactField>(i))));
    }
    sy_->setChecked(model_.sy());
    useExisting_->setVisible(model_.useExistingVisible());
    note_->setVisible(model_.sharedNoteVisible());
    stop_->setVisible(model_.sharedNoteVisible());
}

void EmergencyContactDialog::accept() {
    // A failed write has been told; the dialog stays open to try again.
    if (model_.ok()) QDialog::accept();
}

ExtraInfoDialog::ExtraInfoDialog(ExtraInfoModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog102");
    setWindowTitle(qs(model_.title()));
    auto* form = new QFormLayout;
    for (ExtraField f : {ExtraField::LongName, ExtraField::Other}) {
        boxes_[static_cast<int>(f)] = modelBox(this, model_, f);
        form->addRow(qs(model_.caption(f)), boxes_[static_cast<int>(f)]);
    }
    auto* needs = new QGroupBox(qs(model_.needGroupCaption()), this);
    auto* needLayout = new QVBoxLayout(needs);
    boxes_[2] = modelBox(needs, model_, ExtraField::Need);
    useExisting_ = new QPushButton(qs(model_.useExistingText()), needs);
    note_ = new QLabel(qs(model_.sharedNote()), needs);
    note_->setWordWrap(true);
    stop_ = new QPushButton(qs(model_.stopSharingText()), needs);
    needLayout->addWidget(boxes_[2]);
    needLayout->addWidget(useExisting_, 0, Qt::AlignLeft);
    needLayout->addWidget(note_);
    needLayout->addWidget(stop_, 0, Qt::AlignLeft);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(needs);
    layout->addWidget(new QLabel(qs(model_.optionalNote()), this));
    layout->addWidget(okCancel(this));
    connectSharing(this, model_, useExisting_, stop_, [this] { showModel(); });
    showModel();
    QLineEdit* first = model_.focus() == ExtraFocus::Need ? boxes_[2] : boxes_[0];
    first->setFocus();
    if (model_.focus() == ExtraFocus::LongName && model_.selectLongName()) first->selectAll();
}

void ExtraInfoDialog::showModel() {
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(boxes_[i]);
        boxes_[i]->setText(qs(model_.text(static_cast<ExtraField>(i))));
    }
    useExisting_->setVisible(model_.useExistingVisible());
    note_->setVisible(model_.sharedNoteVisible());
    stop_->setVisible(model_.sharedNoteVisible());
}

void ExtraInfoDialog::accept() {
    if (model_.ok()) QDialog::accept();
}

}  // namespace velno
