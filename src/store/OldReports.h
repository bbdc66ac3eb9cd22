#pragma once
// "View Old Reports": one of the last six month-end snapshots opened
// read-only in place of the live data, and the way back.

#include <string>
#include <vector>

namespace velno {

class CVelnoDoc;

constexpr int kOldReportMonths = 6;

// Entry k of the menu: the month k months before the live ReportMonth.
struct OldReportEntry {
    int monthsBack = 0;  // k, 1..6
    int month0 = 0;
    int year = 0;
    int snapshotNumber = 0;  // n of Roll/Vn9_n
    bool available = false;
    std::string label;  // UTF-8 month name
};
std::vector<OldReportEntry> oldReportEntries(const CVelnoDoc& doc);

enum class OldReportResult { Opened, Cancelled, SaveFailed, BadMonth };

// The menu command: with unsaved changes (live data only) asks "Simpan
// perubahan?" first (Yes saves, No restores the remark file as it was at
// load, Cancel stops), then shows the snapshot.
OldReportResult openOldReport(CVelnoDoc& doc, int monthsBack);

// The switch itself, for a document whose changes were dealt with: the
// snapshot folder becomes the document's folder, read-only, with its own
// month and year; no password, no conversion, nothing written.
bool showSnapshot(CVelnoDoc& doc, int monthsBack);

// Back to the live folder with the live ReportMonth as it was (not derived
// again from today), without asking for the password again.
bool returnToLiveData(CVelnoDoc& doc);

// "No" to saving: the remark file goes back to its state at load (remark
// edits are written through at once).
void discardRemarkEdits(CVelnoDoc& doc);

}  // namespace velno
