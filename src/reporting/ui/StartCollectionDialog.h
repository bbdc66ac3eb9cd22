#pragma once
// The start dialog "Kirim Slip Laporan": a view over StartCollectionModel.
// It closes with OK when a button chose a month; what follows (the month
// change, the initialisation) is finishStartDialog's.

#include <QDialog>

#include "reporting/StartCollectionModel.h"

class QPushButton;

namespace velno {

class StartCollectionDialog : public QDialog {
    Q_OBJECT
public:
    StartCollectionDialog(StartCollectionModel& model, QWidget* parent = nullptr);

    QPushButton* adviceButton() const { return advice_; }
    QPushButton* reopenButton() const { return reopen_; }
    QPushButton* initialiseButton() const { return initialise_; }
    QPushButton* earlyStartButton() const { return early_; }
    QPushButton* cancelButton() const { return cancel_; }

    void reject() override;

private:
    StartCollectionModel& model_;
    QPushButton* advice_;
    QPushButton* reopen_;
    QPushButton* initialise_;
    QPushButton* early_;
    QPushButton* cancel_;
};

}  // namespace velno
