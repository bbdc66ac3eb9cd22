// velno-cli household, contact, extra and overseer: the household dialog,
// the emergency-contact dialog, the extra-information dialog and the
// circuit-overseer dialog, driven through their models on the record
// editor of the publisher, and saved.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "cli/RecordCommand.h"
#include "publishers/CircuitOverseerModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/SharedEntries.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/Households.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

// An id option other than --id: Ok with the store position, or the exit code.
int recordOption(const Context& context, const Arguments& a, std::string_view name,
                 const CVelnoDoc& doc, int& pos) {
    const auto value = a.value(name);
    if (!value) return context.usage(text::arg(text::tr(text::TxCliMissingValue), name));
    const auto number = parseWholeNumber(*value, 1, 65535);
    if (!number)
        return context.usage(text::arg(text::tr(text::TxCliBadNumber), name, "1", "65535", *value));
    pos = doc.store().storePosById(static_cast<PublisherId>(*number));
    if (pos > 0) return Ok;
    return context.fail(text::arg(text::tr(text::TxCliNoSuchId), *value));
}

std::string listName(const PublisherRecord& r) {
    switch (r.listKind) {
        case ListActive:
            return "active";
        case ListInactive:
            return "inactive";
        case ListBibleStudent:
            return "bibleStudent";
        default:
            return "other";
    }
}

std::string nameOf(const CVelnoDoc& doc, int pos) {
    return text::cp1252ToUtf8(doc.displayName(pos));
}

int showHousehold(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(context.command + " show", args,
                                    {{"--id", true}, {"--json", false}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    const int head = householdHeadOf(doc.store(), doc.store().at(pos));
    const std::vector<int> members =
        head > 0 ? householdMembers(doc.store(), doc.store().at(head).id) : std::vector<int>{};
    if (!a->has("--json") && !context.options.json) {
        if (head <= 0) {
            context.out << text::tr(text::TxCliHouseholdNone) << '\n';
            return Ok;
        }
        context.out << doc.store().at(head).id << '\t' << nameOf(doc, head) << '\n';
        for (int m : members)
            context.out << "  " << doc.store().at(m).id << '\t' << nameOf(doc, m) << '\t'
                        << listText(doc.store().at(m).listKind) << '\n';
        return Ok;
    }
    JsonWriter json(context.out);
    json.beginObject().key("head");
    if (head > 0)
        json.beginObject(JsonWriter::Layout::Inline)
            .field("id", static_cast<int>(doc.store().at(head).id))
            .field("displayName", nameOf(doc, head))
            .endObject();
    else
        json.null();
    json.key("members").beginArray();
    for (int m : members)
        json.beginObject(JsonWriter::Layout::Inline)
            .field("id", static_cast<int>(doc.store().at(m).id))
            .field("displayName", nameOf(doc, m))
            .field("list", listName(doc.store().at(m)))
            .endObject();
    json.endArray().endObject().finish();
    return Ok;
}

int addToHousehold(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(context.command + " add", args,
                                    {{"--head", true}, {"--member", true}}, false, error);
    if (!a) return context.usage(error);
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    int headPos = 0, memberPos = 0;
    if (const int code = recordOption(context, *a, "--head", doc, headPos); code != Ok) return code;
    if (const int code = recordOption(context, *a, "--member", doc, memberPos); code != Ok)
        return code;
    const PublisherRecord& member = doc.store().at(memberPos);
    if (memberPos == headPos ||
        (isHouseholdHead(member) && !householdMembers(doc.store(), member.id).empty()))
        return context.fail(
            text::arg(text::tr(text::TxCliHouseholdHeadRefused), nameOf(doc, memberPos)));
    // The head's editor with "Kepala Keluarga" checked, as a user would.
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, headPos);
    if (!editor.checked(EditCheck::HouseholdHead))
        editor.setChecked(EditCheck::HouseholdHead, true);
    const PublisherId memberId = member.id;
    if (!editor.householdDialog().addMember(doc.store().storePosById(memberId)))
        return context.fail(
            text::arg(text::tr(text::TxCliHouseholdHeadRefused), nameOf(doc, memberPos)));
    if (editor.ok() != StoreStatus::Stored) {
        editor.cancel();
        return context.fail(text::tr(text::TxCliNotStored));
    }
    return save(context, session);
}

int removeFromHousehold(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a =
        Arguments::parse(context.command + " remove", args, {{"--member", true}}, false, error);
    if (!a) return context.usage(error);
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = recordOption(context, *a, "--member", doc, pos); code != Ok) return code;
    if (householdHeadOf(doc.store(), doc.store().at(pos)) <= 0 ||
        isHouseholdHead(doc.store().at(pos)))
        return context.fail(text::tr(text::TxCliHouseholdNone));
    // The member's own household dialog, removing its own line.
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, pos);
    HouseholdModel household = editor.householdDialog();
    const PublisherId id = doc.store().at(pos).id;
    for (std::size_t line = 0; line < household.members().size(); ++line)
        if (doc.store().at(household.members()[line]).id == id)
            household.select(static_cast<int>(line) + 1);
    household.removeSelected();
    if (editor.ok() != StoreStatus::Stored) {
        editor.cancel();
        return context.fail(text::tr(text::TxCliNotStored));
    }
    return save(context, session);
}

