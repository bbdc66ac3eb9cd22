// velno-cli list: the lists of the list viewer.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "publishers/SideListModel.h"
#include "reporting/Classification.h"
#include "reporting/PublisherLists.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CliTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno::cli {

namespace {

struct PeriodName {
    std::string_view name;
    ListPeriod period;
};
constexpr PeriodName kPeriods[] = {
    {"6m", ListPeriod::SixMonths},        {"sy", ListPeriod::ServiceYear},
    {"12m", ListPeriod::TwelveMonths},    {"24m", ListPeriod::TwentyFourMonths},
    {"more", ListPeriod::MoreThanTwelve}, {"all", ListPeriod::All},
};

struct PrivilegeName {
    std::string_view name;
    PrivilegeFilter filter;
};
constexpr PrivilegeName kPrivileges[] = {
    {"servants", PrivilegeFilter::Servants},
    {"elders", PrivilegeFilter::Elders},
    {"regular", PrivilegeFilter::RegularPioneers},
    {"continuous", PrivilegeFilter::ContinuousAuxiliary},
    {"special", PrivilegeFilter::SpecialPioneers},
    {"specialservants", PrivilegeFilter::SpecialServants},
    {"missionaries", PrivilegeFilter::Missionaries},
};

// "a|b|c" for the usage messages.
void appendChoice(std::string& choices, std::string_view name) {
    if (!choices.empty()) choices += '|';
    choices += name;
}

struct NeedName {
    std::string_view name;
    std::uint16_t bit;
};
constexpr NeedName kNeeds[] = {
    {"deaf", MoreBit::Deaf},
    {"blind", MoreBit::Blind},
    {"isolated", MoreBit::Isolated},
};

// An option naming one entry of a table of {name, value}: Ok with the
// value set, or the usage error listing the names.
template <typename Table, typename Value>
int chooseByName(const Context& context, const Arguments& a, const char* option, const Table& table,
                 Value& value) {
    const auto given = a.value(option);
    if (!given) return Ok;
    std::string choices;
    for (const auto& [name, entry] : table) {
        appendChoice(choices, name);
        if (name == *given) {
            value = entry;
            return Ok;
        }
    }
    return context.usage(text::arg(text::tr(text::TxCliBadChoice), option, choices, *given));
}

std::string periodChoices(ListMode mode) {
    std::string s;
    for (const ListPeriod p : periodsOf(mode))
        for (const auto& n : kPeriods)
            if (n.period == p) appendChoice(s, n.name);
    return s;
}

std::string kindChoices() {
    std::string s;
    for (int i = 0; i < kListModes; ++i) appendChoice(s, listModeName(static_cast<ListMode>(i)));
    return s + "|sixmonths";
}

void writeRow(JsonWriter& json, ListMode mode, const ListRow& row) {
    json.beginObject(JsonWriter::Layout::Inline).field("id", row.id).field("displayName", row.name);
    switch (mode) {
        case ListMode::NotReporting:
        case ListMode::Form:
            json.field("group", row.group).field("contact", row.contact);
            break;
        case ListMode::Irregular:
            json.field("group", row.group).key("missed").beginArray(JsonWriter::Layout::Inline);
            for (const MissedMonth& m : row.missed)
                json.beginObject(JsonWriter::Layout::Inline)
                    .field("month", m.month0 + 1)
                    .field("remark", m.remark)
                    .endObject();
            json.endArray();
            break;
        case ListMode::New:
        case ListMode::Reactivated:
        case ListMode::Inactive:
        case ListMode::Moved:
            json.key("month");
            if (row.month > 0)
                json.value(row.month);
            else
                json.null();
            json.field("year", row.year);
            break;
        case ListMode::Baptized:
            json.field("years", row.years.value_or(0));
            break;
        case ListMode::Auxiliary:
            json.field("months", row.months);
            break;
        case ListMode::Conductors:
            json.field("months", row.months).field("studies", row.studies);
            break;
        case ListMode::BibleStudents:
            json.field("group", row.group).field("conductor", row.detail);
            break;
        case ListMode::Unbaptized:
            json.field("group", row.group);
            break;
        case ListMode::Privileges:
        case ListMode::Consent:
        case ListMode::NoConsent:
            if (mode != ListMode::Privileges) json.field("group", row.group);
            json.key(mode == ListMode::Privileges ? "since" : "date");
            if (row.detail.empty())
                json.null();
            else
                json.value(row.detail);
            break;
        case ListMode::SpecialNeeds:
        case ListMode::Custom:
            json.field("group", row.group);
            break;
    }
    json.endObject();
}

// The right list of the inactive-list dialog: active publishers without a
// report in any of the six months ending with the ReportMonth.
int listSixMonths(Context& context) {
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const auto rows = sixMonthsWithoutReport(session.doc());
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("kind", "sixmonths").key("rows").beginArray();
        for (const SideListRow& row : rows)
            json.beginObject(JsonWriter::Layout::Inline)
                .field("id", row.id)
                .field("displayName", row.text)
                .endObject();
        json.endArray().endObject().finish();
        return Ok;
    }
    for (const SideListRow& row : rows) context.out << row.text << '\n';
    return Ok;
}

}  // namespace

