// velno-cli month: the report month and its collection state; the start
// dialog's buttons as actions.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "cli/ReportMonthCli.h"
#include "reporting/CollectionState.h"
#include "reporting/StartCollectionModel.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno::cli {

namespace {

const std::string& stateName(int state) {
    switch (state) {
        case Collection::Open:
            return text::tr(text::TxCliStateOpenShort);
        case Collection::Closed:
            return text::tr(text::TxCliStateClosed);
        default:
            return text::tr(text::TxCliStateNotInitialised);
    }
}

// The start dialog's questions: answered OK only when the command was told
// to go ahead; messages go to the error stream.
class StartPrompter : public Prompter {
public:
    StartPrompter(std::ostream& err, bool goAhead) : err_(err), goAhead_(goAhead) {}
    Answer ask(const std::string& text, Buttons buttons, Answer defaultAnswer, Icon) override {
        asked.push_back(text);
        if (goAhead_ && buttons == Buttons::OkCancel) return Answer::Ok;
        return defaultAnswer;
    }
    void tell(const std::string& text, Icon) override { err_ << text << '\n'; }
    std::vector<std::string> asked;

private:
    std::ostream& err_;
    bool goAhead_;
};

int showMonth(Context& context) {
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    const ReportMonth& month = doc.reportMonth();
    const auto& late = doc.lateReports().entries();
    std::ostream& out = context.out;
    if (context.options.json) {
        JsonWriter json(out);
        json.beginObject();
        json.key("reportMonth")
            .beginObject(JsonWriter::Layout::Inline)
            .field("month", month.reportMonth0 + 1)
            .field("year", month.reportYear())
            .field("stamp", static_cast<int>(month.reportStamp))
            .field("state", reportMonthState(doc))
            .endObject();
        json.key("states").beginArray(JsonWriter::Layout::Inline);
        for (int m = 0; m < 12; ++m) json.value(collectionState(doc, m));
        json.endArray();
        json.key("late").beginArray();
        for (const LateReportEntry& e : late)
            json.beginObject(JsonWriter::Layout::Inline)
                .field("id", static_cast<int>(e.id))
                .field("month", e.month0 + 1)
                .field("processing", static_cast<int>(e.processing))
                .endObject();
        json.endArray().endObject().finish();
        return Ok;
    }
    // The internal stamp is for scripts (--json) only.
    out << text::arg(text::tr(text::TxCliMonthLine), reportMonthName(doc), reportYearText(doc),
                     stateName(reportMonthState(doc)))
        << '\n'
        << text::tr(text::TxCliMonthStatesHeading) << '\n';
    for (int m = 0; m < 12; ++m)
        out << text::arg(text::tr(text::TxCliMonthStateLine), text::monthName(m),
                         stateName(collectionState(doc, m)))
            << '\n';
    out << text::arg(text::tr(text::TxCliLateHeading), std::to_string(late.size())) << '\n';
    for (const LateReportEntry& e : late) {
        const int pos = doc.store().storePosById(e.id);
        out << text::arg(text::tr(text::TxCliLateLine), std::to_string(e.id),
                         text::cp1252ToUtf8(doc.displayName(pos)), text::monthName(e.month0),
                         text::monthName(e.processing - 1))
            << '\n';
    }
    return Ok;
}

// Runs one button of the start dialog and saves.
int startDialogAction(Context& context, const std::string& action, bool yes) {
    StartPrompter prompter(context.err, yes || action == "early");
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    doc.setPrompter(&prompter);
    const std::string before = reportMonthName(doc) + " " + reportYearText(doc);

    if (action == "close") {
        if (reportMonthState(doc) != Collection::Open)
            return context.fail(
                text::arg(text::tr(text::TxCliNotOpen), reportMonthName(doc), reportYearText(doc)));
        CloseCollection(doc);
        if (const int code = saveReporting(context, session); code != Ok) return code;
        context.out << text::arg(text::tr(text::TxCliClosedDone), reportMonthName(doc),
                                 reportYearText(doc))
                    << '\n';
        return Ok;
    }

    StartCollectionModel dialog(doc);
    if (action == "reopen") {
        if (!dialog.pressReopen())
            return context.fail(text::arg(text::tr(text::TxCliNothingToReopen), before));
    } else if (action == "early") {
        // The dialog offers the early start only for a month not open; a
        // load always finds an initialised month open, so the command closes
        // it first, as the report list's close button would.
        if (reportMonthState(doc) == Collection::Open && dialog.earlyStartTime())
            CloseCollection(doc);
        if (!dialog.earlyStartVisible()) return context.fail(text::tr(text::TxCliEarlyNotNow));
        dialog.pressEarlyStart();
    } else if (!dialog.pressInitialise()) {
        return context.fail(text::arg(text::tr(text::TxCliInitRefused),
                                      prompter.asked.empty() ? "" : prompter.asked.back()));
    }
    const StartOutcome outcome = finishStartDialog(doc, dialog);
    if (const int code = saveReporting(context, session); code != Ok) return code;

    std::ostream& out = context.out;
    const std::string name = reportMonthName(doc);
    const std::string year = reportYearText(doc);
    if (!outcome.initialised) {
        out << text::arg(text::tr(text::TxCliReopened), name, year) << '\n';
    } else {
        const InitialiseResult& r = outcome.initialisation;
        // The snapshot keeps the month that has just ended.
        const int ended = doc.reportMonth().reportStamp - 1;
        if (r.snapshotTaken)
            out << text::arg(text::tr(text::TxCliSnapshotTaken),
                             text::monthName(month0OfStamp(ended)) + " " +
                                 std::to_string(yearOfStamp(ended)))
                << '\n';
        if (r.inactiveRemoved || r.deletedRemoved || r.movedRemoved)
            out << text::arg(text::tr(text::TxCliRecordsRemoved), std::to_string(r.inactiveRemoved),
                             std::to_string(r.deletedRemoved), std::to_string(r.movedRemoved))
                << '\n';
        out << text::arg(text::tr(text::TxCliInitialised), name, year) << '\n';
    }
    out << outcome.statusText << '\n';
    return Ok;
}

}  // namespace

int runMonth(Context& context) {
    std::string error;
    const auto a = Arguments::parse(context.command, context.args, {{"--yes", false}}, true, error);
    if (!a) return context.usage(error);
    if (a->words().empty()) {
        if (a->has("--yes"))
            return context.usage(
                text::arg(text::tr(text::TxCliUnexpectedArgument), "month", "--yes"));
        return showMonth(context);
    }
    if (a->words().size() > 1)
        return context.usage(
            text::arg(text::tr(text::TxCliUnexpectedArgument), "month", a->words()[1]));
    const std::string& action = a->words()[0];
    if (action != "init" && action != "reopen" && action != "close" && action != "early")
        return context.usage(text::arg(text::tr(text::TxCliMonthUnknownAction), action));
    return startDialogAction(context, action, a->has("--yes"));
}

}  // namespace velno::cli
