#pragma once
// The column map (dialog 155) and the name map (dialog 156) of the CSV
// report import: views over ColumnMapModel and NameMapModel.

#include <QDialog>

#include "exchange/ColumnMapModel.h"
#include "exchange/NameMapModel.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class ColumnMapDialog : public QDialog {
    Q_OBJECT
public:
    ColumnMapDialog(ColumnMapModel& model, const QString& path, QWidget* parent = nullptr);

    QListWidget* targetList() const { return targets_; }
    QListWidget* sourceList() const { return sources_; }
    QCheckBox* ruleCheck() const { return rule_; }
    QLabel* hintLabel() const { return hint_; }
    QPushButton* continueButton() const { return continue_; }
    QPushButton* clearButton() const { return clear_; }

private:
    void refresh();

    ColumnMapModel& model_;
    QListWidget* targets_;
    QListWidget* sources_;
    QLabel* hint_;
    QCheckBox* rule_;
    QPushButton* continue_;
    QPushButton* cancel_;
    QPushButton* clear_;
};

class NameMapDialog : public QDialog {
    Q_OBJECT
public:
    NameMapDialog(NameMapModel& model, QWidget* parent = nullptr);

    QListWidget* nameList() const { return names_; }
    QListWidget* publisherList() const { return publishers_; }
    QLabel* chosenNameLabel() const { return chosenName_; }
    QLabel* chosenPublisherLabel() const { return chosenPublisher_; }
    QPushButton* arrowButton() const { return arrow_; }
    QCheckBox* skipCheck() const { return skip_; }
    QPushButton* continueButton() const { return continue_; }
    QPushButton* clearButton() const { return clear_; }

private:
    void fill();
    void refresh();

    NameMapModel& model_;
    QListWidget* names_;
    QListWidget* publishers_;
    QLabel* chosenName_;
    QLabel* chosenPublisher_;
    QPushButton* arrow_;
    QCheckBox* skip_;
    QPushButton* continue_;
    QPushButton* cancel_;
    QPushButton* clear_;
};

}  // namespace velno
