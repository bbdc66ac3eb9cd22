#pragma once
// Dialog 127 "Tentukan Label Pembuka": the first free label of a partly
// used sheet, and the sheet's columns, rows and margins. The rules are in
// FirstLabelModel.

#include <QDialog>

#include "print/CardLabels.h"

class QLabel;
class QSpinBox;

namespace velno::print {

class FirstLabelDialog : public QDialog {
    Q_OBJECT
public:
    FirstLabelDialog(FirstLabelModel& model, QWidget* parent);

private:
    void refresh();

    FirstLabelModel& model_;
    QSpinBox* first_;
    QSpinBox* columns_;
    QSpinBox* rows_;
    QSpinBox* left_;
    QSpinBox* top_;
    QLabel* place_;
};

}  // namespace velno::print
