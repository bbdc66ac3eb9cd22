#pragma once
// The group file dialog (dialog 144) and the import selection (dialog
// 145): views over CollectionFileModel and ImportSelectionModel.

#include <QDialog>
#include <functional>

#include "exchange/CollectionFileModel.h"
#include "exchange/ImportSelectionModel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace velno {

class MailComposer;

// Asks for a group (1-based); 0 when cancelled.
using GroupChooser = std::function<int(QWidget* parent, int current)>;

class CollectionFileDialog : public QDialog {
    Q_OBJECT
public:
    CollectionFileDialog(CollectionFileModel& model, MailComposer& mail, GroupChooser chooser,
                         QWidget* parent = nullptr);

    QRadioButton* currentMonthRadio() const { return current_; }
    QRadioButton* nextMonthRadio() const { return next_; }
    QCheckBox* emptyListCheck() const { return empty_; }
    QCheckBox* assistantCheck() const { return assistant_; }
    QLineEdit* emailField() const { return email_; }
    QPushButton* mailButton() const { return mail_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* otherGroupButton() const { return other_; }
    QLabel* missingLabel() const { return missing_; }

private:
    void refresh();

    CollectionFileModel& model_;
    MailComposer& mailer_;
    GroupChooser chooser_;
    QRadioButton* current_;
    QRadioButton* next_;
    QLabel* overseer_;
    QLabel* publishers_;
    QLabel* missing_;
    QCheckBox* empty_;
    QLineEdit* email_;
    QCheckBox* assistant_;
    QPushButton* mail_;
    QPushButton* save_;
    QPushButton* other_;
    QPushButton* done_;
};

class ImportSelectionDialog : public QDialog {
    Q_OBJECT
public:
    ImportSelectionDialog(ImportSelectionModel& model, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* selectAllButton() const { return all_; }
    QPushButton* selectNoneButton() const { return none_; }
    QLabel* selectedLabel() const { return selected_; }
    QLabel* previewName() const { return name_; }
    QTableWidget* previewGrid() const { return grid_; }
    // Shows the preview of a line (-1: the hint).
    void showPreview(int line);

private:
    void selectionChanged();

    ImportSelectionModel& model_;
    QListWidget* list_;
    QLabel* available_;
    QLabel* selected_;
    QLabel* name_;
    QLabel* late_;
    QLabel* hint_;
    QTableWidget* grid_;
    QPushButton* all_;
    QPushButton* none_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace velno
