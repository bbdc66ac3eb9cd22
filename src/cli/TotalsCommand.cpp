// velno-cli totals: the service-year totals of the chosen publishers.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "cli/PageHeading.h"
#include "cli/SelectionOption.h"
#include "reporting/TrendPageData.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace velno::cli {

int runTotals(Context& context) {
    std::string error;
    const auto a = Arguments::parse(context.command, context.args,
                                    {{"--regular", false}, {"--appointed", false}}, false, error);
    if (!a) return context.usage(error);
    int code = Ok;
    const auto selection = selectionOption(
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
