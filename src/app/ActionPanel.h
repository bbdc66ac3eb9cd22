#pragma once
// The ActionPanel: large buttons for the everyday commands, built from the
// command table's panel columns.

#include <QWidget>
#include <map>

#include "app/ShellLayout.h"

class QLabel;
class QPushButton;

namespace velno::app {

class ActionPanel : public QWidget {
    Q_OBJECT
public:
    explicit ActionPanel(const CommandRegistry& commands, QWidget* parent = nullptr);

    // Captions, visibility and enabling from the shell's state.
    void refresh(const ShellState& state);
    QPushButton* button(int id) const;
    // Button ids in reading order (column by column, the return button last).
    std::vector<int> buttonIds() const;
    QLabel* caption() const { return caption_; }
    // The first visible, enabled button takes the focus, drawn as the
    // keyboard's focus.
    void focusFirstButton();

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void commandTriggered(int id);

private:
    const CommandRegistry& commands_;
    QLabel* caption_;
    std::map<int, QPushButton*> buttons_;
    std::vector<int> order_;
};

}  // namespace velno::app
