// velno-cli export monthly|contacts|emergency|cardhdr|attendance|summary:
// the delimited exports of the "Ekspor atau Impor" menu through the same
// code, without the question to open the file.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "exchange/DelimitedExports.h"
#include "store/CVelnoDoc.h"
#include "text/StringTable.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

const std::pair<const char*, DelimitedExport> kActions[] = {
    {"monthly", DelimitedExport::Monthly},       {"contacts", DelimitedExport::Contacts},
    {"emergency", DelimitedExport::Emergency},   {"cardhdr", DelimitedExport::CardHeader},
    {"attendance", DelimitedExport::Attendance}, {"summary", DelimitedExport::Summary},
};

}  // namespace

bool isDelimitedExport(const std::string& action) {
    for (const auto& [name, kind] : kActions)
        if (action == name) return true;
    return false;
}

int exportDelimited(Context& context, const std::string& action,
                    const std::vector<std::string>& rest) {
    DelimitedExport kind = DelimitedExport::Monthly;
    for (const auto& [name, k] : kActions)
        if (action == name) kind = k;
    const bool monthly = kind == DelimitedExport::Monthly;
    std::string error;
    const auto args =
        monthly ? Arguments::parse(context.command, rest,
                                   {{"--month", true}, {"--tab", false}, {"--header", false}},
                                   false, error)
                : Arguments::parse(context.command, rest, {}, false, error);
    if (!args) return context.usage(error);
    std::optional<long long> month;
    if (monthly && args->value("--month")) {
        month = parseWholeNumber(*args->value("--month"), 1, 12);
        if (!month) return context.usage(text::tr(text::TxCliExportBadMonth));
    }

    // Exporting reads the data; the file goes into Exports, not among them.
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    MonthlyExportChoice choice;
    choice.month0 = month ? static_cast<int>(*month) - 1 : doc.reportMonth().reportMonth0;
    choice.delimiter = monthly && args->has("--tab") ? '\t' : ',';
    choice.header = monthly && args->has("--header");
    const auto path = writeExport(doc, buildExport(doc, kind, choice));
    if (!path) return Failure;  // the file-error message is told
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("file", path->string()).endObject().finish();
    } else {
        context.out << path->string() << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
