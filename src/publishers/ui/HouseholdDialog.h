#pragma once
// Dialog 146, the household, and dialog 140 in household mode, the member
// picker: views over HouseholdModel and HouseholdPickerModel.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class HouseholdModel;
class HouseholdPickerModel;

class HouseholdPickerDialog : public QDialog {
    Q_OBJECT
public:
    HouseholdPickerDialog(HouseholdPickerModel& model, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }
    QLabel* note() const { return note_; }
    QPushButton* okButton() const { return ok_; }

private:
    void showModel();
    HouseholdPickerModel& model_;
    QListWidget* list_;
    QLabel* note_;
    QPushButton* ok_;
};

class HouseholdDialog : public QDialog {
    Q_OBJECT
public:
    HouseholdDialog(HouseholdModel& model, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }

private:
    void showModel();
    void addMember();
    HouseholdModel& model_;
    QListWidget* list_;
    QPushButton* add_;
    QPushButton* delete_;
};

}  // namespace velno
