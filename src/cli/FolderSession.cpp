#include "cli/FolderSession.h"

#include <istream>
#include <system_error>

#include "cli/Cli.h"
#include "exchange/ExportFilesWarningModel.h"
#include "session/StartInstance.h"
#include "store/FixedText.h"
#include "store/OldReports.h"
#include "store/PasswordChangeModel.h"
#include "store/PasswordPrompt.h"
#include "store/Snapshots.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/StoreTexts.h"

namespace velno::cli {

namespace fs = std::filesystem;

namespace {

std::string shown(const fs::path& path) {
    return path.string();
}

}  // namespace

bool hasPassword(const CVelnoDoc& doc) {
    return PasswordPrompt::isPasswordSet(fieldText(doc.store().header().fname));
}

std::optional<std::string> FolderSession::StreamPrompter::readLine() {
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

void FolderSession::StreamPrompter::askPassword(PasswordPrompt& dialog) {
    if (!given_) {
        if (!fromStdin_ || !(given_ = readLine())) {
            refusal = Refusal::Missing;
            return;
        }
    }
    // The line is typed key by key as into the dialog: one attempt.
    typePassword(dialog, *given_);
    if (!dialog.accepted()) refusal = Refusal::Wrong;
}

void FolderSession::StreamPrompter::askNewPassword(PasswordChangeModel& dialog) {
    for (int entry = 0; entry < 2 && dialog.isOpen(); ++entry) {
        const auto line = readLine();
        if (!line) return;  // no more input: "Batal"
        typeNewPassword(dialog, *line);
    }
}

FolderSession::FolderSession(Context& context, FolderAccess access)
    : context_(context),
      access_(access),
      doc_(std::make_unique<CVelnoDoc>()),
      prompter_(context.in, context.err, context.options.passwordFromStdin) {
    doc_->setPrompter(&prompter_);
}

FolderSession::~FolderSession() {
    if (!loaded_ || access_ != FolderAccess::ReadWrite) return;
    // A command that ended without saving changes nothing.
    doc_->folder().discardHeld();
    // A closed run leaves no undo copy of the remarks behind; a folder that
    // could not be read is left as it is.
    if (!doc_->isReadOnly()) (void)doc_->folder().remove(RemarkTable::kUndoFileName);
}

int FolderSession::open() {
    std::error_code ec;
    const fs::file_status status = fs::status(folder(), ec);
    if (!fs::exists(status)) {
        if (ec && ec != std::errc::no_such_file_or_directory)
            return context_.fail(
                text::arg(text::tr(text::TxCliCannotReadFolder), shown(folder()), ec.message()));
        return context_.fail(text::arg(text::tr(text::TxCliFolderMissing), shown(folder())));
    }
    if (!fs::is_directory(status))
        return context_.fail(text::arg(text::tr(text::TxCliNotAFolder), shown(folder())));
    fs::directory_iterator probe(folder(), ec);
    if (ec)
        return context_.fail(
            text::arg(text::tr(text::TxCliCannotReadFolder), shown(folder()), ec.message()));

    if (context_.options.snapshot && access_ == FolderAccess::ReadWrite)
        return context_.fail(text::arg(text::tr(text::TxCliSnapshotReadOnly), context_.command));

    if (access_ == FolderAccess::ReadOnly)
        doc_->folder().setMemoryOnly(true);
    else
        doc_->holdWritesUntilSave = true;
    StartOptions start;
    start.dataFolder = folder();
    start.today = context_.today;
    start.tellNotice = false;
    const StartResult started = startInstance(*doc_, start);
    if (started.status == StartStatus::OutOfMemory) return Failure;  // told already
    if (started.status == StartStatus::PasswordRefused) {
        // A header that is not ours holds no password anyone could type.
        if (doc_->loadReport().headerNotRecognised)
            return context_.fail(text::arg(text::tr(text::TxCliMainFileDamaged),
                                           shown(folder() / CVelnoDoc::kMainFileName),
                                           text::tr(text::TxHeaderNotRecognised)));
        if (prompter_.refusal == Refusal::Wrong)
            return context_.fail(text::arg(text::tr(text::TxCliPasswordWrong), shown(folder())));
        if (context_.options.passwordFromStdin)
            return context_.fail(text::tr(text::TxCliPasswordMissing));
        return context_.fail(text::arg(text::tr(text::TxCliPasswordRequired), shown(folder())));
    }
    loaded_ = true;
    if (access_ == FolderAccess::ReadWrite && doc_->isReadOnly()) {
        const auto& f = doc_->folder().readFailures().front();
        return context_.fail(text::arg(text::tr(text::TxCliDocumentReadOnly), shown(folder()),
                                       shown(folder() / f.file), f.reason));
    }
    if (context_.options.snapshot) return openSnapshot(*context_.options.snapshot);
    // Unprotected lists an earlier version left in the data folder go with
    // the command's save (held like the load's own writes).
    if (access_ == FolderAccess::ReadWrite && doc_->folder().holdingWrites())
        (void)removeUnprotectedExports(doc_->folder());
    return Ok;
}

int FolderSession::openSnapshot(int monthsBack) {
    // Nothing in a snapshot may change.
    doc_->folder().setReadOnly(true);
    const auto entries = oldReportEntries(*doc_);
    const OldReportEntry& entry = entries[monthsBack - 1];
    if (!entry.available)
        return context_.fail(text::arg(text::tr(text::TxCliSnapshotMissing), entry.label,
                                       std::to_string(entry.year),
                                       shown(snapshotFolder(folder(), entry.snapshotNumber))));
    showSnapshot(*doc_, monthsBack);
    return Ok;
}

}  // namespace velno::cli
