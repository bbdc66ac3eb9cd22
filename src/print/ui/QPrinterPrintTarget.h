#pragma once
// Printing a report on a QPrinter: a real printer, the print preview or
// Qt's own PDF output of the print dialog.

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>

#include "print/ReportViewState.h"
#include "print/ui/QPainterCanvas.h"

namespace velno::print {

class QPrinterPrintTarget : public PrintTarget {
public:
    // Starts painting on the printer (full page, no margins of its own: the
    // reports place themselves from the paper's edge).
    explicit QPrinterPrintTarget(QPrinter& printer);
    ~QPrinterPrintTarget() override;

    bool ok() const { return painter_.isActive(); }
    Canvas& canvas() override { return *canvas_; }
    void newPage() override { printer_.newPage(); }
    bool paperIsA4() const override;
    bool makesCopies() const override { return printer_.supportsMultipleCopies(); }
    int copies() const override { return printer_.copyCount(); }
    std::string printerName() const override;
    // Ends the job; false when it failed.
    bool finish();

private:
    QPrinter& printer_;
    QPainter painter_;
    std::unique_ptr<QPainterCanvas> canvas_;
};

// The resolution of the default printer; 300 when none is installed.
int defaultPrinterResolution();

}  // namespace velno::print
