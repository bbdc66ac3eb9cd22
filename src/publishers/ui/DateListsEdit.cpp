#include "publishers/ui/DateListsEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <optional>

namespace velno {

namespace {

constexpr DatePart kParts[] = {DatePart::Month, DatePart::Day, DatePart::Year};

std::optional<DateKey> dateKeyOf(int key) {
    switch (key) {
        case Qt::Key_Up:
            return DateKey::Up;
        case Qt::Key_Down:
            return DateKey::Down;
        case Qt::Key_Left:
            return DateKey::Left;
        case Qt::Key_Right:
            return DateKey::Right;
        case Qt::Key_Delete:
            return DateKey::Delete;
        case Qt::Key_Space:
            return DateKey::Space;
        default:
            return std::nullopt;
    }
}

}  // namespace

DateListsEdit::DateListsEdit(PublisherEditModel& model, EditDate date, QWidget* parent)
    : DateListsEdit(
          DateListsAccess{
              [&model, date]() -> const DateLists& { return model.date(date); },
              [&model, date](DatePart part, int line) { model.setDateLine(date, part, line); },
              [&model, date](DatePart part, char c) { return model.dateChar(date, part, c); },
              [&model, date](DatePart part, DateKey key) { return model.dateKey(date, part, key); },
              [&model, date](DatePart part) { model.dateFocusEntered(date, part); }},
          parent) {}

DateListsEdit::DateListsEdit(DateListsAccess access, QWidget* parent)
    : QWidget(parent), access_(std::move(access)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (DatePart part : kParts) {
        auto* list = new QComboBox(this);
        for (const auto& line : access_.lists().lines(part))
            list->addItem(QString::fromStdString(line));
        list->setMaxVisibleItems(13);
        list->installEventFilter(this);
        layout->addWidget(list);
        lists_[static_cast<int>(part)] = list;
        // A line chosen with the mouse from the drop-down.
        connect(list, &QComboBox::activated, this, [this, part](int line) {
            access_.setLine(part, line);
            showModel();
            emit changed();
        });
    }
    setFocusProxy(lists_[0]);
    showModel();
}

void DateListsEdit::showModel() {
    for (DatePart part : kParts) {
        QComboBox* list = lists_[static_cast<int>(part)];
        const QSignalBlocker block(list);
        list->setCurrentIndex(access_.lists().line(part));
    }
}

void DateListsEdit::apply(DateKeyAction action) {
    switch (action) {
        case DateKeyAction::None:
            return;
        case DateKeyAction::Selected:
            showModel();
            emit changed();
            return;
        case DateKeyAction::FocusNext:
        case DateKeyAction::FocusPrevious:
            showModel();
            emit changed();
            emit focusMove(action == DateKeyAction::FocusNext);
            return;
    }
}

bool DateListsEdit::eventFilter(QObject* watched, QEvent* event) {
    int index = -1;
    for (int i = 0; i < 3; ++i)
        if (watched == lists_[i]) index = i;
    if (index < 0) return QWidget::eventFilter(watched, event);
    const DatePart part = kParts[index];

    if (event->type() == QEvent::FocusIn) {
        access_.focusEntered(part);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // The drop-down keys (Alt+Down, F4) and Tab, Enter, Escape stay the list's.
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    if (const auto dateKey = dateKeyOf(key->key())) {
        apply(access_.onKey(part, *dateKey));
        return true;
    }
    const QString typed = key->text();
    if (typed.size() == 1 && typed[0].unicode() < 0x80 && typed[0].isPrint()) {
        apply(access_.onChar(part, typed[0].toLatin1()));
        return true;
    }
    return false;
}

}  // namespace velno
