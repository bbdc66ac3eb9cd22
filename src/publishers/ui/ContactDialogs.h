#pragma once
// Dialog 147 (the emergency contact), dialog 102 (extra information and the
// special need) and dialog 148 (the shared-entry chooser, also the filter
// of the special-needs list): views over their models.

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velno {

class EmergencyContactModel;
class ExtraInfoModel;
class SharedEntryChooserModel;

class SharedEntryChooserDialog : public QDialog {
    Q_OBJECT
public:
    SharedEntryChooserDialog(SharedEntryChooserModel& model, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }
    QCheckBox* includeAll() const { return all_; }
    QPushButton* okButton() const { return ok_; }

private:
    void showModel();
    SharedEntryChooserModel& model_;
    QListWidget* list_;
    QCheckBox* all_;
    QPushButton* ok_;
};

class EmergencyContactDialog : public QDialog {
    Q_OBJECT
public:
    EmergencyContactDialog(EmergencyContactModel& model, QWidget* parent = nullptr);
    QLineEdit* box(int field) const { return boxes_[field]; }
    QCheckBox* syBox() const { return sy_; }
    QPushButton* useExistingButton() const { return useExisting_; }
    QPushButton* stopSharingButton() const { return stop_; }
    QLabel* sharedNote() const { return note_; }

    void accept() override;

private:
    void showModel();
    EmergencyContactModel& model_;
    std::array<QLineEdit*, 5> boxes_{};
    QCheckBox* sy_;
    QPushButton* useExisting_;
    QPushButton* stop_;
    QLabel* note_;
};

class ExtraInfoDialog : public QDialog {
    Q_OBJECT
public:
    ExtraInfoDialog(ExtraInfoModel& model, QWidget* parent = nullptr);
    QLineEdit* box(int field) const { return boxes_[field]; }
    QPushButton* useExistingButton() const { return useExisting_; }
    QPushButton* stopSharingButton() const { return stop_; }

    void accept() override;

private:
    void showModel();
    ExtraInfoModel& model_;
    std::array<QLineEdit*, 3> boxes_{};
    QPushButton* useExisting_;
    QPushButton* stop_;
    QLabel* note_;
};

}  // namespace velno
