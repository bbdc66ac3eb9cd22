#pragma once
// Dialog 121 "Ubah Sandi": a view over PasswordChangeModel (the new
// password typed twice).

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velno {

class PasswordChangeModel;

class PasswordChangeDialog : public QDialog {
    Q_OBJECT
public:
    PasswordChangeDialog(PasswordChangeModel& model, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* promptLabel() const { return prompt_; }

    void reject() override;

private:
    void textChanged(const QString& text);
    void okPressed();
    void showModel();

    PasswordChangeModel& model_;
    QLabel* prompt_;
    QLineEdit* field_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace velno
