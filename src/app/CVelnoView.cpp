#include "app/CVelnoView.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "print/ui/QPainterCanvas.h"
#include "store/CVelnoDoc.h"

namespace velno::app {

namespace {

// Dots per metre for an image that reports `dpi` pixels per inch.
int dotsPerMetre(int dpi) {
    return qRound(dpi / 0.0254);
}

const QColor kBackdrop(0x8a, 0x8f, 0x96);
const QColor kPageEdge(0xb8, 0xbc, 0xc2);

}  // namespace

CVelnoView::CVelnoView(const CVelnoDoc& doc, print::ReportViewState& view,
                       const print::ReportFonts& fonts, std::function<CalendarDate()> today,
                       QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), view_(view), fonts_(fonts), today_(std::move(today)) {
    setObjectName("CVelnoView");
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    view_.screenDpiX = logicalDpiX();
    view_.screenDpiY = logicalDpiY();
}

void CVelnoView::refresh() {
    view_.screenDpiX = logicalDpiX();
    view_.screenDpiY = logicalDpiY();
    if (view_.mode == print::ViewMode::Report) {
        // The page count comes from the report's own drawing, done once on
        // a one-pixel image of the screen's resolution.
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(dotsPerMetre(view_.screenDpiX));
        probe.setDotsPerMeterY(dotsPerMetre(view_.screenDpiY));
        QPainter painter(&probe);
        print::QPainterCanvas canvas(painter, false);
        auto ctx = view_.contextFor(doc_, canvas, fonts_, today_());
        view_.draw(ctx);
    }
    updateScrollBars();
    viewport()->update();
}

void CVelnoView::scrollToTop() {
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void CVelnoView::updateScrollBars() {
    const print::ScrollGeometry g = view_.scrollGeometry();
    const QSize area = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, g.totalHeight - area.height()));
    verticalScrollBar()->setPageStep(g.pageY);
    verticalScrollBar()->setSingleStep(std::max(1, g.lineY));
    horizontalScrollBar()->setRange(0, std::max(0, g.totalWidth - area.width()));
    horizontalScrollBar()->setPageStep(g.pageX);
    horizontalScrollBar()->setSingleStep(std::max(1, g.lineX));
}

int CVelnoView::pageLeft() const {
    // Centred while the window is wider than the page.
    const int width = view_.scrollGeometry().totalWidth;
    return std::max(0, (viewport()->width() - width) / 2);
}

int CVelnoView::pageTop(int page) const {
    return (page - 1) * (view_.pageLengthTenths / 10) * view_.screenDpiY;
}

void CVelnoView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CVelnoView::drawReport(QPainter& painter) {
    print::QPainterCanvas canvas(painter, false);
    auto ctx = view_.contextFor(doc_, canvas, fonts_, today_());
    const int before = view_.pageCount;
    view_.draw(ctx);
    if (view_.pageCount != before) updateScrollBars();
}

void CVelnoView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kBackdrop);
    if (view_.mode != print::ViewMode::Report) return;

    const print::ScrollGeometry g = view_.scrollGeometry();
    const int left = pageLeft() - horizontalScrollBar()->value();
    const int top = -verticalScrollBar()->value();
    painter.fillRect(QRect(left, top, g.totalWidth, g.totalHeight), Qt::white);
    painter.setPen(kPageEdge);
    for (int page = 2; page <= view_.pageCount; ++page)
        painter.drawLine(left, top + pageTop(page), left + g.totalWidth, top + pageTop(page));

    painter.save();
    painter.setClipRect(QRect(left, top, g.totalWidth, g.totalHeight) & viewport()->rect());
    painter.translate(left, top);
    drawReport(painter);
    painter.restore();
}

QImage CVelnoView::renderPage(int page) {
    const print::ScrollGeometry g = view_.scrollGeometry();
    const int height = (view_.pageLengthTenths / 10) * view_.screenDpiY;
    QImage image(g.totalWidth, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre(view_.screenDpiX));
    image.setDotsPerMeterY(dotsPerMetre(view_.screenDpiY));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(0, -pageTop(page));
    drawReport(painter);
    return image;
}

void CVelnoView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            emit returnToPanelRequested();
            return;
        case Qt::Key_Home:
            verticalScrollBar()->setValue(0);
            return;
        case Qt::Key_End:
            verticalScrollBar()->setValue(verticalScrollBar()->maximum());
            return;
        default:
            QAbstractScrollArea::keyPressEvent(event);
    }
}

}  // namespace velno::app
