#pragma once
// "Hapus Pemberitahuan Awal": the switch that silences the notice shown at
// the end of every load.

namespace velno {

class CVelnoDoc;

// Flips the switch and marks the document modified, so that the next save
// writes it with the other settings. Returns whether the notice is now off.
bool ToggleStartupNotice(CVelnoDoc& doc);

}  // namespace velno
