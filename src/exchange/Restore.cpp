#include "exchange/Restore.h"

#include <unistd.h>

#include <cstring>
#include <system_error>

#include "exchange/BackupSet.h"
#include "session/SettingsFile.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/PasswordPrompt.h"
#include "store/Scrambler.h"
#include "store/Snapshots.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kUndoMinimum = 500;

// The seven files of the older format, cleared from the undo folder with
// the set files.
const std::vector<std::string>& olderFormatFiles() {
    static const std::vector<std::string> files{"tdat7.bin",  "remark7.dat", "oddmo7.dat",
                                                "tinac7.dat", "tmove7.dat",  "tnopu7.dat",
                                                "tdele7.dat"};
    return files;
}

std::string monthFolder(int month) {
    return "Roll/Vn9_" + std::to_string(month);
}

// Stages `image` as the content of `into` (a folder relative to the data
// folder, "" for the data folder itself): its files written, the other set
// files removed; the snapshot months of `months` likewise when `withRoll`.
void stageImage(const DataFolder& data, const std::string& into, const SetImage& image,
                const std::vector<int>& months, bool withRoll, bool withOlderFiles) {
    const std::string prefix = into.empty() ? "" : into + "/";
    auto place = [&](const std::string& name) {
        for (const auto& [file, bytes] : image.files)
            if (file == name) {
                (void)data.write(prefix + name, bytes);
                return;
            }
        (void)data.remove(prefix + name);
    };
    for (const auto& name : setFileList()) place(name);
    if (withOlderFiles)
        for (const auto& name : olderFormatFiles()) (void)data.remove(prefix + name);
    if (!withRoll) return;
    for (int m : months)
        for (const auto& name : setFileList()) place(monthFolder(m) + "/" + name);
}

// Month folders left empty by a restore go too.
void removeEmptyMonthFolders(const fs::path& root, const std::vector<int>& months) {
    std::error_code ec;
    for (int m : months) {
        const fs::path dir = DataFolder(root).resolve(monthFolder(m));
        if (fs::is_directory(dir, ec) && fs::is_empty(dir, ec)) fs::remove(dir, ec);
    }
}

// The header record of the source's main file: its password asked when set.
enum class Admission { Given, Refused, NoFile };
Admission admitSource(CVelnoDoc& doc, const SetImage& image) {
    for (const auto& [name, bytes] : image.files) {
        if (name != "tdat9.bin") continue;
        if (bytes.size() < sizeof(PublisherRecord)) return Admission::NoFile;
        PublisherRecord head{};
        std::memcpy(&head, bytes.data(), sizeof head);
        unscrambleRecord(head);
        PasswordPrompt dialog(fieldText(head.fname), false);
        if (!dialog.isOpen()) return dialog.accepted() ? Admission::Given : Admission::Refused;
        doc.prompter().askPassword(dialog);
        dialog.close();
        return dialog.accepted() ? Admission::Given : Admission::Refused;
    }
    return Admission::NoFile;
}

}  // namespace

fs::path undoFolderPath(const fs::path& dataFolder) {
    return dataFolder / kUndoFolderName;
}

bool undoAvailable(const fs::path& dataFolder) {
    std::error_code ec;
    const auto size =
        fs::file_size(DataFolder(undoFolderPath(dataFolder)).resolve("tdat9.bin"), ec);
    return !ec && size > kUndoMinimum;
}

