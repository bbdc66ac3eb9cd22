#pragma once
// A per-group report printed for every group in turn ("Cetak 1 - n" of the
// group picker).

#include "print/ReportViewState.h"

namespace velno::print {

// Shows `kind` for each group from 1 to the group count, prints it into
// the one job of `target` and goes on with the next; a group without
// members is skipped. The view returns to panel mode afterwards. Returns
// the number of groups printed.
int printEveryGroup(ReportViewState& view, const CVelnoDoc& doc, const ReportFonts& fonts,
                    PrintTarget& target, const CalendarDate& today, int kind);

}  // namespace velno::print
