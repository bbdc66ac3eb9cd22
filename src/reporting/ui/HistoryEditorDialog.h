#pragma once
// The history editor (dialog 152, "Edit History"): a view over
// HistoryEditorModel. Every change of a field is written at once, so moving
// to another publisher or month loses nothing.

#include <QDialog>
#include <array>

#include "reporting/HistoryEditorModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace velno {

class HistoryEditorDialog : public QDialog {
    Q_OBJECT
public:
    // The fields in the order of the form.
    enum FieldIndex { Placements, Videos, Hours, ReturnVisits, Studies, Credit, QuarterHours };
    static constexpr int kFields = 7;

    HistoryEditorDialog(HistoryEditorModel& model, QWidget* parent = nullptr);

    QListWidget* publisherList() const { return publishers_; }
    QListWidget* monthList() const { return months_; }
    QListWidget* yearList() const { return years_; }
    QSpinBox* field(int index) const { return fields_[index]; }
    QCheckBox* kindCheck(int kind) const { return kinds_[kind - 1]; }
    QCheckBox* lateCheck() const { return late_; }
    QCheckBox* underHourCheck() const { return underHour_; }
    QCheckBox* sharedCheck() const { return shared_; }
    QCheckBox* totalsCheck() const { return totals_; }
    QComboBox* categoryBox() const { return category_; }
    QLabel* totalsNote() const { return note_; }

private:
    void load();
    void fieldChanged();
    void kindChanged(int kind, bool on);

    HistoryEditorModel& model_;
    bool loading_ = false;
    QListWidget* publishers_;
    QListWidget* months_;
    QListWidget* years_;
    std::array<QLabel*, kFields> captions_{};
    std::array<QSpinBox*, kFields> fields_{};
    QLabel* activeCaption_;
    QSpinBox* active_;
    QLabel* countCaption_;
    QSpinBox* count_;
    std::array<QCheckBox*, 3> kinds_{};
    QCheckBox* late_;
    QCheckBox* underHour_;
    QCheckBox* shared_;
    QCheckBox* totals_;
    QComboBox* category_;
    QLabel* note_;
    QPushButton* close_;
};

}  // namespace velno