RestoreOutcome restoreFrom(CVelnoDoc& doc, const fs::path& source, const RestoreOptions& options) {
    RestoreOutcome out;
    using Status = RestoreOutcome::Status;
    auto failed = [&](Status status, std::string message) {
        out.status = status;
        out.message = std::move(message);
        doc.prompter().tell(out.message, Icon::Error);
        return out;
    };
    const DataFolder& data = doc.folder();
    const fs::path dataPath = data.path();
    const auto six = previousSixMonths(doc.reportMonth().reportMonth0);

    // The source is read whole before anything changes: a set that cannot
    // be read stops here.
    SetImage incoming;
    std::string badFile, reason;
    if (!readSetImage(source, six, incoming, badFile, reason)) {
        if (badFile == "tdat9.bin")
            return failed(Status::NoMainFile,
                          text::arg(text::tr(text::TxRestoreNoMainFile), source.string()));
        return failed(Status::Unreadable, text::arg(text::tr(text::TxRestoreUnreadable),
                                                    source.string(), badFile, reason));
    }
    // 1. The source's password.
    switch (admitSource(doc, incoming)) {
        case Admission::NoFile:
            return failed(Status::NoMainFile,
                          text::arg(text::tr(text::TxRestoreNoMainFile), source.string()));
        case Admission::Refused:
            return failed(Status::PasswordRefused, text::tr(text::TxRestorePasswordRefused));
        case Admission::Given:
            break;
    }

    // What this run still holds belongs to the state being replaced.
    if (data.holdingWrites() && !data.isMemoryOnly()) {
        if (const FileResult r = data.commitHeld(); !r)
            return failed(Status::UndoCopyFailed,
                          text::arg(text::tr(text::TxRestoreUndoFailed), r.file, r.reason));
    }
    SetImage current;
    if (!readSetImage(dataPath, six, current, badFile, reason))
        return failed(Status::UndoCopyFailed,
                      text::arg(text::tr(text::TxRestoreUndoFailed), badFile, reason));

    // 2. Undoing writes the undo folder's successor beside it.
    std::error_code ec;
    out.undone = fs::equivalent(source, undoFolderPath(dataPath), ec);
    // The undo folder holds the whole replaced state, snapshots included: a
    // month it lacks was not there before, and goes.
    if (out.undone) incoming.hasRoll = true;
    const std::string undoName =
        out.undone ? std::string(kUndoFolderName) + "_tmp" : std::string(kUndoFolderName);

    // 3, 4. The replaced state, complete in its own commit first.
    data.holdWrites();
    stageImage(data, undoName, current, six, true, true);
    if (const FileResult r = data.commitHeld(); !r) {
        data.discardHeld();
        return failed(Status::UndoCopyFailed,
                      text::arg(text::tr(text::TxRestoreUndoFailed), r.file, r.reason));
    }
    removeEmptyMonthFolders(dataPath / undoName, six);

    // 5-7. The source's files in one commit: the folder is the old one or
    // the restored one, whatever stops it.
    data.holdWrites();
    for (const auto& [name, bytes] : incoming.files)
        if (options.progress && name.find('/') == std::string::npos)
            options.progress(text::arg(text::tr(text::TxRestoringFile), name));
    stageImage(data, "", incoming, six, incoming.hasRoll, false);
    if (const FileResult r = data.commitHeld(); !r) {
        data.discardHeld();
        return failed(Status::WriteFailed,
                      text::arg(text::tr(text::TxRestoreFailed), r.file, r.reason));
    }
    if (incoming.hasRoll) removeEmptyMonthFolders(dataPath, six);

    // 8. The undo folder's successor takes its place, so that the undo can
    // be undone.
    if (out.undone) {
        data.holdWrites();
        stageImage(data, kUndoFolderName, current, six, true, true);
        stageImage(data, undoName, SetImage{}, six, true, false);
        if (const FileResult r = data.commitHeld(); !r) {
            // The restore itself stands; the undo folder keeps the older state.
            data.discardHeld();
            doc.reportWriteFailure(r);
        }
        removeEmptyMonthFolders(undoFolderPath(dataPath), six);
        removeEmptyMonthFolders(dataPath / undoName, six);
        const fs::path tmp = dataPath / undoName;
        fs::remove(tmp / "Roll", ec);
        fs::remove(tmp, ec);
    }

    for (const auto& [name, bytes] : incoming.files)
        if (name.find('/') == std::string::npos) out.files.push_back(name);
    out.snapshots = incoming.months;

    // 9. The whole store again, as at start-up, in the same report month;
    // the password was given for this data.
    doc.profile().load(data.resolve(kSettingsFileName));
    readSettings(doc);
    (void)doc.loadStore(dataPath, CVelnoDoc::Admission::AlreadyGiven);
    out.status = Status::Restored;
    return out;
}

}  // namespace velno
