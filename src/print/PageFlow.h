#pragma once
// Lines of a report laid down the pages: where the body of the current page
// begins and ends, and the move to the next page when a line or a block
// does not fit. The page count of a report is the number of pages its flow
// reached.

#include <functional>
#include <string>
#include <string_view>

#include "print/ReportContext.h"

namespace velno::print {

class PageFlow {
public:
    explicit PageFlow(ReportContext& ctx);

    int page() const { return page_; }
    int y() const { return y_; }
    // First and last device line of a page's body: the top margin above it,
    // an inch below it (so the band of an A4 job still ends on the paper).
    int bodyTop(int page) const;
    int bodyBottom(int page) const;
    int remaining() const { return bodyBottom(page_) - y_; }

    // Starts the next page when `height` does not fit on the rest of this
    // one; a block that is taller than a whole page starts where it is.
    void keep(int height);
    // Selects the font, makes room for one line of it and returns the top
    // of that line; the flow moves below it.
    int line(FontRole role);
    // Moves down without a page check (spacing between blocks).
    void skip(int height) { y_ += height; }
    void newPage();

    // Line spacing of a report font on this device.
    int spacing(FontRole role);

    // Runs after every page break with the flow at the top of the new
    // page's body, to repeat column heads.
    std::function<void()> onNewPage;

private:
    ReportContext& ctx_;
    int page_ = 1;
    int y_ = 0;
    bool breaking_ = false;
};

// Positions across the page, in device units from the page's left edge.
inline int inchesX(const ReportContext& ctx, double inches) {
    return static_cast<int>(inches * ctx.inchX() + 0.5);
}

// The text cut at a character boundary so that it is at most `width` wide
// in the canvas's current font.
std::string fitText(Canvas& canvas, std::string_view text, int width);

}  // namespace velno::print
