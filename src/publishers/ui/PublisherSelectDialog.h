#pragma once
// Dialog 136, the publisher list: a view over PublisherSelectModel. It opens
// the record editor and the add dialog, and serves other dialogs as a
// picker.

#include <QDialog>

#include "publishers/ui/AddPublisherDialog.h"
#include "publishers/ui/PublisherEditDialog.h"

class QListWidget;
class QPushButton;

namespace velno {

class PublisherSelectModel;

class PublisherSelectDialog : public QDialog {
    Q_OBJECT
public:
    PublisherSelectDialog(PublisherSelectModel& model, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* closeButton() const { return close_; }

    // Re-reads the list and the selection from the model.
    void showModel();

    // The month question of the moves from the add dialog.
    MonthAsker askMonth;
    // The status dialog of the editors opened from here.
    StatusAsker askStatus;

private:
    void edit();
    void add();
    void runEditor(class PublisherEditModel& editor);

    PublisherSelectModel& model_;
    QListWidget* list_;
    QPushButton* edit_;
    QPushButton* add_;
    QPushButton* close_;
};

}  // namespace velno
