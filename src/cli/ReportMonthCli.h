#pragma once
// What the report-month commands (month, slip, late, tally) share.

#include <string>

#include "cli/Command.h"
#include "cli/FolderSession.h"

namespace velno::cli {

// Opens the folder for a report-month command: with the settings (the
// early start of the next month), the tally at once, as at the program's
// start, and again before every save.
int openForReporting(FolderSession& session, const CalendarDate& today);

// Saves the folder; the exit code with the message when that failed.
int saveReporting(Context& context, FolderSession& session);

// "Maret" and "2025" of the ReportMonth.
std::string reportMonthName(const CVelnoDoc& doc);
std::string reportYearText(const CVelnoDoc& doc);

}  // namespace velno::cli
