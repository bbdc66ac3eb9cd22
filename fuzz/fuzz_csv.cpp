// A report file of delimited values from a spreadsheet: the field splitter
// with every delimiter, the file's check and conversion, then the column
// and name maps, the rows read into the import list and the merge with the
// credit rule, over a small congregation that some rows may name.

#include <cstdint>
#include <string_view>
#include <vector>

#include "SmallCongregation.h"
#include "exchange/ColumnMapModel.h"
#include "exchange/CsvFile.h"
#include "exchange/CsvReportReader.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/NameMapModel.h"
#include "store/CVelnoDoc.h"

using namespace velno;

namespace {

// Regular pioneers among them, for the credit rule.
CVelnoDoc& congregation() {
    static CVelnoDoc* doc = [] {
        CVelnoDoc* d =
            fuzz::smallCongregation({{"Budi", "Santoso"}, {"Ani", "Wijaya"}, {"A", "B"}, {"", ""}});
        for (int pos = 1; pos < d->store().recordCount(); ++pos)
            for (auto& kind : d->store().at(pos).serviceKind)
                kind = static_cast<std::uint8_t>((pos - 1) % 3);
        return d;
    }();
    return *doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char delimiter : {',', ';', '\t'}) (void)splitFields(text, delimiter);
    (void)convertAccents(text);
    (void)leadingNumber(text);

    CsvTable table;
    std::string message;
    if (!parseCsv(text, table, message)) return 0;
    // Columns in the order of the header, then the other name forms as
    // the first row's width allows; the rule when the header is wide.
    ColumnMapModel columns(table.header, nullptr);
    const int width = static_cast<int>(table.header.size());
    for (int t = 0; t < kCsvTargets; ++t) (void)columns.assign(t, t % width);
    columns.setRule(width % 2 == 0);
    CVelnoDoc& doc = congregation();
    NameMapModel names(doc, table, columns.map(), columns.nameMode(), {});
    for (int i = 0; i < static_cast<int>(names.unidentified().size()); ++i) {
        names.selectLeft(i);
        names.selectRight(i % 3);
        names.pressArrow();
    }
    (void)names.title();
    (void)names.leftLines();

    std::vector<PublisherRecord> pristine;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos)
        pristine.push_back(doc.store().at(pos));
    ImportImage image;
    readCsvReports(doc, table, columns.map(), names.rows(), "fuzz.csv", image);
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::Csv);
    for (int i = 0; i < static_cast<int>(model.lines().size()); ++i) (void)model.preview(i);
    model.merge();
    for (int pos = 1; pos < doc.store().recordCount(); ++pos)
        doc.store().at(pos) = pristine[static_cast<std::size_t>(pos - 1)];
    doc.remarks().clear();
    return 0;
}
