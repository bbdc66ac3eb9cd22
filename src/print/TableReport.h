#pragma once
// A report laid out as a table over as many pages as it needs: every page
// repeats the title, the subtitle, the notes and the column heads; rows go
// below in the Text font and a new page starts when the next block would
// pass the bottom of the body. Columns are placed in hundredths of an inch
// from the page's left edge, so the page keeps its shape on screen and
// paper.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "print/HoursCell.h"
#include "print/PageFlow.h"

namespace velno::print {

enum class CellStyle {
    Text,    // left-aligned, cut to the column's width
    Number,  // right-aligned at the column's right edge
    Pair,    // "a / b" or "%6.1f/%4.1f": aligned on the slash at `split`, heads centred on it
    Hours,   // whole hours (or a mark) right-aligned at `split`, a fraction after it;
             // the heads end at `split` too, over the units digits
};

struct TableColumn {
    int left = 0;   // hundredths of an inch from the page's left edge
    int right = 0;  // hundredths of an inch from the page's left edge
    CellStyle style = CellStyle::Text;
    std::string head;     // first heading line
    std::string subhead;  // second heading line (may be empty)
    int split = 0;        // Pair and Hours: hundredths of an inch from the left edge
};

class TableReport {
public:
    TableReport(ReportContext& ctx, std::vector<TableColumn> columns);

    std::string title;
    std::string subtitle;
    std::vector<std::string> notes;  // lines under the subtitle, Text font

    // Reserves `lines` text lines kept together on one page and returns the
    // top of the first; starts the first or a new page as needed.
    int place(int lines = 1);
    int lineHeight() const { return textLine_; }

    void cell(int column, int y, std::string_view text, FontRole role = FontRole::Text);
    // A cell the report leaves blank by its rule (see Canvas::blankValue).
    void blankCell(int column, int y);
    // Text over the whole width of the table from its left edge.
    void span(int y, std::string_view text, FontRole role = FontRole::Text);
    // A rule across the table at y.
    void rule(int y);

    // Draws the page numbers of a report of several pages and returns the
    // page count. A report without a row still gets its first page.
    int finish();

    int x(int hundredths) const { return ctx_.inchX() * hundredths / 100; }

private:
    void drawHead();

    ReportContext& ctx_;
    std::vector<TableColumn> columns_;
    PageFlow flow_;
    bool started_ = false;
    int textLine_ = 0;
    int headLine_ = 0;
};

}  // namespace velno::print
