#pragma once
// The rules a document follows when the program opens it: the password at
// load, the month's totals kept current (at load and before every save;
// the shell tallies again after each change) and the settings written with
// every save. Front ends never install them; startInstance does.

namespace velno {

class CVelnoDoc;
class DocumentRules;

// Documents opened by startInstance: password, tallies and settings.
const DocumentRules& programRules();
// Documents made without the start-up (a fresh folder filled in memory):
// the tallies only, since no settings were read that a save could write.
const DocumentRules& tallyRules();

}  // namespace velno
