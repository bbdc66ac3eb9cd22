// velno-cli privileges show|set: the service-privileges dialog as the
// privileges list opens it, writing the boxes into the record.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "cli/RecordCommand.h"
#include "publishers/ServicePrivilegesModel.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"

namespace velno::cli {

namespace {

constexpr const char* kKinds[ServicePrivilegesModel::kRows] = {"servant", "elder", "regular",
                                                               "continuous", "special"};

std::optional<int> rowOf(std::string_view kind) {
    for (int row = 0; row < ServicePrivilegesModel::kRows; ++row)
        if (kind == kKinds[row]) return row;
    return std::nullopt;
}

std::string nameOf(const CVelnoDoc& doc, int pos) {
    return text::cp1252ToUtf8(doc.displayName(pos));
}

std::string dateOf(const DateLists& d) {
    return dateOptionText(d.dateText());
}

int show(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(context.command, args, {{"--id", true}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    const ServicePrivilegesModel m(doc, pos);
    using D = PrivilegeDate;
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("id", id.id()).field("name", nameOf(doc, pos));
        json.key("privileges").beginArray();
        for (int row = 0; row < ServicePrivilegesModel::kRows; ++row) {
            json.beginObject(JsonWriter::Layout::Inline)
                .field("kind", kKinds[row])
                .field("held", m.checked(row))
                .field("start", dateOf(m.date(row, D::Start)))
                .field("end", dateOf(m.date(row, D::End)))
                .endObject();
        }
        json.endArray();
        json.field("specialServant", m.specialServant()).field("missionary", m.missionary());
        json.endObject().finish();
        return Ok;
    }
    context.out << m.title() << '\n';
    for (int row = 0; row < ServicePrivilegesModel::kRows; ++row) {
        const std::string start = dateOf(m.date(row, D::Start));
        const std::string end = dateOf(m.date(row, D::End));
        context.out << (m.checked(row) ? "[x] " : "[ ] ") << m.rowText(row);
        if (!start.empty()) context.out << "  " << m.startHeading() << " " << start;
        if (!end.empty()) context.out << "  " << m.endHeading() << " " << end;
        context.out << '\n';
    }
    context.out << (m.specialServant() ? "[x] " : "[ ] ") << m.specialServantText() << '\n';
    context.out << (m.missionary() ? "[x] " : "[ ] ") << m.missionaryText() << '\n';
    return Ok;
}

int set(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(context.command, args,
                                    {{"--id", true},
                                     {"--kind", true},
                                     {"--start", true},
                                     {"--end", true},
                                     {"--on", false},
                                     {"--off", false},
                                     {"--special-servant", false},
                                     {"--no-special-servant", false},
                                     {"--missionary", false},
                                     {"--no-missionary", false}},
                                    false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    for (const auto& [x, y] :
         {std::pair{"--on", "--off"}, std::pair{"--special-servant", "--no-special-servant"},
          std::pair{"--missionary", "--no-missionary"}})
        if (a->has(x) && a->has(y))
            return context.usage(text::arg(text::tr(text::TxCliConflict), x, y));
    std::optional<int> row;
    if (auto kind = a->value("--kind")) {
        row = rowOf(*kind);
        if (!row)
            return context.usage(text::arg(text::tr(text::TxCliBadChoice), "--kind",
                                           "servant|elder|regular|continuous|special", *kind));
        if (!a->has("--on") && !a->has("--off"))
            return context.usage(
                text::arg(text::tr(text::TxCliWhichAction), "--kind", "--on|--off"));
        if (a->has("--on") && a->value("--end"))
            return context.usage(text::tr(text::TxCliEndWhileHeld));
    } else if (a->has("--on") || a->has("--off") || a->value("--start") || a->value("--end")) {
        return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--kind"));
    }
    std::optional<DateParts> start;
    std::optional<DateParts> end;
    for (auto [option, parts] : {std::pair{"--start", &start}, std::pair{"--end", &end}}) {
        if (auto value = a->value(option)) {
            *parts = parseDateOption(*value);
            if (!*parts)
                return context.usage(text::arg(text::tr(text::TxCliBadDate), option, *value));
        }
    }

    RecordSession session(context);
    if (const int code = session.open(&id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    ServicePrivilegesModel m(doc, pos);
    using D = PrivilegeDate;
    if (row) {
        if (!m.enabled(*row))
            return context.fail(
                text::arg(text::tr(text::TxCliRowDisabled), nameOf(doc, pos), m.rowText(*row)));
        m.setChecked(*row, a->has("--on"));
        for (auto [which, parts] : {std::pair{D::Start, &start}, std::pair{D::End, &end}}) {
            if (!*parts) continue;
            if (!m.setDate(*row, which, (*parts)->month, (*parts)->day, (*parts)->year))
                return context.usage(text::arg(text::tr(text::TxCliBadDate),
                                               which == D::Start ? "--start" : "--end",
                                               *a->value(which == D::Start ? "--start" : "--end")));
        }
        // The end lists show only once the start date is complete.
        if (end && dateOf(m.date(*row, D::End)).empty())
            return context.usage(text::tr(text::TxCliEndWhileHeld));
    }
    if (a->has("--special-servant")) m.setSpecialServant(true);
    if (a->has("--no-special-servant")) m.setSpecialServant(false);
    if (a->has("--missionary")) m.setMissionary(true);
    if (a->has("--no-missionary")) m.setMissionary(false);
    applyPrivilegeChecks(doc, pos, m.ok());
    if (const int code = save(context, session); code != Ok) return code;
    Outcome outcome;
    outcome.ok = true;
    outcome.id = id.id();
    outcome.line =
        text::arg(text::tr(text::TxCliPrivilegesStored), nameOf(doc, pos), std::to_string(id.id()));
    return report(context, prompter, outcome);
}

}  // namespace

int runPrivileges(Context& context) {
    return runSubcommand(context, text::tr(text::TxCliSummaryPrivileges),
                         {{"show", show}, {"set", set}});
}

}  // namespace velno::cli
