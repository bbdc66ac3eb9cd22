#pragma once
// The group editor (dialog 110), one group (dialog 131) and the
// assignment of publishers (dialog 128): views over their models.

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velno {

class CVelnoDoc;
class GroupAssignModel;
class GroupDialogModel;
class TabHeadings;
class GroupEditorModel;

class GroupAssignDialog : public QDialog {
    Q_OBJECT
public:
    GroupAssignDialog(GroupAssignModel& model, QWidget* parent = nullptr);

    QComboBox* groups() const { return groups_; }
    QListWidget* candidates() const { return candidates_; }
    QListWidget* members() const { return members_; }
    QPushButton* assignButton() const { return assign_; }
    QCheckBox* includeInactive() const { return inactive_; }

private:
    void showModel();

    GroupAssignModel& model_;
    QComboBox* groups_;
    QComboBox* filter_;
    QListWidget* candidates_;
    QListWidget* members_;
    QPushButton* assign_;
    QCheckBox* unassigned_;
    QCheckBox* inactive_;
    QLabel* count_;
    QLabel* inactiveCount_;
    QLabel* name_;
    QLabel* target_;
    bool showing_ = false;
};

class GroupDialog : public QDialog {
    Q_OBJECT
public:
    GroupDialog(CVelnoDoc& doc, GroupDialogModel& model, QWidget* parent = nullptr);

    QLineEdit* overseer() const { return boxes_[0]; }
    QLineEdit* assistant() const { return boxes_[1]; }
    QLineEdit* location() const { return boxes_[2]; }
    QLineEdit* nameBox() const { return boxes_[3]; }
    QLineEdit* time() const { return boxes_[4]; }
    QCheckBox* useName() const { return useName_; }
    QComboBox* day() const { return day_; }
    QPushButton* okButton() const { return ok_; }
    // Whether the assignment dialog changed a record.
    bool assigned() const { return assigned_; }

    // "Pilih": the chosen publisher's store position; tests answer it.
    std::function<std::optional<int>(QWidget*)> pickPublisher;

private:
    CVelnoDoc& doc_;
    GroupDialogModel& model_;
    QLineEdit* boxes_[5];
    QCheckBox* useName_;
    QComboBox* day_;
    QPushButton* ok_;
    bool assigned_ = false;
};

class GroupEditorDialog : public QDialog {
    Q_OBJECT
public:
    GroupEditorDialog(CVelnoDoc& doc, GroupEditorModel& model, QWidget* parent = nullptr);

    QListWidget* lines() const { return lines_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* assignedButton() const { return assigned_; }
    QLabel* hint() const { return hint_; }
    TabHeadings* headings() const { return headings_; }

    // Runs the group dialog; tests drive it without a window.
    std::function<bool(GroupDialogModel&, QWidget*)> editGroup;

private:
    void showModel();

    CVelnoDoc& doc_;
    GroupEditorModel& model_;
    QListWidget* lines_;
    TabHeadings* headings_;
    QLabel* hint_;
    QPushButton* edit_;
    QPushButton* assigned_;
    bool showing_ = false;
};

}  // namespace velno
