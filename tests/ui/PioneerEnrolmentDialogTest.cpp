// The enrolment dialog on a demo congregation, and the shell commands that
// reach the publisher records.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "app/ActionPanel.h"
#include "app/ShellLayout.h"
#include "app/commands/CommandIds.h"
#include "publishers/PioneerEnrolmentModel.h"
#include "publishers/ui/PioneerEnrolmentDialog.h"
#include "publishers/ui/PublisherSelectDialog.h"
#include "reporting/ReportPredicates.h"
#include "store/FixedText.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"
#include "text/texts/PublishersTexts.h"

namespace velno {
namespace {

void showActive(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

int kindInReportMonth(const CVelnoDoc& doc, int pos) {
    return doc.store().at(pos).kindAt(doc.reportMonth().slot());
}

// The count in the title's closing parentheses.
int titleCount(const QString& title) {
    const int open = title.lastIndexOf('(');
    const int close = title.lastIndexOf(')');
    return title.mid(open + 1, close - open - 1).trimmed().toInt();
}

TEST(PioneerEnrolment, AddsAndRemovesAuxiliaryPioneersByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    PioneerEnrolmentModel model(doc, EnrolmentMode::Auxiliary);
    PioneerEnrolmentDialog dialog(model);
    showActive(dialog);

    // Opened on the ReportMonth of this year, the focus on the left list.
    EXPECT_EQ(2, dialog.yearList()->currentRow());
    EXPECT_EQ(QString::fromStdString(text::monthName(doc.reportMonth().reportMonth0)),
              dialog.monthBox()->currentText());
    EXPECT_FALSE(dialog.specialCheck()->isVisible());
    EXPECT_EQ(dialog.leftList(), QApplication::focusWidget());
    EXPECT_EQ(text::tr(text::TxEnrolAdd), dialog.actionButton()->text().toStdString());
    const int before = titleCount(dialog.windowTitle());
    EXPECT_EQ(dialog.rightList()->count(), before);
    ASSERT_GE(dialog.leftList()->count(), 3);

    QTest::keyClick(dialog.leftList(), Qt::Key_Down);
    QTest::keyClick(dialog.leftList(), Qt::Key_Down);
    const int pos = model.leftRows()[2].storePos;
    EXPECT_EQ(dialog.leftList()->item(2)->text(), dialog.nameLine()->text());
    // Enter: the action button is the default.
    QTest::keyClick(dialog.leftList(), Qt::Key_Return);
    EXPECT_EQ(ServiceAuxiliary, kindInReportMonth(doc, pos));
    EXPECT_EQ(before + 1, titleCount(dialog.windowTitle()));
    EXPECT_EQ(before + 1, dialog.rightList()->count());
    // The remembered line moved up by one; the focus is back on the left.
    EXPECT_EQ(1, dialog.leftList()->currentRow());
    EXPECT_EQ(dialog.leftList(), QApplication::focusWidget());
    EXPECT_TRUE(doc.dirty);

    // Over to the right list: the button removes.
    doc.store().at(pos).flags |= RecordFlag::ContinuousAuxiliary;
    dialog.rightList()->setFocus();
    EXPECT_EQ(text::tr(text::TxEnrolRemove), dialog.actionButton()->text().toStdString());
    EXPECT_EQ(-1, dialog.leftList()->currentRow());
    int row = -1;
    for (int i = 0; i < static_cast<int>(model.rightRows().size()); ++i)
        if (model.rightRows()[i].storePos == pos) row = i;
    ASSERT_GE(row, 0);
    dialog.rightList()->setCurrentRow(row);
    // On the button the list shows no line, but the button acts on it.
    dialog.actionButton()->setFocus();
    EXPECT_EQ(-1, dialog.rightList()->currentRow());
    QTest::keyClick(dialog.actionButton(), Qt::Key_Return);
    EXPECT_EQ(ServicePublisher, kindInReportMonth(doc, pos));
    // Removed in the ReportMonth: the continuous flag goes too.
    EXPECT_FALSE(doc.store().at(pos).flags & RecordFlag::ContinuousAuxiliary);
    EXPECT_EQ(before, titleCount(dialog.windowTitle()));

    dialog.finishButton()->setFocus();
    QTest::keyClick(dialog.finishButton(), Qt::Key_Space);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(PioneerEnrolment, YearLinesOfferTheMonthsOfTheWindow) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int month0 = doc.reportMonth().reportMonth0;
    PioneerEnrolmentModel model(doc, EnrolmentMode::Auxiliary);
    PioneerEnrolmentDialog dialog(model);
    showActive(dialog);
    EXPECT_EQ(month0 + 1, dialog.monthBox()->count());
    dialog.yearList()->setFocus();
    QTest::keyClick(dialog.yearList(), Qt::Key_Up);
    EXPECT_EQ(12, dialog.monthBox()->count());
    QTest::keyClick(dialog.yearList(), Qt::Key_Up);
    EXPECT_EQ(11 - month0, dialog.monthBox()->count());
    EXPECT_EQ(0, dialog.monthBox()->currentIndex());
    EXPECT_TRUE(dialog.windowTitle().contains(dialog.yearList()->item(0)->text()));
    EXPECT_TRUE(dialog.windowTitle().contains(dialog.monthBox()->currentText()));
    dialog.accept();
}

TEST(PioneerEnrolment, SpecialCheckSwitchesTheRightListToSpecialPioneers) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    PioneerEnrolmentModel model(doc, EnrolmentMode::Regular);
    PioneerEnrolmentDialog dialog(model);
    showActive(dialog);
    ASSERT_TRUE(dialog.specialCheck()->isVisible());
    EXPECT_TRUE(
        dialog.windowTitle().startsWith(QString::fromStdString(text::tr(text::TxPioneersRegular))));
    const int pos = model.leftRows().front().storePos;
    dialog.specialCheck()->setFocus();
    QTest::keyClick(dialog.specialCheck(), Qt::Key_Space);
    EXPECT_EQ(EnrolmentMode::Special, model.mode());
    EXPECT_TRUE(
        dialog.windowTitle().startsWith(QString::fromStdString(text::tr(text::TxSpecialPioneers))));
    const int specials = titleCount(dialog.windowTitle());
    dialog.leftList()->setFocus();
    dialog.leftList()->setCurrentRow(0);
    dialog.actionButton()->click();
    EXPECT_EQ(ServiceSpecial, kindInReportMonth(doc, pos));
    EXPECT_EQ(specials + 1, titleCount(dialog.windowTitle()));
    EXPECT_EQ(specials + 1, dialog.rightList()->count());
    dialog.accept();
}

// ---- the shell -----------------------------------------------------------------

const int kRecordCommands[] = {app::cmd::EditPublishers,  app::cmd::AuxiliaryPioneers,
                               app::cmd::RegularPioneers, app::cmd::AutoCaps,
                               app::cmd::SortByFirstName, app::cmd::PanelEditPublishers,
                               app::cmd::PanelAuxiliary};

TEST(PioneerEnrolment, TheBranchReportCountsTheNewPioneerAtOnce) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const ReportMonth& m = doc.reportMonth();
    // A publisher who reported this month, tallied as a publisher.
    const PioneerEnrolmentModel probe(doc, EnrolmentMode::Auxiliary);
    int row = -1;
    for (int i = 0; i < static_cast<int>(probe.leftRows().size()) && row < 0; ++i) {
        const PublisherRecord& r = doc.store().at(probe.leftRows()[i].storePos);
        const bool tallied =
            !(r.categoryBits & (CategoryBit::SpecialServant | CategoryBit::Missionary));
        if (tallied && kindInReportMonth(doc, probe.leftRows()[i].storePos) == ServicePublisher &&
            IsReported(r, m.reportMonth0, m.parity()))
            row = i;
    }
    ASSERT_GE(row, 0);
    const CategoryTally before = doc.tally();

