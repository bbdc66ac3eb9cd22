#pragma once
// "Total Tahun Dinas": per publisher the months reported, Bible studies,
// auxiliary months and hours of the service year so far, and their total.

#include "print/ReportContext.h"
#include "reporting/PublisherSelection.h"

namespace velno::print {

// selection: Congregation, RegularPioneers or Appointed. Returns the page
// count.
int drawServiceYearTotalsPage(ReportContext& ctx, const PublisherSelection& selection);

// The drawing routine of one menu entry.
template <Selection S>
int drawServiceYearTotals(ReportContext& ctx) {
    return drawServiceYearTotalsPage(ctx, {S, 0});
}

}  // namespace velno::print
