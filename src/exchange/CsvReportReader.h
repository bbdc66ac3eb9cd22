#pragma once
// The report file read into the import image (the import selection in CSV
// mode): for each row with a publisher, a copy of that publisher's record
// with the report month's slot set from the mapped columns.

#include <string>
#include <vector>

#include "exchange/ColumnMapFile.h"
#include "exchange/CsvFile.h"
#include "exchange/GroupExchangeFile.h"
#include "exchange/NameMapModel.h"

namespace velno {

class CVelnoDoc;

namespace csv {
// Hours above this are taken for the participation rule but not stored.
constexpr int kMaxHours = 739;
constexpr int kRuleHours = 740;
constexpr int kMaxStudies = 499;
constexpr std::size_t kMinRemark = 2;
}  // namespace csv

// Fills the image for the report month; rows without a publisher (or with
// one no longer in the store) are skipped. `path` (UTF-8) titles the list.
void readCsvReports(const CVelnoDoc& doc, const CsvTable& table, const ColumnMap& map,
                    const std::vector<CsvRowEntry>& rows, const std::string& path,
                    ImportImage& image);

}  // namespace velno
