#pragma once
// Opening a month for collection: the month-end snapshot of the month that
// ended, then the month's slot emptied in every record and the month marked
// open.

namespace velno {

class CVelnoDoc;

struct InitialiseResult {
    bool snapshotTaken = false;
    int inactiveRemoved = 0;  // oldest inactive records dropped (list above 280)
    int deletedRemoved = 0;
    int movedRemoved = 0;  // moved a year ago
};

// Initialises slot (month0, parity). Leaves every collection state 0 but
// the month's, which becomes 1.
InitialiseResult InitialiseMonth(CVelnoDoc& doc, int month0, int parity);

}  // namespace velno
