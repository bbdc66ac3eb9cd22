#pragma once
// The month, day and year lists of one date in the record editor. Every
// key goes to the editor model, which owns the typing rules; the lists
// only show the lines it chose.

#include <QWidget>

#include "publishers/PublisherEditModel.h"

class QComboBox;

namespace velno {

class DateListsEdit : public QWidget {
    Q_OBJECT
public:
    DateListsEdit(PublisherEditModel& model, EditDate date, QWidget* parent = nullptr);

    QComboBox* list(DatePart part) const { return lists_[static_cast<int>(part)]; }
    // Re-reads the lines from the model.
    void showModel();

signals:
    // The typing rules move the focus on ("." "/" Right) or back (Left).
    void focusMove(bool next);
    // A line changed (the baptism date decides whether "Pelantikan..." shows).
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply(DateKeyAction action);

    PublisherEditModel& model_;
    EditDate date_;
    QComboBox* lists_[3] = {};
};

}  // namespace velno
