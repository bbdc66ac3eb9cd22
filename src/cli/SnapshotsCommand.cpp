#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "store/OldReports.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

int runSnapshots(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    // The snapshots lie in the folder itself, not in the private copy that
    // was loaded; nothing in it is changed.
    CVelnoDoc& doc = session.doc();
    if (!doc.oldYearView) {
        doc.folder().setPath(session.folder());
        doc.folder().setReadOnly(true);
    }
    const auto entries = oldReportEntries(doc);
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginArray();
        for (const auto& e : entries) {
            json.beginObject(JsonWriter::Layout::Inline)
                .field("monthsBack", e.monthsBack)
                .field("month", e.month0 + 1)
                .field("year", e.year)
                .field("name", e.label)
                .field("folder", "Roll/Vn9_" + std::to_string(e.snapshotNumber))
                .field("available", e.available)
                .endObject();
        }
        json.endArray().finish();
        return Ok;
    }
    for (const auto& e : entries) {
        context.out << text::arg(text::tr(text::TxCliSnapshotLine), std::to_string(e.monthsBack),
                                 e.label, std::to_string(e.year),
                                 "Roll/Vn9_" + std::to_string(e.snapshotNumber),
                                 text::tr(e.available ? text::TxCliSnapshotAvailable
                                                      : text::TxCliCheckMissing))
                    << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
