#pragma once
// The report list (dialog 105): a view over ReportListModel. OK or a double
// click opens the slip of the chosen publisher.

#include <QDialog>
#include <functional>

#include "reporting/ReportListModel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class ReportSlipDialog;

class ReportListDialog : public QDialog {
    Q_OBJECT
public:
    ReportListDialog(ReportListModel& model, QWidget* parent = nullptr);

    // Opens the slip of the selected publisher and waits for it.
    void openSlip();

    QComboBox* groupFilter() const { return groups_; }
    QCheckBox* onlyNotReportedCheck() const { return onlyNotReported_; }
    QListWidget* list() const { return list_; }
    QLabel* lastEnteredLabel() const { return lastEntered_; }
    QGroupBox* lastEnteredBox() const { return lastBox_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* closeCollectionButton() const { return closeCollection_; }
    QPushButton* finishButton() const { return finish_; }
    QList<QPushButton*> importButtons() const { return imports_; }
    // What the group-file buttons do (".t09", ".t19"); the exchange part
    // sets them, and a button stays greyed while its action is not set.
    using ImportAction = std::function<void(QWidget* parent)>;
    static void setGroupFileActions(ImportAction make, ImportAction import);
    // What the "(.csv)" button does.
    static void setCsvImportAction(ImportAction import);
    // The "(.xml)" button's report import, likewise.
    static void setXmlImportAction(ImportAction import);
    // The slip while one is open (tests drive it from here).
    ReportSlipDialog* openSlipDialog() const { return slip_; }

signals:
    // A slip was saved: the frame refreshes what shows the tallies.
    void slipSaved();

private:
    void fillList();

    ReportListModel& model_;
    QComboBox* groups_;
    QCheckBox* onlyNotReported_;
    QListWidget* list_;
    QGroupBox* lastBox_;
    QLabel* lastEntered_;
    QPushButton* ok_;
    QPushButton* closeCollection_;
    QPushButton* finish_;
    QList<QPushButton*> imports_;
    ReportSlipDialog* slip_ = nullptr;
};

}  // namespace velno
