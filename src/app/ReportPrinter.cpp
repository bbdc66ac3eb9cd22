#include "app/ReportPrinter.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "app/PrintSetupDialog.h"
#include "app/QtPrompter.h"
#include "app/UserSettings.h"
#include "print/GroupPrinting.h"
#include "print/PaperSize.h"
#include "print/ReportViewState.h"
#include "print/ui/PdfPrintTarget.h"
#include "print/ui/QPrinterPrintTarget.h"
#include "store/CVelnoDoc.h"
#include "store/ExportsFolder.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/ui/QtText.h"

namespace velno::app {

namespace {
const char* const kPreviewZoomKey = "Preview/Zoom";  // 0: the page's width
}  // namespace

ReportPrinter::ReportPrinter(Parts parts) : parts_(std::move(parts)) {}

ReportPrinter::~ReportPrinter() = default;

QPrinter& ReportPrinter::printer() {
    // Made on first use: asking the print system for printers takes time
    // that the start need not spend.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setFullPage(true);
        printer_->setDocName(qs(text::tr(text::TxAppName)));
        // The paper of the interface language's country until the set-up
        // chooses another.
        const bool a4 = print::defaultPaperFor(text::tr(text::LanguageCode)) == print::Paper::A4;
        printer_->setPageSize(QPageSize(a4 ? QPageSize::A4 : QPageSize::Letter));
    }
    return *printer_;
}

void ReportPrinter::printerChanged() {
    if (!printer_) return;
    print::ReportViewState& view = parts_.view;
    const std::string name = printer_->printerName().toStdString();
    if (name != view.printerName) {
        view.printerName = name;
        view.printerDpiX = printer_->resolution();
        view.printerDpiY = printer_->resolution();
    }
}

bool ReportPrinter::askToPrint(QPrinter& p, bool pageRange) {
    QPrintDialog dialog(&p, parts_.parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageRange);
    if (pageRange) dialog.setMinMax(1, parts_.view.pageCount);
    if (dialog.exec() != QDialog::Accepted) return false;
    printerChanged();
    return true;
}

void ReportPrinter::tellFailed(QPrinter& p) {
    parts_.prompter.tell(text::arg(text::tr(text::TxPrintFailed), p.printerName().toStdString()),
                         Icon::Error);
}

void ReportPrinter::print() {
    if (parts_.view.mode != print::ViewMode::Report) return;
    QPrinter& p = printer();
    if (!askToPrint(p, true)) return;
    int from = 1, to = 0;
    if (p.printRange() == QPrinter::PageRange) {
        from = p.fromPage();
        to = p.toPage();
    }
    {
        print::QPrinterPrintTarget target(p);
        if (!target.ok()) return tellFailed(p);
        parts_.view.print(parts_.doc, parts_.fonts(), target, parts_.today, from, to);
        target.finish();
    }
    parts_.redraw();
}

void ReportPrinter::printEveryGroup(int kind) {
    QPrinter& p = printer();
    if (!askToPrint(p, false)) return;
    print::QPrinterPrintTarget target(p);
    if (!target.ok()) return tellFailed(p);
    print::printEveryGroup(parts_.view, parts_.doc, parts_.fonts(), target, parts_.today, kind);
    target.finish();
}

void ReportPrinter::preview() {
    if (parts_.view.mode != print::ViewMode::Report) return;
    QPrintPreviewDialog dialog(&printer(), parts_.parent);
    dialog.setWindowTitle(qs(text::tr(text::TxMPreview)).remove('&'));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [this](QPrinter* p) {
        print::QPrinterPrintTarget target(*p);
        if (target.ok()) parts_.view.print(parts_.doc, parts_.fonts(), target, parts_.today);
    });
    // A readable page: its width, or the zoom the user chose last time. The
    // toolbar's fit buttons are set through their actions, so that the one
    // shown pressed is the one in force (Qt presses "fit page" at first).
    auto* pages = dialog.findChild<QPrintPreviewWidget*>();
    auto* fitWidth = dialog.findChild<QAction*>("fitWidthAction");
    auto* fitPage = dialog.findChild<QAction*>("fitPageAction");
    const double zoom = userSettings().value(kPreviewZoomKey, 0.0).toDouble();
    if (pages) {
        if (zoom > 0.05 && zoom < 20) {
            pages->setZoomFactor(zoom);
            if (fitWidth && fitPage && fitWidth->actionGroup()) {
                fitWidth->actionGroup()->setExclusive(false);
                fitWidth->setChecked(false);
                fitPage->setChecked(false);
            }
        } else if (fitWidth) {
            fitWidth->trigger();
        } else {
            pages->fitToWidth();
        }
    }
    dialog.exec();
    if (pages)
        userSettings().setValue(
            kPreviewZoomKey,
            pages->zoomMode() == QPrintPreviewWidget::FitToWidth ? 0.0 : pages->zoomFactor());
    printerChanged();
    parts_.redraw();
}

void ReportPrinter::setup() {
    PrintSetupDialog dialog(printer(), parts_.parent);
    if (dialog.exec() != QDialog::Accepted) return;
    // The printer's resolution is read again after every set-up.
    parts_.view.printerName = printer_->printerName().toStdString();
    parts_.view.printerDpiX = parts_.view.printerDpiY = printer_->resolution();
}

QString ReportPrinter::proposedPdfPath() const {
    const QDir exports(QString::fromStdString(exportsFolder(parts_.doc).string()));
    return exports.filePath(qs(parts_.proposedFileName()));
}

void ReportPrinter::exportPdf() {
    if (parts_.view.mode != print::ViewMode::Report) return;
    const QString proposed = proposedPdfPath();
    // The folder is made when first needed, as the other exports do.
    QDir().mkpath(QFileInfo(proposed).path());
    const QString path =
        QFileDialog::getSaveFileName(parts_.parent, qs(text::tr(text::TxExportPdfTitle)), proposed,
                                     qs(text::tr(text::TxPdfFilter)));
    if (path.isEmpty()) return;
    exportPdfTo(path);
}

bool ReportPrinter::exportPdfTo(const QString& path) {
    // The paper of the print set-up (by default the interface language's).
    const bool a4 = printer().pageLayout().pageSize().id() == QPageSize::A4;
    bool ok = false;
    {
        print::PdfPrintTarget pdf(path.toStdString(), a4);
        if (pdf.ok()) {
            parts_.view.print(parts_.doc, parts_.fonts(), pdf, parts_.today);
            ok = pdf.finish();
        }
    }
    parts_.redraw();
    if (!ok) {
        parts_.prompter.tell(text::arg(text::tr(text::TxPdfFailed), path.toStdString()),
                             Icon::Error);
        return false;
    }
    parts_.showStatus(qs(text::arg(text::tr(text::TxPdfWritten), path.toStdString())));
    return true;
}

void ReportPrinter::printWidget(QWidget* widget) {
    QPrinter& p = printer();
    if (!askToPrint(p, false)) return;
    QPainter painter;
    if (!painter.begin(&p)) return tellFailed(p);
    // Scaled to the page width, an inch from the edges.
    const QRectF page = p.pageLayout().paintRectPixels(p.resolution());
    const double inch = p.resolution();
    const double scale = std::min((page.width() - 2 * inch) / widget->width(),
                                  (page.height() - 2 * inch) / widget->height());
    painter.translate(inch, inch);
    painter.scale(scale, scale);
    widget->render(&painter);
    painter.end();
}

}  // namespace velno::app
