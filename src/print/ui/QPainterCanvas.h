#pragma once
// The canvas on a QPainter: the screen, a printer or a PDF writer.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <optional>

#include "print/Canvas.h"

namespace velno::print {

class QPainterCanvas : public Canvas {
public:
    // The painter must be active on its device for the canvas's lifetime.
    QPainterCanvas(QPainter& painter, bool printer);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    bool isPrinter() const override { return printer_; }

    void setFont(const LogicalFont& font) override;
    void text(int x, int y, std::string_view text, Align align) override;
    int textWidth(std::string_view text) override;
    int lineSpacing() override;
    int textHeight() override;

    void line(int x1, int y1, int x2, int y2, int width) override;
    void rect(int left, int top, int right, int bottom, int width) override;
    void fillRect(int left, int top, int right, int bottom, int grey) override;

    void setClip(int left, int top, int right, int bottom) override;
    void clearClip() override;
    bool showsLines(int top, int bottom) const override { return !outsideBand(top, bottom); }
    void setOriginShift(int dx, int dy) override;

    // The Qt font a logical font becomes on this device.
    static QFont toQFont(const LogicalFont& font);

private:
    QPainter& painter_;
    bool printer_;
    int dpiX_, dpiY_;
    // The band in drawing coordinates; QPainter keeps a clip in the device
    // coordinates of the moment it was set, so it is set again whenever the
    // origin moves.
    bool clipped_ = false;
    QRect clip_;
    // The last font set and its metrics: pages are drawn again for every
    // band printed, and most lines keep the font of the line before.
    LogicalFont font_;
    QFont qfont_;
    std::optional<QFontMetrics> metrics_;
    const QFontMetrics& metrics();
    // Whether a line box lies wholly outside the band.
    bool outsideBand(int top, int bottom) const;
};

}  // namespace velno::print
