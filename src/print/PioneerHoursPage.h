#pragma once
// "Jam Perintis": the regular pioneers' hours and credit of the service
// year against their goal, with what remains per month.

#include "print/ReportContext.h"

namespace velno::print {

// Draws every page and returns the page count.
int drawPioneerHoursPage(ReportContext& ctx);

}  // namespace velno::print
