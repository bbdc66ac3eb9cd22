#pragma once
// A canvas that remembers what was drawn, with fixed, simple metrics: a
// character is half the font height wide (bold a little wider) and a line
// is 1.2 heights. Tests read its runs; the CLI prints them as text.

#include <string>
#include <vector>

#include "print/Canvas.h"

namespace velno::print {

struct TextRun {
    int x = 0;  // left edge after alignment
    int y = 0;  // top, in page coordinates after the origin shift
    int width = 0;
    int height = 0;
    std::string text;
    LogicalFont font;
    Align align = Align::Left;
    int anchorX = 0;  // the x the caller gave
};

struct LineRun {
    int x1, y1, x2, y2, width;
};

struct RectRun {
    int left, top, right, bottom;
    bool filled;
};

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int dpiX = 96, int dpiY = 96, bool printer = false)
        : dpiX_(dpiX), dpiY_(dpiY), printer_(printer) {}

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    bool isPrinter() const override { return printer_; }

    void setFont(const LogicalFont& font) override { font_ = font; }
    void text(int x, int y, std::string_view text, Align align) override;
    int textWidth(std::string_view text) override;
    int lineSpacing() override;
    int textHeight() override;

    void line(int x1, int y1, int x2, int y2, int width) override;
    void rect(int left, int top, int right, int bottom, int width) override;
    void fillRect(int left, int top, int right, int bottom, int grey) override;
    // Records a dash when blanks are shown (text output), else nothing.
    void blankValue(int x, int y, Align align) override;
    void showBlanks(bool show) { showBlanks_ = show; }

    void setClip(int left, int top, int right, int bottom) override;
    void clearClip() override { clipped_ = false; }
    bool showsLines(int top, int bottom) const override {
        return !clipped_ || (bottom >= clipTop_ && top < clipBottom_);
    }
    void setOriginShift(int dx, int dy) override {
        dx_ = dx;
        dy_ = dy;
    }

    const std::vector<TextRun>& runs() const { return runs_; }
    const std::vector<LineRun>& lines() const { return lines_; }
    const std::vector<RectRun>& rects() const { return rects_; }
    const LogicalFont& currentFont() const { return font_; }
    void clear();

    // The texts in reading order, one line per distinct top; runs on one
    // line are placed at columns of `columnWidth` device units, each by the
    // x its caller aligned it on: right-aligned texts end in the column of
    // that x, so figures end under their heads whatever their fonts.
    std::string toText(int columnWidth = 0) const;
    // All texts joined by newlines in reading order (for searching).
    std::vector<std::string> textsInOrder() const;

private:
    bool inClip(int x, int y) const;
    int charWidth() const;

    int dpiX_, dpiY_;
    bool printer_;
    bool showBlanks_ = false;
    LogicalFont font_;
    bool clipped_ = false;
    int clipLeft_ = 0, clipTop_ = 0, clipRight_ = 0, clipBottom_ = 0;
    int dx_ = 0, dy_ = 0;
    std::vector<TextRun> runs_;
    std::vector<LineRun> lines_;
    std::vector<RectRun> rects_;
};

}  // namespace velno::print
