// A whole month in the window, by keyboard: the start dialog initialises
// November, the report list opens, slips are entered for every kind of
// publisher (one late, for October), the collection is closed, and the
// branch report and the saved totals show what was typed.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "MonthCycleFixture.h"
#include "ShellFixture.h"
#include "app/ActionPanel.h"
#include "app/ShellLayout.h"
#include "app/commands/CommandIds.h"
#include "print/RecordingCanvas.h"
#include "print/ReportFonts.h"
#include "print/ReportKinds.h"
#include "reporting/CollectionState.h"
#include "reporting/ReportPredicates.h"
#include "reporting/TallyMonth.h"
#include "reporting/ui/ReportListDialog.h"
#include "reporting/ui/ReportSlipDialog.h"
#include "reporting/ui/StartCollectionDialog.h"
#include "session/SessionRules.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"

namespace velno {
namespace {

using test::press;
using test::type;

// The publishers the month is entered for, picked from the demo by what
// their records say about November and October.
struct Cast {
    int publisher = 0, auxiliary = 0, regular = 0, late = 0, special = 0;
};

std::string focusName() {
    QWidget* w = QApplication::focusWidget();
    return w ? std::string(w->metaObject()->className()) + " in " +
                   w->window()->objectName().toStdString()
             : std::string("none");
}

// A button reached with Tab and pressed with Space.
void pressButton(QAbstractButton* button) {
    button->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Space);
}

bool plain(const PublisherRecord& r) {
    return !(r.categoryBits & (CategoryBit::SpecialServant | CategoryBit::Missionary));
}

Cast pickCast(const CVelnoDoc& doc) {
    const RecordStore& store = doc.store();
    const ReportMonth& m = doc.reportMonth();
    const int nov = m.slot();
    const int octParity = m.reportMonth0 == 0 ? 1 - m.parity() : m.parity();
    const int oct = monthSlot(m.reportMonth0 - 1, octParity);
    Cast c;
    for (int pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        if (!plain(r)) continue;
        const int kind = r.kindAt(nov);
        if (kind == ServiceRegular && !c.regular)
            c.regular = pos;
        else if (kind == ServiceSpecial && !c.special)
            c.special = pos;
        else if (kind == ServicePublisher && r.kindAt(oct) == ServicePublisher &&
                 !IsReported(r, m.reportMonth0 - 1, octParity) && !c.late)
            c.late = pos;
        else if (kind == ServicePublisher && !c.publisher)
            c.publisher = pos;
        else if (kind == ServicePublisher && !c.auxiliary)
            c.auxiliary = pos;
    }
    return c;
}

QString nameOf(const CVelnoDoc& doc, int pos) {
    return QString::fromStdString(text::cp1252ToUtf8(doc.displayName(pos)));
}

// Picks a publisher in the report list by typing the name, then opens
// the slip with Enter; `slip` runs on the slip.
void enterSlip(ReportListDialog* list, const QString& name,
               std::function<void(ReportSlipDialog*)> slip) {
    test::activate(list);
    list->list()->setFocus();
    // Typing a name finds it; the keyboard of the test types plain letters.
    QString typed;
    for (const QChar c : name) {
        if (c.unicode() > 0x7e) break;
        typed += c;
    }
    QTest::keyClicks(list->list(), typed);
    ASSERT_NE(nullptr, list->list()->currentItem());
    if (list->list()->currentItem()->text() != name) {
        // Typing finds by prefix; a longer name may share it.
        const auto found = list->list()->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        list->list()->setCurrentItem(found.front());
    }
    test::whenModal<ReportSlipDialog>(std::move(slip));
    press(Qt::Key_Return);
}

TEST(MonthCycle, TypicalMonthByKeyboard) {
    test::MonthCycleFixture f;
    CVelnoDoc& doc = f.doc();
    app::MainWindow& w = f.window();
    ASSERT_EQ(10, doc.reportMonth().reportMonth0);
    ASSERT_NE(Collection::Open, reportMonthState(doc));
    EXPECT_EQ(&programRules(), doc.rules()) << "the start-up keeps the tally current";

    bool listSeen = false;
    const Cast cast = pickCast(doc);
    ASSERT_TRUE(cast.publisher && cast.auxiliary && cast.regular && cast.late && cast.special);
    const PublisherId lateId = doc.store().at(cast.late).id;
    const PublisherId regularId = doc.store().at(cast.regular).id;

    test::whenModal<StartCollectionDialog>([&](StartCollectionDialog* d) {
        // November was never opened this year: no reopening, no question.
        EXPECT_FALSE(d->reopenButton()->isVisible());
        EXPECT_TRUE(d->initialiseButton()->isDefault());
        EXPECT_TRUE(d->initialiseButton()->text().contains("November"));
        EXPECT_TRUE(d->initialiseButton()->text().startsWith("Initialize"));
        test::whenModal<ReportListDialog>([&](ReportListDialog* list) {
            listSeen = true;
            EXPECT_TRUE(list->windowTitle().startsWith("Laporan Bulan November"));
            EXPECT_EQ(Collection::Open, reportMonthState(doc));
            // Every import of the list is built: group files, CSV and XML.
            const auto imports = list->importButtons();
            for (int i = 0; i < imports.size(); ++i) {
                EXPECT_TRUE(imports[i]->isVisible());
                EXPECT_TRUE(imports[i]->isEnabled()) << imports[i]->text().toStdString();
            }

            // A publisher: "Berdinas" and two Bible studies.
            enterSlip(list, nameOf(doc, cast.publisher), [&](ReportSlipDialog* s) {
                EXPECT_TRUE(s->auxiliaryCheck()->isVisible());
                EXPECT_FALSE(s->studiesField()->isVisible());
                EXPECT_EQ(s->sharedCheck(), QApplication::focusWidget()) << focusName();
                press(Qt::Key_Space);
                EXPECT_TRUE(s->studiesField()->isVisible());
                EXPECT_FALSE(s->hoursField()->isVisible()) << "publishers report no hours";
                press(Qt::Key_Return);
                EXPECT_EQ(s->studiesField(), QApplication::focusWidget());
                type("x2");  // letters are ignored
                EXPECT_EQ("2", s->studiesField()->text());
                press(Qt::Key_Return);
            });
            EXPECT_EQ(nameOf(doc, cast.publisher), list->lastEnteredLabel()->text());

            // An auxiliary pioneer: the check sits before "Berdinas".
            enterSlip(list, nameOf(doc, cast.auxiliary), [&](ReportSlipDialog* s) {
                press(Qt::Key_Backtab, Qt::ShiftModifier);
                EXPECT_EQ(s->auxiliaryCheck(), QApplication::focusWidget());
                press(Qt::Key_Space);
                press(Qt::Key_Tab);
                press(Qt::Key_Space);
                EXPECT_TRUE(s->hoursField()->isVisible());
                press(Qt::Key_Return);
                EXPECT_EQ(s->hoursField(), QApplication::focusWidget());
                type("30");
                press(Qt::Key_Return);
                type("1");
                press(Qt::Key_Return);
            });

            // A regular pioneer: 50 hours and the remark "20", which the
            // credit rule cuts to what fills 55 hours.
            enterSlip(list, nameOf(doc, cast.regular), [&](ReportSlipDialog* s) {
                EXPECT_FALSE(s->auxiliaryCheck()->isVisible());
                EXPECT_EQ("Perintis Biasa", s->pioneerLabel()->text().toStdString());
                press(Qt::Key_Space);
                press(Qt::Key_Return);
                type("50");
                press(Qt::Key_Return);
                type("3");
                // "&Catatan" (its mnemonic is Qt's; the offscreen platform has none).
                pressButton(s->remarkButton());
                ASSERT_TRUE(s->remarkEditor()->isVisible());
                EXPECT_EQ(s->remarkEditor(), QApplication::focusWidget());
                EXPECT_FALSE(s->lateMonthButton()->isVisible());
                type("20");
                press(Qt::Key_Return);  // leaving the remark saves the slip
            });

            // October's report that came late.
            enterSlip(list, nameOf(doc, cast.late), [&](ReportSlipDialog* s) {
                pressButton(s->lateMonthButton());
                ASSERT_TRUE(s->monthList()->isVisible());
                EXPECT_EQ(s->monthList(), QApplication::focusWidget());
                EXPECT_FALSE(s->okButton()->isVisible());
                press(Qt::Key_Up);
                press(Qt::Key_Return);
                EXPECT_FALSE(s->monthList()->isVisible());
                EXPECT_TRUE(s->okButton()->isVisible());
                EXPECT_TRUE(s->infoLabel()->text().contains("AKAN DISERTAKAN"));
                EXPECT_FALSE(s->infoLabel()->text().contains("TIDAK"));
                press(Qt::Key_Space);
                press(Qt::Key_Return);
                type("4");
                press(Qt::Key_Return);
            });

            // A special pioneer: entered, but left out of the branch report.
            enterSlip(list, nameOf(doc, cast.special), [&](ReportSlipDialog* s) {
                EXPECT_TRUE(s->infoLabel()->text().contains("TIDAK DISERTAKAN"));
                press(Qt::Key_Space);
                press(Qt::Key_Return);
                type("60");
                press(Qt::Key_Return);
                type("5");
                press(Qt::Key_Return);
            });

            // Only those who have not reported: the five are gone.
            const int all = list->list()->count();
            test::activate(list);
            pressButton(list->onlyNotReportedCheck());
            EXPECT_EQ(all - 4, list->list()->count());  // the late one reported October only
            EXPECT_TRUE(
                list->list()->findItems(nameOf(doc, cast.publisher), Qt::MatchExactly).isEmpty());
            EXPECT_FALSE(
                list->list()->findItems(nameOf(doc, cast.late), Qt::MatchExactly).isEmpty());

            pressButton(list->closeCollectionButton());
        });
        press(Qt::Key_Return);
    });
    w.trigger(app::cmd::PanelEnterReports);
    ASSERT_TRUE(listSeen);

    // What was typed reached the records.
    const ReportMonth& m = doc.reportMonth();
    const PublisherRecord& regular = *doc.store().recordById(regularId);
    EXPECT_EQ(50, regular.hours[m.slot()]);
    EXPECT_EQ(55 - 50, regular.credit[m.slot()]);
    ASSERT_EQ(1, doc.lateReports().count());
    EXPECT_EQ(lateId, doc.lateReports().entries()[0].id);
    EXPECT_EQ(9, doc.lateReports().entries()[0].month0);
    EXPECT_EQ(Collection::Closed, reportMonthState(doc));
    EXPECT_TRUE(doc.dirty);

    // The branch report box: publishers are the one with studies and the
    // late one; the special pioneer is in no row.
    const BranchReport box = BranchReportBox(doc);
    EXPECT_EQ(2, box.rows[0].count);
    EXPECT_EQ(2 + 4, box.rows[0].studies);
    EXPECT_FALSE(box.rows[0].hours.has_value());
    EXPECT_EQ(1, box.rows[1].count);
    EXPECT_EQ(30, box.rows[1].hours.value_or(-1));
    EXPECT_EQ(1, box.rows[1].studies);
    EXPECT_EQ(1, box.rows[2].count);
    EXPECT_EQ(50, box.rows[2].hours.value_or(-1));
    EXPECT_EQ(3, box.rows[2].studies);
    EXPECT_EQ(4, box.rows[3].count);
    EXPECT_EQ(2 + 4 + 1 + 3, box.rows[3].studies);

    // The summary page prints the same box.
    const print::ReportKindInfo* summary = print::findReportKind(3);
    ASSERT_TRUE(summary && summary->draw);
    print::RecordingCanvas canvas;
    print::ReportFonts fonts;
    print::ReportContext ctx{doc, canvas, fonts};
    summary->draw(ctx);
    const std::vector<std::string> texts = canvas.textsInOrder();
    const auto title = std::find(texts.begin(), texts.end(), box.title);
    ASSERT_NE(texts.end(), title) << box.title;
    const auto regularRow = std::find(title, texts.end(), box.rows[2].label);
    ASSERT_NE(texts.end(), regularRow);
    ASSERT_GE(texts.end() - regularRow, 4);
    const auto cell = [](const std::string& t) { return QString::fromStdString(t).trimmed(); };
    EXPECT_EQ("1", cell(regularRow[1]));
    EXPECT_EQ("50", cell(regularRow[2]));
    EXPECT_EQ("3", cell(regularRow[3]));

    // Saved and opened again: the month's totals went into the history
    // as they stood when the collection closed.
    ASSERT_EQ(SaveOutcome::Saved, doc.saveAll());
    const auto again = f.reopen(test::kCycleToday);
    const CategoryTally saved = MonthlyHistory(*again, m.reportMonth0, m.parity());
    EXPECT_EQ(2, saved.at(TallyCategory::Publishers, TallyValue::Count));
    EXPECT_EQ(50, saved.at(TallyCategory::Regular, TallyValue::Hours));
    // The history keeps the special pioneers' own row; the box leaves it out.
    EXPECT_EQ(1, saved.at(TallyCategory::Special, TallyValue::Count));
    EXPECT_EQ(1, again->lateReports().count());
}

TEST(MonthCycle, StartDialogCancelChangesNothingAndOpenMonthSkipsIt) {
    test::MonthCycleFixture f(40);
    CVelnoDoc& doc = f.doc();
    const int before = reportMonthState(doc);
    test::whenModal<StartCollectionDialog>([](StartCollectionDialog*) { press(Qt::Key_Escape); });
    f.window().trigger(app::cmd::ReportSlip);
    EXPECT_EQ(before, reportMonthState(doc));
    EXPECT_FALSE(doc.dirty);
    EXPECT_EQ("  Bulan yang Dikerjakan: November", f.window().monthPane()->text().toStdString());

    // Once open, "&Isi Laporan" goes straight to the list; "&Selesai"
    // leaves the month open.
    doc.header().setInitYear(doc.reportMonth().slot(), doc.reportMonth().reportYear2);
    doc.header().setCollectionState(doc.reportMonth().reportMonth0, Collection::Open);
    bool listSeen = false;
    test::whenModal<ReportListDialog>([&](ReportListDialog* list) {
        listSeen = true;
        EXPECT_TRUE(list->closeCollectionButton()->text().startsWith(
            "Close report collection for November"));
        QTest::keyClick(list->finishButton(), Qt::Key_Space);
    });
    f.window().trigger(app::cmd::PanelEnterReports);
    EXPECT_TRUE(listSeen);
    EXPECT_EQ(Collection::Open, reportMonthState(doc));
}

}  // namespace
}  // namespace velno

