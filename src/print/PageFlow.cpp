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
    // The longest prefix of whole characters that fits, found by halving:
    // a text's width only grows as characters are added, and measuring is
    // linear in the length, so a long name costs a few measurements.
    std::size_t fits = 0, tooLong = text::utf8Characters(text);
    while (tooLong - fits > 1) {
        const std::size_t mid = fits + (tooLong - fits) / 2;
        if (canvas.textWidth(text.substr(0, text::utf8PrefixBytes(text, mid))) <= width)
            fits = mid;
        else
            tooLong = mid;
    }
    return std::string(text.substr(0, text::utf8PrefixBytes(text, fits)));
}

}  // namespace velno::print
