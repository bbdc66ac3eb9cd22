#include "cli/RecordCommand.h"

#include <ostream>

#include "cli/Cli.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "store/FixedText.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

RecordSession::RecordSession(Context& context, bool answerYes)
    : context_(context), prompter_(answerYes), folder_(context, FolderAccess::ReadWrite) {}

int RecordSession::open(const IdOption* id) {
    if (const int code = folder_.open(); code != Ok) return code;
    // After the load: its password question is the folder session's own.
    doc().setPrompter(&prompter_);
    return id ? id->find(context_, doc(), pos_) : Ok;
}

int report(Context& context, const RecordingPrompter& prompter, const Outcome& outcome) {
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject().field("ok", outcome.ok);
        if (outcome.id) json.field("id", outcome.id);
        json.field("result", outcome.line);
        json.key("messages").beginArray();
        for (const auto& m : prompter.messages) json.value(m);
        json.endArray().endObject().finish();
    } else {
        for (const auto& m : prompter.messages) context.out << m << '\n';
        if (outcome.ok) context.out << outcome.line << '\n';
    }
    if (outcome.ok) return Ok;
    return context.options.json ? static_cast<int>(Failure) : context.fail(outcome.line);
}

int save(Context& context, FolderSession& session) {
    // NothingToSave comes only from an old year's view: nothing was stored.
    if (session.doc().saveAll() == SaveOutcome::Saved) return Ok;
    return context.fail(
        text::arg(text::tr(text::TxCliSaveFailedPublisher), session.folder().string()));
}

int runSubcommand(Context& context, const std::string& usage,
                  std::initializer_list<std::pair<std::string_view, Subcommand>> subcommands) {
    if (context.args.empty()) return context.usage(usage);
    const std::string sub = context.args.front();
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    for (const auto& [name, run] : subcommands)
        if (sub == name) return run(context, rest);
    if (sub == "help" || sub == "--help") {
        context.out << usage << '\n';
        return Ok;
    }
    return context.usage(usage);
}

int parseAddOrEditId(Context& context, const Arguments& arguments, bool adding, IdOption& id) {
    if (!adding) return id.parse(context, arguments);
    if (arguments.value("--id"))
        return context.usage(
            text::arg(text::tr(text::TxCliUnknownOption), context.command + " add", "--id"));
    if (!arguments.value("--lname"))
        return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--lname"));
    return Ok;
}

std::string listText(int kind) {
    switch (kind) {
        case ListActive:
            return text::tr(text::TxCliListActive);
        case ListInactive:
            return text::tr(text::TxCliListInactive);
        case ListBibleStudent:
            return text::tr(text::TxCliListBibleStudents);
        case ListMoved:
            return text::tr(text::TxCliListMoved);
        default:
            break;
    }
    return text::tr(text::TxCliListDeleted);
}

std::optional<DateParts> parseDateOption(std::string_view s) {
    auto number = [](std::string_view t) -> std::optional<int> {
        if (t.empty()) return std::nullopt;
        int v = 0;
        for (char c : t) {
            if (c < '0' || c > '9') return std::nullopt;
            v = v * 10 + (c - '0');
        }
        return v;
    };
    if (s.size() != 7 && s.size() != 10) return std::nullopt;
    if (s[4] != '-' || (s.size() == 10 && s[7] != '-')) return std::nullopt;
    const auto year = number(s.substr(0, 4));
    const auto month = number(s.substr(5, 2));
    const auto day = s.size() == 10 ? number(s.substr(8, 2)) : std::optional<int>(0);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day > 31) return std::nullopt;
    if (s.size() == 10 && *day < 1) return std::nullopt;
    return DateParts{*year, *month, *day};
}

std::string dateOptionText(std::string_view dateText) {
    const std::string t(dateText.substr(0, std::min<std::size_t>(dateText.size(), 8)));
    if (t.size() < 8 || trimmed(t.substr(0, 2)).empty() || trimmed(t.substr(4, 4)).empty())
        return {};
    const std::string day(trimmed(t.substr(2, 2)));
    std::string iso = t.substr(4, 4);
    iso += '-';
    iso += t.substr(0, 2);
    if (!day.empty()) {
        iso += '-';
        iso += t.substr(2, 2);
    }
    return iso;
}

}  // namespace velno::cli
