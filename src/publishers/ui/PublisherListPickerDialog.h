#pragma once
// Dialog 140, the list picker: one list of records and OK/"Batal", a view
// over PublisherListPickerModel.

#include <QDialog>
#include <optional>

class QListWidget;
class QPushButton;

namespace velno {

class PublisherListPickerModel;

class PublisherListPickerDialog : public QDialog {
    Q_OBJECT
public:
    PublisherListPickerDialog(PublisherListPickerModel& model, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }

private:
    PublisherListPickerModel& model_;
    QListWidget* list_;
    QPushButton* ok_;
};

// Runs the picker; the chosen line, or nothing on "Batal" or an empty list.
std::optional<int> pickFromList(PublisherListPickerModel& model, QWidget* parent);

}  // namespace velno
