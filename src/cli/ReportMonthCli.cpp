#include "cli/ReportMonthCli.h"

#include "cli/Cli.h"
#include "reporting/CollectionState.h"
#include "reporting/StartCollectionModel.h"
#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "store/SettingsFile.h"
#include "text/Format.h"
#include "text/texts/ReportingTexts.h"

namespace velno::cli {

namespace {

// A session opened without the start-up sequence has not read the settings:
// the early start of the next month would be lost between two commands.
void applySettings(CVelnoDoc& doc, const CalendarDate& today) {
    if (doc.writeSettings) return;
    doc.profile().load(doc.folder().resolve(kSettingsFileName));
    // Every save writes the whole settings table: it must hold the file's values.
    readSettings(doc);
    ReportMonth& month = doc.reportMonth();
    const int loaded = month.reportStamp;
    applyEarlyOverride(doc.profile(), month, today);
    ReportMonth derived = month;
    derived.deriveFrom(today);
    if (derived.reportStamp != loaded) {
        switchReportMonth(doc, derived.reportStamp);
        // The state at load, for the month the load should have found.
        const bool open = doc.header().initYear(month.slot()) == month.reportYear2;
        doc.header().setCollectionState(month.reportMonth0,
                                        open ? Collection::Open : Collection::Closed);
    }
    doc.writeSettings = [](CVelnoDoc& d) { return writeSettings(d); };
}

}  // namespace

int openForReporting(FolderSession& session, const CalendarDate& today) {
    if (const int code = session.open(); code != Ok) return code;
    applySettings(session.doc(), today);
    installTallyOnSave(session.doc());
    TallyMonth(session.doc());
    return Ok;
}

int saveReporting(Context& context, FolderSession& session) {
    if (session.doc().saveAll() == SaveOutcome::Saved) return Ok;
    return context.fail(
        text::arg(text::tr(text::TxCliSaveFailedReporting), session.folder().string()));
}

std::string reportMonthName(const CVelnoDoc& doc) {
    return text::monthName(doc.reportMonth().reportMonth0);
}

std::string reportYearText(const CVelnoDoc& doc) {
    return std::to_string(doc.reportMonth().reportYear());
}

}  // namespace velno::cli
