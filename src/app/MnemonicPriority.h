#pragma once
// Alt+letter acts first on the window the user is working in: when one
// button of that window carries the letter, it is pressed, even where a
// menu of the menu bar shares the letter ("&Hadirin Perhimpunan" and
// "&Huruf"). Two buttons of one window sharing a letter are left to Qt,
// which moves the focus between them.

#include <QObject>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace velno::app {

class MnemonicPriority : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The one visible, enabled button of `window` whose mnemonic is the
    // key; nullptr when none or several are.
    static QAbstractButton* buttonFor(QWidget* window, const QKeyEvent& key);
};

}  // namespace velno::app
