#pragma once
// Changing or removing the data-folder password (command 32786, dialog 121
// "Ubah Sandi"): the new password is typed twice; an empty text, or one that
// starts with a blank, removes the password.

#include <string>
#include <string_view>

namespace velno {

class CVelnoDoc;

class PasswordChangeModel {
public:
    static constexpr std::size_t kMaxLength = 13;

    std::string title() const;   // UTF-8
    std::string prompt() const;  // UTF-8; asks again after the first OK
    std::string cancelText() const;
    // The field's text; the view shows it again after every action (the
    // model cuts it to 13 characters and empties it after the first OK).
    const std::string& fieldText() const { return field_; }
    bool isOpen() const { return stage_ == Stage::First || stage_ == Stage::Second; }
    bool confirmed() const { return stage_ == Stage::Confirmed; }
    // UTF-8; meaningful once confirmed.
    const std::string& newPassword() const { return first_; }

    // A text of 14 or more characters is cut to 13 and counts as OK.
    void textChanged(std::string_view text);
    // First OK remembers the text and asks again; the second confirms when
    // both agree, and closes the dialog either way.
    void pressOk();
    // "Batal".
    void cancel();

private:
    enum class Stage { First, Second, Confirmed, NotConfirmed };
    Stage stage_ = Stage::First;
    std::string field_;
    std::string first_;
};

// Types one line into the field, key by key, and presses OK unless the
// length rule already did; the rest of a too long line is dropped. One
// step of a scripted front end (CLI, tests).
void typeNewPassword(PasswordChangeModel& dialog, std::string_view text);

enum class PasswordChange { Removed, Changed, NotChanged, OldPasswordRefused };

// Puts a finished dialog into effect: a confirmed password is stored in the
// header (or removed) and the document marked modified; the result message
// is told. A password that the store could not keep is refused with the
// reason and "Sandi TIDAK diubah.".
PasswordChange applyPasswordChange(CVelnoDoc& doc, const PasswordChangeModel& dialog);

// The whole command: the old password first (when one is set), then the
// dialog through the document's prompter.
PasswordChange changePassword(CVelnoDoc& doc);

}  // namespace velno
