#include "cli/IdOption.h"

#include <string>

#include "cli/Cli.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

int IdOption::parse(const Context& context, const Arguments& arguments) {
    const auto text = arguments.value("--id");
    if (!text) return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--id"));
    const auto number = parseWholeNumber(*text, 0, 65535);
    if (!number)
        return context.usage(
            text::arg(text::tr(text::TxCliBadNumber), "--id", "0", "65535", *text));
    id_ = static_cast<PublisherId>(*number);
    return Ok;
}

int IdOption::find(const Context& context, const CVelnoDoc& doc, int& pos) const {
    pos = doc.store().storePosById(id_);
    if (pos != 0) return Ok;
    return context.fail(text::arg(text::tr(text::TxCliNoSuchId), std::to_string(id_)));
}

}  // namespace velno::cli
