// velno-cli groupfile make and import: the group file dialog and the
// import selection without their windows.

#include <ostream>
#include <sstream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/ImportListing.h"
#include "cli/Json.h"
#include "exchange/CollectionFileModel.h"
#include "exchange/GroupExchangeFile.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/XdgMailComposer.h"
#include "session/SettingsFile.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/ExchangeTexts.h"

namespace velno::cli {

namespace fs = std::filesystem;

namespace {

int make(Context& context, const std::vector<std::string>& rest) {
    std::string error;
    const auto args = Arguments::parse(context.command, rest,
                                       {{"--group", true},
                                        {"--next", false},
                                        {"--empty", false},
                                        {"--email", true},
                                        {"--send", false}},
                                       false, error);
    if (!args) return context.usage(error);
    const auto group =
        args->value("--group") ? parseWholeNumber(*args->value("--group"), 1, 20) : std::nullopt;
    if (!group) return context.usage(text::tr(text::TxCliGroupMissing));
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    CollectionFileModel model(doc, static_cast<int>(*group));
    model.chooseNextMonth(args->has("--next"));
    model.setEmptyList(args->has("--empty"));
    if (args->value("--email")) model.setSecretaryEmail(*args->value("--email"));
    fs::path path;
    bool made = false;
    std::string mailFailure;
    if (args->has("--send") && model.isMailEnabled()) {
        XdgMailComposer mail;
        mailFailure = model.makeAndMail(mail, path);
        made = fs::exists(path);
    } else {
        made = model.makeFile(path);
    }
    if (!made) return Failure;  // told
    // A changed address of the secretary is kept.
    if (doc.dirty && doc.saveAll() != SaveOutcome::Saved)
        return context.fail(text::arg(text::tr(text::TxCliSaveFailed), session.folder().string()));
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("file", path.string())
            .field("group", static_cast<int>(*group))
            .field("month", model.month0() + 1)
            .field("members", model.publishers())
            .field("missing", model.missing())
            .field("address", model.address())
            .field("mailed", args->has("--send") && model.isMailEnabled() && mailFailure.empty())
            .endObject()
            .finish();
    } else {
        context.out << path.string() << '\n';
    }
    return mailFailure.empty() ? Ok : Failure;
}

int import(Context& context, const std::vector<std::string>& rest) {
    std::string error;
    const auto args = Arguments::parse(context.command, rest, {{"--merge", true}}, true, error);
    if (!args) return context.usage(error);
    if (args->words().size() != 1) return context.usage(text::tr(text::TxCliImportFileMissing));
    const fs::path file = args->words()[0];
    const bool merging = args->value("--merge").has_value();
    FolderSession session(context, merging ? FolderAccess::ReadWrite : FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    ImportImage image;
    std::string message;
    if (!loadGroupFile(file, doc.reportMonth().reportMonth0, doc.reportMonth().parity(),
                       buildLanguageCode(), image, message))
        return context.fail(message);
    const int month0 = image.month0;
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::GroupFile);
    return listOrMergeImport(context, session, model, file.string(), month0,
                             args->value("--merge"));
}

}  // namespace

int runGroupFile(Context& context) {
    if (context.args.empty()) return context.usage(text::tr(text::TxCliGroupFileWhich));
    const std::string action = context.args[0];
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    if (action == "make") return make(context, rest);
    if (action == "import") return import(context, rest);
    return context.usage(text::tr(text::TxCliGroupFileWhich));
}

}  // namespace velno::cli
