#pragma once
// Questions and messages to the user. Core code never shows anything
// itself: the GUI answers with message boxes, the CLI and tests with
// scripted answers.

#include <string>

namespace velno {

class PasswordPrompt;
class PasswordChangeModel;

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class Icon { None, Information, Warning, Error, Question };

class Prompter {
public:
    virtual ~Prompter() = default;
    // Texts are UTF-8.
    virtual Answer ask(const std::string& text, Buttons buttons, Answer defaultAnswer,
                       Icon icon) = 0;
    virtual void tell(const std::string& text, Icon icon) = 0;
    // Runs the password dialog over the model until it closes. Without a
    // dialog the question is refused.
    virtual void askPassword(PasswordPrompt& dialog);
    // Runs the change-password dialog over the model; without one it is
    // cancelled.
    virtual void askNewPassword(PasswordChangeModel& dialog);
};

// Answers every question with its default and drops every message.
class SilentPrompter : public Prompter {
public:
    Answer ask(const std::string&, Buttons, Answer defaultAnswer, Icon) override {
        return defaultAnswer;
    }
    void tell(const std::string&, Icon) override {}
};

}  // namespace velno
