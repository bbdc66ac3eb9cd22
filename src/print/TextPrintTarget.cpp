#include "print/TextPrintTarget.h"

#include "print/ReportFonts.h"

namespace velno::print {

namespace {

// One character of the default Text font on the recording canvas.
int columnWidth(RecordingCanvas& canvas) {
    const LogicalFont kept = canvas.currentFont();
    LogicalFont text;
    text.height = -13 * canvas.dpiY() / 96;
    canvas.setFont(text);
    const int width = canvas.textWidth("0");
    canvas.setFont(kept);
    return width;
}

}  // namespace

void TextPrintTarget::newPage() {
    done_.push_back(canvas_.toText(columnWidth(canvas_)));
    canvas_.clear();
}

std::vector<std::string> TextPrintTarget::pages() {
    std::vector<std::string> all = done_;
    all.push_back(canvas_.toText(columnWidth(canvas_)));
    return all;
}

std::string TextPrintTarget::text() {
    std::string out;
    const std::vector<std::string> all = pages();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i > 0) out += '\f';
        out += all[i];
    }
    return out;
}

}  // namespace velno::print
