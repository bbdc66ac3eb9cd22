#pragma once
// The dialogs of the delimited exports: the monthly report's choices
// (dialog 129) and the warning about unprotected exports in the data
// folder (dialog 130).

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace velno {

class ExportFilesWarningModel;
class MonthlyExportModel;

class MonthlyExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit MonthlyExportDialog(MonthlyExportModel& model, QWidget* parent = nullptr);

    QComboBox* monthBox() const { return month_; }
    QRadioButton* commaButton() const { return comma_; }
    QRadioButton* tabButton() const { return tab_; }
    QCheckBox* headerBox() const { return header_; }
    QPushButton* okButton() const { return ok_; }

private:
    MonthlyExportModel& model_;
    QComboBox* month_;
    QRadioButton* comma_;
    QRadioButton* tab_;
    QCheckBox* header_;
    QPushButton* ok_;
};

class ExportFilesWarningDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportFilesWarningDialog(ExportFilesWarningModel& model, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    ExportFilesWarningModel& model_;
    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace velno