// "CMD help" prints the usage, as the commands with subcommands do.
bool printedHelp(const Context& context, text::TextId usage) {
    if (context.args.size() != 1 || context.args[0] != "help") return false;
    context.out << text::tr(usage) << '\n';
    return true;
}

// Answers "Clear Fields?" with No: the texts stay as the publisher's own.
class KeepTexts : public Prompter {
public:
    explicit KeepTexts(Prompter& inner) : inner_(inner) {}
    Answer ask(const std::string&, Buttons, Answer, Icon) override { return Answer::No; }
    void tell(const std::string& text, Icon icon) override { inner_.tell(text, icon); }

private:
    Prompter& inner_;
};

void writeContact(Context& context, const CVelnoDoc& doc, const PublisherRecord& r) {
    const auto c = contactByKey(doc, r.emergId);
    const int others = otherLinks(doc, SharedKind::Contact, r.emergId, r.id);
    auto field = [](const char* f, std::size_t w) { return text::cp1252ToUtf8(fieldText(f, w)); };
    if (!context.options.json) {
        if (!c) {
            context.out << text::tr(text::TxCliContactNone) << '\n';
            return;
        }
        context.out << field(c->contact, sizeof c->contact) << '\n'
                    << field(c->info, sizeof c->info) << '\n'
                    << field(c->homePhone, sizeof c->homePhone) << '\t'
                    << field(c->mobilePhone, sizeof c->mobilePhone) << '\t'
                    << field(c->officePhone, sizeof c->officePhone) << '\t' << "SY "
                    << (c->sy ? 1 : 0) << '\n';
        return;
    }
    JsonWriter json(context.out);
    json.beginObject().field("id", static_cast<int>(r.id)).key("contact");
    if (!c) {
        json.null();
    } else {
        json.beginObject()
            .field("key", static_cast<int>(r.emergId))
            .field("contact", field(c->contact, sizeof c->contact))
            .field("info", field(c->info, sizeof c->info))
            .field("home", field(c->homePhone, sizeof c->homePhone))
            .field("mobile", field(c->mobilePhone, sizeof c->mobilePhone))
            .field("office", field(c->officePhone, sizeof c->officePhone))
            .field("sy", c->sy != 0)
            .field("sharedWith", others)
            .endObject();
    }
    json.endObject().finish();
}

}  // namespace

int runHousehold(Context& context) {
    return runSubcommand(
        context, text::tr(text::TxCliHouseholdUsage),
        {{"show", showHousehold}, {"add", addToHousehold}, {"remove", removeFromHousehold}});
}

int runContact(Context& context) {
    if (printedHelp(context, text::TxCliContactUsage)) return Ok;
    if (context.args.empty() || (context.args[0] != "show" && context.args[0] != "set"))
        return context.usage(text::tr(text::TxCliContactUsage));
    const bool set = context.args[0] == "set";
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    std::string error;
    const auto a = Arguments::parse(context.command + " " + context.args[0], rest,
                                    {{"--id", true},
                                     {"--json", false},
                                     {"--contact", true},
                                     {"--info", true},
                                     {"--home", true},
                                     {"--mobile", true},
                                     {"--office", true},
                                     {"--sy", false},
                                     {"--no-sy", false},
                                     {"--share-with", true},
                                     {"--stop-sharing", false}},
                                    false, error);
    if (!a) return context.usage(error);
    if (a->has("--json")) context.options.json = true;
    if (a->has("--sy") && a->has("--no-sy"))
        return context.usage(text::arg(text::tr(text::TxCliConflict), "--sy", "--no-sy"));
    if (a->value("--share-with") && a->has("--stop-sharing"))
        return context.usage(
            text::arg(text::tr(text::TxCliConflict), "--share-with", "--stop-sharing"));
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    FolderSession session(context, set ? FolderAccess::ReadWrite : FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    if (!set) {
        writeContact(context, doc, doc.store().at(pos));
        return Ok;
    }
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, pos);
    EmergencyContactModel dialog = editor.contactDialog();
    if (a->value("--share-with")) {
        int other = 0;
        if (const int code = recordOption(context, *a, "--share-with", doc, other); code != Ok)
            return code;
        const std::uint16_t key = doc.store().at(other).emergId;
        if (!contactByKey(doc, key))
            return context.fail(
                text::arg(text::tr(text::TxCliContactNothingToShare), nameOf(doc, other)));
        dialog.useExisting(key);
    }
    if (a->has("--stop-sharing")) {
        Prompter& before = doc.prompter();
        KeepTexts keep(before);
        doc.setPrompter(&keep);
        dialog.stopSharing();
        doc.setPrompter(&before);
    }
    const std::pair<const char*, ContactField> texts[] = {{"--contact", ContactField::Contact},
                                                          {"--info", ContactField::Info},
                                                          {"--home", ContactField::Home},
                                                          {"--mobile", ContactField::Mobile},
                                                          {"--office", ContactField::Office}};
    for (const auto& [option, field] : texts)
        if (const auto v = a->value(option); v && !dialog.setText(field, *v))
            return context.fail(text::arg(text::tr(text::TxCliTextRefused), option));
    if (a->has("--sy")) dialog.setSy(true);
    if (a->has("--no-sy")) dialog.setSy(false);
    // A failed write of emerg.dat has been told on the error stream.
    if (!dialog.ok() || editor.ok() != StoreStatus::Stored)
        return context.fail(text::tr(text::TxCliNotStored));
    if (const int code = save(context, session); code != Ok) return code;
    writeContact(context, doc, *doc.store().recordById(id.id()));
    return Ok;
}

