// The report view in the main window: report mode and back, scrolling,
// the group picker, PDF export, printing on a QPrinter, preview, fonts.

#include <gtest/gtest.h>

#include <QTimer>

#include <QApplication>

#include <QFile>
#include <QFontDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <regex>

#include "ShellFixture.h"
#include "app/ActionPanel.h"
#include "app/CVelnoView.h"
#include "app/commands/CommandIds.h"
#include "print/ReportKinds.h"
#include "print/ui/QPrinterPrintTarget.h"
#include "publishers/ui/ReportGroupPickerDialog.h"
#include "store/CVelnoDoc.h"

namespace velno::app {
namespace {

int draws = 0;
int lastPageHeight = 0;

int threePages(print::ReportContext& ctx) {
    ++draws;
    lastPageHeight = ctx.pageHeight();
    for (int page = 1; page <= 3; ++page) {
        ctx.useFont(print::FontRole::Title);
        ctx.canvas.text(ctx.leftStart(), ctx.pageTop(page) + ctx.topMargin(),
                        "Halaman " + std::to_string(page));
    }
    return 3;
}

int countPdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const std::string text = file.readAll().toStdString();
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), page),
                                          std::sregex_iterator()));
}

class ReportViewState : public ::testing::Test {
protected:
    void SetUp() override {
        draws = 0;
        shell.open();
    }
    MainWindow& window() { return shell.window(); }
    test::ShellFixture shell;
};

TEST_F(ReportViewState, PagesLieOneBelowTheOtherAndEscapeReturnsToThePanel) {
    QPushButton* button = window().panel()->button(cmd::PanelSummary);
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(print::ViewMode::Report, window().view().mode);
    EXPECT_EQ(print::kind::Summary, window().view().kind);
    CVelnoView* view = window().reportView();
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(window().panel()->isVisible());

    window().showDrawing(threePages);
    EXPECT_EQ(3, window().view().pageCount);
    const int dpi = view->logicalDpiY();
    // 11 inches a page, three pages, at the screen's resolution.
    EXPECT_EQ(11 * 3 * dpi - view->viewport()->height(), view->verticalScrollBar()->maximum());
    EXPECT_EQ(4 * dpi, view->verticalScrollBar()->pageStep());
    EXPECT_EQ(dpi / 6, view->verticalScrollBar()->singleStep());
    EXPECT_EQ(22 * dpi, view->pageTop(3));
    EXPECT_TRUE(window().action(cmd::ReturnToPanel)->isEnabled());
    EXPECT_TRUE(window().action(cmd::Print)->isEnabled());

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(print::ViewMode::Panel, window().view().mode);
    EXPECT_TRUE(window().panel()->isVisible());
    EXPECT_FALSE(window().action(cmd::ReturnToPanel)->isEnabled());
    EXPECT_FALSE(window().action(cmd::Print)->isEnabled());
}

TEST_F(ReportViewState, KindsWithoutPagesStayDisabledAndBuiltOnesShow) {
    // Every report command follows the kinds table: built kinds show their
    // report, the others stay visible and disabled.
    int built = 0;
    for (const Command& c : window().commands().commands()) {
        if (c.enable != Enable::ReportBuilt || c.visible != Visible::Always) continue;
        const print::ReportKindInfo* info = print::findReportKind(c.arg);
        ASSERT_NE(nullptr, info) << c.id;
        QAction* a = c.id < 32768 ? nullptr : window().action(c.id);
        QPushButton* b = window().panel()->button(c.id);
        if (!a && !b) continue;  // reached by id alone
        const bool enabled = a ? a->isEnabled() : b->isEnabled();
        EXPECT_EQ(info->built(), enabled) << c.id;
        if (!info->built()) continue;
        ++built;
        if (info->perGroup) continue;  // asks for the group first
        // Some commands ask first (a group, the publishers, a need): the
        // question is dismissed and that command shows nothing.
        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                asked = true;
                w->close();
            }
        });
        window().trigger(c.id);
        QApplication::processEvents();
        if (!asked) {
            EXPECT_EQ(print::ViewMode::Report, window().view().mode) << c.id;
            EXPECT_EQ(c.arg, window().view().kind) << c.id;
        }
        window().returnToPanel();
    }
    EXPECT_GT(built, 0);
}

TEST_F(ReportViewState, ReportsLayOutTheTallyOfTheDataAsItIsWhenShown) {
    // Pages only read the tally; showing a report brings it up to date.
    CVelnoDoc& doc = shell.doc();
    doc.tally().clear();
    window().trigger(cmd::Summary);
    ASSERT_EQ(print::ViewMode::Report, window().view().mode);
    EXPECT_EQ(doc.store().subList(ListActive).size(),
              doc.tally().at(TallyCategory::Publishers, TallyValue::ActivePublishers));
    // And so does a change made while it is on show.
    doc.tally().clear();
    window().dataChanged();
    EXPECT_EQ(doc.store().subList(ListActive).size(),
              doc.tally().at(TallyCategory::Publishers, TallyValue::ActivePublishers));
}

