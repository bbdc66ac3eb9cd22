// velno-cli biblestudent add|edit|delete: the Bible-student editor.
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

namespace {

std::string nameOf(const CVelnoDoc& doc, int pos) {
    return text::cp1252ToUtf8(doc.displayName(pos));
}

int addOrEdit(Context& context, const std::vector<std::string>& args, bool adding) {
    std::string error;
    const auto a = Arguments::parse(context.command, args,
                                    {{"--id", true},
                                     {"--fname", true},
                                     {"--lname", true},
                                     {"--conductor", true},
                                     {"--no-conductor", false},
                                     {"--overwrite", false}},
                                    false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = parseAddOrEditId(context, *a, adding, id); code != Ok) return code;
    if (a->value("--conductor") && a->has("--no-conductor"))
        return context.usage(
            text::arg(text::tr(text::TxCliConflict), "--conductor", "--no-conductor"));
    PublisherId conductorId = 0;
    if (auto c = a->value("--conductor")) {
        const auto n = parseWholeNumber(*c, 1, 65535);
        if (!n)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--conductor", "1", "65535", *c));
        conductorId = static_cast<PublisherId>(*n);
    }

    RecordSession session(context, a->has("--overwrite"));
    if (const int code = session.open(adding ? nullptr : &id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    if (!adding) {
        if (doc.store().at(pos).listKind != ListBibleStudent)
            return context.fail(text::arg(text::tr(text::TxCliNotStudent), nameOf(doc, pos)));
    }
    int conductorPos = 0;
    if (conductorId) {
        conductorPos = doc.store().storePosById(conductorId);
        if (conductorPos == 0)
            return context.fail(
                text::arg(text::tr(text::TxCliNoSuchId), std::to_string(conductorId)));
        // The picker lists the active publishers.
        if (doc.store().at(conductorPos).listKind != ListActive)
            return context.fail(
                text::arg(text::tr(text::TxCliNotActive), nameOf(doc, conductorPos)));
    }

    auto editor =
        PublisherEditModel::forBibleStudent(doc, adding ? EditMode::Add : EditMode::Edit, pos);
    Outcome outcome;
    bool refused = false;
    for (const auto& [option, field] :
         {std::pair{"--fname", EditField::FirstName}, std::pair{"--lname", EditField::LastName}}) {
        if (auto value = a->value(option))
            if (editor->setText(field, *value).refused) refused = true;
        if (field == EditField::FirstName) editor->focusLost(EditField::FirstName);
    }
    if (refused) {
        outcome.line = text::tr(text::TxCliNotStored);
        return report(context, prompter, outcome);
    }
    if (conductorPos) editor->setConductor(conductorPos);
    if (a->has("--no-conductor")) editor->clearConductor();
    const StoreStatus stored = editor->ok();
    if (stored != StoreStatus::Stored) {
        outcome.line = text::tr(stored == StoreStatus::BlankLastName ? text::TxCliBlankLastName
                                                                     : text::TxCliNotStored);
        return report(context, prompter, outcome);
    }
    if (const int code = save(context, session); code != Ok) return code;
    outcome.ok = true;
    outcome.id = editor->copy().id;
    outcome.line = text::arg(text::tr(text::TxCliStored), nameOf(doc, editor->storePos()),
                             std::to_string(outcome.id));
    if (editor->conductorVisible())
        outcome.line += "; " + text::arg(text::tr(text::TxCliConductorSet), editor->conductor());
    return report(context, prompter, outcome);
}

int deleteStudent(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(context.command, args, {{"--id", true}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    RecordSession session(context);
    if (const int code = session.open(&id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    if (doc.store().at(pos).listKind != ListBibleStudent)
        return context.fail(text::arg(text::tr(text::TxCliNotStudent), nameOf(doc, pos)));
    const std::string name = nameOf(doc, pos);
    // Asking for the deletion on the command line is the "Yes".
    auto editor = PublisherEditModel::forBibleStudent(doc, EditMode::Edit, pos);
    Outcome outcome;
    outcome.id = id.id();
    if (!editor->deleteStudent()) {
        outcome.line = text::tr(text::TxCliNotStored);
        return report(context, prompter, outcome);
    }
    if (const int code = save(context, session); code != Ok) return code;
    outcome.ok = true;
    outcome.line = text::arg(text::tr(text::TxCliDeleted), name, std::to_string(id.id()));
    return report(context, prompter, outcome);
}

int addStudent(Context& context, const std::vector<std::string>& args) {
    return addOrEdit(context, args, true);
}

int editStudent(Context& context, const std::vector<std::string>& args) {
    return addOrEdit(context, args, false);
}

}  // namespace

int runBibleStudent(Context& context) {
    return runSubcommand(context, text::tr(text::TxCliSummaryBibleStudent),
                         {{"add", addStudent}, {"edit", editStudent}, {"delete", deleteStudent}});
}

}  // namespace velno::cli
