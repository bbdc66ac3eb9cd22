#include "print/ServiceYearTotalsPages.h"

#include "print/TableReport.h"
#include "reporting/TrendPageData.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

enum Column { Name, Reported, Studies, Auxiliary, Hours };

std::vector<TableColumn> columns() {
    const std::string months = text::tr(text::TxMonthsHead);
    return {
        {50, 310, CellStyle::Text, text::tr(text::TxNameHead), {}, 0},
        {320, 410, CellStyle::Number, text::tr(text::TxReportedHead), months, 0},
        {420, 500, CellStyle::Number, text::tr(text::TxStudiesHead), {}, 0},
        {510, 580, CellStyle::Number, text::tr(text::TxCategoryAuxiliary), months, 0},
        {600, 680, CellStyle::Hours, text::tr(text::TxHoursHead), {}, 665},
    };
}

void drawRow(TableReport& table, int y, const ServiceYearTotalsRow& row, FontRole role) {
    table.cell(Name, y, row.name, role);
    table.cell(Reported, y, std::to_string(row.reportedMonths), role);
    table.cell(Studies, y, std::to_string(row.studies), role);
    table.cell(Auxiliary, y, std::to_string(row.auxiliaryMonths), role);
    table.cell(Hours, y, row.hoursText, role);
}

}  // namespace

int drawServiceYearTotalsPage(ReportContext& ctx, const PublisherSelection& selection) {
    const ServiceYearTotalsPage page = serviceYearTotalsPage(ctx.doc, selection);

    TableReport table(ctx, columns());
    table.title = page.title;
    table.subtitle = page.subtitle;
    table.notes.push_back(text::arg(text::tr(text::TxMonthsSoFar), std::to_string(page.months)));
    for (const ServiceYearTotalsRow& row : page.rows)
        drawRow(table, table.place(), row, FontRole::Text);

    // The total row, under a rule, kept on the page of the last rows.
    const int top = table.place(2);
    table.rule(top + table.lineHeight() / 2);
    drawRow(table, top + table.lineHeight(), page.total, FontRole::Heading);
    return table.finish();
}

}  // namespace velno::print
