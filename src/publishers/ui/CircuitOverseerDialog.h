#pragma once
// Dialog 157, the circuit overseer: a view over CircuitOverseerModel.

#include <QDialog>
#include <array>

class QLineEdit;

namespace velno {

class CircuitOverseerModel;

class CircuitOverseerDialog : public QDialog {
    Q_OBJECT
public:
    CircuitOverseerDialog(CircuitOverseerModel& model, QWidget* parent = nullptr);
    QLineEdit* box(int field) const { return boxes_[field]; }

private:
    std::array<QLineEdit*, 7> boxes_{};
};

}  // namespace velno
