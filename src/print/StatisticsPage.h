#pragma once
// The congregation statistics at the end of the ReportMonth.

#include "print/ReportContext.h"

namespace velno::print {

int drawStatistics(ReportContext& ctx);  // kind 20

}  // namespace velno::print
