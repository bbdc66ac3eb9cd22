#pragma once
// The quick view (dialog 119 "Tinjauan Cepat"): the figures of
// QuickViewModel in its boxes.

#include <QDialog>

#include "reporting/QuickView.h"

class QLabel;

namespace velno {

class QuickViewDialog : public QDialog {
    Q_OBJECT
public:
    QuickViewDialog(const QuickViewModel& model, QWidget* parent = nullptr);

    // The value label of a line, by its label text; nullptr when absent.
    QLabel* valueLabel(QuickViewModel::Box box, const QString& label) const;
};

}  // namespace velno
