#include "print/PageFlow.h"
#include "text/Utf8.h"

namespace velno::print {

PageFlow::PageFlow(ReportContext& ctx) : ctx_(ctx), y_(bodyTop(1)) {}

int PageFlow::bodyTop(int page) const {
    return ctx_.pageTop(page) + ctx_.topMargin();
}

int PageFlow::bodyBottom(int page) const {
    return ctx_.pageTop(page) + ctx_.pageHeight() - ctx_.inchY();
}

void PageFlow::newPage() {
    ++page_;
    y_ = bodyTop(page_);
    // Heads drawn by the hook must not break the page again.
    if (onNewPage && !breaking_) {
        breaking_ = true;
        onNewPage();
        breaking_ = false;
    }
}

void PageFlow::keep(int height) {
    // A block taller than a whole page would not fit on the next one either.
    if (breaking_ || height > bodyBottom(page_) - bodyTop(page_)) return;
    if (y_ + height > bodyBottom(page_) && y_ > bodyTop(page_)) newPage();
}

int PageFlow::spacing(FontRole role) {
    ctx_.useFont(role);
    return ctx_.canvas.lineSpacing();
}

int PageFlow::line(FontRole role) {
    const int height = spacing(role);
    keep(height);
    // The hook may have changed the font.
    ctx_.useFont(role);
    const int top = y_;
    y_ += height;
    return top;
}

std::string fitText(Canvas& canvas, std::string_view text, int width) {
    if (canvas.textWidth(text) <= width) return std::string(text);
    std::string_view cut = text;
    while (!cut.empty()) {
        cut = cut.substr(0, text::utf8PreviousCharacter(cut, cut.size()));
        if (canvas.textWidth(cut) <= width) break;
    }
    return std::string(cut);
}

}  // namespace velno::print
