// velno-cli tally: the numbers of the report to the branch office.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "cli/ReportMonthCli.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"

namespace velno::cli {

int runTally(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const BranchReport box = BranchReportBox(doc);
    const CategoryTally& t = doc.tally();
    std::ostream& out = context.out;

    if (context.options.json) {
        JsonWriter json(out);
        const auto category = [&](const char* key, const BranchReportRow& row) {
            json.key(key).beginObject(JsonWriter::Layout::Inline).field("count", row.count);
            if (row.hours) json.field("hours", *row.hours);
            json.field("studies", row.studies).endObject();
        };
        json.beginObject()
            .field("month", doc.reportMonth().reportMonth0 + 1)
            .field("year", doc.reportMonth().reportYear())
            .field("activePublishers",
                   static_cast<int>(t.at(TallyCategory::Publishers, TallyValue::ActivePublishers)));
        category("publishers", box.rows[0]);
        category("auxiliary", box.rows[1]);
        category("regular", box.rows[2]);
        category("total", box.rows[3]);
        json.endObject().finish();
        return Ok;
    }
    out << box.title << '\n'
        << text::formatPrintf("%-8s%10s%8s%8s", "", box.heads[0].c_str(), box.heads[1].c_str(),
                              box.heads[2].c_str())
        << '\n';
    for (const BranchReportRow& row : box.rows) {
        const std::string hours = row.hours ? text::formatPrintf("%6d", *row.hours) : "";
        out << text::formatPrintf("%-8s%10d%8s%8d", row.label.c_str(), row.count, hours.c_str(),
                                  row.studies)
            << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
