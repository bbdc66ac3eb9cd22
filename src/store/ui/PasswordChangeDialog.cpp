#include "store/ui/PasswordChangeDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "store/PasswordChangeModel.h"
#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno {

PasswordChangeDialog::PasswordChangeDialog(PasswordChangeModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(qs(model_.title()));
    setObjectName("dialog121");
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(this);
    field_ = new QLineEdit(this);
    field_->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(qs(text::tr(text::TxButtonOk)), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(qs(model_.cancelText()), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    layout->addWidget(prompt_);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 22);

    connect(field_, &QLineEdit::textEdited, this, &PasswordChangeDialog::textChanged);
    connect(ok_, &QPushButton::clicked, this, &PasswordChangeDialog::okPressed);
    connect(cancel_, &QPushButton::clicked, this, &PasswordChangeDialog::reject);
    showModel();
}

void PasswordChangeDialog::showModel() {
    prompt_->setText(qs(model_.prompt()));
    const QString text = qs(model_.fieldText());
    if (field_->text() != text) {
        const QSignalBlocker block(field_);
        field_->setText(text);
    }
    if (!model_.isOpen()) accept();
}

void PasswordChangeDialog::textChanged(const QString& text) {
    model_.textChanged(text.toStdString());
    showModel();
}

void PasswordChangeDialog::okPressed() {
    model_.pressOk();
    showModel();
}

void PasswordChangeDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

}  // namespace velno