int runList(Context& context) {
    std::string error;
    const auto a = Arguments::parse(context.command, context.args,
                                    {{"--group", true},
                                     {"--month", true},
                                     {"--period", true},
                                     {"--bracket", true},
                                     {"--privilege", true},
                                     {"--need", true}},
                                    true, error);
    if (!a) return context.usage(error);
    if (a->words().size() != 1)
        return context.usage(text::arg(text::tr(text::TxCliListNeedsKind), kindChoices()));
    if (a->words()[0] == "sixmonths") return listSixMonths(context);
    const auto mode = listModeByName(a->words()[0]);
    if (!mode)
        return context.usage(
            text::arg(text::tr(text::TxCliListUnknownKind), a->words()[0], kindChoices()));

    ListQuery query;
    query.mode = *mode;
    if (const auto g = a->value("--group")) {
        const auto n = parseWholeNumber(*g, 0, 20);
        if (!n)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--group", "0", "20", *g));
        query.group = static_cast<int>(*n);
    }
    if (const auto m = a->value("--month")) {
        const auto n = parseWholeNumber(*m, 1, 12);
        if (!n)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--month", "1", "12", *m));
        query.month0 = static_cast<int>(*n) - 1;
    }
    if (const auto p = a->value("--period")) {
        const auto offered = periodsOf(*mode);
        bool found = false;
        for (const auto& n : kPeriods)
            if (n.name == *p &&
                std::find(offered.begin(), offered.end(), n.period) != offered.end()) {
                query.period = n.period;
                found = true;
            }
        if (!found) {
            const std::string choices = offered.empty() ? std::string("-") : periodChoices(*mode);
            return context.usage(
                text::arg(text::tr(text::TxCliBadChoice), "--period", choices, *p));
        }
    }
    if (const auto b = a->value("--bracket")) {
        const auto n =
            parseWholeNumber(*b, 0, static_cast<long long>(kBaptizedListBrackets.size()) - 1);
        if (!n)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--bracket", "0", "8", *b));
        query.bracket = static_cast<int>(*n);
    }
    const int privilege = chooseByName(context, *a, "--privilege", kPrivileges, query.privilege);
    if (privilege != Ok) return privilege;
    const int need = chooseByName(context, *a, "--need", kNeeds, query.need);
    if (need != Ok) return need;

    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    if (*mode == ListMode::Custom && !customCategoryDefined(session.doc())) {
        return context.fail(text::tr(text::TxCliNoCustomCategory));
    }
    const PublisherList list = buildList(session.doc(), query);

    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("kind", listModeName(*mode)).field("title", list.title);
        json.key("rows").beginArray();
        for (const ListRow& row : list.rows) writeRow(json, *mode, row);
        json.endArray().endObject().finish();
        return Ok;
    }
    context.out << list.title << '\n';
    for (const ListRow& row : list.rows) context.out << row.text << '\n';
    return Ok;
}

}  // namespace velno::cli
