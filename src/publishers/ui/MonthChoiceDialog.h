#pragma once
// Dialog 113 "Pilih Bulan": a view over MonthChoiceModel, shared by every
// command that dates a move or asks for the month to work on.

#include <QDialog>

#include "publishers/MonthChoiceModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace velno {

class MonthChoiceDialog : public QDialog {
    Q_OBJECT
public:
    MonthChoiceDialog(MonthChoiceModel& model, QWidget* parent = nullptr);

    QComboBox* months() const { return months_; }
    QComboBox* years() const { return years_; }
    QCheckBox* regular() const { return regular_; }
    QPushButton* okButton() const { return ok_; }

private:
    void showModel();

    MonthChoiceModel& model_;
    QLabel* caption_;
    QComboBox* months_;
    QComboBox* years_;
    QCheckBox* regular_;
    QPushButton* ok_;
};

// Runs the dialog; the choice's month is 0 when it was cancelled.
MonthChoice askMonth(MonthChoiceModel& model, QWidget* parent);

}  // namespace velno
