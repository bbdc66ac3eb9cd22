#pragma once
// The custom category (dialogs 132 and 133) and the Bible-student list:
// views over their models.

#include <QDialog>

#include "publishers/BibleStudentListModel.h"
#include "publishers/CustomCategoryModel.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace velno {

class RenameCategoryDialog : public QDialog {
    Q_OBJECT
public:
    RenameCategoryDialog(RenameCategoryModel& model, QWidget* parent = nullptr);
    QRadioButton* renameButton() const { return rename_; }
    QRadioButton* clearButton() const { return clear_; }
    // The choice on OK, Cancel otherwise.
    RenameChoice choice() const;

private:
    RenameCategoryModel& model_;
    QRadioButton* rename_ = nullptr;
    QRadioButton* clear_ = nullptr;
};

class CustomCategoryDialog : public QDialog {
    Q_OBJECT
public:
    CustomCategoryDialog(CustomCategoryModel& model, QWidget* parent = nullptr);
    QLineEdit* nameBox() const { return name_; }
    QCheckBox* enableBox() const { return enable_; }

public slots:
    // Asks dialog 133 when the name changes, then stores.
    void accept() override;

private:
    CustomCategoryModel& model_;
    QLineEdit* name_ = nullptr;
    QCheckBox* enable_ = nullptr;
};

// The list; "&Edit..." and the add button run `editStudent` on the editor
// model they open.
class BibleStudentListDialog : public QDialog {
    Q_OBJECT
public:
    using EditorRunner = std::function<void(PublisherEditModel&, QWidget* parent)>;
    BibleStudentListDialog(BibleStudentListModel& model, EditorRunner editStudent,
                           QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* addButton() const { return add_; }

private:
    void showModel();
    void run(std::unique_ptr<PublisherEditModel> editor);

    BibleStudentListModel& model_;
    EditorRunner editStudent_;
    QListWidget* list_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* add_ = nullptr;
};

}  // namespace velno
