#pragma once
// Reports for earlier months that arrive during the ReportMonth: they are
// counted in the ReportMonth's branch report (see TallyMonth).

#include "store/LateReportList.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;
struct ReportMonth;

// Parity of month0 at its most recent occurrence seen from the ReportMonth.
int lateParity(const ReportMonth& month, int month0);

// A saved slip for a month other than the ReportMonth that is to be
// carried. A second report for the same publisher and month replaces the
// first and goes last; at 250 entries a new one is not kept.
void AddLateReport(CVelnoDoc& doc, PublisherId id, int month0);

// month0 + 1 of the entry when it belongs to the record and the record
// holds a report for that month; 0 otherwise.
int LateReportMonth(const CVelnoDoc& doc, const LateReportEntry& entry,
                    const PublisherRecord& record);

// Whether the publisher already has a late report for month0.
bool hasLateReport(const CVelnoDoc& doc, PublisherId id, int month0);

// "Hapus Laporan Terlambat": asks, then empties the list and re-tallies.
// Returns whether the list was cleared.
bool ClearLateReports(CVelnoDoc& doc);
// The menu item is enabled while the list holds entries.
bool clearLateReportsEnabled(const CVelnoDoc& doc);

}  // namespace velno
