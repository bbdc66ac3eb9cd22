#include "print/ReportContext.h"

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

void ReportContext::useFont(FontRole role) {
    useFont(fonts.font(role));
}

void ReportContext::useFont(const LogicalFont& font) {
    canvas.setFont(realiseFont(font, canvas.dpiX(), canvas.dpiY(), screenDpiX, screenDpiY));
}

int ReportContext::topMargin() const {
    // Wide enough for any setting and any device resolution.
    const long long margin = static_cast<long long>(doc.settings().topMargin) * canvas.dpiY() / 100;
    return margin > canvas.dpiY() ? canvas.dpiY() / 2 : static_cast<int>(margin);
}

std::string dateStampText(const CalendarDate& today, const std::string& languageCode) {
    std::string date;
    if (languageCode == "greek")
        date = text::formatPrintf(" %d/%d/%d", today.day, today.month, today.year);
    else
        date = text::formatPrintf(" %d %s %d", today.day, text::monthName(today.month - 1).c_str(),
                                  today.year);
    return text::tr(text::TxPrintedOn) + date;
}

bool drawDateStamp(ReportContext& ctx, int rightX, int y) {
    if (!ctx.canvas.isPrinter() || !ctx.doc.settings().dateStamp) return false;
    LogicalFont stamp;
    stamp.height = -10;
    stamp.weight = 400;
    stamp.pitchAndFamily = 18;
    stamp.faceName = text::tr(text::TxFaceTimesNewRoman);
    stamp.charSet = charSetForLanguage(ctx.languageCode);
    ctx.useFont(stamp);
    ctx.canvas.text(rightX, y, dateStampText(ctx.today, ctx.languageCode), Align::Right);
    return true;
}

int drawListHeader(ReportContext& ctx, int pageTop, const ListHeader& header) {
    Canvas& c = ctx.canvas;
    int y = pageTop + ctx.topMargin();
    const int left = ctx.leftStart();

    ctx.useFont(FontRole::Text);
    c.text(left, y, text::tr(text::TxConfidential));
    y += c.lineSpacing();

    ctx.useFont(FontRole::Title);
    std::string title = header.title;
    const std::string congregation(trimmed(ctx.doc.settings().congregationName));
    if (!congregation.empty()) title += " - " + text::cp1252ToUtf8(congregation);
    c.text(left, y, title);
    y += c.lineSpacing();

    const int ruleLength = header.addressList ? 7 * ctx.inchX() : ctx.inchX() * 15 / 2;
    c.line(left, y, left + ruleLength, y);
    drawDateStamp(ctx, left + ruleLength, y - ctx.inchY() / 8);
    y += ctx.inchY() / 16;

    if (!header.subtitle.empty()) {
        ctx.useFont(FontRole::Subtitle);
        c.text(left, y, header.subtitle);
        y += c.lineSpacing();
    }
    return y;
}

int listLinesPerPage(ReportContext& ctx) {
    ctx.useFont(FontRole::Text);
    return (9 * ctx.canvas.dpiY()) / ctx.canvas.lineSpacing();
}

}  // namespace velno::print