    test::onNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<PioneerEnrolmentDialog*>(w);
        ASSERT_NE(nullptr, dialog);
        dialog->leftList()->setCurrentRow(row);
        dialog->actionButton()->click();
        dialog->finishButton()->click();
    });
    shell.window().action(app::cmd::AuxiliaryPioneers)->trigger();

    const CategoryTally& after = doc.tally();
    EXPECT_EQ(before.at(TallyCategory::Auxiliary, TallyValue::Count) + 1,
              after.at(TallyCategory::Auxiliary, TallyValue::Count));
    EXPECT_EQ(before.at(TallyCategory::Publishers, TallyValue::Count) - 1,
              after.at(TallyCategory::Publishers, TallyValue::Count));
}

TEST(PublisherCommands, RunInLiveDataOnlyAndNeverInASnapshot) {
    test::ShellFixture shell;
    shell.open();
    app::ShellState live;
    app::ShellState archive;
    archive.archiveView = true;
    for (int id : kRecordCommands) {
        const app::Command* c = shell.window().commands().find(id);
        ASSERT_NE(nullptr, c) << id;
        EXPECT_TRUE(app::isEnabled(*c, live)) << id;
        EXPECT_FALSE(app::isEnabled(*c, archive)) << id;
    }
}

TEST(PublisherCommands, MenuAndPanelOpenTheirDialogs) {
    test::ShellFixture shell;
    shell.open();
    app::MainWindow& w = shell.window();
    struct Case {
        int id;
        const char* dialog;
        int titleText;
    };
    const Case cases[] = {
        {app::cmd::EditPublishers, "dialog136", text::TxSelectTitle},
        {app::cmd::PanelEditPublishers, "dialog136", text::TxSelectTitle},
        {app::cmd::AuxiliaryPioneers, "dialog111", text::TxListAuxiliary},
        {app::cmd::PanelAuxiliary, "dialog111", text::TxListAuxiliary},
        {app::cmd::RegularPioneers, "dialog111", text::TxPioneersRegular},
    };
    for (const Case& c : cases) {
        QString name;
        QString title;
        test::onNextModal([&](QWidget* dialog) {
            name = dialog->objectName();
            title = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        if (QAction* a = w.action(c.id)) {
            ASSERT_TRUE(a->isEnabled()) << c.id;
            a->trigger();
        } else {
            QPushButton* button = w.panel()->button(c.id);
            ASSERT_NE(nullptr, button) << c.id;
            ASSERT_TRUE(button->isEnabled()) << c.id;
            button->click();
        }
        EXPECT_EQ(c.dialog, name.toStdString()) << c.id;
        EXPECT_TRUE(title.startsWith(QString::fromStdString(text::tr(c.titleText))))
            << title.toStdString();
    }
}

TEST(PublisherCommands, AutoCapsAndSortByFirstNameToggle) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    app::MainWindow& w = shell.window();
    QAction* caps = w.action(app::cmd::AutoCaps);
    ASSERT_TRUE(caps->isCheckable());
    const bool capsBefore = doc.settings().autoCaps != 0;
    EXPECT_EQ(capsBefore, caps->isChecked());
    doc.dirty = false;
    caps->trigger();
    EXPECT_EQ(!capsBefore, doc.settings().autoCaps != 0);
    EXPECT_EQ(!capsBefore, caps->isChecked());
    EXPECT_TRUE(doc.dirty);

    ASSERT_FALSE(doc.settings().sortByFirstName);
    doc.dirty = false;
    w.trigger(app::cmd::SortByFirstName);
    EXPECT_TRUE(doc.settings().sortByFirstName);
    EXPECT_TRUE(doc.dirty);
    // The active list now runs by first name.
    const auto& active = doc.store().subList(ListActive);
    for (std::size_t i = 1; i < active.size(); ++i) {
        const std::string a = fieldText(doc.store().at(active[i - 1]).fname);
        const std::string b = fieldText(doc.store().at(active[i]).fname);
        EXPECT_LE(QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive),
                  0)
            << a << " / " << b;
    }
    w.trigger(app::cmd::SortByFirstName);
    EXPECT_FALSE(doc.settings().sortByFirstName);
}

}  // namespace
}  // namespace velno
