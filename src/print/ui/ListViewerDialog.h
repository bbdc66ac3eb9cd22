#pragma once
// The Qt view of the list viewer (dialog 115); the rules are in
// ListViewerModel.

#include <QDialog>
#include <functional>

#include "print/ListViewerModel.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velno {
class Clipboard;
class Dialer;
class MailComposer;
}  // namespace velno

namespace velno::print {

class ListViewerDialog : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        Clipboard* clipboard = nullptr;
        std::function<void()> print;             // "&Cetak": the list on the report view
        std::function<void()> printerSetup;      // "&Pengaturan Cetak"
        std::function<void(int storePos)> edit;  // mode 12's "Edit" on the selected row
        MailComposer* mail = nullptr;            // the reminder
        Dialer* dialer = nullptr;
        std::function<void(const std::string&)> tell;  // a failure to mail or dial
    };
    ListViewerDialog(ListViewerModel& model, Actions actions, QWidget* parent);

private:
    void refresh();
    void refreshButtons();
    void contact();

    ListViewerModel& model_;
    Actions actions_;
    QComboBox* type_;
    QComboBox* second_;
    QComboBox* filter_;
    QListWidget* rows_;
    QLabel* summary_;
    QPushButton* copy_;
    QPushButton* edit_;
    QPushButton* contact_;
    QPushButton* dial_;
    QPushButton* next_;
};

}  // namespace velno::print
