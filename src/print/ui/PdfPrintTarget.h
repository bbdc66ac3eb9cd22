#pragma once
// Printing a report into a PDF file.

#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <string>

#include "print/ReportViewState.h"
#include "print/ui/QPainterCanvas.h"

namespace velno::print {

class PdfPrintTarget : public PrintTarget {
public:
    // Letter paper, or A4; 600 dots per inch.
    PdfPrintTarget(const std::string& path, bool a4, int dpi = 600);
    ~PdfPrintTarget() override;

    bool ok() const { return painter_.isActive(); }
    Canvas& canvas() override { return *canvas_; }
    void newPage() override { writer_.newPage(); }
    bool paperIsA4() const override { return a4_; }
    bool makesCopies() const override { return true; }
    int copies() const override { return 1; }
    std::string printerName() const override { return "PDF"; }
    // Ends the document; false when the file could not be written.
    bool finish();

private:
    QPdfWriter writer_;
    QPainter painter_;
    std::unique_ptr<QPainterCanvas> canvas_;
    bool a4_;
};

}  // namespace velno::print
