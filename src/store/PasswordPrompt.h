#pragma once
// The password question (dialog 120 "Sandi Dibutuhkan"): a prompt, one
// masked field and OK. The dialog is a view over this model: it passes each
// change of the field and each press of OK, and closes when the model is no
// longer open.

#include <string>
#include <string_view>

namespace velno {

class CVelnoDoc;

class PasswordPrompt {
public:
    static constexpr std::size_t kMaxLength = 13;
    enum class State { Open, Accepted, Refused };

    // `stored` is the header's first name as the store holds it
    // (Windows-1252); `forChange` asks for the old password before a change.
    PasswordPrompt(std::string_view stored, bool forChange);

    // One blank (a new store) means no password; so does an empty name,
    // which could never be typed.
    static bool isPasswordSet(std::string_view stored);

    std::string title() const;   // UTF-8
    std::string prompt() const;  // UTF-8
    State state() const { return state_; }
    bool isOpen() const { return state_ == State::Open; }
    bool accepted() const { return state_ == State::Accepted; }

    // The field now holds `text` (UTF-8). The password is accepted at the
    // keystroke that completes it; a text longer than 13 characters counts
    // as a press of OK; after one wrong OK any change refuses.
    State textChanged(std::string_view text);
    // A wrong text changes the prompt the first time and refuses the second.
    State pressOk();
    // Closing the dialog any other way refuses.
    State close();

private:
    std::string password_;  // UTF-8
    std::string text_;
    bool forChange_;
    bool wrongOnce_ = false;
    State state_ = State::Open;
};

// Types `text` into the dialog key by key and presses OK when it is still
// open afterwards; one attempt of a scripted front end (CLI, tests).
void typePassword(PasswordPrompt& dialog, std::string_view text);

// True when no password is set or the user gave it (through the
// document's prompter); `forChange` selects the prompt.
bool askPassword(CVelnoDoc& doc, bool forChange);

}  // namespace velno
