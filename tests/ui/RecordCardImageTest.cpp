// Record cards printed onto page images: the card must look like a tidy
// printed form, so the images are kept for a look and checked for ink in
// both card positions.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "print/RecordCardPrinting.h"
#include "print/RecordCardViewerModel.h"
#include "print/ui/QPainterCanvas.h"
#include "print/ui/RecordCardDialogs.h"
#include "reporting/AnalyticsFixture.h"
#include "ui/ImagePages.h"
#include "ui/ShellFixture.h"

namespace velno::print {
namespace {

using velno::test::AnalyticsFixture;

// Rows between y0 and y1 with dark pixels.
int inkedRows(const QImage& image, int y0, int y1) {
    int rows = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
    return rows;
}

// Nothing drawn beyond the card's right edge (7.5 + 0.5 inches).
bool clearRightOfCard(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 8 * 150 + 3; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return false;
    return true;
}

struct CardCongregation : AnalyticsFixture {
    explicit CardCongregation(CalendarDate today) : AnalyticsFixture(today) {
        auto& r = add(300, "Yohanes", "Simanjuntak");
        r.flags |= RecordFlag::Brother | PrivilegeElder;
        velno::test::setBaptism(r, 3, 14, 1998);
        velno::test::setBirth(r, 7, 2, 1970);
        for (int i = 0; i < 20; ++i)
            velno::test::reportAt(r, stamp() - i, 50 + i, i % 4, ServiceRegular, i % 4);
        sort();
        open();
    }
};

void printAndKeep(const CVelnoDoc& doc, const char* name, bool previous) {
    test::ImagePages pages(150);
    CardJob job;
    job.positions = cardPositions(doc, false);
    job.previous = previous;
    const ReportFonts fonts;
    const auto result = printCards(doc, fonts, pages, job, {2024, 12, 5});
    pages.finish();
    ASSERT_EQ(result.pages, 1);
    ASSERT_EQ(pages.done.size(), 1u);
    const QImage& page = pages.done[0];
    // Both card positions carry a card: 1 to 6 inches and 6 to 11 inches.
    EXPECT_GT(inkedRows(page, 150, 900), 300);
    EXPECT_GT(inkedRows(page, 900, 1650), 300);
    EXPECT_TRUE(clearRightOfCard(page));
    EXPECT_TRUE(page.save(test::artefactFolder() + "/" + name + ".png"));
}

TEST(RecordCardImage, NewFormCardFillsBothPositionsAndStaysWithinThePage) {
    CardCongregation f({2024, 12, 5});
    printAndKeep(f.doc, "record-card-new-form", false);
}

TEST(RecordCardImage, FiveNumberCardFillsBothPositionsAndStaysWithinThePage) {
    CardCongregation f({2024, 12, 5});
    printAndKeep(f.doc, "record-card-old-form", true);
}

int inkedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return n;
}

TEST(RecordCardViewer, InactiveBoxSwitchesTheListAndThePreviewFollows) {
    CardCongregation f({2024, 12, 5});
    f.add(301, "Lina", "Wati", ListInactive);
    f.sort();
    RecordCardViewerModel model(f.doc);
    RecordCardViewerDialog::Services services;
    services.doc = &f.doc;
    services.today = {2024, 12, 5};
    RecordCardViewerDialog dialog(model, services, nullptr);
    auto* list = dialog.findChild<QListWidget*>("publishers");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Yohanes Simanjuntak");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("edit")->isVisibleTo(&dialog))
        << "no editor given (snapshot view)";
    const int inkActive = inkedPixels(dialog.preview());
    EXPECT_GT(inkActive, 2000);
    auto* inactive = dialog.findChild<QCheckBox*>("inactive");
    inactive->setFocus();
    QTest::keyClick(inactive, Qt::Key_Space);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Lina Wati");
    EXPECT_LT(inkedPixels(dialog.preview()), inkActive) << "a card without reports";
    EXPECT_EQ(model.fileCards(true).positions.size(), 1u);
    EXPECT_NE(model.proposedPdf(false).string().find("Exports/Kartu Penyiar 2025.pdf"),
              std::string::npos);
}

TEST(RecordCardViewer, PreferencesOkStoresTheBoxesAndMarksTheDocument) {
    CardCongregation f({2024, 12, 5});
    CardPreferencesModel model(f.doc);
    CardPreferencesDialog dialog(model, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* onePerPage = dialog.findChild<QCheckBox*>("onePerPage");
    auto* hideTotals = dialog.findChild<QCheckBox*>("hideTotals0");
    onePerPage->setFocus();
    QTest::keyClick(onePerPage, Qt::Key_Space);
    hideTotals->setFocus();
    QTest::keyClick(hideTotals, Qt::Key_Space);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    f.doc.dirty = false;
    EXPECT_TRUE(model.accept(f.doc));
    EXPECT_TRUE(f.doc.dirty);
    EXPECT_EQ(f.doc.settings().onePerPage, 1);
    EXPECT_EQ(f.doc.settings().hideAverages, 4);
}

}  // namespace
}  // namespace velno::print
