#pragma once
// Pages printed onto images, as a printer would take them; the canvas
// stays the same from page to page, as on a printer.

#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "print/ReportViewState.h"
#include "print/ui/QPainterCanvas.h"

namespace velno::test {

class ImagePages : public print::PrintTarget {
public:
    // A Letter page at `dpi` dots per inch.
    explicit ImagePages(int dpi = 100) : dpi_(dpi) {
        start();
        canvas_ = std::make_unique<print::QPainterCanvas>(painter_, true);
    }
    print::Canvas& canvas() override { return *canvas_; }
    void newPage() override {
        finish();
        start();
    }
    bool paperIsA4() const override { return false; }
    bool makesCopies() const override { return true; }
    int copies() const override { return 1; }
    std::string printerName() const override { return "images"; }

    void finish() {
        painter_.end();
        done.push_back(image_);
    }
    std::vector<QImage> done;

private:
    void start() {
        image_ = QImage(dpi_ * 17 / 2, dpi_ * 11, QImage::Format_RGB32);
        const int dotsPerMeter = static_cast<int>(dpi_ / 0.0254 + 0.5);
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
        image_.fill(Qt::white);
        painter_.begin(&image_);
    }
    int dpi_;
    QImage image_;
    QPainter painter_;
    std::unique_ptr<print::QPainterCanvas> canvas_;
};

}  // namespace velno::test
