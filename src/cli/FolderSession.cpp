#include "cli/FolderSession.h"

#include <istream>
#include <random>
#include <system_error>

#include "cli/Cli.h"
#include "store/FixedText.h"
#include "store/OldReports.h"
#include "store/PasswordChangeModel.h"
#include "store/PasswordPrompt.h"
#include "store/Snapshots.h"
#include "store/StartInstance.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

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
    // A closed run leaves no undo copy of the remarks behind.
    if (loaded_ && access_ == FolderAccess::ReadWrite)
        doc_->folder().remove(RemarkTable::kUndoFileName);
    if (!copy_.empty()) {
        std::error_code ec;
        fs::remove_all(copy_, ec);
    }
}

int FolderSession::makePrivateCopy() {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec)
        return context_.fail(
            text::arg(text::tr(text::TxCliCannotCopyFolder), shown(folder()), ec.message()));
    std::random_device random;
    for (int attempt = 0; attempt < 100 && copy_.empty(); ++attempt) {
        const fs::path candidate =
            base / text::formatPrintf("velno-cli-%08x%08x", random(), random());
        if (fs::create_directory(candidate, ec)) copy_ = candidate;
        if (ec) break;
    }
    if (copy_.empty())
        return context_.fail(
            text::arg(text::tr(text::TxCliCannotCopyFolder), shown(folder()), ec.message()));
    // The copy holds the congregation's personal data: owner only.
    fs::permissions(copy_, fs::perms::owner_all, fs::perm_options::replace, ec);
    fs::directory_iterator it(folder(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) continue;
        fs::copy_file(it->path(), copy_ / it->path().filename(), fileError);
        if (fileError) {
            ec = fileError;
            break;
        }
    }
    if (ec)
        return context_.fail(
            text::arg(text::tr(text::TxCliCannotCopyFolder), shown(folder()), ec.message()));
    return Ok;
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

    if (access_ == FolderAccess::ReadOnly) {
        if (const int code = makePrivateCopy(); code != Ok) return code;
    }
    StartOptions start;
    start.dataFolder = access_ == FolderAccess::ReadOnly ? copy_ : folder();
    start.today = context_.today;
    start.tellNotice = false;
    const StartResult started = startInstance(*doc_, start);
    if (started.status == StartStatus::OutOfMemory) return Failure;  // told already
    if (started.status == StartStatus::PasswordRefused) {
        if (prompter_.refusal == Refusal::Wrong)
            return context_.fail(text::arg(text::tr(text::TxCliPasswordWrong), shown(folder())));
        if (context_.options.passwordFromStdin)
            return context_.fail(text::tr(text::TxCliPasswordMissing));
        return context_.fail(text::arg(text::tr(text::TxCliPasswordRequired), shown(folder())));
    }
    loaded_ = true;
    if (context_.options.snapshot) return openSnapshot(*context_.options.snapshot);
    return Ok;
}

int FolderSession::openSnapshot(int monthsBack) {
    // The snapshots lie in the folder itself (the private copy holds only
    // its files); nothing in it may change.
    doc_->folder().setPath(folder());
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
