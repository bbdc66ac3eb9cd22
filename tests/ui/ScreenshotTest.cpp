// Screenshots of the main window and of a report page, left in the build
// folder (tests/artefacts) to be looked at.

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "ShellFixture.h"
#include "app/CVelnoView.h"
#include "app/commands/CommandIds.h"
#include "print/ReportKinds.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/texts/PrintTexts.h"

namespace velno::app {
namespace {

// A telephone list from the demo data, for a page that looks like a real
// one while the list pages are not built yet.
int samplePhoneList(print::ReportContext& ctx) {
    const RecordStore& store = ctx.doc.store();
    const int perPage = print::listLinesPerPage(ctx);
    const auto& active = store.subList(ListActive);
    int page = 1;
    int y = print::drawListHeader(ctx, ctx.pageTop(page), {text::tr(text::TxPhoneList), "", false});
    int line = 0;
    ctx.useFont(print::FontRole::Text);
    const int spacing = ctx.canvas.lineSpacing();
    for (int pos : active) {
        if (line == perPage - 6) {
            ++page;
            line = 0;
            y = print::drawListHeader(ctx, ctx.pageTop(page),
                                      {text::tr(text::TxPhoneList), "", false});
            ctx.useFont(print::FontRole::Text);
        }
        const PublisherRecord& r = store.at(pos);
        const int left = ctx.leftStart();
        ctx.canvas.text(left, y, text::cp1252ToUtf8(displayNameOf(r, true)));
        ctx.canvas.text(left + ctx.inchX() * 9 / 2, y, text::cp1252ToUtf8(fieldText(r.phone)),
                        print::Align::Right);
        ctx.canvas.text(left + ctx.inchX() * 6, y, text::cp1252ToUtf8(fieldText(r.phone2)),
                        print::Align::Right);
        y += spacing;
        ++line;
    }
    return page;
}

bool hasDetail(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    int different = 0;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (image.pixel(x, y) != first) ++different;
    return different > 100;
}

TEST(Screenshots, MainWindowAndReportPage) {
    test::ShellFixture shell(120);
    shell.open();
    MainWindow& w = shell.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QImage panel = w.grab().toImage();
    ASSERT_FALSE(panel.isNull());
    EXPECT_TRUE(hasDetail(panel));
    EXPECT_TRUE(panel.save(test::artefactFolder() + "/main-window-panel.png"));

    // The congregation summary, a real page.
    w.trigger(cmd::PanelSummary);
    ASSERT_EQ(print::ViewMode::Report, w.view().mode);
    QTest::qWait(50);
    const QImage report = w.grab().toImage();
    EXPECT_TRUE(report.save(test::artefactFolder() + "/main-window-report.png"));
    for (int page = 1; page <= std::min(2, w.view().pageCount); ++page) {
        const QImage image = w.reportView()->renderPage(page);
        EXPECT_EQ(8 * w.reportView()->logicalDpiX(), image.width());
        EXPECT_EQ(11 * w.reportView()->logicalDpiY(), image.height());
        EXPECT_TRUE(hasDetail(image));
        EXPECT_TRUE(image.save(test::artefactFolder() + QString("/report-page-%1.png").arg(page)));
    }
    w.trigger(cmd::PanelAnalysis);
    EXPECT_TRUE(
        w.reportView()->renderPage(1).save(test::artefactFolder() + "/report-analysis-page-1.png"));
    // The list header on a stand-in page until the list pages are built.
    w.showDrawing(samplePhoneList);
    const QImage list = w.reportView()->renderPage(1);
    EXPECT_TRUE(hasDetail(list));
    EXPECT_TRUE(list.save(test::artefactFolder() + "/report-list-stand-in.png"));
}

}  // namespace
}  // namespace velno::app
