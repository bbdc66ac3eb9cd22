#pragma once
// Dialog 126, the publisher chooser, choosing from the store: a view over
// PublisherChooserModel.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace velno {

class PublisherChooserModel;

class PublisherChooserDialog : public QDialog {
    Q_OBJECT
public:
    PublisherChooserDialog(PublisherChooserModel& model, QWidget* parent = nullptr);

    QListWidget* choiceList() const { return choices_; }   // control 187
    QListWidget* sideList() const { return side_; }        // control 264
    QPushButton* pickButton() const { return pick_; }      // control 267
    QPushButton* removeButton() const { return remove_; }  // control 4
    QPushButton* okButton() const { return ok_; }
    QLabel* countLine() const { return count_; }  // control 303
    QLabel* orLabel() const { return or_; }

private:
    void showModel();

    PublisherChooserModel& model_;
    QListWidget* choices_;
    QListWidget* side_;
    QPushButton* pick_;
    QPushButton* remove_;
    QPushButton* ok_;
    QLabel* count_;
    QLabel* or_;
};

}  // namespace velno
