#include "store/OldReports.h"

#include "store/CVelnoDoc.h"
#include "store/Snapshots.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace {

const ReportMonth& liveMonth(const CVelnoDoc& doc) {
    return doc.oldYearView ? doc.oldReportView().liveMonth : doc.reportMonth();
}

int snapshotNumber(int month0) {
    return month0 + 1;
}

}  // namespace

std::vector<OldReportEntry> oldReportEntries(const CVelnoDoc& doc) {
    const unsigned mask = snapshotAvailability(doc);
    const int liveStamp = liveMonth(doc).reportStamp;
    std::vector<OldReportEntry> entries;
    for (int k = 1; k <= kOldReportMonths; ++k) {
        OldReportEntry e;
        e.monthsBack = k;
        e.month0 = month0OfStamp(liveStamp - k);
        e.year = yearOfStamp(liveStamp - k);
        e.snapshotNumber = snapshotNumber(e.month0);
        e.available = (mask >> k) & 1u;
        e.label = text::monthName(e.month0);
        entries.push_back(std::move(e));
    }
    return entries;
}

void discardRemarkEdits(CVelnoDoc& doc) {
    DataFolder& folder = doc.folder();
    // Without an undo copy there was no remark file at load.
    doc.reportWriteFailure(folder.exists(RemarkTable::kUndoFileName)
                               ? folder.copy(RemarkTable::kUndoFileName, RemarkTable::kFileName)
                               : folder.remove(RemarkTable::kFileName));
}

OldReportResult openOldReport(CVelnoDoc& doc, int monthsBack) {
    if (monthsBack < 1 || monthsBack > kOldReportMonths) return OldReportResult::BadMonth;
    if (doc.dirty && !doc.oldYearView) {
        const Answer answer = doc.prompter().ask(text::tr(text::TxSaveChanges),
                                                 Buttons::YesNoCancel, Answer::Yes, Icon::Question);
        if (answer == Answer::Cancel) return OldReportResult::Cancelled;
        if (answer == Answer::Yes) {
            // Unsaved work is never dropped because a save failed.
            const SaveOutcome saved = doc.saveAll();
            if (saved == SaveOutcome::PartlyFailed || saved == SaveOutcome::Refused)
                return OldReportResult::SaveFailed;
        } else {
            discardRemarkEdits(doc);
        }
    }
    return showSnapshot(doc, monthsBack) ? OldReportResult::Opened : OldReportResult::BadMonth;
}

bool showSnapshot(CVelnoDoc& doc, int monthsBack) {
    if (monthsBack < 1 || monthsBack > kOldReportMonths) return false;
    OldReportView& view = doc.oldReportView();
    if (doc.oldYearView) {
        doc.reportMonth() = view.liveMonth;
    } else {
        if (!doc.isReadOnly())
            (void)doc.folder().remove(RemarkTable::kUndoFileName);  // only a copy
        view.liveFolder = doc.folder().path();
        view.liveMonth = doc.reportMonth();
    }
    view.monthsBack = monthsBack;
    doc.oldYearView = true;
    doc.reportMonth().setStamp(view.liveMonth.reportStamp - monthsBack);
    const auto folder =
        snapshotFolder(view.liveFolder, snapshotNumber(doc.reportMonth().reportMonth0));

    // Nothing is converted and nothing is written in a snapshot.
    PreviousFormat* converter = doc.previousFormat();
    doc.setPreviousFormat(nullptr);
    doc.folder().setReadOnly(true);
    doc.loadStore(folder);
    doc.setPreviousFormat(converter);
    doc.dirty = false;
    return true;
}

bool returnToLiveData(CVelnoDoc& doc) {
    if (!doc.oldYearView) return true;
    OldReportView& view = doc.oldReportView();
    doc.reportMonth() = view.liveMonth;
    doc.oldYearView = false;
    doc.folder().setReadOnly(false);
    // The password was given when the live data were first opened.
    const bool loaded = doc.loadStore(view.liveFolder, CVelnoDoc::Admission::AlreadyGiven);
    view = OldReportView{};
    return loaded;
}

}  // namespace velno
