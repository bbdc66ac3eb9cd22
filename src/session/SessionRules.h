#pragma once
// The rules a document follows when the program opens it: the password at
// load, the month's totals kept current (at load, before every save, after
// the record edits that change them) and the settings written with every
// save. Front ends never install them; startInstance does.

namespace velno {

class CVelnoDoc;
class DocumentRules;

// Documents opened by startInstance: password, tallies and settings.
const DocumentRules& programRules();
// Documents made without the start-up (a fresh folder filled in memory):
// the tallies only, since no settings were read that a save could write.
const DocumentRules& tallyRules();

// The branch report counts publishers by the kind they have in the month,
// so the tally follows every change of the records' kinds or reports.
void afterPublisherEditor(CVelnoDoc& doc);
void afterPioneerEnrolment(CVelnoDoc& doc);

}  // namespace velno
