#pragma once
// Everything a report's drawing routine needs: the data, the device, the
// fonts and the page geometry.

#include <string>
#include <vector>

#include "print/Canvas.h"
#include "print/ReportFonts.h"
#include "store/Calendar.h"

namespace velno {
class CVelnoDoc;
}

namespace velno::print {

struct CardJob;

constexpr int kPageWidthTenths = 80;
constexpr int kPageLengthTenths = 110;
constexpr int kA4PageLengthTenths = 120;

struct ReportContext {
    // Pages only lay out what the document holds; the month's tally is
    // brought up to date before a report is shown, never while it is drawn.
    const CVelnoDoc& doc;
    Canvas& canvas;
    const ReportFonts& fonts;
    int screenDpiX = 96;
    int screenDpiY = 96;
    int group = 0;  // the chosen group of a per-group report, 1-based
    int pageLengthTenths = kPageLengthTenths;
    CalendarDate today{};
    std::string languageCode = "in";
    // The cards the record-card report prints (the caller keeps them).
    const CardJob* cards = nullptr;
    // The special-needs list filtered to one need (its key), 0 for all.
    int specialNeed = 0;
    // The heads whose emergency-contact forms print (store positions; the
    // caller keeps them); none: one blank form.
    const std::vector<int>* formHeads = nullptr;

    // Selects a report font, scaled for the device.
    void useFont(FontRole role);
    void useFont(const LogicalFont& font);

    bool atScreenResolution() const { return canvas.dpiX() == screenDpiX; }
    // The drawing unit of one inch: eleven twelfths of the resolution on
    // devices of the screen's resolution, the resolution elsewhere.
    int inchX() const { return atScreenResolution() ? canvas.dpiX() * 11 / 12 : canvas.dpiX(); }
    int inchY() const { return canvas.dpiY(); }
    // Reports start half an inch from the left edge.
    int leftStart() const { return inchX() / 2; }
    // The "Top Margin" setting in device units; above one inch, half an inch.
    int topMargin() const;
    // Height of one page in device units.
    int pageHeight() const { return canvas.dpiY() * (pageLengthTenths / 10); }
    int pageTop(int page) const { return (page - 1) * pageHeight(); }
};

// "Tercetak 7 Desember 2026" at (rightX, y), right-aligned; only when the
// drawing goes to a printer and the date stamp is switched on. Returns
// whether it was drawn.
bool drawDateStamp(ReportContext& ctx, int rightX, int y);
std::string dateStampText(const CalendarDate& today, const std::string& languageCode);

struct ListHeader {
    std::string title;         // UTF-8; the congregation name is added when set
    std::string subtitle;      // empty for none
    bool addressList = false;  // the rule is 7 inches instead of 7.5
};
// Draws the page header of the congregation lists at the top of a page
// and returns the y below it.
int drawListHeader(ReportContext& ctx, int pageTop, const ListHeader& header);
// Lines of the Text font one list page holds.
int listLinesPerPage(ReportContext& ctx);

}  // namespace velno::print
