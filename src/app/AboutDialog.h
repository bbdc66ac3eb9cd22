#pragma once
// Dialog 100, "Tentang VELNO": the program and the data folder in use.

#include <QDialog>

class QLabel;

namespace velno::app {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const QString& dataFolder, QWidget* parent = nullptr);
    QLabel* folderLabel() const { return folder_; }

private:
    QLabel* folder_;
};

}  // namespace velno::app