int runExtra(Context& context) {
    if (printedHelp(context, text::TxCliExtraUsage)) return Ok;
    if (context.args.empty() || context.args[0] != "set")
        return context.usage(text::tr(text::TxCliExtraUsage));
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    std::string error;
    const auto a = Arguments::parse(context.command + " set", rest,
                                    {{"--id", true},
                                     {"--longname", true},
                                     {"--other", true},
                                     {"--need", true},
                                     {"--share-need-with", true}},
                                    false, error);
    if (!a) return context.usage(error);
    if (a->value("--need") && a->value("--share-need-with"))
        return context.usage(
            text::arg(text::tr(text::TxCliConflict), "--need", "--share-need-with"));
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, pos);
    ExtraInfoModel dialog = editor.extraInfoDialog(ExtraFocus::LongName);
    if (a->value("--share-need-with")) {
        int other = 0;
        if (const int code = recordOption(context, *a, "--share-need-with", doc, other); code != Ok)
            return code;
        const std::uint16_t key = doc.store().at(other).specneed;
        if (needText(doc, key).empty())
            return context.fail(
                text::arg(text::tr(text::TxCliNeedNothingToShare), nameOf(doc, other)));
        dialog.useExisting(key);
    }
    if (const auto v = a->value("--need")) {
        // A new text is the publisher's own need, never a rewrite of a shared one.
        if (dialog.sharedNoteVisible()) dialog.stopSharing();
        if (!dialog.setText(ExtraField::Need, *v))
            return context.fail(text::arg(text::tr(text::TxCliTextRefused), "--need"));
    }
    const std::pair<const char*, ExtraField> texts[] = {{"--longname", ExtraField::LongName},
                                                        {"--other", ExtraField::Other}};
    for (const auto& [option, field] : texts)
        if (const auto v = a->value(option); v && !dialog.setText(field, *v))
            return context.fail(text::arg(text::tr(text::TxCliTextRefused), option));
    if (!dialog.ok() || editor.ok() != StoreStatus::Stored)
        return context.fail(text::tr(text::TxCliNotStored));
    return save(context, session);
}

int runOverseer(Context& context) {
    if (printedHelp(context, text::TxCliOverseerUsage)) return Ok;
    if (context.args.empty() || context.args[0] != "set")
        return context.usage(text::tr(text::TxCliOverseerUsage));
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    std::string error;
    const auto a = Arguments::parse(context.command + " set", rest,
                                    {{"--fname", true},
                                     {"--lname", true},
                                     {"--addr", true},
                                     {"--home", true},
                                     {"--mobile", true},
                                     {"--other", true},
                                     {"--email", true}},
                                    false, error);
    if (!a) return context.usage(error);
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    CircuitOverseerModel dialog(doc);
    const std::pair<const char*, OverseerField> texts[] = {
        {"--fname", OverseerField::FirstName}, {"--lname", OverseerField::LastName},
        {"--addr", OverseerField::Address},    {"--home", OverseerField::Home},
        {"--mobile", OverseerField::Mobile},   {"--other", OverseerField::Other},
        {"--email", OverseerField::Email}};
    for (const auto& [option, field] : texts)
        if (const auto v = a->value(option); v && !dialog.setText(field, *v))
            return context.fail(text::arg(text::tr(text::TxCliTextRefused), option));
    if (!dialog.ok()) return context.fail(text::tr(text::TxCliOverseerNotStored));
    return save(context, session);
}

}  // namespace velno::cli
