#pragma once
// The state of the report view: panel or report mode, the report on show,
// page geometry and scrolling, and the printing loop. The Qt view only
// paints what this says.

#include <string>

#include "print/ReportContext.h"
#include "print/ReportKinds.h"

namespace velno::print {

enum class ViewMode { Panel = 1, Report = 2 };

// A device that prints page by page.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual Canvas& canvas() = 0;
    // Called before every page after the first.
    virtual void newPage() = 0;
    virtual bool paperIsA4() const = 0;
    virtual bool makesCopies() const = 0;  // the driver repeats the pages itself
    virtual int copies() const = 0;
    virtual std::string printerName() const = 0;
};

struct ScrollGeometry {
    int totalWidth = 0;
    int totalHeight = 0;
    int pageX = 0, pageY = 0;  // one scroll page
    int lineX = 0, lineY = 0;  // one scroll line
};

class ReportViewState {
public:
    ViewMode mode = ViewMode::Panel;
    int kind = 0;
    int group = 0;
    int pageWidthTenths = kPageWidthTenths;
    int pageLengthTenths = kPageLengthTenths;
    int pageCount = 1;
    int screenDpiX = 96, screenDpiY = 96;
    // The default printer's resolution; 300 when no printer is installed.
    int printerDpiX = 300, printerDpiY = 300;
    std::string printerName;
    bool a4 = false;
    // The report shown by showDrawing, nullptr while a kind is shown.
    DrawReport drawing = nullptr;
    // The cards of the record-card report (the caller keeps them).
    const CardJob* cards = nullptr;
    // The need filter of the special-needs list and the heads of the
    // contact forms (the caller keeps them).
    int specialNeed = 0;
    const std::vector<int>* formHeads = nullptr;

    // Switches to report mode for a kind. A per-group kind needs a group
    // with at least one active member; otherwise nothing changes and false
    // is returned.
    bool show(const CVelnoDoc& doc, int reportKind, int chosenGroup = 0);
    // Switches to report mode for a report outside the kinds table (the
    // attendance record of the yearly attendance dialog); kind becomes 0.
    void showDrawing(DrawReport drawing);
    void returnToPanel() { mode = ViewMode::Panel; }

    // Draws the report on show onto a canvas (the screen or a recording)
    // and keeps its page count.
    int draw(ReportContext& ctx);
    ReportContext contextFor(const CVelnoDoc& doc, Canvas& canvas, const ReportFonts& fonts,
                             const CalendarDate& today) const;

    ScrollGeometry scrollGeometry() const;

    // Prints pages from..to (1-based, clamped to the page count) and
    // returns the number of pages sent, copies included.
    int print(const CVelnoDoc& doc, const ReportFonts& fonts, PrintTarget& target,
              const CalendarDate& today, int fromPage = 1, int toPage = 0);
};

// Whether any active publisher belongs to a group.
bool groupHasMembers(const CVelnoDoc& doc, int group);

}  // namespace velno::print
