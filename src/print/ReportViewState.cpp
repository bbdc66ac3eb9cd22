#include "print/ReportViewState.h"

#include <algorithm>

#include "store/CVelnoDoc.h"
#include "text/texts/CommonTexts.h"

namespace velno::print {

bool groupHasMembers(const CVelnoDoc& doc, int group) {
    const RecordStore& store = doc.store();
    for (int pos : store.subList(ListActive))
        if (store.at(pos).group == group) return true;
    return false;
}

bool ReportViewState::show(const CVelnoDoc& doc, int reportKind, int chosenGroup) {
    const ReportKindInfo* info = findReportKind(reportKind);
    if (!info) return false;
    if (info->perGroup && !groupHasMembers(doc, chosenGroup)) return false;
    kind = reportKind;
    group = chosenGroup;
    drawing = nullptr;
    mode = ViewMode::Report;
    return true;
}

void ReportViewState::showDrawing(DrawReport routine) {
    kind = 0;
    group = 0;
    drawing = routine;
    mode = ViewMode::Report;
}

namespace {

DrawReport routineOf(const ReportViewState& view) {
    if (view.drawing) return view.drawing;
    const ReportKindInfo* info = findReportKind(view.kind);
    return info ? info->draw : nullptr;
}

// The page count on this device and paper, nothing drawn.
int countPagesOf(const ReportViewState& view, ReportContext& ctx) {
    const ReportKindInfo* info = view.drawing ? nullptr : findReportKind(view.kind);
    if (info && info->countPages) return std::max(1, info->countPages(ctx));
    const DrawReport routine = routineOf(view);
    if (!routine) return 1;
    ctx.canvas.setClip(0, 0, 0, 0);
    const int pages = std::max(1, routine(ctx));
    ctx.canvas.clearClip();
    return pages;
}

}  // namespace

ReportContext ReportViewState::contextFor(const CVelnoDoc& doc, Canvas& canvas,
                                          const ReportFonts& fonts,
                                          const CalendarDate& today) const {
    ReportContext ctx{doc, canvas, fonts};
    ctx.screenDpiX = screenDpiX;
    ctx.screenDpiY = screenDpiY;
    ctx.group = group;
    ctx.pageLengthTenths = pageLengthTenths;
    ctx.today = today;
    ctx.languageCode = text::tr(text::LanguageCode);
    ctx.cards = cards;
    ctx.specialNeed = specialNeed;
    ctx.formHeads = formHeads;
    return ctx;
}

int ReportViewState::draw(ReportContext& ctx) {
    const DrawReport routine = routineOf(*this);
    pageCount = routine ? std::max(1, routine(ctx)) : 1;
    return pageCount;
}

ScrollGeometry ReportViewState::scrollGeometry() const {
    ScrollGeometry g;
    g.totalHeight = (pageLengthTenths / 10) * pageCount * screenDpiY;
    g.totalWidth = (pageWidthTenths / 10) * screenDpiX;
    g.pageY = 4 * screenDpiY;
    g.pageX = g.totalWidth / 4;
    g.lineY = screenDpiY / 6;
    g.lineX = screenDpiX / 10;
    return g;
}

int ReportViewState::print(const CVelnoDoc& doc, const ReportFonts& fonts, PrintTarget& target,
                           const CalendarDate& today, int fromPage, int toPage) {
    a4 = target.paperIsA4();
    if (a4) pageLengthTenths = kA4PageLengthTenths;
    if (target.printerName() != printerName) {
        printerName = target.printerName();
        printerDpiX = target.canvas().dpiX();
        printerDpiY = target.canvas().dpiY();
    }
    int copiesToRepeat = target.makesCopies() ? 0 : std::max(0, target.copies() - 1);

    Canvas& canvas = target.canvas();
    ReportContext ctx = contextFor(doc, canvas, fonts, today);
    pageCount = countPagesOf(*this, ctx);
    const int last = toPage <= 0 ? pageCount : std::min(toPage, pageCount);
    const int first = std::clamp(fromPage, 1, last);
    const int band = ctx.pageHeight();
    const int width = canvas.dpiX() * (pageWidthTenths / 10);

    int sent = 0;
    for (;;) {
        for (int page = first; page <= last; ++page) {
            if (sent > 0) target.newPage();
            canvas.setClip(0, (page - 1) * band, width, page * band);
            canvas.setOriginShift(0, (page - 1) * band);
            draw(ctx);
            canvas.setOriginShift(0, 0);
            canvas.clearClip();
            ++sent;
        }
        if (copiesToRepeat == 0) break;
        --copiesToRepeat;
    }
    a4 = false;
    pageLengthTenths = kPageLengthTenths;
    return sent;
}

}  // namespace velno::print