TEST_F(ReportViewState, ExportPdfWritesEveryPage) {
    window().showDrawing(threePages);
    const QString path = test::artefactFolder() + "/export-test.pdf";
    QFile::remove(path);
    ASSERT_TRUE(window().exportPdfTo(path));
    EXPECT_EQ(3, countPdfPages(path));
    // The screen's page count is back after printing on another device.
    EXPECT_EQ(3, window().view().pageCount);
    EXPECT_EQ(110, window().view().pageLengthTenths);
}

TEST_F(ReportViewState, PrintingOnA4CutsTwelveInchBands) {
    window().showDrawing(threePages);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = test::artefactFolder() + "/print-a4-test.pdf";
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    {
        print::QPrinterPrintTarget target(printer);
        ASSERT_TRUE(target.ok());
        EXPECT_TRUE(target.paperIsA4());
        EXPECT_EQ(2, window().view().print(shell.doc(), window().fonts(), target, test::kShellToday,
                                           2, 3));
        EXPECT_EQ(12 * printer.resolution(), lastPageHeight);
        EXPECT_TRUE(target.finish());
    }
    EXPECT_EQ(2, countPdfPages(path));
    EXPECT_FALSE(window().view().a4);
}

TEST_F(ReportViewState, PreviewDrawsThePagesOfThePrinter) {
    window().showDrawing(threePages);
    const int before = draws;
    test::onNextModal([](QWidget* w) {
        EXPECT_NE(nullptr, qobject_cast<QPrintPreviewDialog*>(w));
        QTest::qWait(50);
        w->close();
    });
    window().trigger(cmd::PrintPreview);
    EXPECT_GT(draws, before);
    EXPECT_EQ(print::ViewMode::Report, window().view().mode);
}

TEST_F(ReportViewState, PerGroupReportAsksForTheGroup) {
    ASSERT_GE(shell.doc().groups().count(), 2);
    test::onNextModal([](QWidget* w) {
        auto* picker = qobject_cast<ReportGroupPickerDialog*>(w);
        ASSERT_NE(nullptr, picker);
        EXPECT_EQ("Pilih Kelompok Dinas Lapangan", picker->windowTitle().toStdString());
        EXPECT_EQ("Cetak 1 - 2", picker->printAllButton()->text().toStdString());
        picker->list()->setCurrentRow(1);
        EXPECT_EQ("Cetak # 2", picker->printOneButton()->text().toStdString());
        picker->okButton()->click();
    });
    QTest::mouseClick(window().panel()->button(cmd::PanelGroupAnalysis), Qt::LeftButton);
    EXPECT_EQ(print::ViewMode::Report, window().view().mode);
    EXPECT_EQ(print::kind::GroupAnalysis, window().view().kind);
    EXPECT_EQ(2, window().view().group);
    EXPECT_EQ(0, window().windowTitle().indexOf("KDL # 2"));

    // Cancelled: nothing changes.
    window().returnToPanel();
    test::onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    window().trigger(cmd::GroupAnalysis);
    EXPECT_EQ(print::ViewMode::Panel, window().view().mode);
}

TEST_F(ReportViewState, GroupWithoutMembersShowsNothing) {
    RecordStore& store = shell.doc().store();
    for (int pos = 1; pos < store.recordCount(); ++pos)
        if (store.at(pos).group == 2) store.at(pos).group = 1;
    window().refreshAll();
    test::onNextModal([](QWidget* w) {
        auto* picker = qobject_cast<ReportGroupPickerDialog*>(w);
        ASSERT_NE(nullptr, picker);
        picker->list()->setCurrentRow(1);
        picker->okButton()->click();
    });
    window().trigger(cmd::GroupAnalysis);
    EXPECT_EQ(print::ViewMode::Panel, window().view().mode);
}

TEST_F(ReportViewState, FontChooserKeepsTheFontUnlessAnotherIsConfirmed) {
    window().showDrawing(threePages);
    const print::LogicalFont before = window().fonts().font(print::FontRole::Title);
    const int drawn = draws;

    test::onNextModal([](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ("Pilih huruf judul laporan", dialog->windowTitle().toStdString());
        dialog->reject();
    });
    window().trigger(cmd::FontTitle);
    test::onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
    window().trigger(cmd::FontTitle);
    // Cancel, and OK on the font as offered, keep the stored font exactly
    // (the chooser may offer a substitute of a face the machine lacks).
    EXPECT_EQ(before, window().fonts().font(print::FontRole::Title));

    test::onNextModal([](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        QFont f = dialog->currentFont();
        f.setItalic(true);
        f.setPointSize(20);
        dialog->setCurrentFont(f);
        dialog->accept();
    });
    window().trigger(cmd::FontTitle);
    const print::LogicalFont after = window().fonts().font(print::FontRole::Title);
    EXPECT_TRUE(after.italic);
    EXPECT_EQ(-qRound(20 * window().reportView()->logicalDpiY() / 72.0), after.height);
    EXPECT_GT(draws, drawn);

    window().trigger(cmd::FontsHighResolution);
    EXPECT_EQ(print::ReportFonts::defaultFont(print::FontRole::Title,
                                              print::ReportFonts::DefaultSet::HighResolution, 0),
              window().fonts().font(print::FontRole::Title));
    EXPECT_FALSE(window().action(cmd::FontsLowResolution)->isEnabled());
}

}  // namespace
}  // namespace velno::app
