#include "cli/ImportListing.h"

#include <ostream>
#include <sstream>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "exchange/ImportSelectionModel.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

// "all" or 1-based line numbers separated by commas.
bool parseMerge(const std::string& text, int lines, std::vector<int>& chosen) {
    chosen.clear();
    if (text == "all") {
        for (int i = 0; i < lines; ++i) chosen.push_back(i);
        return true;
    }
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        const auto n = parseWholeNumber(part, 1, lines);
        if (!n) return false;
        chosen.push_back(static_cast<int>(*n) - 1);
    }
    return !chosen.empty();
}

}  // namespace

int listOrMergeImport(Context& context, FolderSession& session, ImportSelectionModel& model,
                      const std::string& file, int month0,
                      const std::optional<std::string>& merge) {
    CVelnoDoc& doc = session.doc();
    const bool merging = merge.has_value();
    const int lines = static_cast<int>(model.lines().size());
    if (merging) {
        std::vector<int> chosen;
        if (!parseMerge(*merge, lines, chosen))
            return context.usage(text::arg(text::tr(text::TxCliBadMerge), std::to_string(lines)));
        model.selectNone();
        for (int line : chosen) model.select(line, true);
        const int merged = model.merge();
        if (doc.saveAll() != SaveOutcome::Saved)
            return context.fail(
                text::arg(text::tr(text::TxCliSaveFailed), session.folder().string()));
        if (!context.options.json) {
            context.out << text::arg(text::tr(text::TxCliMerged), std::to_string(merged)) << '\n';
            return Ok;
        }
    }
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("file", file).field("month", month0 + 1);
        json.key("lines").beginArray();
        for (int i = 0; i < lines; ++i) {
            const ImportItem& item = model.items()[static_cast<std::size_t>(i)];
            const PublisherRecord& r = doc.store().at(model.storePositionOf(i));
            json.beginObject(JsonWriter::Layout::Inline)
                .field("index", item.index)
                .field("id", static_cast<int>(r.id))
                .field("displayName", model.lines()[static_cast<std::size_t>(i)])
                .field("late", item.late)
                .field("month", item.month0 + 1)
                .field("replace", item.replace)
                .field("remark", item.remark)
                .endObject();
        }
        json.endArray().field("merged", merging).endObject().finish();
        return Ok;
    }
    for (int i = 0; i < lines; ++i) {
        const ImportItem& item = model.items()[static_cast<std::size_t>(i)];
        context.out << text::arg(text::tr(text::TxCliGroupFileLine), std::to_string(i + 1),
                                 model.lines()[static_cast<std::size_t>(i)],
                                 item.replace ? "*" : "+")
                    << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
