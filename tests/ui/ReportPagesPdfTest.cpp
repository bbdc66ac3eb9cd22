// A report of several pages printed through QPainter: into a PDF with one
// page per report page, and onto page images that each carry their band.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <memory>
#include <regex>

#include "print/ReportViewState.h"
#include "print/ui/PdfPrintTarget.h"
#include "print/ui/QPainterCanvas.h"
#include "reporting/AnalyticsFixture.h"
#include "ui/ImagePages.h"

namespace velno::print {
namespace {

using velno::test::AnalyticsFixture;

constexpr int kNov2024 = 298;

struct LargeCongregation : AnalyticsFixture {
    explicit LargeCongregation(int n) {
        for (int i = 0; i < n; ++i) {
            auto& r = add(static_cast<PublisherId>(200 + i), "Nama" + std::to_string(1000 + i),
                          "Keluarga");
            velno::test::setBaptism(r, 1, 1, 2000);
            velno::test::reportAt(r, kNov2024, 0, i % 3);
        }
        sort();
        open();
    }
};

int countPages(const QByteArray& pdf) {
    const std::string text = pdf.toStdString();
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), page),
                                          std::sregex_iterator()));
}

int inkedRows(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
    return rows;
}

TEST(ReportPagesPdf, CongregationAnalysisGivesOnePdfPagePerReportPage) {
    LargeCongregation f(200);
    test::TempFolder dir;
    const std::string path = dir.file("analysis.pdf").string();
    ReportViewState view;
    ReportFonts fonts;
    ASSERT_TRUE(view.show(f.doc, 110));
    int sent = 0;
    {
        PdfPrintTarget pdf(path, false);
        ASSERT_TRUE(pdf.ok());
        sent = view.print(f.doc, fonts, pdf, {2024, 12, 5});
        EXPECT_TRUE(pdf.finish());
    }
    EXPECT_GE(sent, 4);  // 200 rows at about 55 a page, then the totals
    EXPECT_EQ(sent, view.pageCount);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(sent, countPages(bytes));
}

TEST(ReportPagesPdf, EveryPrintedPageCarriesItsOwnBand) {
    // Each page is clipped to its band and moved to the top of the sheet;
    // a clip left in the coordinates of the first page blanks the others.
    LargeCongregation f(200);
    ReportViewState view;
    ReportFonts fonts;
    ASSERT_TRUE(view.show(f.doc, 110));
    test::ImagePages pages(100);
    const int sent = view.print(f.doc, fonts, pages, {2024, 12, 5});
    pages.finish();
    ASSERT_EQ(static_cast<int>(pages.done.size()), sent);
    ASSERT_GE(sent, 3);
    for (int p = 0; p < sent - 1; ++p) EXPECT_GT(inkedRows(pages.done[p]), 300) << "page " << p + 1;
    EXPECT_GT(inkedRows(pages.done[sent - 1]), 50);
}

}  // namespace
}  // namespace velno::print
