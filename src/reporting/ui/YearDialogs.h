#pragma once
// The three yearly dialogs of the "&Lihat" menu: pioneer hours (dialog 137),
// the activity summary (dialog 134) and the attendance of a meeting
// (dialog 135). Each shows its model's month table; "&Cetak" closes the
// dialog with the print action, which the frame carries out.

#include <QDialog>

#include "reporting/YearActivitySummaryModel.h"
#include "reporting/YearAttendanceModel.h"
#include "reporting/YearPioneerHoursModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace velno {

class YearPioneerHoursDialog : public QDialog {
    Q_OBJECT
public:
    YearPioneerHoursDialog(YearPioneerHoursModel& model, QWidget* parent = nullptr);
    YearPioneerHoursModel::Action action() const { return action_; }

    QListWidget* publisherList() const { return publishers_; }
    QTableWidget* table() const { return table_; }
    QCheckBox* previousYearCheck() const { return previous_; }
    QLabel* sinceLabel() const { return since_; }
    QLabel* remainingLabel() const { return remaining_; }
    QLabel* perMonthLabel() const { return perMonth_; }

private:
    void sync();

    YearPioneerHoursModel& model_;
    YearPioneerHoursModel::Action action_ = YearPioneerHoursModel::Action::None;
    QListWidget* publishers_;
    QTableWidget* table_;
    QCheckBox* previous_;
    QLabel* since_;
    QLabel* remaining_;
    QLabel* perMonth_;
    QLabel* year_;
};

class YearActivitySummaryDialog : public QDialog {
    Q_OBJECT
public:
    YearActivitySummaryDialog(YearActivitySummaryModel& model, QWidget* parent = nullptr);
    YearActivitySummaryModel::Action action() const { return action_; }

    QComboBox* valueBox() const { return value_; }
    QTableWidget* table() const { return table_; }
    QPushButton* periodButton() const { return period_; }
    QRadioButton* activeFileButton() const { return activeFile_; }
    QRadioButton* branchButton() const { return branch_; }

private:
    void sync();

    YearActivitySummaryModel& model_;
    YearActivitySummaryModel::Action action_ = YearActivitySummaryModel::Action::None;
    QComboBox* value_;
    QTableWidget* table_;
    QPushButton* period_;
    QRadioButton* activeFile_;
    QRadioButton* branch_;
};

class YearAttendanceDialog : public QDialog {
    Q_OBJECT
public:
    YearAttendanceDialog(YearAttendanceModel& model, QWidget* parent = nullptr);
    YearAttendanceModel::Action action() const { return action_; }

    QListWidget* blockList() const { return blocks_; }
    QTableWidget* table() const { return table_; }

private:
    void sync();

    YearAttendanceModel& model_;
    YearAttendanceModel::Action action_ = YearAttendanceModel::Action::None;
    QListWidget* blocks_;
    QTableWidget* table_;
};

}  // namespace velno