namespace velno {
namespace {

TEST(MonthCycleCommands, ReopeningAClosedMonthKeepsItsReports) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    CloseCollection(doc);
    TallyMonth(doc);
    const CategoryTally before = doc.tally();
    bool listSeen = false;
    test::whenModal<StartCollectionDialog>([&](StartCollectionDialog* d) {
        EXPECT_TRUE(d->reopenButton()->isDefault());
        EXPECT_TRUE(d->initialiseButton()->text().startsWith("Reinitialize"));
        test::whenModal<ReportListDialog>([&](ReportListDialog* list) {
            listSeen = true;
            pressButton(list->finishButton());
        });
        press(Qt::Key_Return);
    });
    shell.window().trigger(app::cmd::PanelEnterReports);
    EXPECT_TRUE(listSeen);
    EXPECT_EQ(Collection::Open, reportMonthState(doc));
    TallyMonth(doc);
    for (int c = 0; c < CategoryTally::kCategories; ++c)
        EXPECT_EQ(before.at(c, TallyValue::Count), doc.tally().at(c, TallyValue::Count)) << c;
}

// A panel button (ids below the menus') or a menu item.
bool enabled(app::MainWindow& w, int id) {
    if (id < 32768) return w.panel()->button(id)->isEnabled();
    return w.action(id)->isEnabled();
}

TEST(MonthCycleCommands, RoutedLiveAndDataChangingOnesOffInSnapshotView) {
    test::ShellFixture shell;
    shell.open();
    app::MainWindow& w = shell.window();
    const int dataChanging[] = {app::cmd::PanelEnterReports, app::cmd::ReportSlip,
                                app::cmd::PanelAttendance, app::cmd::Attendance,
                                app::cmd::PanelEditHistory};
    const int viewing[] = {app::cmd::PanelQuickView, app::cmd::QuickView,
                           app::cmd::YearActivitySummary, app::cmd::PioneerHoursYear,
                           app::cmd::YearAttendance};
    for (int id : dataChanging) EXPECT_TRUE(enabled(w, id)) << id;
    for (int id : viewing) EXPECT_TRUE(enabled(w, id)) << id;
    // The history editor's own id has no menu entry; the table routes it.
    app::ShellState state;
    EXPECT_TRUE(app::isEnabled(*w.commands().find(app::cmd::EditHistory), state));
    state.archiveView = true;
    EXPECT_FALSE(app::isEnabled(*w.commands().find(app::cmd::EditHistory), state));

    // "Hapus Pemberitahuan Awal" is a check item over the settings.
    QAction* notice = w.action(app::cmd::NoStartupNotice);
    ASSERT_TRUE(notice->isCheckable());
    const bool before = notice->isChecked();
    shell.doc().dirty = false;
    w.trigger(app::cmd::NoStartupNotice);
    EXPECT_NE(before, notice->isChecked());
    EXPECT_EQ(notice->isChecked(), shell.doc().settings().nag != 0);
    EXPECT_TRUE(shell.doc().dirty);

    shell.doc().oldYearView = true;
    w.refreshAll();
    for (int id : dataChanging) EXPECT_FALSE(enabled(w, id)) << id;
    for (int id : viewing) EXPECT_TRUE(enabled(w, id)) << id;
    shell.doc().oldYearView = false;
}

}  // namespace
}  // namespace velno
