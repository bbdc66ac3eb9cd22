#include "print/ui/PdfPrintTarget.h"

#include <QPageLayout>
#include <QPageSize>

namespace velno::print {

PdfPrintTarget::PdfPrintTarget(const std::string& path, bool a4, int dpi)
    : writer_(QString::fromStdString(path)), a4_(a4) {
    writer_.setResolution(dpi);
    writer_.setPageSize(QPageSize(a4 ? QPageSize::A4 : QPageSize::Letter));
    writer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    writer_.setCreator("Velno");
    painter_.begin(&writer_);
    canvas_ = std::make_unique<QPainterCanvas>(painter_, true);
}

PdfPrintTarget::~PdfPrintTarget() {
    if (painter_.isActive()) painter_.end();
}

bool PdfPrintTarget::finish() {
    return painter_.isActive() && painter_.end();
}

}  // namespace velno::print
