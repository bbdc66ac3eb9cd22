#pragma once
// Meeting attendance can be entered for the month after the ReportMonth
// before that month is opened; it waits in the working slot (parity 2) of
// its month until the month is initialised.

namespace velno {

class CVelnoDoc;

// At the initialisation of (month0, parity), in both meeting blocks: the
// early-entry figures of month0 (weekly figures, number of meetings, total,
// average) replace the month's slot, and the early-entry slots of every
// other month are emptied.
void moveEarlyAttendance(CVelnoDoc& doc, int month0, int parity);

}  // namespace velno
