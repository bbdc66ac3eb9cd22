// Buttons as wide as their captions plus the style's margins, never
// stretched by their layouts, and dialogs wide enough for their titles.

#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "ShellFixture.h"
#include "app/ActionPanel.h"
#include "app/DesktopLook.h"
#include "app/ShellLayout.h"
#include "app/commands/CommandIds.h"
#include "publishers/AddPublisherModel.h"
#include "publishers/CircuitOverseerModel.h"
#include "publishers/ui/AddPublisherDialog.h"
#include "publishers/ui/CircuitOverseerDialog.h"
#include "reporting/ReportListModel.h"
#include "reporting/YearActivitySummaryModel.h"
#include "reporting/ui/ReportListDialog.h"
#include "reporting/ui/YearDialogs.h"

namespace velno::app {
namespace {

// The room between the caption and each edge of the button.
int roomBesideCaption(const QPushButton& button) {
    const int text = button.fontMetrics().horizontalAdvance(QString(button.text()).remove('&'));
    return (button.width() - text) / 2;
}

void expectCaptionWidth(const QPushButton& button) {
    SCOPED_TRACE(button.text().toStdString());
    EXPECT_NEAR(button.sizeHint().width(), button.width(), 2);
    EXPECT_GE(roomBesideCaption(button), ButtonMarginStyle::captionMargin(button.fontMetrics()));
}

// The demo congregation open behind the dialogs.
class DesktopLookDialogs : public ::testing::Test {
protected:
    void SetUp() override { shell.open(); }
    static void showExposed(QWidget& w) {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    test::ShellFixture shell{40};
};

TEST_F(DesktopLookDialogs, LongCaptionsKeepAMarginAndNoButtonIsStretched) {
    YearActivitySummaryModel summary(shell.doc());
    YearActivitySummaryDialog summaryDialog(summary);
    showExposed(summaryDialog);
    expectCaptionWidth(*summaryDialog.periodButton());
    // A wider window leaves the button as it is.
    summaryDialog.resize(summaryDialog.width() + 300, summaryDialog.height());
    QTest::qWait(10);
    expectCaptionWidth(*summaryDialog.periodButton());

    AddPublisherModel add(shell.doc());
    AddPublisherDialog addDialog(add);
    showExposed(addDialog);
    // The widest of the three choices sets the dialog's width.
    QPushButton* widest = nullptr;
    for (AddChoice choice : {AddChoice::New, AddChoice::Reactivate, AddChoice::Promote}) {
        QPushButton* b = addDialog.choiceButton(choice);
        if (b->isVisible() && (!widest || b->sizeHint().width() > widest->sizeHint().width()))
            widest = b;
    }
    ASSERT_NE(nullptr, widest);
    expectCaptionWidth(*widest);
}

TEST_F(DesktopLookDialogs, PanelColumnsShareTheWidestCaptionsWidthWhateverTheWindow) {
    auto* panel = shell.window().findChild<ActionPanel*>();
    ASSERT_NE(nullptr, panel);
    std::vector<QPushButton*> columnButtons;
    for (const PanelColumn& column : panelColumns())
        for (int id : column.buttons) columnButtons.push_back(panel->button(id));
    ASSERT_FALSE(columnButtons.empty());
    int widestHint = 0;
    for (QPushButton* b : columnButtons) widestHint = std::max(widestHint, b->sizeHint().width());

    for (int width : {900, 1500}) {
        shell.window().resize(width, 800);
        QTest::qWait(10);
        for (QPushButton* b : columnButtons) {
            SCOPED_TRACE(b->text().toStdString());
            EXPECT_NEAR(widestHint, b->width(), 1);
            EXPECT_GE(roomBesideCaption(*b), ButtonMarginStyle::captionMargin(b->fontMetrics()));
        }
        QPushButton* exit = panel->button(cmd::PanelExit);
        ASSERT_NE(nullptr, exit);
        expectCaptionWidth(*exit);
    }
}

TEST(DesktopLook, DialogsAreWideEnoughForTheirTitles) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("x"));
    dialog.setWindowTitle("Pilih Kelompok Dinas Lapangan untuk Laporan Bulanan");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_GE(dialog.width(), TitleRoom::widthFor(dialog));

    // A longer title while it is open widens it again.
    dialog.setWindowTitle(dialog.windowTitle() + " dan Kartu Catatan Penyiar");
    QTest::qWait(10);
    EXPECT_GE(dialog.width(), TitleRoom::widthFor(dialog));
}

TEST_F(DesktopLookDialogs, ReportListTabsThroughItsRightColumnTopToBottom) {
    ReportListModel model(shell.doc());
    ReportListDialog dialog(model);
    // The list first and OK after it (a slip is the everyday way on), then
    // the choices and the right column in the order it stands.
    std::vector<QWidget*> expected = {dialog.list(), dialog.okButton(), dialog.groupFilter(),
                                      dialog.onlyNotReportedCheck()};
    for (QPushButton* b : dialog.importButtons()) expected.push_back(b);
    expected.push_back(dialog.closeCollectionButton());
    expected.push_back(dialog.finishButton());
    std::vector<QWidget*> chain;
    QWidget* w = dialog.list();
    do {
        if (std::find(expected.begin(), expected.end(), w) != expected.end()) chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w && w != dialog.list());
    EXPECT_EQ(expected, chain);
}

TEST_F(DesktopLookDialogs, CircuitOverseersFieldsShowTheirWholeText) {
    CircuitOverseerModel model(shell.doc());
    CircuitOverseerDialog dialog(model);
    showExposed(dialog);
    int filled = 0;
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        if (edit->text().isEmpty()) continue;
        ++filled;
        SCOPED_TRACE(edit->text().toStdString());
        // The frame and the text margins take a few pixels each side.
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), edit->width() - 8);
    }
    EXPECT_GE(filled, 3) << "the demo's overseer has a name, an address and an e-mail address";
}

}  // namespace
}  // namespace velno::app
