#pragma once
// Reading drawn report pages back: the runs of a page grouped into lines
// from top to bottom, and lookups by text.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "print/PageFlow.h"
#include "print/RecordingCanvas.h"
#include "print/ReportKinds.h"
#include "reporting/TallyMonth.h"

namespace velno::print::test {

struct PageLine {
    int page = 0;  // 1-based
    int y = 0;
    std::vector<TextRun> runs;  // left to right

    std::string joined() const {
        std::string s;
        for (const auto& r : runs) s += (s.empty() ? "" : " | ") + r.text;
        return s;
    }
    const TextRun* find(const std::string& text) const {
        for (const auto& r : runs)
            if (r.text == text) return &r;
        return nullptr;
    }
    bool has(const std::string& text) const { return find(text) != nullptr; }
};

// Every text run of a drawing, line by line in reading order.
inline std::vector<PageLine> readLines(const RecordingCanvas& canvas, int pageHeight) {
    std::map<int, std::vector<TextRun>> rows;
    for (const TextRun& r : canvas.runs()) rows[r.y].push_back(r);
    std::vector<PageLine> lines;
    for (auto& [y, runs] : rows) {
        std::sort(runs.begin(), runs.end(),
                  [](const TextRun& a, const TextRun& b) { return a.x < b.x; });
        lines.push_back({y / pageHeight + 1, y, runs});
    }
    return lines;
}

// Index of the first line holding a run with this text, or -1.
inline int lineWith(const std::vector<PageLine>& lines, const std::string& text, int from = 0) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i].has(text)) return i;
    return -1;
}

// A document drawn by one report routine on a recording canvas.
struct DrawnReport {
    RecordingCanvas canvas;
    ReportFonts fonts;
    int pages = 0;
    int pageHeight = 0;
    std::vector<PageLine> lines;

    DrawnReport(CVelnoDoc& doc, DrawReport draw, int group = 0, int dpi = 96,
                int lengthTenths = kPageLengthTenths)
        : canvas(dpi, dpi, dpi != 96) {
        // As before every report is shown: the page lays out this tally.
        TallyMonth(doc);
        ReportContext ctx{doc, canvas, fonts};
        ctx.group = group;
        ctx.pageLengthTenths = lengthTenths;
        pages = draw(ctx);
        pageHeight = ctx.pageHeight();
        lines = readLines(canvas, pageHeight);
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& l : lines)
            for (const auto& r : l.runs) t.push_back(r.text);
        return t;
    }
    bool contains(const std::string& text) const { return lineWith(lines, text) >= 0; }
};

}  // namespace velno::print::test
