// velno-cli pioneers: the regular pioneers' hours of the service year.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "cli/PageHeading.h"
#include "reporting/TrendPageData.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

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

}  // namespace velno::cli
