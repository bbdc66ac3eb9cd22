#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>

#include "app/DrawnIcon.h"

namespace velno::app {

namespace {

const QColor kInk(0x33, 0x3b, 0x47);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kBlue(0x1f, 0x4e, 0x8c);

void page(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void drawSave(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(0xc9, 0xd3, 0xe0));
    p.drawRect(QRectF(6, 13, 12, 8));
    p.setBrush(kBlue);
    p.drawRect(QRectF(13, 4.5, 2.5, 4));
}

void drawPrint(QPainter& p) {
    page(p, QRectF(7, 3, 10, 6));
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0x9a, 0xa3, 0xae));
    p.drawRoundedRect(QRectF(3, 9, 18, 8), 1.5, 1.5);
    page(p, QRectF(7, 14, 10, 7));
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(9, 17), QPointF(15, 17));
    p.drawLine(QPointF(9, 19), QPointF(14, 19));
}

void drawPreview(QPainter& p) {
    page(p, QRectF(4, 2.5, 13, 17));
    p.setPen(QPen(kInk, 0.8));
    for (qreal y = 6; y <= 12; y += 2) p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
    p.setPen(QPen(kBlue, 2.0));
    p.setBrush(QColor(0xd8, 0xe6, 0xf5, 200));
    p.drawEllipse(QPointF(14, 14), 4.5, 4.5);
    p.setPen(QPen(kBlue, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.3, 17.3), QPointF(21, 21));
}

void drawExportPdf(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(5, 2.5);
    sheet.lineTo(14, 2.5);
    sheet.lineTo(19, 7.5);
    sheet.lineTo(19, 21.5);
    sheet.lineTo(5, 21.5);
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(14, 2.5), QPointF(14, 7.5), QPointF(19, 7.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x2b, 0x2b));
    p.drawRect(QRectF(3, 12, 14, 6));
    p.setPen(QPen(Qt::white, 1.1));
    // "PDF" in strokes: no font needed for an icon.
    p.drawPolyline(QPolygonF(
        {QPointF(5, 17), QPointF(5, 13), QPointF(7, 13), QPointF(7, 15), QPointF(5, 15)}));
    p.drawPolyline(QPolygonF({QPointF(8.5, 13), QPointF(8.5, 17), QPointF(10, 17), QPointF(11, 16),
                              QPointF(11, 14), QPointF(10, 13), QPointF(8.5, 13)}));
    p.drawPolyline(QPolygonF({QPointF(15, 13), QPointF(12.5, 13), QPointF(12.5, 17)}));
    p.drawLine(QPointF(12.5, 15), QPointF(14.5, 15));
}

void drawBack(QPainter& p) {
    QPainterPath arrow;
    arrow.moveTo(3, 12);
    arrow.lineTo(11, 4);
    arrow.lineTo(11, 8.5);
    arrow.lineTo(21, 8.5);
    arrow.lineTo(21, 15.5);
    arrow.lineTo(11, 15.5);
    arrow.lineTo(11, 20);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0x1d, 0x6b, 0x3a), 1.0));
    p.setBrush(QColor(0x2e, 0x8b, 0x57));
    p.drawPath(arrow);
}

void drawHelp(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    QPainterPath mark;
    mark.moveTo(8.5, 9.5);
    mark.cubicTo(8.5, 5.5, 15.5, 5.5, 15.5, 9.5);
    mark.cubicTo(15.5, 12, 12, 12, 12, 14.5);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 18), 1.5, 1.5);
}

}  // namespace

QIcon toolIcon(ToolIcon which) {
    struct Design {
        const char* theme;
        void (*draw)(QPainter&);
    };
    static const Design designs[] = {
        {"document-save", drawSave},
        {"document-print", drawPrint},
        {"document-print-preview", drawPreview},
        {"document-export", drawExportPdf},
        {"go-previous", drawBack},
        {"help-contents", drawHelp},
    };
    const Design& d = designs[static_cast<int>(which)];
    if (QIcon::hasThemeIcon(d.theme)) return QIcon::fromTheme(d.theme);
    return drawnIcon(d.draw);
}

}  // namespace velno::app
