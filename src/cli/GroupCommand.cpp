// velno-cli group list|set|assign: the group editor, the group dialog and
// the assignment dialog, driven through their models.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "cli/RecordCommand.h"
#include "publishers/GroupAssignModel.h"
#include "publishers/GroupDialogModel.h"
#include "publishers/GroupEditorModel.h"
#include "publishers/GroupTexts.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

int activeMembers(const CVelnoDoc& doc, int group) {
    int n = 0;
    for (const std::uint16_t pos : doc.store().subList(ListActive))
        n += doc.store().at(pos).group == group;
    return n;
}

int listGroups(Context& context, const std::vector<std::string>& args) {
    std::string error;
    if (!Arguments::parse(context.command + " list", args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const CVelnoDoc& doc = session.doc();
    const GroupFile& g = doc.groups().data();
    const int count = doc.groups().count();
    auto field = [&](int group, GroupText f) {
        return group <= count ? text::cp1252ToUtf8(groupText(g, group, f)) : std::string();
    };
    if (!context.options.json) {
        context.out << text::arg(text::tr(text::TxCliGroupsTitle), std::to_string(count)) << '\n';
        for (int group = 1; group <= count; ++group)
            context.out << group << '\t' << groupDisplayText(doc, group) << '\t'
                        << field(group, GroupText::Overseer) << '\t'
                        << field(group, GroupText::Assistant) << '\t'
                        << field(group, GroupText::Location) << '\t'
                        << groupDayName(g.day[group - 1]) << '\t' << field(group, GroupText::Time)
                        << '\t' << activeMembers(doc, group) << '\n';
        return Ok;
    }
    JsonWriter json(context.out);
    json.beginObject().field("count", count).key("groups").beginArray();
    for (int group = 1; group <= GroupTable::kCapacity; ++group) {
        const bool inUse = group <= count;
        const std::string overseer = inUse ? groupText(g, group, GroupText::Overseer) : "";
        const std::string assistant = inUse ? groupText(g, group, GroupText::Assistant) : "";
        json.beginObject(JsonWriter::Layout::Inline)
            .field("number", group)
            .field("overseer", text::cp1252ToUtf8(overseer))
            .field("assistant", text::cp1252ToUtf8(assistant))
            .field("location", field(group, GroupText::Location))
            .field("day", inUse ? static_cast<int>(g.day[group - 1]) : 0)
            .field("dayName", groupDayName(inUse ? g.day[group - 1] : 0))
            .field("time", field(group, GroupText::Time))
            .field("name", field(group, GroupText::Name))
            .field("useName", inUse && g.showName[group - 1] != 0)
            .field("label", groupDisplayText(doc, group))
            .field("overseerKnown", activeByFullName(doc, overseer) != 0)
            .field("assistantKnown", activeByFullName(doc, assistant) != 0)
            .field("members", activeMembers(doc, group))
            .endObject();
    }
    json.endArray().endObject().finish();
    return Ok;
}

struct TextOption {
    std::string_view name;
    std::string_view clearName;  // as named in --clear
    GroupText field;
};
constexpr TextOption kTextOptions[] = {
    {"--overseer", "overseer", GroupText::Overseer},
    {"--assistant", "assistant", GroupText::Assistant},
    {"--location", "location", GroupText::Location},
    {"--time", "time", GroupText::Time},
    {"--name", "name", GroupText::Name},
};

// --clear overseer,assistant,...: the boxes emptied; false for an unknown word.
bool clearBoxes(std::string_view list, GroupDialogModel& dialog) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        bool known = false;
        for (const TextOption& option : kTextOptions)
            if (option.clearName == word) {
                dialog.setText(option.field, "");
                known = true;
            }
        if (!known) return false;
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return true;
}

int setGroup(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(context.command + " set", args,
                                    {{"--overseer", true},
                                     {"--assistant", true},
                                     {"--location", true},
                                     {"--day", true},
                                     {"--time", true},
                                     {"--name", true},
                                     {"--no-name", false},
                                     {"--clear", true}},
                                    true, error);
    if (!a) return context.usage(error);
    if (a->words().size() != 1) return context.usage(text::tr(text::TxCliGroupUsage));
    const auto number = parseWholeNumber(a->words()[0], 1, GroupTable::kCapacity);
    if (!number)
        return context.usage(
            text::arg(text::tr(text::TxCliBadNumber), "N", "1", "20", a->words()[0]));
    if (a->value("--name") && a->has("--no-name"))
        return context.usage(text::arg(text::tr(text::TxCliConflict), "--name", "--no-name"));
    std::optional<long long> day;
    if (const auto d = a->value("--day")) {
        day = parseWholeNumber(*d, 0, 6);
        if (!day)
            return context.usage(text::arg(text::tr(text::TxCliBadNumber), "--day", "0", "6", *d));
    }

    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    GroupEditorModel editor(doc);
    GroupDialogModel dialog(doc, static_cast<int>(*number));
    if (const auto clear = a->value("--clear"); clear && !clearBoxes(*clear, dialog))
        return context.usage(text::arg(text::tr(text::TxCliBadChoice), "--clear",
                                       "overseer,assistant,location,time,name", *clear));
    for (const TextOption& option : kTextOptions) {
        const auto value = a->value(option.name);
        if (!value) continue;
        std::string message;
        if (!dialog.setText(option.field, *value, &message))
            return context.fail(text::arg(text::tr(text::TxCliGroupRefused), option.name, message) +
                                "; " + text::tr(text::TxCliNotStored));
    }
    if (day) dialog.setDay(static_cast<int>(*day));
    if (a->value("--name")) dialog.setUseName(true);
    if (a->has("--no-name")) dialog.setUseName(false);
    editor.store(dialog);
    editor.close();
    if (const int code = save(context, session); code != Ok) return code;
    context.out << text::arg(text::tr(text::TxCliGroupStored), std::to_string(*number),
                             std::to_string(doc.groups().count()))
                << '\n';
    return Ok;
}

int assign(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(context.command + " assign", args,
                                    {{"--id", true}, {"--group", true}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    const auto g = a->value("--group");
    if (!g) return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--group"));
    const auto group = parseWholeNumber(*g, 0, GroupTable::kCapacity);
    if (!group)
        return context.usage(text::arg(text::tr(text::TxCliBadNumber), "--group", "0", "20", *g));

    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    const std::string name = text::cp1252ToUtf8(doc.displayName(pos));
    if (!assignGroup(doc, pos, static_cast<int>(*group))) {
        const int kind = doc.store().at(pos).listKind;
        return context.fail(
            text::arg(text::tr(text::TxCliGroupNotAssignable), name, std::to_string(id.id()),
                      text::tr(kind == ListMoved ? text::TxCliListMoved : text::TxCliListDeleted)));
    }
    if (const int code = save(context, session); code != Ok) return code;
    context.out << text::arg(text::tr(text::TxCliGroupAssigned), name, std::to_string(id.id()),
                             std::to_string(*group))
                << '\n';
    return Ok;
}

}  // namespace

int runGroup(Context& context) {
    if (context.args.empty()) return context.usage(text::tr(text::TxCliGroupUsage));
    const std::string sub = context.args.front();
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    if (sub == "--help" || sub == "help") {
        context.out << text::tr(text::TxCliGroupUsage) << '\n';
        return Ok;
    }
    if (sub == "list") return listGroups(context, rest);
    if (sub == "set") return setGroup(context, rest);
    if (sub == "assign") return assign(context, rest);
    return context.usage(text::tr(text::TxCliGroupUsage));
}

}  // namespace velno::cli
