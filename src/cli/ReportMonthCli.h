#pragma once
// What the report-month commands (month, slip, late, tally) share.

#include <string>

#include "cli/Command.h"
#include "cli/FolderSession.h"

namespace velno::cli {

// Saves the folder; the exit code with the message when that failed.
int saveReporting(Context& context, FolderSession& session);

// "Maret" and "2025" of the ReportMonth.
std::string reportMonthName(const CVelnoDoc& doc);
std::string reportYearText(const CVelnoDoc& doc);

}  // namespace velno::cli
