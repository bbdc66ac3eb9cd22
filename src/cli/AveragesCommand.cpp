// velno-cli averages: the three/six-month averages of the chosen publishers.
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
    const auto selection = selectionOption(context, *a,
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

}  // namespace velno::cli
