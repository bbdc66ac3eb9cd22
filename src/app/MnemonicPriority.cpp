#include "app/MnemonicPriority.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace velno::app {

QAbstractButton* MnemonicPriority::buttonFor(QWidget* window, const QKeyEvent& key) {
    if (!window || key.modifiers() != Qt::AltModifier) return nullptr;
    if (key.key() < Qt::Key_0 || key.key() > Qt::Key_Z) return nullptr;
    const QKeySequence pressed(key.keyCombination());
    QAbstractButton* found = nullptr;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->window() != window || !b->isVisible() || !b->isEnabled()) continue;
        if (QKeySequence::mnemonic(b->text()) != pressed) continue;
        if (found) return nullptr;
        found = b;
    }
    return found;
}

bool MnemonicPriority::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QAbstractButton* button = buttonFor(widget->window(), *key);
    if (!button) return QObject::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // Taken as a plain key press, so no menu sees it first.
        event->accept();
        return true;
    }
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
}

}  // namespace velno::app
