// velno-cli backup, backups and restore: the backup dialog's work without
// the dialog.

#include <ctime>
#include <istream>
#include <ostream>
#include <system_error>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "exchange/BackupSet.h"
#include "exchange/Restore.h"
#include "store/FixedText.h"
#include "store/PasswordPrompt.h"
#include "store/files/BackupCatalogue.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/ExchangeTexts.h"

namespace velno::cli {

namespace fs = std::filesystem;

namespace {

void writeNumbers(JsonWriter& json, std::string_view name, const std::vector<int>& numbers) {
    json.key(name).beginArray(JsonWriter::Layout::Inline);
    for (int n : numbers) json.value(n);
    json.endArray();
}

void writeNames(JsonWriter& json, std::string_view name, const std::vector<std::string>& names) {
    json.key(name).beginArray(JsonWriter::Layout::Inline);
    for (const auto& n : names) json.value(n);
    json.endArray();
}

// The source's password is one line of standard input, typed as into the
// dialog (one attempt); without the option no password can be given.
class SourcePasswordPrompter : public Prompter {
public:
    SourcePasswordPrompter(std::istream& in, std::ostream& err, bool fromStdin)
        : in_(in), err_(err), fromStdin_(fromStdin) {}
    Answer ask(const std::string&, Buttons, Answer defaultAnswer, Icon) override {
        return defaultAnswer;
    }
    void tell(const std::string& text, Icon) override { err_ << text << '\n'; }
    void askPassword(PasswordPrompt& dialog) override {
        std::string line;
        if (!fromStdin_ || !std::getline(in_, line)) return;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        typePassword(dialog, line);
    }

private:
    std::istream& in_;
    std::ostream& err_;
    bool fromStdin_;
};

}  // namespace

int runBackup(Context& context) {
    std::string error;
    const auto args =
        Arguments::parse(context.command, context.args, {{"--to", true}}, false, error);
    if (!args) return context.usage(error);
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const fs::path target =
        args->value("--to") ? fs::path(*args->value("--to")) : backupTargetSetting(doc);
    std::error_code ec;
    if (!fs::is_directory(target, ec))
        return context.fail(text::arg(text::tr(text::TxCliNotAFolder), target.string()));
    // A set is never the target of another: the dialog's refusal.
    if (isBackupSet(target))
        return context.fail(text::arg(text::tr(text::TxNotABackupTarget),
                                      fs::path(target).lexically_normal().filename().string()));
    BackupOptions options;
    options.now = std::time(nullptr);
    const BackupOutcome out = makeBackup(doc, fs::absolute(target, ec), options);
    // Failures were told through the session's prompter; the same minute is
    // the one refusal that is not.
    if (out.status == BackupOutcome::Status::SameMinute) return context.fail(out.message);
    if (!out.made()) return Failure;
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("set", out.set.string());
        writeNames(json, "files", out.files);
        writeNumbers(json, "snapshots", out.snapshots);
        json.field("label", out.label)
            .field("requiredBytes", static_cast<long long>(out.requiredBytes))
            .endObject()
            .finish();
    } else {
        context.out << text::arg(text::tr(text::TxCliBackupMade), out.set.string(),
                                 std::to_string(out.files.size()),
                                 std::to_string(out.snapshots.size()))
                    << '\n';
    }
    return Ok;
}

int runBackups(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    // The catalogue of the folder itself, not of the private copy.
    const auto entries = BackupCatalogue::read(DataFolder(session.folder()));
    JsonWriter json(context.out);
    if (context.options.json) json.beginObject().key("entries").beginArray();
    for (int i = 0; i < BackupCatalogue::kEntries; ++i) {
        const CatalogueEntry& e = entries[static_cast<std::size_t>(i)];
        if (!BackupCatalogue::isValid(e)) continue;
        const std::string label = text::cp1252ToUtf8(fieldText(e.label));
        const std::string path = fieldText(e.path);
        if (context.options.json) {
            json.beginObject(JsonWriter::Layout::Inline)
                .field("index", i)
                .field("label", label)
                .field("path", path)
                .endObject();
        } else {
            context.out << text::arg(text::tr(text::TxCliBackupLine), std::to_string(i), label,
                                     path)
                        << '\n';
        }
    }
    if (context.options.json) json.endArray().endObject().finish();
    return Ok;
}

int runRestore(Context& context) {
    std::string error;
    const auto args = Arguments::parse(context.command, context.args,
                                       {{"--from", true},
                                        {"--latest", false},
                                        {"--entry", true},
                                        {"--undo", false},
                                        {"--source-password-stdin", false}},
                                       false, error);
    if (!args) return context.usage(error);
    const int choices = (args->value("--from") ? 1 : 0) + (args->has("--latest") ? 1 : 0) +
                        (args->value("--entry") ? 1 : 0) + (args->has("--undo") ? 1 : 0);
    if (choices != 1) return context.usage(text::tr(text::TxCliRestoreWhich));
    std::optional<long long> entry;
    if (args->value("--entry")) {
        entry = parseWholeNumber(*args->value("--entry"), 0, BackupCatalogue::kEntries - 1);
        if (!entry) return context.usage(text::tr(text::TxCliBadEntry));
    }
    if (args->has("--latest")) entry = 0;

    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    fs::path source;
    if (args->value("--from")) {
        source = fs::absolute(*args->value("--from"));
    } else if (args->has("--undo")) {
        if (!undoAvailable(doc.folder().path()))
            return context.fail(text::tr(text::TxCliRestoreNoUndo));
        source = undoFolderPath(doc.folder().path());
    } else {
        // --latest is entry 0 of the catalogue, as the dialog's check box.
        const auto entries = BackupCatalogue::read(doc.folder());
        const CatalogueEntry& e = entries[static_cast<std::size_t>(*entry)];
        if (!BackupCatalogue::isValid(e))
            return context.fail(
                text::arg(text::tr(text::TxCliRestoreNoEntry), std::to_string(*entry)));
        source = fieldText(e.path);
    }
    SourcePasswordPrompter prompter(context.in, context.err, args->has("--source-password-stdin"));
    Prompter& before = doc.prompter();
    doc.setPrompter(&prompter);
    const RestoreOutcome out = restoreFrom(doc, source);
    doc.setPrompter(&before);
    if (!out.restored()) return Failure;  // told
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("source", source.string()).field("undone", out.undone);
        writeNames(json, "files", out.files);
        writeNumbers(json, "snapshots", out.snapshots);
        json.endObject().finish();
    } else {
        context.out << text::arg(text::tr(text::TxCliRestored), source.string(),
                                 std::to_string(out.files.size()),
                                 std::to_string(out.snapshots.size()))
                    << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
