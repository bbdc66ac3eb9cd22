#include "app/PrintSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno::app {

PrintSetupDialog::PrintSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
    setObjectName("PrintSetupDialog");
    setWindowTitle(qs(text::tr(text::TxPrintSetupTitle)));
    auto* form = new QFormLayout(this);
    printers_ = new QComboBox(this);
    printers_->setObjectName("printers");
    for (const QString& name : QPrinterInfo::availablePrinterNames()) printers_->addItem(name);
    // Without any printer the reports still go to PDF files.
    if (printers_->count() == 0) printers_->addItem(qs(text::tr(text::TxPrintSetupNoPrinter)));
    const int current = printers_->findText(printer.printerName());
    printers_->setCurrentIndex(std::max(0, current));
    papers_ = new QComboBox(this);
    papers_->setObjectName("papers");
    form->addRow(qs(text::tr(text::TxPrintSetupPrinter)), printers_);
    form->addRow(qs(text::tr(text::TxPrintSetupPaper)), papers_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(printers_, &QComboBox::currentIndexChanged, this, [this] { fillPapers(); });
    fillPapers();
}

void PrintSetupDialog::fillPapers() {
    const QPageSize::PageSizeId chosen =
        papers_->count() ? static_cast<QPageSize::PageSizeId>(papers_->currentData().toInt())
                         : printer_.pageLayout().pageSize().id();
    papers_->clear();
    QList<QPageSize> sizes =
        QPrinterInfo::printerInfo(printers_->currentText()).supportedPageSizes();
    if (sizes.isEmpty()) sizes = {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)};
    for (const QPageSize& size : sizes) papers_->addItem(size.name(), static_cast<int>(size.id()));
    const int index = papers_->findData(static_cast<int>(chosen));
    papers_->setCurrentIndex(std::max(0, index));
}

void PrintSetupDialog::apply() {
    if (QPrinterInfo::availablePrinterNames().contains(printers_->currentText()))
        printer_.setPrinterName(printers_->currentText());
    const auto id = static_cast<QPageSize::PageSizeId>(papers_->currentData().toInt());
    printer_.setPageSize(QPageSize(id));
}

}  // namespace velno::app
