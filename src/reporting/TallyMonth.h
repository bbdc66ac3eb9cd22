#pragma once
// The monthly congregation report: the ReportMonth's totals by service
// kind (late reports for earlier months included), the monthly history
// saved in "tcard.dat", and the numbers of the box sent to the branch.

#include <array>
#include <optional>
#include <string>

#include "store/CategoryTally.h"

namespace velno {

class CVelnoDoc;

// Recomputes the document's tally for the ReportMonth and, while the month
// is open, copies it into the monthly history.
void TallyMonth(CVelnoDoc& doc);

// Value v summed over publishers, auxiliary and regular pioneers (special
// pioneers are not reported to the branch). Hours include the categories'
// quarter hours, four to the hour.
int CategoryTotal(const CategoryTally& tally, int value);

// The saved totals of month0 in the year of the given parity.
CategoryTally MonthlyHistory(const CVelnoDoc& doc, int month0, int parity);
void setMonthlyHistory(CVelnoDoc& doc, int month0, int parity, const CategoryTally& tally);

struct BranchReportRow {
    std::string label;         // UTF-8
    int count = 0;             // "Berdinas"
    std::optional<int> hours;  // "Jam"; blank for publishers
    int studies = 0;           // "PAR"
};

struct BranchReport {
    std::string title;  // "Laporan Maret ke Kantor Cabang - 87 Penyiar Aktif"
    std::array<std::string, 3> heads;
    std::array<BranchReportRow, 4> rows;  // publishers, auxiliary, regular, total
};

// The four rows of the box from the document's tally, which TallyMonth
// has brought up to date before.
BranchReport BranchReportBox(const CVelnoDoc& doc);

}  // namespace velno
