#pragma once
// The name order of the records: comparing two records, the names the
// publisher lists show, and placing one record in order with the check for
// a duplicate name.

#include <string>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

// <0, 0, >0: trimmed sort names without regard to case; the circuit
// overseer after everyone.
int compareForSort(const CVelnoDoc& doc, const PublisherRecord& a, const PublisherRecord& b);

// The line of a record in the publisher lists (UTF-8): family name first,
// or the name-order setting's form while sorting by first name.
std::string listName(const CVelnoDoc& doc, int pos);

enum class PlaceMode { Adding, Editing };

enum class PlaceOutcome {
    Placed,         // in order, no equal name
    Overwritten,    // adding, "Yes": the new contents replaced the equal record
    Dropped,        // adding, "No": the new record was removed again
    DuplicateKept,  // editing: the equal name was reported and kept
};

struct PlaceResult {
    PlaceOutcome outcome = PlaceOutcome::Placed;
    int position = 0;  // where the placed record is now; 0 when dropped
    bool placed() const { return outcome != PlaceOutcome::Dropped; }
};

// Places the record at store position k in order. An equal name asks (when
// adding) or tells (when editing) through the document's prompter; when
// adding, an equal name on a side list is no duplicate of an active record.
// The caller rebuilds the index.
PlaceResult placeRecord(CVelnoDoc& doc, int k, PlaceMode mode);

// Command 32843: sorting by first name on or off. Switching it on also
// switches the name order to first name first. Re-sorts and sets dirty.
void toggleSortByFirstName(CVelnoDoc& doc);
// "Aktifkan AutoCaps": the setting on or off; sets dirty.
void toggleAutoCaps(CVelnoDoc& doc);

}  // namespace velno
