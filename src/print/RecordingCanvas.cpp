#include "print/RecordingCanvas.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace velno::print {

int RecordingCanvas::charWidth() const {
    const int h = std::max(1, std::abs(font_.height));
    return std::max(1, font_.weight >= 600 ? h * 11 / 20 : h / 2);
}

int RecordingCanvas::textWidth(std::string_view text) {
    return static_cast<int>(text::utf8Characters(text)) * charWidth();
}

int RecordingCanvas::textHeight() {
    return std::max(1, std::abs(font_.height));
}

int RecordingCanvas::lineSpacing() {
    return std::max(1, std::abs(font_.height) * 6 / 5);
}

bool RecordingCanvas::inClip(int x, int y) const {
    if (!clipped_) return true;
    return x >= clipLeft_ && x < clipRight_ && y >= clipTop_ && y < clipBottom_;
}

void RecordingCanvas::text(int x, int y, std::string_view text, Align align) {
    const int width = textWidth(text);
    int left = x;
    if (align == Align::Right) left = x - width;
    if (align == Align::Center) left = x - width / 2;
    if (!inClip(left, y)) return;
    const int px = left - dx_, py = y - dy_;
    runs_.push_back({px, py, width, textHeight(), std::string(text), font_, align, x - dx_});
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2, int width) {
    if (!inClip(x1, y1) && !inClip(x2, y2)) return;
    const int ax = x1 - dx_, ay = y1 - dy_, bx = x2 - dx_, by = y2 - dy_;
    lines_.push_back({ax, ay, bx, by, width});
}

void RecordingCanvas::rect(int left, int top, int right, int bottom, int) {
    if (!inClip(left, top)) return;
    rects_.push_back({left - dx_, top - dy_, right - dx_, bottom - dy_, false});
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom, int) {
    if (!inClip(left, top)) return;
    rects_.push_back({left - dx_, top - dy_, right - dx_, bottom - dy_, true});
}

void RecordingCanvas::blankValue(int x, int y, Align align) {
    if (showBlanks_) text(x, y, "-", align);
}

void RecordingCanvas::setClip(int left, int top, int right, int bottom) {
    clipped_ = true;
    clipLeft_ = left;
    clipTop_ = top;
    clipRight_ = right;
    clipBottom_ = bottom;
}

void RecordingCanvas::clear() {
    runs_.clear();
    lines_.clear();
    rects_.clear();
}

std::vector<std::string> RecordingCanvas::textsInOrder() const {
    std::vector<const TextRun*> sorted;
    for (const auto& r : runs_) sorted.push_back(&r);
    std::stable_sort(sorted.begin(), sorted.end(), [](const TextRun* a, const TextRun* b) {
        return a->y != b->y ? a->y < b->y : a->x < b->x;
    });
    std::vector<std::string> texts;
    for (const auto* r : sorted) texts.push_back(r->text);
    return texts;
}

std::string RecordingCanvas::toText(int columnWidth) const {
    if (columnWidth <= 0) columnWidth = std::max(1, dpiX_ / 12);  // 12 columns an inch
    // The column a run starts in, from the x it was aligned on.
    const auto startColumn = [columnWidth](const TextRun& r) {
        const int chars = static_cast<int>(text::utf8Characters(r.text));
        const int anchor = std::max(0, r.anchorX) / columnWidth;
        switch (r.align) {
            case Align::Right:
                return std::max(0, anchor - chars);
            case Align::Center:
                return std::max(0, anchor - chars / 2);
            case Align::Left:
                break;
        }
        return std::max(0, r.x / columnWidth);
    };
    std::map<int, std::vector<const TextRun*>> rows;
    for (const auto& r : runs_) rows[r.y].push_back(&r);
    std::string out;
    for (auto& [y, row] : rows) {
        std::stable_sort(row.begin(), row.end(),
                         [](const TextRun* a, const TextRun* b) { return a->x < b->x; });
        std::string line;
        int column = 0;
        const TextRun* before = nullptr;
        for (const auto* r : row) {
            const int want = startColumn(*r);
            // Runs drawn edge to edge (hours and their fraction) stay
            // together; any other that would touch or overlap gets a blank.
            const bool abutting = before && before->x + before->width == r->x;
            if (want > column) {
                line.append(static_cast<std::size_t>(want - column), ' ');
                column = want;
            } else if (!line.empty() && !(abutting && want == column)) {
                line.push_back(' ');
                ++column;
            }
            line += r->text;
            column += static_cast<int>(text::utf8Characters(r->text));
            before = r;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line;
        out += '\n';
    }
    return out;
}

}  // namespace velno::print
