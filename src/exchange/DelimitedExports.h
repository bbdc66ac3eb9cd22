#pragma once
// The six exports for spreadsheets and other programs: the month's reports,
// the contact list, the emergency contacts, the record-card headers, the
// meeting attendance and the summary of 24 months. Each is built as the
// bytes of its file (Windows-1252, CR LF) and written into the Exports
// folder; the desktop program then offers to open it, velno-cli prints its
// path.

#include <filesystem>
#include <optional>
#include <string>

namespace velno {

class CVelnoDoc;

enum class DelimitedExport { Monthly, Contacts, Emergency, CardHeader, Attendance, Summary };

// The monthly report export's choices (dialog "Export Data Penyiar").
struct MonthlyExportChoice {
    int month0 = 0;
    char delimiter = ',';  // ',' gives ".csv", '\t' ".rpt"
    bool header = false;
};

struct ExportedFile {
    std::string name;   // in the Exports folder
    std::string bytes;  // the whole file
};

// The month's file name: its full name with ".csv" or ".rpt".
std::string monthlyExportFileName(int month0, char delimiter);

ExportedFile monthlyReportExport(const CVelnoDoc& doc, const MonthlyExportChoice& choice);
// The lists read the extended information, which may repair a stale link.
ExportedFile contactListExport(CVelnoDoc& doc);
ExportedFile emergencyContactExport(CVelnoDoc& doc);
ExportedFile cardHeaderExport(CVelnoDoc& doc);
ExportedFile meetingAttendanceExport(const CVelnoDoc& doc);
ExportedFile summaryExport(const CVelnoDoc& doc);

// Any of them; `choice` matters for the monthly report only.
ExportedFile buildExport(CVelnoDoc& doc, DelimitedExport kind,
                         const MonthlyExportChoice& choice = {});

// Writes the file into the Exports folder (made when missing) and returns
// its full path. A failure shows the store's file-error message through the
// document's prompter and changes nothing else.
std::optional<std::filesystem::path> writeExport(CVelnoDoc& doc, const ExportedFile& file);

}  // namespace velno
