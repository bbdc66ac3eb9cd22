#include "store/ui/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/PasswordPrompt.h"
#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno {

PasswordDialog::PasswordDialog(PasswordPrompt& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(qs(model_.title()));
    setObjectName("dialog120");
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(qs(model_.prompt()), this);
    field_ = new QLineEdit(this);
    field_->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(qs(text::tr(text::TxButtonOk)), QDialogButtonBox::AcceptRole);
    ok_->setDefault(true);
    layout->addWidget(prompt_);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 22);

    connect(field_, &QLineEdit::textEdited, this, &PasswordDialog::textChanged);
    connect(ok_, &QPushButton::clicked, this, &PasswordDialog::okPressed);
}

void PasswordDialog::textChanged(const QString& text) {
    model_.textChanged(text.toStdString());
    closeIfDone();
}

void PasswordDialog::okPressed() {
    model_.pressOk();
    prompt_->setText(qs(model_.prompt()));
    closeIfDone();
}

void PasswordDialog::closeIfDone() {
    if (model_.isOpen()) return;
    if (model_.accepted())
        accept();
    else
        QDialog::reject();
}

void PasswordDialog::reject() {
    // Escape and the close box refuse, as any other way of closing does.
    model_.close();
    QDialog::reject();
}

}  // namespace velno
