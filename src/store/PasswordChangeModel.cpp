#include "store/PasswordChangeModel.h"

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/PasswordPrompt.h"
#include "store/Scrambler.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"
#include "text/texts/StoreTexts.h"

namespace velno {

std::string PasswordChangeModel::title() const {
    return text::tr(text::TxPasswordChangeTitle);
}

std::string PasswordChangeModel::prompt() const {
    std::string p = text::tr(text::TxPasswordNew);
    if (stage_ != Stage::First) p += " " + text::tr(text::TxPasswordAgain);
    return p;
}

std::string PasswordChangeModel::cancelText() const {
    return text::tr(text::TxPasswordCancel);
}

void PasswordChangeModel::textChanged(std::string_view text) {
    if (!isOpen()) return;
    field_ = std::string(text);
    const std::size_t cut = text::utf8PrefixBytes(field_, kMaxLength);
    if (cut < field_.size()) {
        field_.resize(cut);
        pressOk();
    }
}

void PasswordChangeModel::pressOk() {
    if (stage_ == Stage::First) {
        first_ = field_;
        field_.clear();
        stage_ = Stage::Second;
    } else if (stage_ == Stage::Second) {
        stage_ = field_ == first_ ? Stage::Confirmed : Stage::NotConfirmed;
    }
}

void PasswordChangeModel::cancel() {
    if (isOpen()) stage_ = Stage::NotConfirmed;
}

void typeNewPassword(PasswordChangeModel& dialog, std::string_view text) {
    const std::string before = dialog.prompt();
    std::size_t i = 0;
    while (dialog.isOpen() && i < text.size()) {
        i = text::utf8NextCharacter(text, i);
        dialog.textChanged(text.substr(0, i));
        // The length rule pressed OK for us: this line is done.
        if (dialog.prompt() != before || !dialog.isOpen()) return;
    }
    if (dialog.isOpen()) dialog.pressOk();
}

PasswordChange applyPasswordChange(CVelnoDoc& doc, const PasswordChangeModel& dialog) {
    Prompter& prompter = doc.prompter();
    const auto notChanged = [&] {
        prompter.tell(text::tr(text::TxPasswordNotChanged), Icon::Information);
        return PasswordChange::NotChanged;
    };
    if (!dialog.confirmed()) return notChanged();

    char* field = doc.store().header().fname;
    const std::string& typed = dialog.newPassword();
    if (typed.empty() || typed.front() == ' ') {
        setFieldText(field, sizeof doc.store().header().fname, " ");
        doc.dirty = true;
        prompter.tell(text::tr(text::TxPasswordRemoved), Icon::Information);
        return PasswordChange::Removed;
    }
    // The password is kept in the scrambled first-name field of the
    // header: a character the field cannot hold would lock the folder.
    const auto bytes = text::utf8ToCp1252(typed);
    if (!bytes.ok) {
        prompter.tell(bytes.error, Icon::Warning);
        return notChanged();
    }
    if (const auto problem = unscramblableCharacter(bytes.bytes)) {
        prompter.tell(*problem, Icon::Warning);
        return notChanged();
    }
    setFieldText(field, sizeof doc.store().header().fname, bytes.bytes);
    doc.dirty = true;
    prompter.tell(text::tr(text::TxPasswordChanged), Icon::Information);
    return PasswordChange::Changed;
}

PasswordChange changePassword(CVelnoDoc& doc) {
    if (!askPassword(doc, true)) return PasswordChange::OldPasswordRefused;
    PasswordChangeModel dialog;
    doc.prompter().askNewPassword(dialog);
    dialog.cancel();  // a dialog left open counts as "Batal"
    return applyPasswordChange(doc, dialog);
}

}  // namespace velno
