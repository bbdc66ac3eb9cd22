#pragma once
// "P&rint Setup...": the printer and its paper. The choice stays with the
// program's one printer, so printing and previews use it for the rest of
// the session.

#include <QDialog>

class QComboBox;
class QPrinter;

namespace velno::app {

class PrintSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrintSetupDialog(QPrinter& printer, QWidget* parent = nullptr);

    QComboBox* printers() const { return printers_; }
    QComboBox* papers() const { return papers_; }
    // Puts the choice into the printer.
    void apply();

private:
    void fillPapers();

    QPrinter& printer_;
    QComboBox* printers_;
    QComboBox* papers_;
};

}  // namespace velno::app
