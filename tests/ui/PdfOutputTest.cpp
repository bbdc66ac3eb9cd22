// Reports printed into a PDF file.

#include <gtest/gtest.h>

#include <QFile>
#include <regex>

#include "print/ReportViewState.h"
#include "print/ui/PdfPrintTarget.h"
#include "store/CVelnoDoc.h"
#include "support/TempFolder.h"

namespace velno::print {
namespace {

int threePages(ReportContext& ctx) {
    for (int page = 1; page <= 3; ++page) {
        ctx.useFont(FontRole::Title);
        ctx.canvas.text(ctx.leftStart(), ctx.pageTop(page) + ctx.topMargin(),
                        "Halaman " + std::to_string(page));
        ctx.useFont(FontRole::Text);
        ctx.canvas.text(ctx.leftStart(), ctx.pageTop(page) + ctx.topMargin() + ctx.inchY(),
                        "Penyiar \xC3\xA9");
        ctx.canvas.line(ctx.leftStart(), ctx.pageTop(page) + 2 * ctx.inchY(), 7 * ctx.inchX(),
                        ctx.pageTop(page) + 2 * ctx.inchY());
    }
    return 3;
}

int countPages(const QByteArray& pdf) {
    // Page objects, not the page tree ("/Type /Pages").
    const std::string text = pdf.toStdString();
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), page),
                                          std::sregex_iterator()));
}

TEST(PdfOutput, MultiPageReportBecomesAValidPdf) {
    test::TempFolder dir;
    CVelnoDoc doc;
    ReportViewState view;
    ReportFonts fonts;
    view.showDrawing(threePages);
    const std::string path = dir.file("report.pdf").string();
    {
        PdfPrintTarget pdf(path, false);
        ASSERT_TRUE(pdf.ok());
        EXPECT_EQ(600, pdf.canvas().dpiX());
        EXPECT_EQ(3, view.print(doc, fonts, pdf, {2026, 12, 8}));
        EXPECT_TRUE(pdf.finish());
    }
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(3, countPages(bytes));
}

}  // namespace
}  // namespace velno::print
