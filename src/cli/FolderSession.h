#pragma once
// Opening the data folder for a command: today's date, the password from
// standard input, the load, and the messages when any of it fails.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "store/CVelnoDoc.h"

namespace velno::cli {

enum class FolderAccess {
    // Loads a private copy of the folder: the load compacts files and
    // rewrites the undo copy of the remarks, and looking at a folder (maybe
    // while the program has it open) must not change it.
    ReadOnly,
    // Loads the folder itself, for commands that save.
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
    // The folder the user named (not the private copy).
    const std::filesystem::path& folder() const { return context_.options.dataFolder; }

private:
    enum class Refusal { None, Missing, Wrong };
    bool checkPassword(const CVelnoDoc& doc);
    int makePrivateCopy();

    class StreamPrompter : public Prompter {
    public:
        explicit StreamPrompter(std::ostream& err) : err_(err) {}
        Answer ask(const std::string&, Buttons, Answer defaultAnswer, Icon) override {
            return defaultAnswer;
        }
        void tell(const std::string& text, Icon) override { err_ << text << '\n'; }

    private:
        std::ostream& err_;
    };

    Context& context_;
    FolderAccess access_;
    std::unique_ptr<CVelnoDoc> doc_;
    StreamPrompter prompter_;
    std::filesystem::path copy_;
    std::optional<std::string> typed_;  // Windows-1252
    bool typedUnstorable_ = false;
    Refusal refusal_ = Refusal::None;
    bool loaded_ = false;
};

}  // namespace velno::cli
