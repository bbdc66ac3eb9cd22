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
    // A painter begun again (a new page on some devices) has lost the font.
    if (metrics_ && font == font_ && painter_.font() == qfont_) return;
    font_ = font;
    qfont_ = toQFont(font);
    painter_.setFont(qfont_);
    metrics_.emplace(painter_.font(), painter_.device());
}

const QFontMetrics& QPainterCanvas::metrics() {
    if (!metrics_ || painter_.font() != qfont_) {
        qfont_ = painter_.font();
        metrics_.emplace(qfont_, painter_.device());
    }
    return *metrics_;
}

bool QPainterCanvas::outsideBand(int top, int bottom) const {
    return clipped_ && (top > clip_.bottom() || bottom < clip_.top());
}

void QPainterCanvas::text(int x, int y, std::string_view text, Align align) {
    const QFontMetrics& fm = metrics();
    if (outsideBand(y, y + fm.height())) return;
    const QString s = fromUtf8(text);
    int left = x;
    if (align != Align::Left) {
        const int width = fm.horizontalAdvance(s);
        left = align == Align::Right ? x - width : x - width / 2;
    }
    painter_.drawText(left, y + fm.ascent(), s);
}

int QPainterCanvas::textWidth(std::string_view text) {
    return metrics().horizontalAdvance(fromUtf8(text));
}

int QPainterCanvas::lineSpacing() {
    return metrics().lineSpacing();
}

int QPainterCanvas::textHeight() {
    return metrics().height();
}

void QPainterCanvas::line(int x1, int y1, int x2, int y2, int width) {
    if (outsideBand(std::min(y1, y2), std::max(y1, y2))) return;
    painter_.setPen(QPen(Qt::black, std::max(1, width)));
    painter_.drawLine(x1, y1, x2, y2);
}

void QPainterCanvas::rect(int left, int top, int right, int bottom, int width) {
    if (outsideBand(top, bottom)) return;
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
