#include "print/TableReport.h"

#include <algorithm>

#include "print/ReportTitle.h"
#include "store/FixedText.h"

namespace velno::print {

TableReport::TableReport(ReportContext& ctx, std::vector<TableColumn> columns)
    : ctx_(ctx), columns_(std::move(columns)), flow_(ctx) {
    textLine_ = flow_.spacing(FontRole::Text);
    headLine_ = flow_.spacing(FontRole::Heading);
    flow_.onNewPage = [this] { drawHead(); };
}

void TableReport::drawHead() {
    Canvas& c = ctx_.canvas;
    const int left = contentLeft(ctx_);
    drawReportTitle(ctx_, flow_, title);
    if (!subtitle.empty()) {
        const int y = flow_.line(FontRole::Subtitle);
        c.text(left, y, fitText(c, subtitle, contentRight(ctx_) - left));
    }
    for (const auto& note : notes) c.text(left, flow_.line(FontRole::Text), note);
    flow_.skip(textLine_ / 3);

    bool anySubhead = false;
    for (const auto& col : columns_) anySubhead = anySubhead || !col.subhead.empty();
    const int top = flow_.line(FontRole::Heading);
    if (anySubhead) flow_.line(FontRole::Heading);
    for (const auto& col : columns_) {
        const int width = x(col.right) - x(col.left);
        for (int line = 0; line < 2; ++line) {
            const std::string& head = line == 0 ? col.head : col.subhead;
            if (head.empty()) continue;
            const std::string shown = fitText(c, head, width);
            const int y = top + line * headLine_;
            switch (col.style) {
                case CellStyle::Text:
                    c.text(x(col.left), y, shown);
                    break;
                case CellStyle::Number:
                    c.text(x(col.right), y, shown, Align::Right);
                    break;
                case CellStyle::Pair:
                    c.text(x(col.split), y, shown, Align::Center);
                    break;
                case CellStyle::Hours:
                    c.text(x(col.split), y, shown, Align::Right);
                    break;
            }
        }
    }
    const int ruleY = flow_.y() + headLine_ / 8;
    rule(ruleY);
    flow_.skip(headLine_ / 4);
}

int TableReport::place(int lines) {
    if (!started_) {
        started_ = true;
        drawHead();
    }
    const int height = lines * textLine_;
    flow_.keep(height);
    ctx_.useFont(FontRole::Text);
    const int top = flow_.y();
    flow_.skip(height);
    return top;
}

void TableReport::cell(int column, int y, std::string_view text, FontRole role) {
    Canvas& c = ctx_.canvas;
    // While printing band by band, rows of other pages are skipped cheaply.
    if (text.empty() || !c.showsLines(y, y + textLine_)) return;
    const TableColumn& col = columns_[static_cast<std::size_t>(column)];
    if (role != FontRole::Text) ctx_.useFont(role);
    switch (col.style) {
        case CellStyle::Text:
            c.text(x(col.left), y, fitText(c, text, x(col.right) - x(col.left)));
            break;
        case CellStyle::Number:
            c.text(x(col.right), y, trimmed(text), Align::Right);
            break;
        case CellStyle::Pair: {
            const std::size_t slash = text.find('/');
            if (slash == std::string_view::npos) {
                c.text(x(col.split), y, trimmed(text), Align::Right);
                break;
            }
            const int gap = c.textWidth("/") / 2 + std::max(1, ctx_.inchX() / 25);
            c.text(x(col.split) - gap, y, trimmed(text.substr(0, slash)), Align::Right);
            c.text(x(col.split), y, "/", Align::Center);
            c.text(x(col.right), y, trimmed(text.substr(slash + 1)), Align::Right);
            break;
        }
        case CellStyle::Hours:
            drawHoursCell(c, x(col.split), y, text);
            break;
    }
    if (role != FontRole::Text) ctx_.useFont(FontRole::Text);
}

void TableReport::blankCell(int column, int y) {
    Canvas& c = ctx_.canvas;
    if (!c.showsLines(y, y + textLine_)) return;
    const TableColumn& col = columns_[static_cast<std::size_t>(column)];
    switch (col.style) {
        case CellStyle::Text:
            c.blankValue(x(col.left), y, Align::Left);
            break;
        case CellStyle::Number:
            c.blankValue(x(col.right), y, Align::Right);
            break;
        case CellStyle::Pair:
            c.blankValue(x(col.split), y, Align::Center);
            break;
        case CellStyle::Hours:
            c.blankValue(x(col.split), y, Align::Right);
            break;
    }
}

void TableReport::span(int y, std::string_view text, FontRole role) {
    ctx_.useFont(role);
    ctx_.canvas.text(contentLeft(ctx_), y, text);
    ctx_.useFont(FontRole::Text);
}

void TableReport::rule(int y) {
    int right = 0;
    for (const auto& c : columns_) right = std::max(right, c.right);
    ctx_.canvas.line(contentLeft(ctx_), y, x(right), y);
}

int TableReport::finish() {
    if (!started_) {
        started_ = true;
        drawHead();
    }
    return drawPageNumbers(ctx_, flow_);
}

}  // namespace velno::print
