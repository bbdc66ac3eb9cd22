#include "print/MonthAveragesPage.h"

#include "print/ReportViewState.h"
#include "print/TableReport.h"
#include "reporting/PublisherSelection.h"
#include "reporting/TrendPageData.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno::print {

namespace {

enum Column { Name, Reported, Studies, Auxiliary, Hours };

std::vector<TableColumn> columns() {
    const std::string threeSix = text::tr(text::TxThreeSixMonthsHead);
    return {
        // The part after a slash gets room for its widest figure: one digit
        // of months, "99.9" studies, "999.9" hours.
        {50, 270, CellStyle::Text, text::tr(text::TxNameHead), {}, 0},
        {275, 350, CellStyle::Pair, text::tr(text::TxReportedHead), threeSix, 335},
        {370, 495, CellStyle::Pair, text::tr(text::TxAverageStudiesHead), threeSix, 455},
        {505, 585, CellStyle::Pair, text::tr(text::TxCategoryAuxiliary), threeSix, 570},
        {610, 740, CellStyle::Pair, text::tr(text::TxAverageHoursHead), threeSix, 685},
    };
}

const std::string& kindLabel(int kind) {
    switch (kind) {
        case ServiceAuxiliary:
            return text::tr(text::TxListAuxiliary);
        case ServiceRegular:
            return text::tr(text::TxRegularPioneersLower);
        case ServiceSpecial:
            return text::tr(text::TxSpecialPioneer);
        default:
            return text::tr(text::TxKindPublishers);
    }
}

std::string pair(double three, double six) {
    return text::formatPrintf("%6.1f/%4.1f", three, six);
}

}  // namespace

int drawAveragesPage(ReportContext& ctx, const PublisherSelection& selection) {
    if (selection.kind == Selection::Group && !groupHasMembers(ctx.doc, selection.group)) return 1;
    const AveragesPage page = averagesPage(ctx.doc, selection);

    TableReport table(ctx, columns());
    table.title = page.title;
    table.subtitle = page.subtitle;
    if (const std::string notice = emptySelectionNotice(ctx.doc, selection); !notice.empty()) {
        table.span(table.place(), notice);
        return table.finish();
    }
    for (const AverageRow& row : page.rows) {
        const int y = table.place();
        table.cell(Name, y, row.name);
        table.cell(Reported, y, row.reportedText);
        table.cell(Studies, y, row.studiesText);
        // No auxiliary month in six leaves the cell blank.
        if (row.auxText.empty())
            table.blankCell(Auxiliary, y);
        else
            table.cell(Auxiliary, y, row.auxText);
        table.cell(Hours, y, row.hoursText);
    }

    // The closing averages: one line per service kind that has rows, kept
    // together with their heading.
    int kinds = 0;
    for (const auto& total : page.byKind) kinds += total.rows > 0 ? 1 : 0;
    if (kinds > 0) {
        const int top = table.place(kinds + 2);
        table.rule(top + table.lineHeight() / 2);
        int y = top + table.lineHeight();
        table.span(y, text::tr(text::TxAveragesByKind), FontRole::Heading);
        for (int kind = 0; kind < static_cast<int>(page.byKind.size()); ++kind) {
            const AverageKindTotal& total = page.byKind[static_cast<std::size_t>(kind)];
            if (total.rows == 0) continue;
            y += table.lineHeight();
            table.cell(Name, y,
                       text::arg(text::tr(text::TxKindRowCount), kindLabel(kind),
                                 std::to_string(total.rows)));
            table.cell(Studies, y, pair(total.averageStudies3(), total.averageStudies6()));
            table.cell(Hours, y, pair(total.averageHours3(), total.averageHours6()));
        }
    }
    return table.finish();
}

}  // namespace velno::print
