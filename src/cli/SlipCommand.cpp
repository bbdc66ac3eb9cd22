// velno-cli slip: one report slip, opened from the report list as the
// dialog would be, changed by the options given, and saved.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "cli/ReportMonthCli.h"
#include "reporting/ReportListModel.h"
#include "reporting/ReportSlipModel.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno::cli {

namespace {

// --flag / --no-flag: nothing when neither is given.
std::optional<bool> choice(const Arguments& a, const char* on, const char* off) {
    if (a.has(on)) return true;
    if (a.has(off)) return false;
    return std::nullopt;
}

}  // namespace

int runSlip(Context& context) {
    std::string error;
    const auto a = Arguments::parse(context.command, context.args,
                                    {{"--id", true},
                                     {"--month", true},
                                     {"--shared", false},
                                     {"--no-shared", false},
                                     {"--hours", true},
                                     {"--studies", true},
                                     {"--aux", false},
                                     {"--no-aux", false},
                                     {"--remark", true}},
                                    false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    std::optional<long long> month, hours, studies;
    if (auto m = a->value("--month")) {
        month = parseWholeNumber(*m, 1, 12);
        if (!month)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--month", "1", "12", *m));
    }
    if (auto h = a->value("--hours")) {
        hours = parseWholeNumber(*h, 0, 65535);
        if (!hours)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--hours", "0", "65535", *h));
    }
    if (auto s = a->value("--studies")) {
        studies = parseWholeNumber(*s, 0, 1023);
        if (!studies)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--studies", "0", "1023", *s));
    }
    if (a->has("--shared") && a->has("--no-shared"))
        return context.usage(
            text::arg(text::tr(text::TxCliSlipTwoChoices), "--shared", "--no-shared"));
    if (a->has("--aux") && a->has("--no-aux"))
        return context.usage(text::arg(text::tr(text::TxCliSlipTwoChoices), "--aux", "--no-aux"));
    const auto shared = choice(*a, "--shared", "--no-shared");
    const auto aux = choice(*a, "--aux", "--no-aux");

    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    if (!ReportSlipModel::monthOpen(doc))
        return context.fail(text::arg(text::tr(text::TxCliSlipMonthNotOpen), reportMonthName(doc),
                                      reportYearText(doc)));
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    const std::string name = text::cp1252ToUtf8(doc.displayName(pos));
    if (!ReportSlipModel::takesReports(doc, pos))
        return context.fail(text::arg(text::tr(text::TxCliNotActivePublisher), name));

    ReportListModel list(doc);
    ReportSlipModel slip(doc, pos);
    if (month) {
        slip.showMonthList();
        slip.chooseMonth(static_cast<int>(*month) - 1);
    }
    const std::vector<std::string> info = slip.infoLines();
    const std::string slipMonth = slip.monthText();
    const int slipYear =
        month ? doc.reportMonth().recentYear(slip.month0()) : doc.reportMonth().reportYear();

    if (aux) {
        if (!slip.auxiliaryCheckVisible())
            return context.fail(text::arg(text::tr(text::TxCliSlipNoAuxiliary), name));
        slip.setAuxiliary(*aux);
    }
    if (shared) slip.setShared(*shared);
    if (hours) {
        // As in the dialog: the field appears once "Berdinas" is checked.
        if (*hours > 0 && !slip.shared()) slip.setShared(true);
        if (!slip.hoursVisible() && *hours > 0)
            return context.fail(text::arg(text::tr(text::TxCliSlipNoHours), name));
        slip.setHoursText(std::to_string(*hours));
        slip.hoursFocusLost();
    }
    if (studies) {
        if (*studies > 0 && !slip.shared()) slip.setShared(true);
        slip.setStudiesText(std::to_string(*studies));
    }
    SlipSaveResult result;
    if (auto remark = a->value("--remark")) {
        slip.beginRemark();
        result = slip.finishRemark(*remark);
        if (!slip.closed()) return Failure;  // the text cannot be stored; told above
    } else {
        result = slip.save();
    }
    list.slipClosed();
    if (result.changed) {
        if (const int code = saveReporting(context, session); code != Ok) return code;
    }
    const PublisherRecord& stored = *doc.store().recordById(id.id());
    const int credit = stored.credit[monthSlot(slip.month0(), slip.parity())];

    std::ostream& out = context.out;
    if (context.options.json) {
        JsonWriter json(out);
        json.beginObject().field("credit", credit);
        json.key("info").beginArray();
        for (const auto& line : info) json.value(line);
        json.endArray().field("late", result.carriedLate).endObject().finish();
        return Ok;
    }
    for (const auto& line : info) out << line << '\n';
    out << (result.changed ? text::arg(text::tr(text::TxCliSlipSaved), name, slipMonth,
                                       std::to_string(slipYear))
                           : text::tr(text::TxCliSlipUnchanged))
        << '\n'
        << text::arg(text::tr(text::TxCliSlipCredit), std::to_string(credit)) << '\n'
        << text::arg(text::tr(text::TxCliSlipLate),
                     text::tr(result.carriedLate ? text::TxCliYes : text::TxCliNo))
        << '\n';
    return Ok;
}

}  // namespace velno::cli
