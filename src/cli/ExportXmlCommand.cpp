// velno-cli export xml: the XML export of the chooser's list, all of it or
// the publishers named by id in the order given.

#include "cli/ExportXmlCommand.h"

#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/FolderSession.h"
#include "cli/ImportXmlCommand.h"
#include "exchange/PublisherXml.h"
#include "exchange/XmlChooserModel.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

int exportXml(Context& context, const std::vector<std::string>& rest) {
    std::string error;
    const auto args =
        Arguments::parse(context.command, rest, {{"--list", true}, {"--ids", true}}, false, error);
    if (!args) return context.usage(error);
    const std::string which = args->value("--list").value_or("");
    int side = -1;
    if (which == "active") side = 0;
    if (which == "inactive") side = 1;
    if (which == "nonpublishers") side = 2;
    if (side < 0) return context.usage(text::tr(text::TxCliBadXmlList));
    std::vector<int> ids;
    if (args->value("--ids") && !parseIdList(*args->value("--ids"), 1, ids))
        return context.usage(text::arg(text::tr(text::TxCliBadIds), "export xml"));
    // The data are only read; the file goes into Exports.
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    XmlChooserModel chooser(doc);
    chooser.chooseSide(side);
    std::vector<int> positions;
    if (ids.empty()) {
        chooser.selectAll();
        positions = chooser.result();
    } else {
        for (int id : ids) {
            const int pos = doc.store().storePosById(static_cast<PublisherId>(id));
            if (pos <= 0 || doc.store().at(pos).listKind != xmlListKind(chooser.list()))
                return context.fail(
                    text::arg(text::tr(text::TxCliIdNotOnList), std::to_string(id)));
            positions.push_back(pos);
        }
    }
    std::filesystem::path path;
    if (const FileResult written = exportPublisherXml(doc, chooser.list(), positions, path);
        !written) {
        doc.reportWriteFailure(written);
        return Failure;
    }
    context.out << path.string() << '\n';
    return Ok;
}

}  // namespace velno::cli
