#pragma once
// Printing into text: every page is drawn on a recording canvas at screen
// resolution and kept as its text runs in reading order; values blank by
// the report's rule show as "-".

#include <string>
#include <vector>

#include "print/RecordingCanvas.h"
#include "print/ReportViewState.h"

namespace velno::print {

class TextPrintTarget : public PrintTarget {
public:
    explicit TextPrintTarget(bool a4 = false, int dpi = 96) : canvas_(dpi, dpi, false), a4_(a4) {
        canvas_.showBlanks(true);
    }

    Canvas& canvas() override { return canvas_; }
    void newPage() override;
    bool paperIsA4() const override { return a4_; }
    bool makesCopies() const override { return true; }
    int copies() const override { return 1; }
    std::string printerName() const override { return "text"; }

    // The pages printed so far (the one in progress last), each as lines
    // of text; columns are the width of one character of the Text font.
    std::vector<std::string> pages();
    // The pages joined by form feeds.
    std::string text();

private:
    RecordingCanvas canvas_;
    bool a4_;
    std::vector<std::string> done_;
};

}  // namespace velno::print
