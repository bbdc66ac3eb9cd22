#pragma once
// Building records and raw data files by hand for store tests.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "store/CVelnoDoc.h"
#include "store/Prompter.h"
#include "store/PublisherRecord.h"

namespace velno::test {

PublisherRecord makeRecord(PublisherId id, const std::string& fname, const std::string& lname,
                           ListKind kind = ListActive);

// Writes records as the main file does: scrambled, header first. The header
// is created when `records` does not start with one (lname "A").
void writeMainFile(const std::filesystem::path& folder, std::vector<PublisherRecord> records);

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readBytes(const std::filesystem::path& file);

RemarkEntry makeRemark(PublisherId id, int month, int parity, const std::string& text);
std::vector<std::uint8_t> remarkFile(const std::vector<RemarkEntry>& entries);

// A prompter that records messages and answers questions from a script.
class ScriptedPrompter : public Prompter {
public:
    std::vector<std::string> told;
    std::vector<std::string> asked;
    std::vector<Answer> answers;  // consumed in order; the default when empty

    // One typed attempt per password dialog (OK pressed unless the typing
    // closed it); with none left the dialog is closed.
    std::vector<std::string> passwords;
    // The two entries of each change-password dialog; none left: "Batal".
    std::vector<std::pair<std::string, std::string>> newPasswords;
    int passwordDialogs = 0;

    Answer ask(const std::string& text, Buttons, Answer defaultAnswer, Icon) override;
    void tell(const std::string& text, Icon) override { told.push_back(text); }
    void askPassword(PasswordPrompt& dialog) override;
    void askNewPassword(PasswordChangeModel& dialog) override;
};

}  // namespace velno::test
