#pragma once
// Dialog 149, deleting a publisher: for good, or to the deleted list with
// a month and year; a view over DeletePublisherModel.

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace velno {

class DeletePublisherModel;

class DeletePublisherDialog : public QDialog {
    Q_OBJECT
public:
    DeletePublisherDialog(DeletePublisherModel& model, QWidget* parent = nullptr);

    QRadioButton* permanentButton() const { return permanent_; }
    QRadioButton* temporaryButton() const { return temporary_; }
    QComboBox* monthList() const { return month_; }
    QComboBox* yearList() const { return year_; }
    QPushButton* okButton() const { return ok_; }

private:
    void showModel();

    DeletePublisherModel& model_;
    QRadioButton* permanent_;
    QRadioButton* temporary_;
    QComboBox* month_;
    QComboBox* year_;
    QPushButton* ok_;
};

}  // namespace velno
