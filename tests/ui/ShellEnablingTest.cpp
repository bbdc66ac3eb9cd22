// What the shell enables while a month-end snapshot is open, the return
// button, and the status pane.

#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "ShellFixture.h"
#include "app/ActionPanel.h"
#include "app/ShellLayout.h"
#include "app/commands/CommandIds.h"
#include "publishers/PublisherMoves.h"
#include "reporting/LateReports.h"
#include "store/Snapshots.h"
#include "text/StringTable.h"

namespace velno::app {
namespace {

const std::set<int> kDataChangingButtons{108, 109, 112, 114, 118, 120, 121, 128};

TEST(ShellEnabling, ArchiveViewDisablesExactlyTheDataChangingButtons) {
    test::ShellFixture shell;
    shell.open();
    const CommandRegistry& commands = shell.window().commands();
    ShellState live;
    ShellState archive;
    archive.archiveView = true;
    for (const PanelColumn& column : panelColumns()) {
        for (int id : column.buttons) {
            // Whether a part is built or not, the rule itself must hold.
            Command c = *commands.find(id);
            c.handler = [] {};
            if (c.enable == Enable::ReportBuilt) c.enable = Enable::Always;
            EXPECT_TRUE(isEnabled(c, live)) << id;
            EXPECT_EQ(!kDataChangingButtons.count(id), isEnabled(c, archive)) << id;
        }
    }
    const Command* back = commands.find(129);
    EXPECT_FALSE(isVisible(*back, live));
    EXPECT_FALSE(isEnabled(*back, live));
    EXPECT_TRUE(isVisible(*back, archive));
    EXPECT_TRUE(isEnabled(*back, archive));
    EXPECT_TRUE(isEnabled(*commands.find(110), archive));
}

TEST(ShellEnabling, CommandsNotBuiltStayVisibleAndDisabled) {
    test::ShellFixture shell;
    shell.open();
    for (int id : {cmd::FontsLowResolution}) {
        QAction* a = shell.window().action(id);
        ASSERT_NE(nullptr, a) << id;
        EXPECT_TRUE(a->isVisible()) << id;
        EXPECT_FALSE(a->isEnabled()) << id;
    }
    // Built commands of this window.
    for (int id :
         {cmd::Save, cmd::PrintSetup, cmd::Password, cmd::ReportFormat, cmd::FontTitle,
          cmd::FontsHighResolution, cmd::About, cmd::HelpContents, cmd::Groups, cmd::Moved,
          cmd::Inactive, cmd::Deleted, cmd::Backup, cmd::Restore, cmd::ExportXml, cmd::ImportXml})
        EXPECT_TRUE(shell.window().action(id)->isEnabled()) << id;
    // Report-mode commands wait for a report.
    for (int id : {cmd::Print, cmd::PrintPreview, cmd::ExportPdf, cmd::ReturnToPanel})
        EXPECT_FALSE(shell.window().action(id)->isEnabled()) << id;
}

TEST(ShellEnabling, SnapshotViewAndReturnToLiveData) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    MainWindow& w = shell.window();
    const int month0 = doc.reportMonth().reportMonth0;  // November
    ASSERT_EQ(10, month0);
    // The snapshot of October: taken when November was opened.
    ASSERT_TRUE(takeSnapshot(doc, month0));
    doc.saveAll();
    w.refreshAll();

    QMenu* old = w.oldReportsMenu();
    ASSERT_NE(nullptr, old);
    EXPECT_TRUE(old->menuAction()->isVisible());
    const auto entries = old->actions();
    ASSERT_EQ(6, entries.size());
    EXPECT_EQ("Oktober", entries[0]->text().toStdString());
    EXPECT_TRUE(entries[0]->isEnabled());
    EXPECT_EQ("Mei", entries[5]->text().toStdString());
    EXPECT_FALSE(entries[5]->isEnabled());

    entries[0]->trigger();
    ASSERT_TRUE(doc.oldYearView);
    ActionPanel* panel = w.panel();
    for (int id : kDataChangingButtons) EXPECT_FALSE(panel->button(id)->isEnabled()) << id;
    EXPECT_TRUE(panel->button(110)->isEnabled());
    QPushButton* back = panel->button(129);
    EXPECT_TRUE(back->isVisible());
    EXPECT_TRUE(back->isEnabled());
    // The live ReportMonth's name, not the snapshot's.
    EXPECT_EQ("November ->", back->text().toStdString());
    EXPECT_FALSE(w.action(cmd::Save)->isEnabled());
    EXPECT_FALSE(w.action(cmd::Password)->isEnabled());
    EXPECT_EQ("  Bulan yang Dikerjakan: Oktober", w.monthPane()->text().toStdString());

    back->click();
    EXPECT_FALSE(doc.oldYearView);
    EXPECT_FALSE(back->isVisible());
    EXPECT_EQ(month0, doc.reportMonth().reportMonth0);
    EXPECT_EQ("  Bulan yang Dikerjakan: November", w.monthPane()->text().toStdString());
    EXPECT_TRUE(w.action(cmd::Save)->isEnabled());
}

TEST(ShellEnabling, ClearingLateReportsAsksAndEmptiesTheList) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    MainWindow& w = shell.window();
    doc.lateReports().clear();
    w.refreshAll();
    EXPECT_FALSE(w.action(cmd::ClearLateReports)->isEnabled());
    const int pos = doc.store().subList(ListActive).front();
    AddLateReport(doc, doc.store().at(pos).id, (doc.reportMonth().reportMonth0 + 11) % 12);
    w.refreshAll();
    ASSERT_TRUE(w.action(cmd::ClearLateReports)->isEnabled());
    test::onNextModal(
        [](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click(); });
    w.action(cmd::ClearLateReports)->trigger();
    EXPECT_EQ(0, doc.lateReports().count());
    EXPECT_TRUE(doc.dirty);
    EXPECT_FALSE(w.action(cmd::ClearLateReports)->isEnabled());
}

TEST(ShellEnabling, DeletedListItemOnlyWhileTheListHoldsSomeone) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    MainWindow& w = shell.window();
    for (int p = doc.store().recordCount() - 1; p >= 1; --p)
        if (doc.store().at(p).listKind == ListDeleted) {
            ASSERT_TRUE(deletePermanently(doc, p));
        }
    w.refreshAll();
    EXPECT_FALSE(w.action(cmd::Deleted)->isEnabled());
    const int pos = doc.store().subList(ListActive).front();
    ASSERT_TRUE(deleteTemporarily(doc, pos, 2, 2024));
    w.refreshAll();
    EXPECT_TRUE(w.action(cmd::Deleted)->isEnabled());
    // The inactive list is opened whether or not it holds anyone.
    EXPECT_TRUE(w.action(cmd::Inactive)->isEnabled());
}

TEST(ShellEnabling, MonthPaneIsSizedToItsText) {
    test::ShellFixture shell;
    shell.open();
    QLabel* pane = shell.window().monthPane();
    const QString text = pane->text();
    EXPECT_EQ("  Bulan yang Dikerjakan: November", text.toStdString());
    const int width = QFontMetrics(shell.window().statusBar()->font()).horizontalAdvance(text);
    EXPECT_EQ(width + 4, pane->width());
}

}  // namespace
}  // namespace velno::app
