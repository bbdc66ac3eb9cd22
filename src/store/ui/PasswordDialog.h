#pragma once
// Dialog 120 "Sandi Dibutuhkan": a view over PasswordPrompt. Every change
// of the field and every press of OK goes to the model; the dialog closes
// when the model is no longer open.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velno {

class PasswordPrompt;

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(PasswordPrompt& model, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    QPushButton* okButton() const { return ok_; }
    QLabel* promptLabel() const { return prompt_; }

    void reject() override;

private:
    void textChanged(const QString& text);
    void okPressed();
    void closeIfDone();

    PasswordPrompt& model_;
    QLabel* prompt_;
    QLineEdit* field_;
    QPushButton* ok_;
};

}  // namespace velno
