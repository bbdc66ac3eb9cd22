#pragma once
// The backup dialog (dialog 185): a view over BackupDialogModel in either
// mode. "Jelajahi" asks the folder chooser it is given.

#include <QDialog>
#include <functional>

#include "exchange/BackupDialogModel.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace velno {

// Opens the folder picker on a folder; empty when cancelled.
using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;

class BackupDialog : public QDialog {
    Q_OBJECT
public:
    BackupDialog(BackupDialogModel& model, FolderChooser chooser, QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* browseButton() const { return browse_; }
    QListWidget* list() const { return list_; }
    QRadioButton* catalogueRadio() const { return catalogue_; }
    QRadioButton* browseRadio() const { return browseRadio_; }
    QCheckBox* useLatestCheck() const { return useLatest_; }
    QCheckBox* undoCheck() const { return undo_; }
    QCheckBox* automaticCheck() const { return automatic_; }
    QLabel* promptLabel() const { return prompt_; }
    QLabel* pathLabel() const { return path_; }

private:
    void refresh();
    void pressOk();

    BackupDialogModel& model_;
    FolderChooser chooser_;
    QGroupBox* spaceBox_;
    QLabel* space_;
    QGroupBox* pathBox_;
    QLabel* path_;
    QPushButton* browse_;
    QLabel* prompt_;
    QGroupBox* listBox_;
    QListWidget* list_;
    QRadioButton* catalogue_;
    QRadioButton* browseRadio_;
    QCheckBox* useLatest_;
    QCheckBox* undo_;
    QCheckBox* automatic_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool filling_ = false;
};

}  // namespace velno
