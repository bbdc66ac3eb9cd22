#include "exchange/MonthlyExportModel.h"

#include "store/CVelnoDoc.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

MonthlyExportModel::MonthlyExportModel(CVelnoDoc& doc) : doc_(doc) {
    choice_.month0 = doc.reportMonth().reportMonth0;
}

std::string MonthlyExportModel::title() const {
    return text::tr(text::TxMonthlyExportTitle);
}

std::vector<std::string> MonthlyExportModel::monthNames() const {
    std::vector<std::string> names;
    for (int m = 0; m < 12; ++m) names.push_back(text::monthName(m));
    return names;
}

void MonthlyExportModel::selectMonth(int month0) {
    if (month0 >= 0 && month0 < 12) choice_.month0 = month0;
}

std::string MonthlyExportModel::fileName() const {
    return monthlyExportFileName(choice_.month0, choice_.delimiter);
}

std::optional<std::filesystem::path> MonthlyExportModel::accept() {
    return writeExport(doc_, monthlyReportExport(doc_, choice_));
}

}  // namespace velno
