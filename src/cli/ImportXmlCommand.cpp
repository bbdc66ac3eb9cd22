// velno-cli import xml-reports and import xml: the report list's "(.xml)"
// button and the menu's publisher import without their dialogs.

#include "cli/ImportXmlCommand.h"

#include <algorithm>
#include <ctime>
#include <ostream>
#include <sstream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/FolderSession.h"
#include "cli/ImportSelectionOutput.h"
#include "cli/Json.h"
#include "exchange/BackupSet.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/PublisherXml.h"
#include "exchange/XmlChooserModel.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CliTexts.h"
#include "text/texts/ExchangeTexts.h"

namespace velno::cli {

namespace fs = std::filesystem;

bool parseIdList(const std::string& text, int min, std::vector<int>& ids) {
    ids.clear();
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        const auto n = parseWholeNumber(part, min, 29999);
        if (!n) return false;
        ids.push_back(static_cast<int>(*n));
    }
    return !ids.empty();
}

int importXmlReports(Context& context, const std::vector<std::string>& rest) {
    std::string error;
    const auto args = Arguments::parse(context.command, rest, {{"--merge", true}}, true, error);
    if (!args) return context.usage(error);
    if (args->words().size() != 1)
        return context.usage(text::arg(text::tr(text::TxCliXmlFileMissing), "xml-reports"));
    const fs::path file = args->words()[0];
    const bool merging = args->value("--merge").has_value();
    FolderSession session(context, merging ? FolderAccess::ReadWrite : FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    ImportImage image;
    std::string message;
    if (!loadXmlReports(doc, file, image, message)) return context.fail(message);
    const int month0 = image.month0;
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::Xml);
    return listOrMerge(context, doc, session.folder(), model, args->value("--merge"),
                       {file.string(), month0, text::tr(text::TxCliBadMerge), {}});
}

int importXmlPublishers(Context& context, const std::vector<std::string>& rest) {
    std::string error;
    const auto args = Arguments::parse(
        context.command, rest, {{"--ids", true}, {"--replace", false}, {"--backup-first", false}},
        true, error);
    if (!args) return context.usage(error);
    if (args->words().size() != 1)
        return context.usage(text::arg(text::tr(text::TxCliXmlFileMissing), "xml"));
    std::vector<int> ids;
    if (args->value("--ids") && !parseIdList(*args->value("--ids"), 0, ids))
        return context.usage(text::arg(text::tr(text::TxCliBadIds), "import xml"));
    const fs::path file = args->words()[0];
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();

    xml::XmlDocument x;
    XmlPublisherList list;
    std::string message;
    if (!loadPublisherXml(file, x, list, message)) return context.fail(message);
    XmlChooserModel chooser(doc, list, linkedPublishers(doc, list));
    if (ids.empty()) {
        chooser.selectAll();
    } else {
        for (int id : ids) {
            bool found = false;
            for (std::size_t k = 0; k < list.pubs.size(); ++k) {
                if (list.pubs[k].id != id) continue;
                chooser.setSelected(static_cast<int>(k), true);
                found = true;
            }
            if (!found)
                return context.fail(
                    text::arg(text::tr(text::TxCliIdNotInFile), std::to_string(id)));
        }
    }
    chooser.setReplace(args->has("--replace"));
    if (chooser.tooMany())
        return context.fail(chooser.tooManyText() + ": " + chooser.summaryLine());

    if (args->has("--backup-first")) {
        BackupOptions options;
        options.now = std::time(nullptr);
        const BackupOutcome made = makeBackup(doc, backupTargetSetting(doc), options);
        if (!made.made())
            return context.fail(made.message.empty() ? text::tr(text::TxCliBackupFirstFailed)
                                                     : made.message);
    }
    const XmlImportOutcome out =
        importPublishers(doc, x, list, chooser.result(), chooser.linked(), chooser.replace());
    for (const auto& line : out.messages) context.err << line << '\n';
    if (doc.saveAll() != SaveOutcome::Saved)
        return context.fail(text::arg(text::tr(text::TxCliSaveFailed), session.folder().string()));
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("file", file.string())
            .field("list", xmlListElement(list.list))
            .field("updated", out.updated)
            .field("added", out.added);
        json.key("refused").beginArray();
        for (const auto& line : out.messages) json.value(line);
        json.endArray().endObject().finish();
    } else {
        context.out << text::arg(text::tr(text::TxCliXmlImported), std::to_string(out.updated),
                                 std::to_string(out.added))
                    << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
