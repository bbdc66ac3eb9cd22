// velno-cli quickview: the figures of the quick view.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "reporting/QuickView.h"
#include "text/StringTable.h"

namespace velno::cli {

namespace {

void writePeriod(JsonWriter& json, const char* name, const QuickViewPeriod& p) {
    json.key(name)
        .beginObject(JsonWriter::Layout::Inline)
        .field("auxiliary", p.auxiliary)
        .field("newPublishers", p.newPublishers)
        .field("reactivated", p.reactivated)
        .field("inactive", p.inactive)
        .field("moved", p.moved)
        .endObject();
}

}  // namespace

int runQuickView(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const QuickViewModel model(session.doc());
    const QuickView& q = model.figures();

    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("active", q.active)
            .field("regular", q.regular)
            .field("baptized", q.baptized)
            .field("regularPioneers", q.regularPioneers)
            .field("elders", q.elders)
            .field("servants", q.servants);
        json.key("month")
            .beginObject(JsonWriter::Layout::Inline)
            .field("auxiliary", q.monthAuxiliary);
        json.key("avgHoursPublishers");
        if (q.avgHoursPublishers)
            json.value(*q.avgHoursPublishers);
        else
            json.null();
        json.field("avgHoursRegular", q.avgHoursRegular)
            .field("avgHoursAuxiliary", q.avgHoursAuxiliary)
            .endObject();
        writePeriod(json, "serviceYear", q.serviceYear);
        writePeriod(json, "sixMonths", q.sixMonths);
        json.key("customCategory");
        if (q.customCategoryName)
            json.beginObject(JsonWriter::Layout::Inline)
                .field("name", *q.customCategoryName)
                .field("count", q.customCategory)
                .endObject();
        else
            json.null();
        json.field("deaf", q.deaf).field("blind", q.blind).field("isolated", q.isolated);
        json.endObject().finish();
        return Ok;
    }
    context.out << model.title() << '\n';
    using Box = QuickViewModel::Box;
    Box box = Box::Congregation;
    for (const auto& line : model.lines()) {
        if (line.box != box) {
            box = line.box;
            const std::string caption = model.boxCaption(box);
            context.out << '\n';
            if (!caption.empty()) context.out << caption << '\n';
        }
        // A figure the quick view leaves blank by its rule reads "-".
        context.out << "  " << line.label << ' ' << (line.value.empty() ? "-" : line.value) << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
