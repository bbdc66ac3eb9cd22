#pragma once
// Questions and messages of the core shown in message boxes, and the two
// password dialogs.

#include <QPointer>
#include <QWidget>

#include "store/Prompter.h"

namespace velno::app {

class QtPrompter : public Prompter {
public:
    // Boxes are centred on `parent` (the main window once it exists).
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer ask(const std::string& text, Buttons buttons, Answer defaultAnswer, Icon icon) override;
    void tell(const std::string& text, Icon icon) override;
    void askPassword(PasswordPrompt& dialog) override;
    void askNewPassword(PasswordChangeModel& dialog) override;

private:
    QWidget* parent() const;
    QPointer<QWidget> parent_;
};

}  // namespace velno::app
