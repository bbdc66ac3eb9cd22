#pragma once
// "Rata2 Tiga/Enam Bulan": each publisher's reported months, Bible-studies
// and hours averages over three and six months, and the averages by
// service kind at the end.

#include "print/ReportContext.h"
#include "reporting/PublisherSelection.h"

namespace velno::print {

// Draws every page and returns the page count. A group without a member
// draws nothing.
int drawAveragesPage(ReportContext& ctx, const PublisherSelection& selection);

// The drawing routine of one menu entry (the group is the view's).
template <Selection S>
int drawAverages(ReportContext& ctx) {
    return drawAveragesPage(ctx, {S, ctx.group});
}

}  // namespace velno::print
