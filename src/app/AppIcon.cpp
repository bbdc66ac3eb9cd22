#include "app/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

#include "app/DrawnIcon.h"

namespace velno::app {

namespace {

// The design on a 64-unit square: a blue ledger with ruled lines and a
// white check mark.
void drawIcon(QPainter& p) {
    p.scale(24.0 / 64.0, 24.0 / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x8c));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    p.setBrush(QColor(0xf4, 0xf1, 0xe8));
    p.drawRoundedRect(QRectF(14, 12, 36, 42), 3, 3);
    p.setPen(QPen(QColor(0x9d, 0xb4, 0xd3), 2.0));
    for (int y = 22; y <= 46; y += 8) p.drawLine(QPointF(19, y), QPointF(45, y));
    QPainterPath check;
    check.moveTo(21, 33);
    check.lineTo(29, 41);
    check.lineTo(45, 21);
    p.setPen(QPen(QColor(0x2e, 0x8b, 0x57), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(check);
}

}  // namespace

QIcon appIcon() {
    return drawnIcon(drawIcon);
}

}  // namespace velno::app
