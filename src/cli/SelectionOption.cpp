#include "cli/SelectionOption.h"

#include "cli/Cli.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

std::optional<PublisherSelection> selectionOption(
    Context& context, const Arguments& a,
    std::initializer_list<std::pair<const char*, Selection>> flags, bool groupAllowed, int& code) {
    PublisherSelection selection;
    int chosen = 0;
    for (const auto& [flag, kind] : flags)
        if (a.has(flag)) {
            selection.kind = kind;
            ++chosen;
        }
    if (groupAllowed)
        if (const auto g = a.value("--group")) {
            const auto n = parseWholeNumber(*g, 1, 20);
            if (!n) {
                code = context.usage(
                    text::arg(text::tr(text::TxCliBadNumber), "--group", "1", "20", *g));
                return std::nullopt;
            }
            selection.kind = Selection::Group;
            selection.group = static_cast<int>(*n);
            ++chosen;
        }
    if (chosen > 1) {
        code = context.usage(text::arg(text::tr(text::TxCliOneSelection), context.command));
        return std::nullopt;
    }
    return selection;
}

}  // namespace velno::cli
