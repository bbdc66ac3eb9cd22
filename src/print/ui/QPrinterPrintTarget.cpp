#include "print/ui/QPrinterPrintTarget.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace velno::print {

QPrinterPrintTarget::QPrinterPrintTarget(QPrinter& printer) : printer_(printer) {
    printer_.setFullPage(true);
    if (painter_.begin(&printer_)) canvas_ = std::make_unique<QPainterCanvas>(painter_, true);
}

QPrinterPrintTarget::~QPrinterPrintTarget() {
    if (painter_.isActive()) painter_.end();
}

bool QPrinterPrintTarget::paperIsA4() const {
    return printer_.pageLayout().pageSize().id() == QPageSize::A4;
}

std::string QPrinterPrintTarget::printerName() const {
    if (printer_.outputFormat() == QPrinter::PdfFormat) return "PDF";
    return printer_.printerName().toStdString();
}

bool QPrinterPrintTarget::finish() {
    return painter_.isActive() && painter_.end();
}

int defaultPrinterResolution() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return 300;
    QPrinter printer(info, QPrinter::HighResolution);
    const int dpi = printer.resolution();
    return dpi > 0 ? dpi : 300;
}

}  // namespace velno::print
