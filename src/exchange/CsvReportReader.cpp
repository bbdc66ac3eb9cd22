#include "exchange/CsvReportReader.h"

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"

namespace velno {

using namespace StudiesWord;

void readCsvReports(const CVelnoDoc& doc, const CsvTable& table, const ColumnMap& map,
                    const std::vector<CsvRowEntry>& rows, const std::string& path,
                    ImportImage& image) {
    image = {};
    image.path = path;
    image.month0 = doc.reportMonth().reportMonth0;
    image.parity = doc.reportMonth().parity();
    const int s = monthSlot(image.month0, image.parity);
    for (const CsvRowEntry& entry : rows) {
        if (!entry.id || entry.row < 1 || entry.row > static_cast<int>(table.rows.size())) continue;
        const PublisherRecord* stored = doc.store().recordById(entry.id);
        if (!stored) continue;
        const CsvRow& row = table.rows[static_cast<std::size_t>(entry.row - 1)];
        PublisherRecord r = *stored;
        const int hours = leadingNumber(csvField(row, map.column[TargetHours]));
        bool shared = false;
        if (map.column[TargetShared] >= 0) {
            const std::string_view mark = csvField(row, map.column[TargetShared]);
            shared = !mark.empty() && mark != "0";
        }
        // Without a mark the hours decide, when the rule says so.
        if (map.rule && hours >= 1 && hours <= csv::kRuleHours) shared = true;
        if (shared) {
            if (hours >= 1 && hours <= csv::kMaxHours)
                r.hours[s] = static_cast<std::uint16_t>(hours);
            const int studies = leadingNumber(csvField(row, map.column[TargetStudies]));
            // Only the studies' bits: quarter hours stored for the month stay.
            if (studies >= 1 && studies <= csv::kMaxStudies)
                r.studiesWord[s] =
                    static_cast<std::uint16_t>((r.studiesWord[s] & ~StudiesMask) | studies);
            r.studiesWord[s] |= SharedOrUnderHour;
        }
        const std::string_view remark = csvField(row, map.column[TargetRemark]);
        if (remark.size() >= csv::kMinRemark) {
            image.remarks.emplace_back(remark.substr(0, groupfile::kRemarkText));
            r.remarkIndex[s] = static_cast<std::uint16_t>(image.remarks.size());
        } else {
            r.remarkIndex[s] = 0;
        }
        image.records.push_back(r);
    }
}

}  // namespace velno
