#pragma once
// The month, day and year lists of one date in the record editor. Every
// key goes to the editor model, which owns the typing rules; the lists
// only show the lines it chose.

#include <QWidget>
#include <functional>

#include "publishers/PublisherEditModel.h"

class QComboBox;

namespace velno {

// What the lists ask of the model that owns the date.
struct DateListsAccess {
    std::function<const DateLists&()> lists;
    std::function<void(DatePart, int)> setLine;
    std::function<DateKeyAction(DatePart, char)> onChar;
    std::function<DateKeyAction(DatePart, DateKey)> onKey;
    std::function<void(DatePart)> focusEntered;
};

class DateListsEdit : public QWidget {
    Q_OBJECT
public:
    DateListsEdit(PublisherEditModel& model, EditDate date, QWidget* parent = nullptr);
    DateListsEdit(DateListsAccess access, QWidget* parent = nullptr);

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

    DateListsAccess access_;
    QComboBox* lists_[3] = {};
};

}  // namespace velno
