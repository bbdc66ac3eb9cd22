#pragma once
// Restoring a backup set (or a snapshot folder, or the undo folder) into
// the data folder. The state it replaces is kept complete in "unrestore"
// before the first data file changes, and the new files go in through the
// data folder's one commit, so an interrupted restore leaves either the old
// or the restored folder.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;

constexpr const char* kUndoFolderName = "unrestore";

// The data folder's "unrestore".
std::filesystem::path undoFolderPath(const std::filesystem::path& dataFolder);
// A restore left something to undo: unrestore/tdat9.bin is larger than 500
// bytes.
bool undoAvailable(const std::filesystem::path& dataFolder);

struct RestoreOutcome {
    enum class Status {
        Restored,
        NoMainFile,       // the source's tdat9.bin is missing or cannot be read
        Unreadable,       // another file of the source cannot be read
        PasswordRefused,  // the source's password was not given
        UndoCopyFailed,   // the replaced state could not be kept: nothing changed
        WriteFailed,      // the data folder could not be written: nothing changed
    };
    Status status = Status::Restored;
    bool undone = false;             // the source was the undo folder
    std::vector<std::string> files;  // set files restored
    std::vector<int> snapshots;      // snapshot months restored
    std::string message;             // UTF-8, for the user
    bool restored() const { return status == Status::Restored; }
};

struct RestoreOptions {
    // The progress line, before each file (UTF-8).
    std::function<void(const std::string&)> progress;
};

// Checks the source's password through the document's prompter, keeps the
// replaced state, replaces the set files and snapshot months and reloads
// the document with its report month unchanged.
RestoreOutcome restoreFrom(CVelnoDoc& doc, const std::filesystem::path& source,
                           const RestoreOptions& options = {});

}  // namespace velno
