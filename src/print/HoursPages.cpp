#include "print/HoursPages.h"

#include "print/ReportViewState.h"
#include "print/TableReport.h"
#include "reporting/Classification.h"
#include "reporting/PublisherSelection.h"
#include "reporting/TrendPageData.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

// Hundredths of an inch from the page's left edge.
constexpr int kNameLeft = 50;
constexpr int kNameRight = 205;
constexpr int kMonthLeft = 210;
constexpr int kMonthWidth = 40;
constexpr int kFractionRoom = 11;  // a quarter-hour fraction after the whole hours
constexpr int kAverageColumn = 13;

std::vector<TableColumn> columns(const HoursPage& page) {
    std::vector<TableColumn> c;
    c.push_back({kNameLeft, kNameRight, CellStyle::Text, text::tr(text::TxNameHead), {}, 0});
    for (int k = 0; k < 12; ++k) {
        const int left = kMonthLeft + k * kMonthWidth;
        const int right = left + kMonthWidth;
        c.push_back({left,
                     right,
                     CellStyle::Hours,
                     text::monthShortName(month0Of(page.stamps[static_cast<std::size_t>(k)])),
                     {},
                     right - kFractionRoom});
    }
    const int left = kMonthLeft + 12 * kMonthWidth + 2;
    c.push_back({left, 750, CellStyle::Number, text::tr(text::TxAverageHead), {}, 0});
    return c;
}

}  // namespace

int drawHoursPage(ReportContext& ctx, const PublisherSelection& selection) {
    if (selection.kind == Selection::Group && !groupHasMembers(ctx.doc, selection.group)) return 1;
    const HoursPage page = hoursPage(ctx.doc, selection);
    const std::string& tick = text::tr(text::TxTickMark);

    TableReport table(ctx, columns(page));
    table.title = page.title;
    table.subtitle = page.subtitle;
    if (const std::string notice = emptySelectionNotice(ctx.doc, selection); !notice.empty()) {
        table.span(table.place(), notice);
        return table.finish();
    }
    for (const HoursRow& row : page.rows) {
        const int y = table.place();
        table.cell(0, y, row.name);
        for (int k = 0; k < 12; ++k) {
            const HoursCell& cell = row.cells[static_cast<std::size_t>(k)];
            if (cell.kind == HoursCell::Hours) table.cell(1 + k, y, cell.text);
            if (cell.kind == HoursCell::Tick) table.cell(1 + k, y, tick);
            if (cell.kind == HoursCell::Blank) table.blankCell(1 + k, y);
        }
        table.cell(kAverageColumn, y, row.averageText);
    }
    return table.finish();
}

}  // namespace velno::print
