// How the shell feels by keyboard and between runs: reports open at their
// top, the panel's keys, Alt+letter before the menu bar, the window's title
// and place, the start-up notice at every load.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>
#include <functional>

#include "ShellFixture.h"
#include "app/ActionPanel.h"
#include "app/CVelnoView.h"
#include "app/MnemonicPriority.h"
#include "app/PrintSetupDialog.h"
#include "app/QtTranslation.h"
#include "app/ReportPrinter.h"
#include "app/ShellLayout.h"
#include "app/UserSettings.h"
#include "app/commands/CommandIds.h"
#include "print/ReportKinds.h"
#include "publishers/ReportGroupPickerModel.h"
#include "publishers/ui/ReportGroupPickerDialog.h"
#include "store/CVelnoDoc.h"
#include "store/Snapshots.h"

namespace velno::app {
namespace {

class DesktopPolish : public ::testing::Test {
protected:
    void SetUp() override {
        userSettings().clear();
        shell.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        QApplication::setActiveWindow(&window());
    }
    MainWindow& window() { return shell.window(); }
    test::ShellFixture shell;
};

TEST_F(DesktopPolish, EveryReportOpensAtItsTop) {
    CVelnoView* view = window().reportView();
    window().trigger(cmd::Statistics);
    ASSERT_GT(view->verticalScrollBar()->maximum(), 0);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QTest::keyClick(view, Qt::Key_Escape);
    window().trigger(cmd::Summary);
    EXPECT_EQ(0, view->verticalScrollBar()->value());
    // From one report straight to the next as well.
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    window().trigger(cmd::Statistics);
    EXPECT_EQ(0, view->verticalScrollBar()->value());
    // A redraw of the same report keeps the place.
    view->verticalScrollBar()->setValue(40);
    window().redrawReport();
    EXPECT_EQ(40, view->verticalScrollBar()->value());
}

TEST_F(DesktopPolish, PanelTakesTheFocusAndEnterOrSpacePressesTheButton) {
    ActionPanel* panel = window().panel();
    QPushButton* first = panel->button(panel->buttonIds().front());
    EXPECT_EQ(first, QApplication::focusWidget());
    EXPECT_TRUE(window().testAttribute(Qt::WA_KeyboardFocusChange));

    QPushButton* summary = panel->button(cmd::PanelSummary);
    summary->setFocus();
    QTest::keyClick(summary, Qt::Key_Return);
    ASSERT_EQ(print::ViewMode::Report, window().view().mode);
    EXPECT_EQ(print::kind::Summary, window().view().kind);

    // Back on the panel the first button has the focus again.
    QTest::keyClick(window().reportView(), Qt::Key_Escape);
    EXPECT_EQ(first, QApplication::focusWidget());

    QPushButton* statistics = panel->button(cmd::PanelStatistics);
    statistics->setFocus();
    QTest::keyClick(statistics, Qt::Key_Space);
    EXPECT_EQ(print::kind::Statistics, window().view().kind);
    QTest::keyClick(window().reportView(), Qt::Key_Escape);
    // Enter on the first button, "&Isi Laporan", opens the month's dialog.
    bool opened = false;
    test::onNextModal([&opened](QWidget* dialog) {
        opened = true;
        dialog->close();
    });
    QTest::keyClick(first, Qt::Key_Enter);
    EXPECT_TRUE(opened);
}

TEST_F(DesktopPolish, AltLetterPressesThePanelsButtonBeforeTheMenu) {
    // "&Hadirin Perhimpunan" on the panel and "&Huruf" in the menu bar.
    QString seen;
    test::onNextModal([&seen](QWidget* dialog) {
        seen = dialog->metaObject()->className();
        dialog->close();
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    EXPECT_FALSE(seen.isEmpty()) << "the attendance dialog did not open";
    EXPECT_EQ(nullptr, window().menuBar()->activeAction());

    // With a report on show no button carries the letter: the menu bar
    // gets it. Two buttons of one window sharing a letter are Qt's to cycle.
    window().trigger(cmd::Summary);
    const QKeyEvent altH(QEvent::KeyPress, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(nullptr, MnemonicPriority::buttonFor(&window(), altH));
    window().returnToPanel();
    EXPECT_EQ(window().panel()->button(cmd::PanelAttendance),
              MnemonicPriority::buttonFor(&window(), altH));
    QDialog dialog;
    new QPushButton("&Batal", &dialog);
    new QPushButton("&Brkt", &dialog);
    dialog.show();
    const QKeyEvent altB(QEvent::KeyPress, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(nullptr, MnemonicPriority::buttonFor(&dialog, altB));
}

TEST_F(DesktopPolish, TitleNamesTheCongregationOrTheFoldersOwnName) {
    const std::string folderName = shell.folder().filename().string();
    shell.doc().settings().congregationName.clear();
    window().refreshAll();
    EXPECT_EQ("VELNO - " + folderName, window().windowTitle().toStdString());
    shell.doc().settings().congregationName = "  Sidang Medan Utara ";
    window().refreshAll();
    EXPECT_EQ("VELNO - Sidang Medan Utara", window().windowTitle().toStdString());
}

TEST_F(DesktopPolish, WindowKeepsItsPlaceBetweenPanelAndReportAndBetweenRuns) {
    const QRect chosen(40, 30, 900, 640);
    window().setGeometry(chosen);
    window().trigger(cmd::Summary);
    EXPECT_EQ(chosen.size(), window().geometry().size());
    window().returnToPanel();
    EXPECT_EQ(chosen.size(), window().geometry().size());
    window().close();

    MainWindow again(shell.doc(), shell.prompter(), test::kShellToday);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(chosen.size(), again.geometry().size());
}

TEST_F(DesktopPolish, StartupNoticeAtTheEndOfEveryLoad) {
    CVelnoDoc& doc = shell.doc();
    ASSERT_TRUE(takeSnapshot(doc, doc.reportMonth().reportMonth0));
    doc.saveAll();
    window().refreshAll();
    doc.settings().nag = 0;
    int notices = 0;
    const auto countNotice = [&notices](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(nullptr, message);
        EXPECT_TRUE(message->text().startsWith("Program ini dibuat"));
        ++notices;
        message->accept();
    };
    test::onNextModal(countNotice);
    window().oldReportsMenu()->actions().front()->trigger();
    ASSERT_TRUE(doc.oldYearView);
    EXPECT_EQ(1, notices);
    test::onNextModal(countNotice);
    window().panel()->button(kPanelReturnButton)->click();
    EXPECT_FALSE(doc.oldYearView);
    EXPECT_EQ(2, notices);
    // Switched off: no notice.
    doc.settings().nag = 1;
    window().oldReportsMenu()->actions().front()->trigger();
    EXPECT_EQ(2, notices);
}

TEST_F(DesktopPolish, CommandsNotBuiltSayNotAvailableAndEmptySubmenusAreGreyed) {
    window().fillMenus();
    const QString notYet = "Belum tersedia";
    int pending = 0;
    for (const Command& c : window().commands().commands()) {
        if (c.id < 32768) continue;
        QAction* a = window().action(c.id);
        if (!a) continue;
        // The rule follows the command and kinds tables, no list of its own.
        EXPECT_EQ(isPending(c), a->toolTip() == notYet) << c.id;
        if (isPending(c)) {
            ++pending;
            EXPECT_EQ(notYet, a->statusTip()) << c.id;
            EXPECT_FALSE(a->isEnabled()) << c.id;
        }
    }
    EXPECT_GT(pending, 0);
    for (int id : window().panel()->buttonIds()) {
        const Command* c = window().commands().find(id);
        ASSERT_NE(nullptr, c);
        EXPECT_EQ(isPending(*c), window().panel()->button(id)->toolTip() == notYet) << id;
    }
    // Every submenu: greyed exactly when none of its items is available.
    int greyed = 0;
    for (QMenu* menu : window().menuBar()->findChildren<QMenu*>()) {
        if (menu->parent() == window().menuBar()) continue;
        bool any = false;
        for (QAction* a : menu->actions())
            any = any || (!a->isSeparator() && a->isVisible() && a->isEnabled());
        EXPECT_EQ(any, menu->menuAction()->isEnabled()) << menu->title().toStdString();
        if (!any) ++greyed;
    }
    EXPECT_GT(greyed, 0);
}

TEST_F(DesktopPolish, SaveDialogProposesTitleMonthAndYearInExports) {
    const QString exports = QString::fromStdString((shell.folder() / "Exports").string());
    window().trigger(cmd::Summary);
    EXPECT_EQ(exports + "/ringkasan-sidang-november-2026.pdf",
              window().printer().proposedPdfPath());
    // Items of a submenu carry the submenu's name.
    window().trigger(cmd::AvgCongregation);
    EXPECT_EQ(exports + "/rata2-tiga-enam-bulan-sidang-november-2026.pdf",
              window().printer().proposedPdfPath());
    EXPECT_EQ("laporan-kdl-3", fileNameWords("  Laporan & KDL #3 "));
}

TEST_F(DesktopPolish, PaperFollowsTheLanguageUntilTheSetUpChoosesAnother) {
    QPrinter& printer = window().printer().printer();
    EXPECT_EQ(QPageSize::A4, printer.pageLayout().pageSize().id());
    window().trigger(cmd::Summary);
    test::onNextModal([](QWidget* w) {
        auto* dialog = qobject_cast<PrintSetupDialog*>(w);
        ASSERT_NE(nullptr, dialog);
        EXPECT_GT(dialog->printers()->count(), 0);
        const int letter = dialog->papers()->findData(static_cast<int>(QPageSize::Letter));
        ASSERT_GE(letter, 0);
        dialog->papers()->setCurrentIndex(letter);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    window().trigger(cmd::PrintSetup);
    EXPECT_EQ(QPageSize::Letter, printer.pageLayout().pageSize().id());
}

TEST_F(DesktopPolish, PreviewOpensAtPageWidthAndRemembersTheZoom) {
    window().trigger(cmd::Summary);
    const auto look = [this](std::function<void(QPrintPreviewWidget*)> check) {
        test::onNextModal([check](QWidget* dialog) {
            auto* pages = dialog->findChild<QPrintPreviewWidget*>();
            EXPECT_NE(nullptr, pages);
            if (pages) check(pages);
            dialog->close();
        });
        window().trigger(cmd::PrintPreview);
    };
    // The toolbar shows the fit in force, not Qt's first choice.
    const auto pressed = [](QPrintPreviewWidget* pages, const char* name) {
        auto* action = pages->window()->findChild<QAction*>(name);
        return action != nullptr && action->isChecked();
    };
    look([&](QPrintPreviewWidget* pages) {
        EXPECT_EQ(QPrintPreviewWidget::FitToWidth, pages->zoomMode());
        EXPECT_TRUE(pressed(pages, "fitWidthAction"));
        EXPECT_FALSE(pressed(pages, "fitPageAction"));
        pages->setZoomFactor(1.5);
    });
    look([&](QPrintPreviewWidget* pages) {
        EXPECT_DOUBLE_EQ(1.5, pages->zoomFactor());
        EXPECT_FALSE(pressed(pages, "fitWidthAction"));
        EXPECT_FALSE(pressed(pages, "fitPageAction"));
    });
}

TEST(QtTranslation, LanguageOfTheStringTableOrEnglish) {
    EXPECT_EQ("id", qtLanguageOf("in"));
    EXPECT_EQ("fr", qtLanguageOf("french"));
    EXPECT_TRUE(qtLanguageOf("klingon").isEmpty());
    QTranslator translator;
    EXPECT_FALSE(loadQtTranslation(translator, "klingon"));
    // A language Qt has: its buttons change; the translator is taken out
    // again so the other tests see Qt's English.
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
        GTEST_SKIP() << "Qt's translations are not installed";
    ASSERT_TRUE(loadQtTranslation(translator, "french"));
    EXPECT_EQ("Annuler", QCoreApplication::translate("QPlatformTheme", "Cancel"));
    QCoreApplication::removeTranslator(&translator);
}

TEST_F(DesktopPolish, GroupPickerIsWideEnoughForItsTitle) {
    ReportGroupPickerModel model(shell.doc(), 1, true);
    ReportGroupPickerDialog dialog(model);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_GT(dialog.width(), dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()));
    test::saveScreenshot(dialog, "dialog122-group-picker");
}

}  // namespace
}  // namespace velno::app
