#pragma once
// The publisher status dialog (dialog 103): a view over
// PublisherStatusModel, opened from the publisher editor.

#include <QDialog>
#include <array>
#include <functional>

#include "publishers/PublisherStatusModel.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace velno {

class PublisherStatusDialog : public QDialog {
    Q_OBJECT
public:
    PublisherStatusDialog(PublisherStatusModel& model, QWidget* parent = nullptr);

    // "&Bantuan": the frame opens the dialog's help topic.
    std::function<void()> onHelp;

    QRadioButton* choiceButton(StatusChoice choice) const {
        return choices_[static_cast<int>(choice) - 1];
    }
    QListWidget* monthList() const { return months_; }
    QListWidget* yearList() const { return years_; }
    QLabel* hintLabel() const { return hint_; }
    QPushButton* okButton() const { return ok_; }

private:
    void sync();

    PublisherStatusModel& model_;
    std::array<QRadioButton*, 5> choices_{};
    QListWidget* months_;
    QListWidget* years_;
    QLabel* hint_;
    QPushButton* ok_;
};

// Runs the dialog; true for OK, when model.result() holds the fields to store.
bool editPublisherStatus(PublisherStatusModel& model, QWidget* parent,
                         const std::function<void()>& help = {});

}  // namespace velno
