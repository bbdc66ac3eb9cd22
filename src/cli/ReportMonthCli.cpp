#include "cli/ReportMonthCli.h"

#include "cli/Cli.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno::cli {

int saveReporting(Context& context, FolderSession& session) {
    if (session.doc().saveAll() == SaveOutcome::Saved) return Ok;
    return context.fail(text::arg(text::tr(text::TxCliSaveFailed), session.folder().string()));
}

std::string reportMonthName(const CVelnoDoc& doc) {
    return text::monthName(doc.reportMonth().reportMonth0);
}

std::string reportYearText(const CVelnoDoc& doc) {
    return std::to_string(doc.reportMonth().reportYear());
}

}  // namespace velno::cli
