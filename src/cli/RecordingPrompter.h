#pragma once
// The prompter of commands that drive dialog models: every message and
// question the dialog would show is kept to be printed, and questions get
// their default answer unless the command was told to answer "Yes".

#include <string>
#include <vector>

#include "store/Prompter.h"

namespace velno::cli {

class RecordingPrompter : public Prompter {
public:
    explicit RecordingPrompter(bool answerYes = false) : answerYes_(answerYes) {}

    Answer ask(const std::string& text, Buttons buttons, Answer defaultAnswer, Icon) override {
        messages.push_back(text);
        if (answerYes_ && (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel))
            return Answer::Yes;
        return defaultAnswer;
    }
    void tell(const std::string& text, Icon) override { messages.push_back(text); }

    std::vector<std::string> messages;  // UTF-8, in order

private:
    bool answerYes_;
};

}  // namespace velno::cli
