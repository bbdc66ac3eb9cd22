#include "print/ui/QPainterCanvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>

#include <cstdlib>

namespace velno::print {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, bool printer)
    : painter_(painter),
      printer_(printer),
      dpiX_(painter.device()->logicalDpiX()),
      dpiY_(painter.device()->logicalDpiY()) {
    painter_.setPen(QPen(Qt::black));
}

QFont QPainterCanvas::toQFont(const LogicalFont& font) {
    QFont f(QString::fromStdString(font.faceName));
    // A negative height is the character height; a positive one the cell,
    // of which the character is about five sixths.
    const int pixels = font.height < 0 ? -font.height : font.height * 5 / 6;
    f.setPixelSize(std::max(1, pixels));
    f.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    if (font.pitchAndFamily & 0x01) f.setFixedPitch(true);
    if (font.width > 0) f.setStretch(std::clamp(font.width * 200 / std::max(1, pixels), 50, 200));
    return f;
}

void QPainterCanvas::setFont(const LogicalFont& font) {
    painter_.setFont(toQFont(font));
}

void QPainterCanvas::text(int x, int y, std::string_view text, Align align) {
    const QString s = fromUtf8(text);
    const QFontMetrics fm(painter_.font(), painter_.device());
    int left = x;
    const int width = fm.horizontalAdvance(s);
    if (align == Align::Right) left = x - width;
    if (align == Align::Center) left = x - width / 2;
    painter_.drawText(left, y + fm.ascent(), s);
}

int QPainterCanvas::textWidth(std::string_view text) {
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(fromUtf8(text));
}

int QPainterCanvas::lineSpacing() {
    return QFontMetrics(painter_.font(), painter_.device()).lineSpacing();
}

int QPainterCanvas::textHeight() {
    return QFontMetrics(painter_.font(), painter_.device()).height();
}

void QPainterCanvas::line(int x1, int y1, int x2, int y2, int width) {
    painter_.setPen(QPen(Qt::black, std::max(1, width)));
    painter_.drawLine(x1, y1, x2, y2);
}

void QPainterCanvas::rect(int left, int top, int right, int bottom, int width) {
    painter_.setPen(QPen(Qt::black, std::max(1, width)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(left, top, right - left, bottom - top);
}

void QPainterCanvas::fillRect(int left, int top, int right, int bottom, int grey) {
    painter_.fillRect(left, top, right - left, bottom - top, QColor(grey, grey, grey));
}

void QPainterCanvas::setClip(int left, int top, int right, int bottom) {
    clipped_ = true;
    clip_ = QRect(left, top, right - left, bottom - top);
    painter_.setClipRect(clip_);
}

void QPainterCanvas::clearClip() {
    clipped_ = false;
    painter_.setClipping(false);
}

void QPainterCanvas::setOriginShift(int dx, int dy) {
    painter_.resetTransform();
    painter_.translate(-dx, -dy);
    if (clipped_) painter_.setClipRect(clip_);
}

}  // namespace velno::print
