// velno-cli averages, pioneers and totals: the three/six-month averages,
// the regular pioneers' hours and the service-year totals.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "reporting/PublisherSelection.h"
#include "reporting/TrendPageData.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

// At most one of the selection flags; --group N takes a number.
std::optional<PublisherSelection> selectionOf(
    Context& context, const Arguments& a,
    std::initializer_list<std::pair<const char*, Selection>> flags, bool groupAllowed, int& code) {
    PublisherSelection selection;
    int chosen = 0;
    for (const auto& [flag, kind] : flags)
        if (a.has(flag)) {
            selection.kind = kind;
            ++chosen;
        }
    if (groupAllowed)
        if (const auto g = a.value("--group")) {
            const auto n = parseWholeNumber(*g, 1, 20);
            if (!n) {
                code = context.usage(
                    text::arg(text::tr(text::TxCliBadNumber), "--group", "1", "20", *g));
                return std::nullopt;
            }
            selection.kind = Selection::Group;
            selection.group = static_cast<int>(*n);
            ++chosen;
        }
    if (chosen > 1) {
        code = context.usage(text::arg(text::tr(text::TxCliOneSelection), context.command));
        return std::nullopt;
    }
    return selection;
}

void printHeading(std::ostream& out, const std::string& title, const std::string& subtitle) {
    out << title << '\n' << subtitle << '\n';
}

}  // namespace

int runAverages(Context& context) {
    std::string error;
    const auto a = Arguments::parse(context.command, context.args,
                                    {{"--group", true},
                                     {"--regular", false},
                                     {"--elders", false},
                                     {"--servants", false},
                                     {"--brothers", false},
                                     {"--custom", false}},
                                    false, error);
    if (!a) return context.usage(error);
    int code = Ok;
    const auto selection = selectionOf(context, *a,
                                       {{"--regular", Selection::RegularPioneers},
                                        {"--elders", Selection::Elders},
                                        {"--servants", Selection::Servants},
                                        {"--brothers", Selection::BaptizedBrothers},
                                        {"--custom", Selection::Custom}},
                                       true, code);
    if (!selection) return code;
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int opened = session.open(); opened != Ok) return opened;
    const AveragesPage page = averagesPage(session.doc(), *selection);

    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("title", page.title).field("subtitle", page.subtitle);
        json.key("rows").beginArray();
        for (const AverageRow& r : page.rows)
            json.beginObject(JsonWriter::Layout::Inline)
                .field("id", r.id)
                .field("displayName", r.name)
                .field("reported3", r.reported3)
                .field("reported6", r.reported6)
                .field("studies3", r.studies3)
                .field("studies6", r.studies6)
                .field("aux3", r.aux3)
                .field("aux6", r.aux6)
                .field("hours3", r.hours3)
                .field("hours6", r.hours6)
                .endObject();
        json.endArray().endObject().finish();
        return Ok;
    }
    printHeading(context.out, page.title, page.subtitle);
    for (const AverageRow& r : page.rows)
        context.out << r.name << '\t' << r.reportedText << '\t' << r.studiesText << '\t'
                    << r.auxText << '\t' << r.hoursText << '\n';
    return Ok;
}

int runPioneers(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int opened = session.open(); opened != Ok) return opened;
    const PioneerHoursPage page = pioneerHoursPage(session.doc());

    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("title", page.title)
            .field("subtitle", page.subtitle)
            .field("goal", page.goal);
        json.key("rows").beginArray();
        for (const PioneerHoursRow& r : page.rows) {
            json.beginObject(JsonWriter::Layout::Inline)
                .field("id", r.id)
                .field("displayName", publisherName(session.doc(), r.pos))
                .field("startMonth", r.startMonth0 + 1)
                .field("enrolledMonths", r.enrolledMonths)
                .field("elapsedMonths", r.elapsedMonths)
                .field("hours", r.hours)
                .field("credit", r.credit)
                .field("total", r.total)
                .field("average", r.average)
                .field("remaining", r.remaining)
                .key("perMonth");
            if (r.perMonth)
                json.value(*r.perMonth);
            else
                json.null();
            json.endObject();
        }
        json.endArray().endObject().finish();
        return Ok;
    }
    printHeading(context.out, page.title, page.subtitle);
    context.out << text::tr(text::TxCliPioneersHead) << '\n';
    for (const PioneerHoursRow& r : page.rows) {
        context.out << r.name << '\t' << r.hours << '\t' << r.credit << '\t' << r.total << '\t'
                    << text::formatPrintf("%4.1f", r.average) << '\t' << r.remaining;
        if (r.perMonth) context.out << '\t' << text::formatPrintf("%4.1f", *r.perMonth);
        context.out << '\n';
    }
    if (!page.footnote.empty()) context.out << page.footnote << '\n';
    return Ok;
}

int runTotals(Context& context) {
    std::string error;
    const auto a = Arguments::parse(context.command, context.args,
                                    {{"--regular", false}, {"--appointed", false}}, false, error);
    if (!a) return context.usage(error);
    int code = Ok;
    const auto selection = selectionOf(
        context, *a,
        {{"--regular", Selection::RegularPioneers}, {"--appointed", Selection::Appointed}}, false,
        code);
    if (!selection) return code;
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int opened = session.open(); opened != Ok) return opened;
    const ServiceYearTotalsPage page = serviceYearTotalsPage(session.doc(), *selection);

    const auto writeRow = [](JsonWriter& json, const ServiceYearTotalsRow& r, bool total) {
        json.beginObject(JsonWriter::Layout::Inline);
        if (!total) json.field("id", r.id).field("displayName", r.name);
        json.field("reportedMonths", r.reportedMonths)
            .field("studies", r.studies)
            .field("auxiliaryMonths", r.auxiliaryMonths)
            .field("hours", r.hours)
            .field("quarters", r.quarters)
            .field("hoursText", r.hoursText)
            .endObject();
    };
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("title", page.title)
            .field("subtitle", page.subtitle)
            .field("months", page.months);
        json.key("rows").beginArray();
        for (const ServiceYearTotalsRow& r : page.rows) writeRow(json, r, false);
        json.endArray().key("total");
        writeRow(json, page.total, true);
        json.endObject().finish();
        return Ok;
    }
    printHeading(context.out, page.title, page.subtitle);
    for (const ServiceYearTotalsRow& r : page.rows)
        context.out << r.name << '\t' << r.reportedMonths << '\t' << r.studies << '\t'
                    << r.auxiliaryMonths << '\t' << r.hoursText << '\n';
    const auto& t = page.total;
    context.out << t.name << '\t' << t.reportedMonths << '\t' << t.studies << '\t'
                << t.auxiliaryMonths << '\t' << t.hoursText << '\n';
    return Ok;
}

}  // namespace velno::cli
