// velno-cli pioneer: the enrolment dialog for one publisher and one month.
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "publishers/PioneerEnrolmentModel.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CliTexts.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno::cli {

namespace {

std::string kindText(int kind) {
    switch (kind) {
        case ServiceAuxiliary:
            return text::tr(text::TxListAuxiliary);
        case ServiceRegular:
            return text::tr(text::TxPioneersRegular);
        case ServiceSpecial:
            return text::tr(text::TxSpecialPioneers);
        default:
            break;
    }
    return text::tr(text::TxCliKindPublisher);
}

EnrolmentMode modeOf(int kind) {
    if (kind == ServiceAuxiliary) return EnrolmentMode::Auxiliary;
    if (kind == ServiceRegular) return EnrolmentMode::Regular;
    return EnrolmentMode::Special;
}

int findLine(const std::vector<EnrolmentRow>& rows, int pos) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].storePos == pos) return static_cast<int>(i);
    return -1;
}

}  // namespace

int runPioneer(Context& context) {
    std::string error;
    const auto a = Arguments::parse(
        context.command, context.args,
        {{"--id", true}, {"--kind", true}, {"--month", true}, {"--year", true}}, false, error);
    if (!a) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *a); code != Ok) return code;
    const auto kindName = a->value("--kind");
    const auto monthText = a->value("--month");
    if (!kindName) return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--kind"));
    if (!monthText) return context.usage(text::arg(text::tr(text::TxCliMissingValue), "--month"));
    int target = -1;
    if (*kindName == "aux") target = ServiceAuxiliary;
    if (*kindName == "regular") target = ServiceRegular;
    if (*kindName == "special") target = ServiceSpecial;
    if (*kindName == "none") target = ServicePublisher;
    if (target < 0)
        return context.usage(text::arg(text::tr(text::TxCliBadChoice), "--kind",
                                       "aux|regular|special|none", *kindName));
    const auto month = parseWholeNumber(*monthText, 1, 12);
    if (!month)
        return context.usage(
            text::arg(text::tr(text::TxCliBadNumber), "--month", "1", "12", *monthText));
    std::optional<long long> yearOption;
    if (auto y = a->value("--year")) {
        yearOption = parseWholeNumber(*y, 1900, 2255);
        if (!yearOption)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--year", "1900", "2255", *y));
    }

    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    const std::string name = text::cp1252ToUtf8(doc.displayName(pos));
    if (doc.store().at(pos).listKind != ListActive)
        return context.fail(text::arg(text::tr(text::TxCliNotActive), name));

    const ReportMonth& rm = doc.reportMonth();
    const int month0 = static_cast<int>(*month) - 1;
    const int year = yearOption ? static_cast<int>(*yearOption) : rm.recentYear(month0);
    const std::string monthName = text::monthName(month0);
    // The dialog's year lines are the two-digit years y-2, y-1 and y.
    const int yearLine = (year - 2000) - (rm.reportYear2 - 2);
    const int current = doc.store().at(pos).kindAt(monthSlot(month0, parityOfYear(year)));
    const int shown = target == ServicePublisher ? current : target;
    PioneerEnrolmentModel dialog(
        doc, shown == ServicePublisher ? EnrolmentMode::Auxiliary : modeOf(shown));
    int monthLine = -1;
    if (yearLine >= 0 && yearLine <= 2) {
        dialog.selectYear(yearLine);
        const auto months = dialog.monthLines();
        for (std::size_t i = 0; i < months.size(); ++i)
            if (months[i] == monthName) monthLine = static_cast<int>(i);
    }
    if (monthLine < 0)
        return context.fail(
            text::arg(text::tr(text::TxCliOutsideWindow), monthName, std::to_string(year)));
    dialog.selectMonth(monthLine);

    const std::string yearText = std::to_string(year);
    if (target == ServicePublisher && current == ServicePublisher)
        return context.fail(text::arg(text::tr(text::TxCliNotPioneer), name, monthName, yearText));
    if (target != ServicePublisher && current == target) {
        context.out << text::arg(text::tr(text::TxCliUnchanged), name, kindText(target), monthName,
                                 yearText)
                    << '\n';
        return Ok;
    }
    if (target != ServicePublisher && current != ServicePublisher)
        return context.fail(text::arg(text::tr(text::TxCliAlreadyOther), name, kindText(current),
                                      monthName, yearText));

    const bool adding = target != ServicePublisher;
    const auto& rows = adding ? dialog.leftRows() : dialog.rightRows();
    const int line = findLine(rows, pos);
    if (line < 0) return context.fail(text::tr(text::TxCliNotStored));
    dialog.selectLine(adding ? EnrolmentSide::Left : EnrolmentSide::Right, line);
    dialog.act();
    if (doc.saveAll() != SaveOutcome::Saved)
        return context.fail(
            text::arg(text::tr(text::TxCliSaveFailedPublisher), session.folder().string()));

    const std::string result =
        text::arg(text::tr(text::TxCliPioneerSet), name, kindText(target), monthName, yearText);
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("ok", true)
            .field("id", static_cast<int>(id.id()))
            .field("kind", target)
            .field("month", static_cast<int>(*month))
            .field("year", year)
            .field("title", dialog.title())
            .field("result", result)
            .endObject()
            .finish();
    } else {
        context.out << result << '\n' << dialog.title() << '\n';
    }
    return Ok;
}

}  // namespace velno::cli
