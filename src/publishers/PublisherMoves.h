#pragma once
// Moving a record between the active list and the side lists, and
// deleting it. Every move recounts the lists, rebuilds the index and sets
// the document's modified flag.

#include <string>

#include "publishers/MonthChoiceModel.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

constexpr int kInactiveListLimit = 299;
constexpr int kDeletedListLimit = 299;
constexpr int kMovedListLimit = 199;
// Months of absence that a reactivation clears at most.
constexpr int kReactivationMonthsLimit = 24;

enum class MoveVerb { ToInactive, Reactivated, MovedAway, Returned, Promoted };

// "Bulan <name> <verb>": the caption of the month question of a move.
std::string moveCaption(const CVelnoDoc& doc, int pos, MoveVerb verb);
// The month question of a move: reactivation and promotion ask the month
// only, the move to inactive also the year.
MonthChoiceModel moveQuestion(const CVelnoDoc& doc, int pos, MoveVerb verb);

// The deletion month and year of a deleted record: month + 256 * (year - 1950).
std::uint16_t deletionStamp(int month, int year);

// Removes the record for good (household links, remarks and privilege
// dates with it).
bool deletePermanently(CVelnoDoc& doc, int pos);
// To the deleted list with month 0..12 and year; false (and nothing
// changes) when that list is full.
bool deleteTemporarily(CVelnoDoc& doc, int pos, int month, int year);

// An inactive record back to the active list in month 1..12 (of the
// ReportMonth's year, or the year before for a later month); the months of
// absence lose their reports. Returns the number of months cleared, or -1
// when the record is not inactive.
int reactivatePublisher(CVelnoDoc& doc, int pos, int month);
// A Bible student becomes a new publisher in month 1..12.
bool promoteBibleStudent(CVelnoDoc& doc, int pos, int month);
// An active record to the inactive list as of month 1..12 of `year`;
// false when the list is full.
bool moveToInactive(CVelnoDoc& doc, int pos, int month, int year);
// A deleted record back to the active list, reactivated in month 1..12.
bool restoreDeleted(CVelnoDoc& doc, int pos, int month);

// An active or inactive record to the moved list as of month 1..12; an
// inactive one remembers its inactive month for the way back. False when
// the moved list is full or the record is on neither list.
bool moveAway(CVelnoDoc& doc, int pos, int month);
// Whether undoing the move of a moved record returns it to the inactive
// list (without a month question).
bool returnsToInactive(const PublisherRecord& r);
// Undoes the move of a moved record: back to the inactive list with its
// old month, or to the active list in month 1..12 (a regular transfer when
// `regular`). False when the record is not moved or the month is missing.
bool undoMove(CVelnoDoc& doc, int pos, int month, bool regular);

}  // namespace velno
