#pragma once
// Opening the data folder for a command through the program's own start-up
// (settings, the early start, conversion of the older format, the password
// question with its rules), the month-end snapshot of --snapshot, and the
// messages when any of it fails.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "store/CVelnoDoc.h"

namespace velno::cli {

enum class FolderAccess {
    // Reads the folder into memory and writes nothing anywhere: looking at
    // a folder (maybe while the program has it open) must not change it.
    ReadOnly,
    // For commands that save: everything the command writes, the load's
    // own writes included, is committed at once by its save. Refused with
    // --snapshot, which opens a month-end snapshot read-only.
    ReadWrite,
};

// The data folder has a password (the header's first name is not " ").
bool hasPassword(const CVelnoDoc& doc);

class FolderSession {
public:
    FolderSession(Context& context, FolderAccess access);
    ~FolderSession();
    FolderSession(const FolderSession&) = delete;
    FolderSession& operator=(const FolderSession&) = delete;

    // Loads the folder. Returns 0, or the exit code after writing the message.
    int open();
    CVelnoDoc& doc() { return *doc_; }
    const std::filesystem::path& folder() const { return context_.options.dataFolder; }

private:
    enum class Refusal { None, Missing, Wrong };
    int openSnapshot(int monthsBack);

    // Messages go to the error stream; the password dialogs read standard
    // input (with --password-stdin), one line per password, and apply the
    // program's asking rules to it.
    class StreamPrompter : public Prompter {
    public:
        StreamPrompter(std::istream& in, std::ostream& err, const bool& fromStdin)
            : in_(in), err_(err), fromStdin_(fromStdin) {}
        Answer ask(const std::string&, Buttons, Answer defaultAnswer, Icon) override {
            return defaultAnswer;
        }
        void tell(const std::string& text, Icon) override { err_ << text << '\n'; }
        void askPassword(PasswordPrompt& dialog) override;
        void askNewPassword(PasswordChangeModel& dialog) override;

        Refusal refusal = Refusal::None;

    private:
        std::optional<std::string> readLine();

        std::istream& in_;
        std::ostream& err_;
        const bool& fromStdin_;
        std::optional<std::string> given_;  // the password line, kept for a second question
    };

    Context& context_;
    FolderAccess access_;
    std::unique_ptr<CVelnoDoc> doc_;
    StreamPrompter prompter_;
    bool loaded_ = false;
};

}  // namespace velno::cli
