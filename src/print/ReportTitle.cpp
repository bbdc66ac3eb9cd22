#include "print/ReportTitle.h"

#include "text/Format.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

int contentLeft(const ReportContext& ctx) {
    return ctx.leftStart();
}

int contentRight(const ReportContext& ctx) {
    return inchesX(ctx, 7.5);
}

void drawReportTitle(ReportContext& ctx, PageFlow& flow, const std::string& title,
                     const std::vector<std::string>& under) {
    Canvas& c = ctx.canvas;
    const int left = contentLeft(ctx), right = contentRight(ctx);
    int y = flow.line(FontRole::Title);
    c.text(left, y, fitText(c, title, right - left));
    for (const std::string& line : under) {
        y = flow.line(FontRole::Text);
        c.text(left, y, fitText(c, line, right - left));
    }
    const int ruleY = flow.y() + ctx.inchY() / 32;
    c.line(left, ruleY, right, ruleY);
    // The stamp sits on the rule's right end, below it, clear of the title.
    drawDateStamp(ctx, right, ruleY + ctx.inchY() / 32);
    flow.skip(ctx.inchY() / 4);
}

int drawPageNumbers(ReportContext& ctx, const PageFlow& flow) {
    const int pages = flow.page();
    if (pages < 2) return pages;
    // Below the body, centred on the content.
    ctx.useFont(FontRole::Small);
    const int centre = (contentLeft(ctx) + contentRight(ctx)) / 2;
    for (int page = 1; page <= pages; ++page)
        ctx.canvas.text(
            centre, flow.bodyBottom(page) + ctx.inchY() / 4,
            text::arg(text::tr(text::TxPageOf), std::to_string(page), std::to_string(pages)),
            Align::Center);
    return pages;
}

}  // namespace velno::print
