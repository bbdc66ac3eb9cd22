#pragma once
// Monthly upkeep of the inactive and deleted lists: the oldest records go
// when a list grows too long, and the month being opened is emptied.

namespace velno {

class CVelnoDoc;

constexpr int kSideListTrimAbove = 280;
constexpr int kSideListTrimTo = 250;

// When the inactive list holds more than 280 records, removes the oldest
// (by the year they joined, then month) until 250 remain, but never one
// that joined in the current year. Returns how many were removed.
int trimInactiveList(CVelnoDoc& doc, int currentYear);
// The same for the deleted list, dated by markStamp.
int trimDeletedList(CVelnoDoc& doc, int currentYear);

// Empties slot (month0, parity) on the inactive and deleted lists.
// todayMonth is the current calendar month 1..12.
void clearMonthOnInactiveList(CVelnoDoc& doc, int month0, int parity);
void clearMonthOnDeletedList(CVelnoDoc& doc, int month0, int parity, int currentYear,
                             int todayMonth);

// Drops for good the moved records that moved in month0 + 1 (a year ago:
// the moved list covers twelve months) and empties slot (month0, parity) of
// the others. Returns how many were dropped.
int clearMonthOnMovedList(CVelnoDoc& doc, int month0, int parity);

}  // namespace velno
