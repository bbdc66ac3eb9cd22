#pragma once
// The attendance entry dialog (dialog 109): a view over AttendanceModel.
// Every key of a week field goes through the model, which keeps the texts
// and the focus; the view shows what it says.

#include <QDialog>
#include <array>

#include "reporting/AttendanceModel.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velno {

class AttendanceDialog : public QDialog {
    Q_OBJECT
public:
    AttendanceDialog(AttendanceModel& model, QWidget* parent = nullptr);

    QLineEdit* weekField(int block, int week) const { return weeks_[block][week]; }
    QLabel* totalLabel(int block) const { return totals_[block]; }
    QLabel* averageLabel(int block) const { return averages_[block]; }
    QListWidget* yearList() const { return years_; }
    QListWidget* monthList() const { return months_; }
    QCheckBox* earlyCheck() const { return early_; }
    QPushButton* finishButton() const { return finish_; }

    // Closing any way stores the month shown, as "&Selesai" does.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void syncLists();
    void syncFields();
    void showFocus();

    AttendanceModel& model_;
    QListWidget* years_;
    QListWidget* months_;
    QCheckBox* early_;
    std::array<QGroupBox*, kMeetingBlocks> boxes_{};
    std::array<std::array<QLineEdit*, kMeetingWeeks>, kMeetingBlocks> weeks_{};
    std::array<QLabel*, kMeetingBlocks> totals_{};
    std::array<QLabel*, kMeetingBlocks> averages_{};
    QPushButton* finish_;
    bool finished_ = false;
};

}  // namespace velno
