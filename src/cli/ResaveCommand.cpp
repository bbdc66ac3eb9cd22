#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

int runResave(Context& context) {
    std::string error;
    if (!Arguments::parse(context.command, context.args, {}, false, error))
        return context.usage(error);
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    // The store's own messages (which file could not be written) have gone
    // to the error stream through the session's prompter.
    if (doc.saveAll() != SaveOutcome::Saved)
        return context.fail(text::arg(text::tr(text::TxCliSaveFailed), session.folder().string()));
    const int records = doc.store().recordCount();
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("saved", true).field("recordCount", records).endObject().finish();
    } else {
        context.out << text::arg(text::tr(text::TxCliSaved), session.folder().string(),
                                 std::to_string(records))
                    << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
