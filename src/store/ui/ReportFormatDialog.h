#pragma once
// Dialog 123 "Pilihan Format": a view over ReportFormatModel.

#include <QDialog>
#include <array>

#include "store/ReportFormatModel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velno {

class ReportFormatDialog : public QDialog {
    Q_OBJECT
public:
    ReportFormatDialog(ReportFormatModel& model, QWidget* parent = nullptr);

    QCheckBox* checkBox(ReportFormatModel::Check check) const { return checks_[check]; }
    QListWidget* marginList(ReportFormatModel::Margin margin) const { return lists_[margin]; }
    QLineEdit* nameField() const { return name_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showChecks();
    void scrollListsToModel();

    ReportFormatModel& model_;
    std::array<QCheckBox*, ReportFormatModel::kCheckCount> checks_{};
    std::array<QListWidget*, ReportFormatModel::kMarginCount> lists_{};
    QLineEdit* name_;
    QPushButton* ok_;
    // Scrolling done by the dialog itself is not the user's choice.
    bool listening_ = false;
};

}  // namespace velno
