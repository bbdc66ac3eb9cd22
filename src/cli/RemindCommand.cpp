// velno-cli remind: the mail that asks a publisher, or a group's overseer,
// for the reports missing for the report month. It is composed in the
// user's mail program, never sent from here; --dry-run shows it instead.

#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "exchange/XdgMailComposer.h"
#include "print/ListContact.h"
#include "print/ListViewerModel.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CliTexts.h"
#include "text/texts/ExchangeTexts.h"

namespace velno::cli {

int runRemind(Context& context) {
    std::string error;
    const auto args =
        Arguments::parse(context.command, context.args,
                         {{"--id", true}, {"--group", true}, {"--dry-run", false}}, false, error);
    if (!args) return context.usage(error);
    const bool byId = args->value("--id").has_value();
    if (byId == args->value("--group").has_value())
        return context.usage(text::tr(text::TxCliRemindTarget));
    IdOption id;
    long long group = 0;
    if (byId) {
        if (const int code = id.parse(context, *args); code != Ok) return code;
    } else {
        const auto n = parseWholeNumber(*args->value("--group"), 1, 20);
        if (!n)
            return context.usage(text::arg(text::tr(text::TxCliBadNumber), "--group", "1", "20",
                                           *args->value("--group")));
        group = *n;
    }

    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const CVelnoDoc& doc = session.doc();
    const int month0 = doc.reportMonth().reportMonth0;
    int pos = 0;
    MailMessage mail;
    if (byId) {
        if (const int code = id.find(context, doc, pos); code != Ok) return code;
        mail = print::reminderMail(doc, pos, month0);
    } else {
        // The overseer gets his group's list, as the list viewer copies it.
        pos = print::groupOverseerPos(doc, static_cast<int>(group));
        if (pos == 0)
            return context.fail(
                text::arg(text::tr(text::TxCliRemindNoOverseer), std::to_string(group)));
        print::ListViewerModel list(doc, ListMode::NotReporting);
        list.setFilterChoice(static_cast<int>(group));
        const std::string rows = list.clipboardText();
        mail = print::reminderMail(doc, pos, month0, &rows);
    }
    if (mail.to.empty())
        return context.fail(
            text::arg(text::tr(text::TxNoAddress), text::cp1252ToUtf8(doc.displayName(pos))));

    const bool dryRun = args->has("--dry-run");
    std::string failure;
    if (!dryRun) {
        XdgMailComposer composer;
        failure = composer.compose(mail);
    }
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("to", mail.to.front())
            .field("from", mail.from)
            .field("subject", mail.subject)
            .field("text", mail.body)
            .field("composed", !dryRun && failure.empty())
            .endObject()
            .finish();
    } else if (dryRun) {
        context.out << text::arg(text::tr(text::TxCliRemindDryRun), mail.to.front(), mail.from,
                                 mail.subject, mail.body)
                    << '\n';
    }
    return failure.empty() ? Ok : context.fail(failure);
}

}  // namespace velno::cli
