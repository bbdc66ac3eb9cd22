#pragma once
// "Laporan Jam": one row per publisher with the hours (or a tick) of the
// last twelve months and their average.

#include "print/ReportContext.h"
#include "reporting/PublisherSelection.h"

namespace velno::print {

// Draws every page and returns the page count. A group without a member
// draws nothing.
int drawHoursPage(ReportContext& ctx, const PublisherSelection& selection);

// The drawing routine of one menu entry (the group is the view's).
template <Selection S>
int drawHours(ReportContext& ctx) {
    return drawHoursPage(ctx, {S, ctx.group});
}

}  // namespace velno::print
