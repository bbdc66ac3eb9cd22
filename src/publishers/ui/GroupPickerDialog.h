#pragma once
// Dialog 142 "Kelompok Dinas Lapangan", the record editor's group picker: a
// view over GroupPickerModel.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class GroupPickerModel;

class GroupPickerDialog : public QDialog {
    Q_OBJECT
public:
    GroupPickerDialog(GroupPickerModel& model, QWidget* parent = nullptr);

    QListWidget* numbers() const { return numbers_; }
    QListWidget* members() const { return members_; }
    QLabel* overseer() const { return overseer_; }
    QPushButton* okButton() const { return ok_; }

private:
    void showGroup();

    GroupPickerModel& model_;
    QListWidget* numbers_;
    QListWidget* members_;
    QLabel* label_;
    QLabel* overseer_;
    QLabel* location_;
    QPushButton* ok_;
};

}  // namespace velno
