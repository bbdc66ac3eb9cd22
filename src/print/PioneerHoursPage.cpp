#include "print/PioneerHoursPage.h"

#include "print/TableReport.h"
#include "reporting/TrendPageData.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

enum Column { Name, Months, Hours, Credit, Total, Average, Remaining, PerMonth };

std::vector<TableColumn> columns(bool withPerMonth) {
    std::vector<TableColumn> c{
        {50, 240, CellStyle::Text, text::tr(text::TxNameHead), {}, 0},
        {245, 290, CellStyle::Number, text::tr(text::TxMonthsHead), {}, 0},
        {295, 360, CellStyle::Number, text::tr(text::TxHoursHead), {}, 0},
        {365, 430, CellStyle::Number, text::tr(text::TxCreditHead), {}, 0},
        {435, 500, CellStyle::Number, text::tr(text::TxTotalRow), {}, 0},
        {505, 570, CellStyle::Number, text::tr(text::TxAverageHead), {}, 0},
        {575, 660, CellStyle::Number, text::tr(text::TxRemainingHead), {}, 0},
    };
    // Nothing remains to be spread in August, the last month of the year.
    if (withPerMonth)
        c.push_back({665, 740, CellStyle::Number, text::tr(text::TxPerMonthHead), {}, 0});
    return c;
}

}  // namespace

int drawPioneerHoursPage(ReportContext& ctx) {
    const PioneerHoursPage page = pioneerHoursPage(ctx.doc);
    TableReport table(ctx, columns(page.showsPerMonth));
    table.title = page.title;
    table.subtitle = page.subtitle;
    table.notes.push_back(text::arg(text::tr(text::TxMonthlyGoal), std::to_string(page.goal)));
    for (const PioneerHoursRow& row : page.rows) {
        const int y = table.place();
        table.cell(Name, y, row.name);
        table.cell(Months, y, std::to_string(row.elapsedMonths));
        table.cell(Hours, y, std::to_string(row.hours));
        table.cell(Credit, y, std::to_string(row.credit));
        table.cell(Total, y, std::to_string(row.total));
        table.cell(Average, y, text::formatPrintf("%4.1f", row.average));
        table.cell(Remaining, y, std::to_string(row.remaining));
        if (row.perMonth) table.cell(PerMonth, y, text::formatPrintf("%4.1f", *row.perMonth));
    }
    if (!page.footnote.empty()) {
        const int y = table.place(2) + table.lineHeight();
        table.span(y, page.footnote, FontRole::Small);
    }
    return table.finish();
}

}  // namespace velno::print
