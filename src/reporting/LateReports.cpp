#include "reporting/LateReports.h"

#include <algorithm>

#include "reporting/TallyMonth.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

int lateParity(const ReportMonth& month, int month0) {
    return month0 > month.reportMonth0 ? month.parity() ^ 1 : month.parity();
}

void AddLateReport(CVelnoDoc& doc, PublisherId id, int month0) {
    doc.lateReports().add(id, month0, doc.reportMonth().reportMonth0);
    doc.dirty = true;
}

int LateReportMonth(const CVelnoDoc& doc, const LateReportEntry& entry,
                    const PublisherRecord& record) {
    if (entry.id != record.id || entry.month0 > 11) return 0;
    const int slot = monthSlot(entry.month0, lateParity(doc.reportMonth(), entry.month0));
    // A report given only as "took part in the ministry" counts too.
    const bool reported =
        record.hasReportAt(slot) || (record.studiesWord[slot] & StudiesWord::SharedOrUnderHour);
    return reported ? entry.month0 + 1 : 0;
}

bool hasLateReport(const CVelnoDoc& doc, PublisherId id, int month0) {
    const auto& entries = doc.lateReports().entries();
    return std::any_of(entries.begin(), entries.end(),
                       [&](const LateReportEntry& e) { return e.id == id && e.month0 == month0; });
}

bool ClearLateReports(CVelnoDoc& doc) {
    const std::string question =
        text::arg(text::tr(text::TxClearLateReports), std::to_string(doc.lateReports().count()));
    if (doc.prompter().ask(question, Buttons::OkCancel, Answer::Cancel, Icon::Question) !=
        Answer::Ok)
        return false;
    doc.lateReports().clear();
    doc.dirty = true;
    TallyMonth(doc);
    return true;
}

bool clearLateReportsEnabled(const CVelnoDoc& doc) {
    return doc.lateReports().count() > 0;
}

}  // namespace velno
