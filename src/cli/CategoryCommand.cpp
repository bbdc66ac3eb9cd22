// velno-cli category set|assign: the custom category's dialog and the
// record editor's custom-category box.
#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/IdOption.h"
#include "cli/RecordCommand.h"
#include "publishers/CustomCategoryModel.h"
#include "publishers/PublisherEditModel.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"

namespace velno::cli {

namespace {

int setCategory(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(
        context.command, args,
        {{"--name", true}, {"--enable", false}, {"--disable", false}, {"--clear-members", false}},
        false, error);
    if (!a) return context.usage(error);
    if (a->has("--enable") && a->has("--disable"))
        return context.usage(text::arg(text::tr(text::TxCliConflict), "--enable", "--disable"));

    RecordSession session(context);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    CategoryChange change;
    change.name = a->value("--name");
    if (a->has("--enable")) change.enabled = true;
    if (a->has("--disable")) change.enabled = false;
    change.clearMembers = a->has("--clear-members");
    const CategoryResult result = changeCustomCategory(doc, change);
    Outcome outcome;
    if (!result.ok) {
        outcome.line = result.message;
        return report(context, prompter, outcome);
    }
    if (result.changed)
        if (const int code = save(context, session); code != Ok) return code;
    const Settings& s = doc.settings();
    outcome.ok = true;
    outcome.line = text::arg(
        text::tr(text::TxCliCategoryStored), text::cp1252ToUtf8(s.customCategoryName),
        text::tr(s.customCategoryEnabled ? text::TxCliCategoryOn : text::TxCliCategoryOff),
        std::to_string(customCategoryMembers(doc)));
    return report(context, prompter, outcome);
}

int assignCategory(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(
        context.command, args, {{"--id", true}, {"--on", false}, {"--off", false}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    if (a->has("--on") == a->has("--off"))
        return context.usage(text::arg(text::tr(text::TxCliWhichAction), "assign", "--on|--off"));

    RecordSession session(context);
    if (const int code = session.open(&id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    const int kind = doc.store().at(pos).listKind;
    const std::string name = text::cp1252ToUtf8(doc.displayName(pos));
    // Elsewhere the box stands for the exclusion from the group lists.
    if (kind != ListActive && kind != ListBibleStudent)
        return context.fail(text::arg(text::tr(text::TxCliNotEditable), name));
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, pos);
    if (!editor.visible(EditCheck::CustomCategory))
        return context.fail(text::tr(text::TxCliCategoryDisabled));
    const bool on = a->has("--on");
    editor.setChecked(EditCheck::CustomCategory, on);
    Outcome outcome;
    outcome.id = id.id();
    if (editor.ok() != StoreStatus::Stored) {
        outcome.line = text::tr(text::TxCliNotStored);
        return report(context, prompter, outcome);
    }
    if (const int code = save(context, session); code != Ok) return code;
    outcome.ok = true;
    outcome.line = text::arg(text::tr(text::TxCliCategoryAssigned), name, std::to_string(id.id()),
                             editor.caption(EditCheck::CustomCategory),
                             text::tr(on ? text::TxCliYes : text::TxCliNo));
    return report(context, prompter, outcome);
}

}  // namespace

int runCategory(Context& context) {
    return runSubcommand(context, text::tr(text::TxCliSummaryCategory),
                         {{"set", setCategory}, {"assign", assignCategory}});
}

}  // namespace velno::cli
