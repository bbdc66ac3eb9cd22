#pragma once
// The report slip (dialog 107): a view over ReportSlipModel. The key rules
// of the number fields and of moving between controls are the model's;
// this view only maps keys and focus to it.

#include <QDialog>

#include "reporting/ReportSlipModel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velno {

class ReportSlipDialog : public QDialog {
    Q_OBJECT
public:
    ReportSlipDialog(ReportSlipModel& model, QWidget* parent = nullptr);

    // What the last save did (nothing when the slip was cancelled).
    const SlipSaveResult& saveResult() const { return result_; }

    QCheckBox* sharedCheck() const { return shared_; }
    QCheckBox* auxiliaryCheck() const { return auxiliary_; }
    QLineEdit* hoursField() const { return hours_; }
    QLineEdit* studiesField() const { return studies_; }
    QLabel* pioneerLabel() const { return pioneer_; }
    QLabel* creditLabel() const { return credit_; }
    QLabel* infoLabel() const { return info_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* remarkButton() const { return remark_; }
    QPushButton* lateMonthButton() const { return lateMonth_; }
    QLineEdit* remarkEditor() const { return remarkEdit_; }
    QListWidget* monthList() const { return monthList_; }
    QPushButton* monthOkButton() const { return monthOk_; }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void syncFromModel();
    void save();
    void finishRemark();
    void chooseMonth();
    bool handleKey(SlipControl control, QObject* watched, QKeyEvent* key);

    ReportSlipModel& model_;
    SlipSaveResult result_;
    bool finishing_ = false;

    QLabel* name_;
    QLabel* month_;
    QLabel* group_;
    QLabel* privilege_;
    QLabel* pioneer_;
    QCheckBox* auxiliary_;
    QCheckBox* shared_;
    QLabel* hoursCaption_;
    QLabel* studiesCaption_;
    QLineEdit* hours_;
    QLineEdit* studies_;
    QLabel* credit_;
    QLabel* info_;
    QLineEdit* remarkEdit_;
    QListWidget* monthList_;
    QPushButton* monthOk_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* remark_;
    QPushButton* lateMonth_;
};

}  // namespace velno
