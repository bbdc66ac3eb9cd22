#include "store/PasswordPrompt.h"

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"
#include "text/texts/StoreTexts.h"

namespace velno {

PasswordPrompt::PasswordPrompt(std::string_view stored, bool forChange)
    : password_(text::cp1252ToUtf8(stored)), forChange_(forChange) {
    if (!isPasswordSet(stored)) state_ = State::Accepted;
}

bool PasswordPrompt::isPasswordSet(std::string_view stored) {
    return !stored.empty() && stored != " ";
}

std::string PasswordPrompt::title() const {
    return text::tr(text::TxPasswordTitle);
}

std::string PasswordPrompt::prompt() const {
    if (wrongOnce_) return text::tr(text::TxPasswordWrong);
    return text::tr(forChange_ ? text::TxPasswordEnterOld : text::TxPasswordEnter);
}

PasswordPrompt::State PasswordPrompt::textChanged(std::string_view text) {
    if (!isOpen()) return state_;
    text_ = std::string(text);
    if (wrongOnce_) return state_ = State::Refused;
    if (text_ == password_) return state_ = State::Accepted;
    if (text::utf8Characters(text_) > kMaxLength) return pressOk();
    return state_;
}

PasswordPrompt::State PasswordPrompt::pressOk() {
    if (!isOpen()) return state_;
    if (wrongOnce_) return state_ = State::Refused;
    wrongOnce_ = true;
    return state_;
}

PasswordPrompt::State PasswordPrompt::close() {
    if (isOpen()) state_ = State::Refused;
    return state_;
}

void typePassword(PasswordPrompt& dialog, std::string_view text) {
    std::size_t i = 0;
    while (dialog.isOpen() && i < text.size()) {
        // Whole UTF-8 characters, as a keyboard delivers them.
        i = text::utf8NextCharacter(text, i);
        dialog.textChanged(text.substr(0, i));
    }
    if (dialog.isOpen()) dialog.pressOk();
}

bool askPassword(CVelnoDoc& doc, bool forChange) {
    PasswordPrompt dialog(fieldText(doc.store().header().fname), forChange);
    if (!dialog.isOpen()) return dialog.accepted();
    doc.prompter().askPassword(dialog);
    dialog.close();
    return dialog.accepted();
}

}  // namespace velno
