#pragma once
// Dialog 122 "Pilih Kelompok Dinas Lapangan": a view over
// ReportGroupPickerModel.

#include <QDialog>

#include "publishers/ReportGroupPickerModel.h"

class QListWidget;
class QPushButton;

namespace velno {

class ReportGroupPickerDialog : public QDialog {
    Q_OBJECT
public:
    ReportGroupPickerDialog(ReportGroupPickerModel& model, QWidget* parent = nullptr);

    // How the dialog was left.
    ReportGroupPickerModel::Choice choice() const { return choice_; }

    QListWidget* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* printAllButton() const { return printAll_; }
    QPushButton* printOneButton() const { return printOne_; }

private:
    void finish(ReportGroupPickerModel::Choice choice);

    ReportGroupPickerModel& model_;
    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* printAll_;
    QPushButton* printOne_;
    ReportGroupPickerModel::Choice choice_ = ReportGroupPickerModel::Choice::Cancelled;
};

// Runs the picker; Cancelled when it was closed without a choice.
ReportGroupPickerModel::Choice pickReportGroup(ReportGroupPickerModel& model, QWidget* parent);

}  // namespace velno
