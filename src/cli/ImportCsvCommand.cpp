// velno-cli import csv: the report file through the column map, the name
// map and the import selection, as the dialogs take it; the maps are
// written as their "Continue" writes them.

#include <ostream>
#include <sstream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/FolderSession.h"
#include "cli/ImportCommand.h"
#include "cli/ImportSelectionOutput.h"
#include "exchange/ColumnMapModel.h"
#include "exchange/CsvFile.h"
#include "exchange/CsvReportReader.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/NameMapModel.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFieldNames[kCsvTargets] = {"first", "last",   "shared", "studies",
                                                  "hours", "remark", "name",   "lastfirst"};

int targetNamed(const std::string& name) {
    for (int t = 0; t < kCsvTargets; ++t)
        if (name == kFieldNames[t]) return t;
    return -1;
}

// "hours=5,remark=6": false with the piece that is not a pair.
bool applyMap(ColumnMapModel& model, const std::string& text, int columns, std::string& bad) {
    std::stringstream in(text);
    std::string pair;
    while (std::getline(in, pair, ',')) {
        const auto eq = pair.find('=');
        const int target = eq == std::string::npos ? -1 : targetNamed(pair.substr(0, eq));
        const auto column = eq == std::string::npos
                                ? std::nullopt
                                : parseWholeNumber(pair.substr(eq + 1), 1, columns);
        if (target < 0 || !column || !model.assign(target, static_cast<int>(*column) - 1)) {
            bad = pair;
            return false;
        }
    }
    return true;
}

// The fields a complete map still needs, by their option names.
std::string missingFields(const ColumnMapModel& model) {
    std::string out;
    auto need = [&](const std::string& what) { out += (out.empty() ? "" : ", ") + what; };
    if (!model.rule() && model.columnOf(TargetShared) < 0) need("shared");
    for (int t : {TargetStudies, TargetHours, TargetRemark})
        if (model.columnOf(t) < 0) need(kFieldNames[t]);
    const bool separate = model.columnOf(TargetFirst) >= 0 && model.columnOf(TargetLast) >= 0;
    if (!separate && model.columnOf(TargetName) < 0 && model.columnOf(TargetLastFirst) < 0)
        need("first+last | name | lastfirst");
    return out;
}

// "CSV NAME=ID", the name in UTF-8; the last "=" separates.
bool applyAssign(NameMapModel& names, const std::string& text) {
    const auto eq = text.rfind('=');
    if (eq == std::string::npos) return false;
    const auto id = parseWholeNumber(text.substr(eq + 1), 1, 65535);
    const text::Cp1252Result name = text::utf8ToCp1252(text.substr(0, eq));
    return id && name.ok && names.assign(name.bytes, static_cast<std::uint16_t>(*id));
}

}  // namespace

int importCsv(Context& context, const std::vector<std::string>& rest) {
    std::string error;
    const auto args = Arguments::parse(context.command, rest,
                                       {{"--map", true},
                                        {"--rule", false},
                                        {"--assign", true},
                                        {"--skip-unidentified", false},
                                        {"--merge", true}},
                                       true, error);
    if (!args) return context.usage(error);
    if (args->words().size() != 1) return context.usage(text::tr(text::TxCliCsvFileMissing));
    const fs::path file = args->words()[0];
    // The maps are written even when nothing is merged, as the dialogs do.
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();

    CsvTable table;
    std::string message;
    if (!loadCsv(file, table, message)) return context.fail(message);
    for (const CsvRow& row : table.rows)
        if (!row.problem.empty()) context.err << row.problem << '\n';

    ColumnMap saved;
    const bool hasSaved = loadColumnMap(doc, saved);
    ColumnMapModel columns(table.header, hasSaved ? &saved : nullptr);
    if (const auto map = args->value("--map")) {
        columns.clear();
        std::string bad;
        if (!applyMap(columns, *map, static_cast<int>(table.header.size()), bad))
            return context.usage(text::arg(text::tr(text::TxCliCsvBadMap),
                                           std::to_string(table.header.size()), bad));
    }
    if (args->has("--rule")) {
        // The rule drops a "shared" column; one given with it stays.
        const int shared = columns.columnOf(TargetShared);
        columns.setRule(true);
        if (shared >= 0) (void)columns.assign(TargetShared, shared);
    }
    if (!columns.isComplete())
        return context.fail(
            text::arg(text::tr(text::TxCliCsvMapIncomplete), missingFields(columns)));
    if (const FileResult written = columns.save(doc); !written) {
        doc.reportWriteFailure(written);
        return Failure;
    }

    NameMapModel names(doc, table, columns.map(), columns.nameMode(), loadNameMap(doc));
    for (const std::string& assign : args->values("--assign"))
        if (!applyAssign(names, assign))
            return context.fail(text::arg(text::tr(text::TxCliCsvBadAssign), assign));
    std::vector<std::string> unidentified;
    for (const auto& u : names.unidentified())
        if (!u.id) unidentified.push_back(text::cp1252ToUtf8(u.name));
    if (!unidentified.empty() && !args->has("--skip-unidentified")) {
        std::string list;
        for (const auto& n : unidentified) list += (list.empty() ? "\"" : ", \"") + n + "\"";
        return context.fail(text::arg(text::tr(text::TxCliCsvUnidentified),
                                      std::to_string(unidentified.size()), list));
    }
    names.setSkipUnidentified(true);
    if (const FileResult written = names.finish(doc); !written) {
        doc.reportWriteFailure(written);
        return Failure;
    }
    if (!context.options.json)
        for (const auto& n : unidentified)
            context.err << text::arg(text::tr(text::TxCliCsvSkipped), n) << '\n';

    ImportImage image;
    readCsvReports(doc, table, columns.map(), names.rows(), file.string(), image);
    const int month0 = image.month0;
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::Csv);
    ImportOutput output{file.string(), month0, text::tr(text::TxCliCsvBadMerge),
                        [&unidentified](JsonWriter& json) {
                            json.key("unidentified").beginArray(JsonWriter::Layout::Inline);
                            for (const auto& n : unidentified) json.value(n);
                            json.endArray();
                        }};
    return listOrMerge(context, doc, session.folder(), model, args->value("--merge"), output);
}

}  // namespace velno::cli
