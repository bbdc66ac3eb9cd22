// velno-cli publisher add|edit|delete|move|unmove: the record editor, the delete
// dialog and the dated moves, driven through the same models as the GUI.
#include <algorithm>
#include <ostream>
#include <sstream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "cli/RecordCommand.h"
#include "publishers/DeletePublisherModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherMoves.h"
#include "store/CVelnoDoc.h"
#include "store/DateText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno::cli {

namespace {

struct BoxOption {
    std::string_view on;
    std::string_view off;
    EditCheck check;
};

// In the order they are applied; contradicting pairs are refused first.
constexpr BoxOption kBoxes[] = {
    {"--brother", "--no-brother", EditCheck::Brother},
    {"--sister", "--no-sister", EditCheck::Sister},
    {"--elder", "--no-elder", EditCheck::Elder},
    {"--servant", "--no-servant", EditCheck::Servant},
    {"--baptized", "--no-baptized", EditCheck::BaptizedBrother},
    {"--regular", "--no-regular", EditCheck::RegularPioneer},
    {"--special", "--no-special", EditCheck::SpecialPioneer},
    {"--continuous-aux", "--no-continuous-aux", EditCheck::ContinuousAuxiliary},
    {"--head", "--no-head", EditCheck::HouseholdHead},
    {"--anointed", "--no-anointed", EditCheck::Anointed},
    {"--deaf", "--no-deaf", EditCheck::Deaf},
    {"--blind", "--no-blind", EditCheck::Blind},
    {"--isolated", "--no-isolated", EditCheck::Isolated},
    {"--consent", "--no-consent", EditCheck::Consent},
};

// Pairs that the interlocks would silently resolve one way.
constexpr std::pair<std::string_view, std::string_view> kConflicts[] = {
    {"--sister", "--brother"},         {"--sister", "--elder"},
    {"--sister", "--servant"},         {"--sister", "--baptized"},
    {"--no-brother", "--elder"},       {"--no-brother", "--servant"},
    {"--no-brother", "--baptized"},    {"--elder", "--servant"},
    {"--elder", "--baptized"},         {"--servant", "--baptized"},
    {"--regular", "--special"},        {"--regular", "--continuous-aux"},
    {"--special", "--continuous-aux"}, {"--consent-date", "--no-consent"},
};

std::optional<Arguments> parseFields(Context& context, const std::vector<std::string>& args,
                                     std::string& error) {
    return Arguments::parse(context.command, args,
                            {{"--id", true},
                             {"--fname", true},
                             {"--lname", true},
                             {"--addr", true},
                             {"--phone", true},
                             {"--mobile", true},
                             {"--office", true},
                             {"--email", true},
                             {"--group", true},
                             {"--birth", true},
                             {"--baptism", true},
                             {"--consent-date", true},
                             {"--clear", true},
                             {"--status", true},
                             {"--status-month", true},
                             {"--overwrite", false},
                             {"--brother", false},
                             {"--no-brother", false},
                             {"--sister", false},
                             {"--no-sister", false},
                             {"--elder", false},
                             {"--no-elder", false},
                             {"--servant", false},
                             {"--no-servant", false},
                             {"--baptized", false},
                             {"--no-baptized", false},
                             {"--regular", false},
                             {"--no-regular", false},
                             {"--special", false},
                             {"--no-special", false},
                             {"--continuous-aux", false},
                             {"--no-continuous-aux", false},
                             {"--head", false},
                             {"--no-head", false},
                             {"--anointed", false},
                             {"--no-anointed", false},
                             {"--deaf", false},
                             {"--no-deaf", false},
                             {"--blind", false},
                             {"--no-blind", false},
                             {"--isolated", false},
                             {"--no-isolated", false},
                             {"--consent", false},
                             {"--no-consent", false}},
                            false, error);
}

bool given(const Arguments& a, std::string_view name) {
    return a.has(name) || a.value(name).has_value();
}

std::string utf8Name(const CVelnoDoc& doc, int pos) {
    return text::cp1252ToUtf8(doc.displayName(pos));
}

std::optional<StatusChoice> statusChoice(std::string_view s) {
    if (s == "new") return StatusChoice::NewPublisher;
    if (s == "transfer") return StatusChoice::RegularTransfer;
    if (s == "special-transfer") return StatusChoice::SpecialTransfer;
    if (s == "reactivated") return StatusChoice::Reactivated;
    if (s == "clear") return StatusChoice::Clear;
    return std::nullopt;
}

// ---- add and edit ----------------------------------------------------------

// Applies the options to the editor as a user would type them. Returns an
// exit code (Usage for bad options) or Ok; a refused text leaves `refused`.
int applyFields(Context& context, const Arguments& a, PublisherEditModel& editor, bool& refused) {
    for (const auto& [x, y] : kConflicts)
        if (given(a, x) && given(a, y))
            return context.usage(text::arg(text::tr(text::TxCliConflict), x, y));
    for (const BoxOption& box : kBoxes)
        if (a.has(box.on) && a.has(box.off))
            return context.usage(text::arg(text::tr(text::TxCliConflict), box.on, box.off));

    std::vector<std::string> cleared;
    if (auto list = a.value("--clear")) {
        std::stringstream items(*list);
        std::string item;
        static const std::vector<std::string> known = {"addr",  "phone", "mobile", "office",
                                                       "email", "birth", "baptism"};
        while (std::getline(items, item, ',')) {
            if (std::find(known.begin(), known.end(), item) == known.end())
                return context.usage(text::arg(text::tr(text::TxCliBadChoice), "--clear",
                                               "addr,phone,mobile,office,email,birth,baptism",
                                               item));
            cleared.push_back(item);
        }
    }
    auto isCleared = [&](const char* name) {
        return std::find(cleared.begin(), cleared.end(), name) != cleared.end();
    };

    struct TextOption {
        const char* option;
        const char* clearName;
        EditField field;
    };
    static const TextOption kTexts[] = {
        {"--fname", nullptr, EditField::FirstName}, {"--lname", nullptr, EditField::LastName},
        {"--addr", "addr", EditField::Address},     {"--phone", "phone", EditField::Phone},
        {"--mobile", "mobile", EditField::Mobile},  {"--office", "office", EditField::Office},
        {"--email", "email", EditField::Email},
    };
    for (const TextOption& t : kTexts) {
        std::optional<std::string> value = a.value(t.option);
        if (t.clearName && isCleared(t.clearName)) {
            if (value)
                return context.usage(text::arg(text::tr(text::TxCliConflict), t.option, "--clear"));
            value = std::string();
        }
        if (!value) continue;
        if (editor.setText(t.field, *value).refused) refused = true;
        if (t.field == EditField::FirstName) editor.focusLost(EditField::FirstName);
    }
    if (refused) return Ok;

    if (auto group = a.value("--group")) {
        const auto n = parseWholeNumber(*group, 0, 20);
        if (!n)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--group", "0", "20", *group));
        editor.setGroup(static_cast<int>(*n));
    }

    for (const BoxOption& box : kBoxes)
        if (a.has(box.off)) editor.setChecked(box.check, false);
    for (const BoxOption& box : kBoxes)
        if (a.has(box.on)) editor.setChecked(box.check, true);
    if (a.value("--consent-date")) editor.setChecked(EditCheck::Consent, true);
    for (const BoxOption& box : kBoxes) {
        const bool wanted = a.has(box.on);
        if ((wanted || a.has(box.off)) && editor.checked(box.check) != wanted) {
            // The dialog keeps this box as it is ("Kepala Keluarga" while
            // members are linked).
            return context.fail(text::arg(text::tr(text::TxCliBoxLocked), wanted ? box.on : box.off,
                                          editor.caption(box.check)));
        }
    }

    struct DateOption {
        const char* option;
        const char* clearName;
        EditDate date;
    };
    static const DateOption kDates[] = {{"--birth", "birth", EditDate::Birth},
                                        {"--baptism", "baptism", EditDate::Baptism},
                                        {"--consent-date", nullptr, EditDate::Consent}};
    for (const DateOption& d : kDates) {
        if (d.clearName && isCleared(d.clearName)) {
            if (a.value(d.option))
                return context.usage(text::arg(text::tr(text::TxCliConflict), d.option, "--clear"));
            editor.setDate(d.date, 0, 0, 0);
        }
        const auto value = a.value(d.option);
        if (!value) continue;
        const auto parts = parseDateOption(*value);
        if (!parts || !editor.setDate(d.date, parts->month, parts->day, parts->year))
            return context.usage(text::arg(text::tr(text::TxCliBadDate), d.option, *value));
    }
    return Ok;
}

// The status the dialog would be given, as options.
int statusOption(Context& context, const Arguments& a,
                 std::optional<std::pair<StatusChoice, int>>& status) {
    const auto kind = a.value("--status");
    const auto month = a.value("--status-month");
    if (!kind) {
        if (month)
            return context.usage(
                text::arg(text::tr(text::TxCliConflict), "--status-month", "(no --status)"));
        return Ok;
    }
    const auto choice = statusChoice(*kind);
    if (!choice)
        return context.usage(text::arg(text::tr(text::TxCliBadChoice), "--status",
                                       "new|transfer|special-transfer|reactivated|clear", *kind));
    int m = 0;
    if (month) {
        const auto n = parseWholeNumber(*month, 1, 12);
        if (!n)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--status-month", "1", "12", *month));
        m = static_cast<int>(*n);
    }
    status = std::make_pair(*choice, m);
    return Ok;
}

StatusFields chooseStatus(PublisherStatusModel& dialog, std::pair<StatusChoice, int> status) {
    dialog.setChoice(status.first);
    if (status.second) dialog.setMonthRow(status.second);
    return dialog.result();
}

int addOrEdit(Context& context, const std::vector<std::string>& args, bool adding) {
    std::string error;
    const auto a = parseFields(context, args, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = parseAddOrEditId(context, *a, adding, id); code != Ok) return code;
    std::optional<std::pair<StatusChoice, int>> status;
    if (const int code = statusOption(context, *a, status); code != Ok) return code;

    RecordSession session(context, a->has("--overwrite"));
    if (const int code = session.open(adding ? nullptr : &id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    if (!adding) {
        if (doc.store().at(pos).listKind != ListActive)
            return context.fail(text::arg(text::tr(text::TxCliNotActive), utf8Name(doc, pos)));
    }
    PublisherEditModel editor(doc, nullptr, adding ? EditMode::Add : EditMode::Edit, pos);
    bool refused = false;
    if (const int code = applyFields(context, *a, editor, refused); code != Ok) return code;
    Outcome outcome;
    if (refused) {
        outcome.line = text::tr(text::TxCliNotStored);
        return report(context, prompter, outcome);
    }
    if (status) {
        if (adding) {
            editor.runStatusDialog = [&](PublisherStatusModel& dialog) {
                return std::optional<StatusFields>(chooseStatus(dialog, *status));
            };
        } else {
            PublisherStatusModel dialog = editor.statusDialog();
            editor.applyStatus(chooseStatus(dialog, *status));
        }
    }

    const StoreStatus stored = editor.ok();
    if (stored != StoreStatus::Stored) {
        outcome.line = text::tr(stored == StoreStatus::BlankLastName ? text::TxCliBlankLastName
                                                                     : text::TxCliNotStored);
        return report(context, prompter, outcome);
    }
    if (const int code = save(context, session); code != Ok) return code;
    outcome.ok = true;
    outcome.id = editor.copy().id;
    outcome.line = text::arg(text::tr(text::TxCliStored), utf8Name(doc, editor.storePos()),
                             std::to_string(outcome.id));
    return report(context, prompter, outcome);
}

// ---- delete -------------------------------------------------------------------

int deletePublisher(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(
        context.command, args,
        {{"--id", true}, {"--temporary", false}, {"--month", true}, {"--year", true}}, false,
        error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    if (!a->has("--temporary") && (a->value("--month") || a->value("--year")))
        return context.usage(
            text::arg(text::tr(text::TxCliConflict), "--month/--year", "(no --temporary)"));

    RecordSession session(context);
    if (const int code = session.open(&id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    const int kind = doc.store().at(pos).listKind;
    if (kind == ListMoved || kind == ListDeleted) {
        // The moved and the deleted list only delete for good.
        if (a->has("--temporary"))
            return context.fail(text::arg(text::tr(text::TxCliCannotMove), utf8Name(doc, pos),
                                          std::to_string(id.id()), listText(ListDeleted)));
        const std::string name = utf8Name(doc, pos);
        deletePermanently(doc, pos);
        if (const int code = save(context, session); code != Ok) return code;
        Outcome outcome{
            true, text::arg(text::tr(text::TxCliDeleted), name, std::to_string(id.id())), id.id()};
        return report(context, prompter, outcome);
    }
    if (kind != ListActive && kind != ListInactive)
        return context.fail(text::arg(text::tr(text::TxCliCannotMove), utf8Name(doc, pos),
                                      std::to_string(id.id()), listText(ListDeleted)));

    DeletePublisherModel dialog(doc, pos);
    if (a->has("--temporary")) {
        dialog.setKind(DeleteKind::Temporary);
        if (auto month = a->value("--month")) {
            const auto n = parseWholeNumber(*month, 0, 12);
            if (!n)
                return context.usage(
                    text::arg(text::tr(text::TxCliBadNumber), "--month", "0", "12", *month));
            dialog.setMonthLine(static_cast<int>(*n));
        }
        if (auto year = a->value("--year")) {
            const int last = doc.reportMonth().reportYear();
            const auto n = parseWholeNumber(*year, DeletePublisherModel::kFirstYear, last);
            if (!n)
                return context.usage(text::arg(text::tr(text::TxCliBadNumber), "--year", "1950",
                                               std::to_string(last), *year));
            dialog.setYearLine(static_cast<int>(*n) - DeletePublisherModel::kFirstYear);
        }
    }
    const std::string name = utf8Name(doc, pos);
    Outcome outcome;
    outcome.id = id.id();
    if (!applyDeletion(doc, pos, dialog.ok())) {
        outcome.line =
            text::arg(text::tr(text::TxCliDeletedListFull), std::to_string(kDeletedListLimit));
        return report(context, prompter, outcome);
    }
    if (const int code = save(context, session); code != Ok) return code;
    outcome.ok = true;
    outcome.line =
        text::arg(text::tr(dialog.kind() == DeleteKind::Permanent ? text::TxCliDeleted
                                                                  : text::TxCliDeletedTemporarily),
                  name, std::to_string(id.id()));
    return report(context, prompter, outcome);
}

// ---- move ------------------------------------------------------------------------

int movePublisher(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a = Arguments::parse(
        context.command, args,
        {{"--id", true}, {"--to", true}, {"--month", true}, {"--year", true}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    const auto to = a->value("--to");
    const auto monthText = a->value("--month");
    if (!to) return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--to"));
    if (!monthText) return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--month"));
    if (*to != "inactive" && *to != "active" && *to != "moved")
        return context.usage(
            text::arg(text::tr(text::TxCliBadChoice), "--to", "inactive|active|moved", *to));
    const bool toInactive = *to == "inactive";
    const bool toMoved = *to == "moved";
    if (!toInactive && a->value("--year"))
        return context.usage(text::tr(text::TxCliYearOnlyToInactive));
    const auto month = parseWholeNumber(*monthText, 1, 12);
    if (!month)
        return context.usage(
            text::arg(text::tr(text::TxCliBadNumber), "--month", "1", "12", *monthText));

    RecordSession session(context);
    if (const int code = session.open(&id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    const int from = doc.store().at(pos).listKind;
    const std::string name = utf8Name(doc, pos);
    Outcome outcome;
    outcome.id = id.id();
    const int target = toInactive ? ListInactive : toMoved ? ListMoved : ListActive;
    auto cannot = [&] {
        outcome.line = text::arg(text::tr(text::TxCliCannotMove), name, std::to_string(id.id()),
                                 listText(target));
        return report(context, prompter, outcome);
    };

    std::string extra;
    if (toMoved) {
        if (from != ListActive && from != ListInactive) return cannot();
        MonthChoiceModel question = moveQuestion(doc, pos, MoveVerb::MovedAway);
        question.setMonthLine(static_cast<int>(*month) - 1);
        if (!moveAway(doc, pos, question.ok().month)) {
            outcome.line =
                text::arg(text::tr(text::TxCliMovedListFull), std::to_string(kMovedListLimit));
            return report(context, prompter, outcome);
        }
    } else if (toInactive) {
        if (from != ListActive) return cannot();
        MonthChoiceModel question = moveQuestion(doc, pos, MoveVerb::ToInactive);
        question.setMonthLine(static_cast<int>(*month) - 1);
        if (auto year = a->value("--year")) {
            const int last = doc.reportMonth().reportYear();
            const auto y = parseWholeNumber(*year, MonthChoiceModel::kFirstYear, last);
            if (!y)
                return context.usage(text::arg(text::tr(text::TxCliBadNumber), "--year", "1950",
                                               std::to_string(last), *year));
            question.setYearLine(static_cast<int>(*y) - MonthChoiceModel::kFirstYear);
        }
        const MonthChoice choice = question.ok();
        if (!moveToInactive(doc, pos, choice.month, choice.year)) {
            outcome.line = text::arg(text::tr(text::TxCliInactiveListFull),
                                     std::to_string(kInactiveListLimit));
            return report(context, prompter, outcome);
        }
    } else if (from == ListInactive) {
        const int cleared = reactivatePublisher(doc, pos, static_cast<int>(*month));
        extra = text::arg(text::tr(text::TxCliMonthsCleared), std::to_string(cleared));
    } else if (from == ListBibleStudent) {
        promoteBibleStudent(doc, pos, static_cast<int>(*month));
    } else if (from == ListDeleted) {
        restoreDeleted(doc, pos, static_cast<int>(*month));
    } else {
        return cannot();
    }
    if (const int code = save(context, session); code != Ok) return code;
    outcome.ok = true;
    outcome.line =
        text::arg(text::tr(text::TxCliMovedTo), name, std::to_string(id.id()), listText(target));
    if (!extra.empty()) outcome.line += "; " + extra;
    return report(context, prompter, outcome);
}

// ---- unmove ------------------------------------------------------------------------

int unmovePublisher(Context& context, const std::vector<std::string>& args) {
    std::string error;
    const auto a =
        Arguments::parse(context.command, args,
                         {{"--id", true}, {"--month", true}, {"--regular", false}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    std::optional<long long> month;
    if (const auto m = a->value("--month")) {
        month = parseWholeNumber(*m, 1, 12);
        if (!month)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--month", "1", "12", *m));
    }

    RecordSession session(context);
    if (const int code = session.open(&id); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const RecordingPrompter& prompter = session.prompter();
    const int pos = session.pos();
    const std::string name = utf8Name(doc, pos);
    const PublisherRecord& r = doc.store().at(pos);
    Outcome outcome;
    outcome.id = id.id();
    if (r.listKind != ListMoved) {
        outcome.line = text::arg(text::tr(text::TxCliCannotMove), name, std::to_string(id.id()),
                                 listText(ListActive));
        return report(context, prompter, outcome);
    }
    const bool toInactive = returnsToInactive(r);
    if (toInactive && (month || a->has("--regular")))
        return context.usage(
            text::arg(text::tr(text::TxCliUnmoveToInactive), name, std::to_string(id.id())));
    if (!toInactive && !month)
        return context.usage(
            text::arg(text::tr(text::TxCliUnmoveNeedsMonth), name, std::to_string(id.id())));
    MonthChoice choice;
    if (!toInactive) {
        MonthChoiceModel question(doc.reportMonth(), moveCaption(doc, pos, MoveVerb::Returned),
                                  MonthChoiceExtra::RegularCheck);
        question.setMonthLine(static_cast<int>(*month) - 1);
        question.setRegularChecked(a->has("--regular"));
        choice = question.ok();
    }
    undoMove(doc, pos, choice.month, choice.regular);
    if (const int code = save(context, session); code != Ok) return code;
    outcome.ok = true;
    outcome.line = text::arg(text::tr(text::TxCliMovedTo), name, std::to_string(id.id()),
                             listText(toInactive ? ListInactive : ListActive));
    return report(context, prompter, outcome);
}

}  // namespace

int runPublisher(Context& context) {
    if (context.args.empty()) return context.usage(text::tr(text::TxCliPublisherUsage));
    const std::string sub = context.args.front();
    const std::vector<std::string> rest(context.args.begin() + 1, context.args.end());
    if (sub == "--help" || sub == "help") {
        context.out << text::tr(text::TxCliPublisherUsage) << '\n';
        return Ok;
    }
    if (sub == "add") return addOrEdit(context, rest, true);
    if (sub == "edit") return addOrEdit(context, rest, false);
    if (sub == "delete") return deletePublisher(context, rest);
    if (sub == "move") return movePublisher(context, rest);
    if (sub == "unmove") return unmovePublisher(context, rest);
    return context.usage(text::tr(text::TxCliPublisherUsage));
}

}  // namespace velno::cli
