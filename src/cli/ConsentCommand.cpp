// velno-cli consent: the record editor's consent box and its date.
#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/IdOption.h"
#include "cli/RecordCommand.h"
#include "publishers/PublisherEditModel.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"

namespace velno::cli {

int runConsent(Context& context) {
    std::string error;
    const auto a = Arguments::parse(
        context.command, context.args,
        {{"--id", true}, {"--on", false}, {"--off", false}, {"--date", true}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    if (a->has("--on") == a->has("--off"))
        return context.usage(text::arg(text::tr(text::TxCliWhichAction), "consent", "--on|--off"));
    if (a->has("--off") && a->value("--date"))
        return context.usage(text::arg(text::tr(text::TxCliConflict), "--date", "--off"));
    std::optional<DateParts> date;
    if (auto value = a->value("--date")) {
        date = parseDateOption(*value);
        if (!date) return context.usage(text::arg(text::tr(text::TxCliBadDate), "--date", *value));
    }

    RecordSession session(context);
    if (const int code = session.open(&id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    const int kind = doc.store().at(pos).listKind;
    const std::string name = text::cp1252ToUtf8(doc.displayName(pos));
    if (kind != ListActive && kind != ListBibleStudent && kind != ListInactive)
        return context.fail(text::arg(text::tr(text::TxCliNotEditable), name));
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, pos);
    editor.setChecked(EditCheck::Consent, a->has("--on"));
    if (date && !editor.setDate(EditDate::Consent, date->month, date->day, date->year))
        return context.usage(
            text::arg(text::tr(text::TxCliBadDate), "--date", *a->value("--date")));
    Outcome outcome;
    outcome.id = id.id();
    if (editor.ok() != StoreStatus::Stored || !prompter.messages.empty()) {
        outcome.line = text::tr(text::TxCliNotStored);
        return report(context, prompter, outcome);
    }
    if (const int code = save(context, session); code != Ok) return code;
    outcome.ok = true;
    std::string state = text::tr(a->has("--on") ? text::TxCliYes : text::TxCliNo);
    if (date) state += " " + *a->value("--date");
    outcome.line =
        text::arg(text::tr(text::TxCliConsentStored), name, std::to_string(id.id()), state);
    return report(context, prompter, outcome);
}

}  // namespace velno::cli
