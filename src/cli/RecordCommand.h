#pragma once
// What the commands that change records share: the folder opened with the
// record of --id, the result line with the dialog's messages, the save, and
// the date options.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/RecordingPrompter.h"
#include "store/DateText.h"
#include "store/PublisherRecord.h"

namespace velno::cli {

class Arguments;
class IdOption;

// The data folder opened for writing with the dialogs' messages recorded,
// and the record a command works on.
class RecordSession {
public:
    // `answerYes`: the dialogs' questions are answered "Yes" (--overwrite).
    explicit RecordSession(Context& context, bool answerYes = false);

    // Opens the folder, then finds the record of `id` when one is given.
    // Ok, or the exit code after writing why.
    int open(const IdOption* id = nullptr);

    CVelnoDoc& doc() { return folder_.doc(); }
    FolderSession& folder() { return folder_; }
    RecordingPrompter& prompter() { return prompter_; }
    // The record's store position; 0 when opened without an id.
    int pos() const { return pos_; }

private:
    Context& context_;
    // Before the folder: the document points at it until it is gone.
    RecordingPrompter prompter_;
    FolderSession folder_;
    int pos_ = 0;
};

// What the command prints: the dialog's messages, then one result line.
struct Outcome {
    bool ok = false;
    std::string line;  // UTF-8
    PublisherId id = 0;
};

// Prints the outcome (or its JSON) and returns the exit code.
int report(Context& context, const RecordingPrompter& prompter, const Outcome& outcome);
// Saves the folder; a failure is told and returns its exit code.
int save(Context& context, FolderSession& session);
inline int save(Context& context, RecordSession& session) {
    return save(context, session.folder());
}

// A command with subcommands: runs the one named first with the rest of the
// arguments; "help" prints the usage, anything else is a usage error.
using Subcommand = int (*)(Context&, const std::vector<std::string>&);
int runSubcommand(Context& context, const std::string& usage,
                  std::initializer_list<std::pair<std::string_view, Subcommand>> subcommands);

// The --id of add and edit: add takes none and needs --lname (the record is
// new), edit needs the id of the record it changes. Ok, or the usage exit
// code after writing why.
int parseAddOrEditId(Context& context, const Arguments& arguments, bool adding, IdOption& id);

// The name of a record list (ListKind) in the text output.
std::string listText(int kind);

// "YYYY-MM-DD" or "YYYY-MM" (no day).
std::optional<DateParts> parseDateOption(std::string_view s);
// A stored date in the form the options take: "YYYY-MM-DD", "YYYY-MM"
// without a day, empty when it holds no month or year.
std::string dateOptionText(std::string_view dateText);

}  // namespace velno::cli
