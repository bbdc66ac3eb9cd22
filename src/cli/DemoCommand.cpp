#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/Json.h"
#include "demo/DemoCongregation.h"
#include "session/SessionRules.h"
#include "store/ReportMonth.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

int runDemo(Context& context) {
    std::string error;
    const auto args =
        Arguments::parse(context.command, context.args,
                         {{"--out", true}, {"--seed", true}, {"--publishers", true}}, false, error);
    if (!args) return context.usage(error);
    const auto out = args->value("--out");
    if (!out) return context.usage(text::tr(text::TxCliDemoNeedsOut));

    auto number = [&](const char* option, long long fallback, long long min,
                      long long max) -> std::optional<long long> {
        const auto given = args->value(option);
        if (!given) return fallback;
        const auto n = parseWholeNumber(*given, min, max);
        if (!n)
            error = text::arg(text::tr(text::TxCliBadNumber), option, std::to_string(min),
                              std::to_string(max), *given);
        return n;
    };
    const auto seed = number("--seed", kDemoDefaultSeed, 0, 4294967295LL);
    if (!seed) return context.usage(error);
    const auto publishers = number("--publishers", kDemoDefaultPublishers, 1, kDemoMaxPublishers);
    if (!publishers) return context.usage(error);

    if (!writeDemoCongregation(*out, context.today, static_cast<unsigned>(*seed),
                               static_cast<int>(*publishers), &error, &tallyRules()))
        return context.fail(error);

    ReportMonth month;
    month.deriveFrom(context.today);
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("out", *out)
            .field("seed", *seed)
            .field("publishers", *publishers)
            .key("reportMonth")
            .beginObject(JsonWriter::Layout::Inline)
            .field("month", month.reportMonth0 + 1)
            .field("year", month.reportYear())
            .field("stamp", month.reportStamp)
            .endObject()
            .endObject()
            .finish();
    } else {
        context.out << text::arg(text::tr(text::TxCliDemoWritten), std::to_string(*publishers),
                                 std::to_string(*seed), *out, text::monthName(month.reportMonth0),
                                 std::to_string(month.reportYear()))
                    << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
