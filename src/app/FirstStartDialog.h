#pragma once
// The first start outside a data folder: a new data folder or the demo
// congregation.

#include <QDialog>

class QPushButton;

namespace velno::app {

class FirstStartDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Quit, NewFolder, Demo };
    explicit FirstStartDialog(QWidget* parent = nullptr);
    Choice choice() const { return choice_; }

    QPushButton* newFolderButton() const { return newFolder_; }
    QPushButton* demoButton() const { return demo_; }

private:
    Choice choice_ = Choice::Quit;
    QPushButton* newFolder_;
    QPushButton* demo_;
};

}  // namespace velno::app
