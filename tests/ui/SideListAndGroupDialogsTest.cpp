// The side-list and group dialogs on the demo congregation, driven by
// keyboard: moves between the lists, the group editor with its group
// dialog and the assignment, and a screenshot of each dialog.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "publishers/GroupAssignModel.h"
#include "publishers/GroupDialogModel.h"
#include "publishers/GroupEditorModel.h"
#include "publishers/MovedListModel.h"
#include "publishers/PublisherMoves.h"
#include "publishers/SideListModel.h"
#include "publishers/ui/GroupDialogs.h"
#include "publishers/ui/MovedListDialog.h"
#include "publishers/ui/PublisherEditDialog.h"
#include "publishers/ui/SideListDialog.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"

namespace velno {
namespace {

MonthChoice answer(int month, int year = 0) {
    MonthChoice c;
    c.month = month;
    c.year = year;
    return c;
}

TEST(SideListDialogs, InactiveListByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int inactiveBefore = doc.store().countList(ListInactive);
    SideListModel model(doc, SideListMode::Inactive);
    SideListDialog dialog(doc, model);
    dialog.askMonth = [](MonthChoiceModel& q, QWidget*) {
        EXPECT_TRUE(q.yearListVisible());
        return answer(10, 2026);
    };
    test::saveScreenshot(dialog, "dialog114-inactive");
    ASSERT_GT(dialog.rightList()->count(), 0);
    EXPECT_FALSE(dialog.editButton()->isVisible());
    EXPECT_EQ(dialog.actionButton()->text().toStdString(), "Pindah ke Tidak Aktif");
    const int rightBefore = dialog.rightList()->count();
    QTest::keyClick(dialog.actionButton(), Qt::Key_Space);
    EXPECT_EQ(doc.store().countList(ListInactive), inactiveBefore + 1);
    EXPECT_EQ(dialog.rightList()->count(), rightBefore - 1);

    // Into the left list by keyboard: the buttons follow.
    dialog.leftList()->setFocus();
    QTest::keyClick(dialog.leftList(), Qt::Key_Down);
    QTest::keyClick(dialog.leftList(), Qt::Key_Up);
    EXPECT_EQ(model.side(), SideListSide::Left);
    EXPECT_TRUE(dialog.editButton()->isVisible());
    EXPECT_EQ(dialog.actionButton()->text().toStdString(), "Diaktifkan Kembali");
    dialog.askMonth = [](MonthChoiceModel& q, QWidget*) {
        EXPECT_FALSE(q.yearListVisible());
        return answer(11);
    };
    QTest::keyClick(dialog.actionButton(), Qt::Key_Space);
    EXPECT_EQ(doc.store().countList(ListInactive), inactiveBefore);
    // The filter cycles from "Semua".
    EXPECT_EQ(dialog.filterButton()->text().toStdString(), "Semua");
    QTest::keyClick(dialog.filterButton(), Qt::Key_Space);
    EXPECT_EQ(dialog.filterButton()->text().toStdString(), "6 Bulan Terakhir");
}

void showActive(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Shows the dialog and puts the left list in use at its first line.
void selectFirstLeft(SideListDialog& dialog) {
    showActive(dialog);
    dialog.leftList()->setFocus();
    QTest::keyClick(dialog.leftList(), Qt::Key_Down);
    QTest::keyClick(dialog.leftList(), Qt::Key_Up);
}

TEST(SideListDialogs, EditOpensTheSideListEditorByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();  // ReportMonth in 2026
    // One inactive record with a known date, one deleted record.
    int active = 0;
    for (int p = 1; p < doc.store().recordCount() && active < 2; ++p)
        if (doc.store().at(p).listKind == ListActive) {
            const PublisherId id = doc.store().at(p).id;
            if (active++ == 0)
                ASSERT_TRUE(moveToInactive(doc, p, 5, 2020));
            else
                ASSERT_TRUE(deleteTemporarily(doc, doc.store().storePosById(id), 5, 2020));
        }
    SideListModel model(doc, SideListMode::Inactive);
    SideListDialog dialog(doc, model);
    selectFirstLeft(dialog);
    ASSERT_EQ(model.side(), SideListSide::Left);
    const int pos = model.selectedPos();
    ASSERT_NE(pos, 0);
    const PublisherId id = doc.store().at(pos).id;
    const std::uint8_t yearBefore = doc.store().at(pos).listYear;
    const int monthBefore = doc.store().at(pos).statusMonth();

    bool ran = false;
    dialog.runEditor = [&](PublisherEditDialog& editor) {
        ran = true;
        showActive(editor);
        EXPECT_TRUE(editor.sideDateBox()->isVisible());
        EXPECT_EQ(editor.sideDateBox()->title().toStdString(), "menjadi tidak aktif");
        EXPECT_FALSE(editor.checkBox(EditCheck::Elder)->isVisible());
        EXPECT_FALSE(editor.button(EditButton::Status)->isVisible());
        QCheckBox* exclude = editor.checkBox(EditCheck::CustomCategory);
        ASSERT_TRUE(exclude->isVisible());
        EXPECT_EQ(exclude->text().toStdString(), "Kecualikan dari daftar KDL");
        EXPECT_EQ(editor.sideMonthList()->currentIndex(), monthBefore - 1);
        editor.sideMonthList()->setFocus();
        QTest::keyClick(editor.sideMonthList(), Qt::Key_Down);
        exclude->setFocus();
        QTest::keyClick(exclude, Qt::Key_Space);
        // Enter elsewhere only moves on; on OK it stores.
        editor.button(EditButton::Ok)->setFocus();
        QTest::keyClick(editor.button(EditButton::Ok), Qt::Key_Return);
    };
    QTest::keyClick(dialog.editButton(), Qt::Key_Space);
    ASSERT_TRUE(ran);
    const PublisherRecord& r = *doc.store().recordById(id);
    EXPECT_EQ(r.listKind, ListInactive);
    EXPECT_EQ(r.statusMonth(), monthBefore % 12 + 1);
    EXPECT_EQ(r.listYear, yearBefore);
    EXPECT_TRUE(r.flags & RecordFlag::NoGroupOnSideList);
    EXPECT_EQ(doc.store().storePosById(id), pos);

    // The deleted list's editor hides the exclusion and dates the deletion.
    SideListModel deletedModel(doc, SideListMode::Deleted);
    SideListDialog deletedDialog(doc, deletedModel);
    selectFirstLeft(deletedDialog);
    ASSERT_NE(deletedModel.selectedPos(), 0);
    ran = false;
    deletedDialog.runEditor = [&](PublisherEditDialog& editor) {
        ran = true;
        showActive(editor);
        EXPECT_EQ(editor.sideDateBox()->title().toStdString(), " Dihapus ");
        EXPECT_FALSE(editor.checkBox(EditCheck::CustomCategory)->isVisible());
        EXPECT_FALSE(editor.button(EditButton::Group)->isVisible());
        editor.button(EditButton::Cancel)->setFocus();
        QTest::keyClick(editor.button(EditButton::Cancel), Qt::Key_Space);
    };
    QTest::keyClick(deletedDialog.editButton(), Qt::Key_Space);
    EXPECT_TRUE(ran);
}

TEST(SideListDialogs, MovedListAwayAndBack) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    test::ScriptedPrompter prompter;
    doc.setPrompter(&prompter);
    MovedListModel model(doc);
    MovedListDialog dialog(doc, model);
    dialog.askMonth = [](MonthChoiceModel&, QWidget*) { return answer(10); };
    test::saveScreenshot(dialog, "dialog112-moved");
    const int moved = doc.store().countList(ListMoved);
    // The inactive records as the source.
    QTest::keyClick(dialog.inactiveSource(), Qt::Key_Space);
    ASSERT_TRUE(dialog.inactiveSource()->isChecked());
    ASSERT_GT(dialog.rightList()->count(), 0);
    const int pos = model.selectedPos();
    const PublisherId id = doc.store().at(pos).id;
    QTest::keyClick(dialog.actionButton(), Qt::Key_Space);
    ASSERT_EQ(doc.store().countList(ListMoved), moved + 1);
    EXPECT_EQ(doc.store().recordById(id)->listKind, ListMoved);

    // "Batal Pindah" asks, then returns the record to the inactive list.
    dialog.leftList()->setFocus();
    for (int row = 0; row < dialog.leftList()->count(); ++row)
        if (model.leftRows()[row].id == id) dialog.leftList()->setCurrentRow(row);
    ASSERT_TRUE(dialog.undoButton()->isVisible());
    prompter.answers = {Answer::Ok};
    QTest::keyClick(dialog.undoButton(), Qt::Key_Space);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(doc.store().recordById(id)->listKind, ListInactive);
    EXPECT_EQ(doc.store().countList(ListMoved), moved);
}

TEST(GroupDialogs, EditorGroupDialogAndAssignmentByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    test::ScriptedPrompter prompter;
    doc.setPrompter(&prompter);
    const int count = doc.groups().count();
    GroupEditorModel model(doc);
    GroupEditorDialog editor(doc, model);
    test::saveScreenshot(editor, "dialog110-group-editor");
    // Down to the first free group, then Enter opens the group dialog.
    for (int i = 0; i < count; ++i) QTest::keyClick(editor.lines(), Qt::Key_Down);
    EXPECT_EQ(model.selectedGroup(), count + 1);
    bool shown = false;
    editor.editGroup = [&](GroupDialogModel& group, QWidget*) {
        GroupDialog dialog(doc, group);
        test::saveScreenshot(dialog, "dialog131-group");
        dialog.overseer()->setFocus();
        QTest::keyClicks(dialog.overseer(), "Orang Baru");
        QTest::keyClicks(dialog.time(), "123456789");  // the box holds eight
        EXPECT_EQ(dialog.time()->text().toStdString(), "12345678");
        EXPECT_FALSE(dialog.nameBox()->isEnabled());
        QTest::keyClick(dialog.useName(), Qt::Key_Space);
        EXPECT_TRUE(dialog.nameBox()->isEnabled());
        QTest::keyClicks(dialog.nameBox(), "Baru");
        QTest::keyClick(dialog.okButton(), Qt::Key_Space);
        shown = true;
        return dialog.result() == QDialog::Accepted;
    };
    QTest::keyClick(editor.lines(), Qt::Key_Return);
    ASSERT_TRUE(shown);
    EXPECT_EQ(doc.groups().count(), count + 1);
    EXPECT_EQ(doc.groups().displayName(count + 1), "Baru");
    EXPECT_TRUE(editor.hint()->isVisible());  // "Orang Baru" is nobody's name
    EXPECT_EQ(editor.editButton()->text().toStdString(), "Edit Baru");

    GroupAssignModel assign(doc, count + 1);
    GroupAssignDialog dialog(assign);
    test::saveScreenshot(dialog, "dialog128-assignment");
    ASSERT_GT(dialog.candidates()->count(), 0);
    dialog.candidates()->setFocus();
    QTest::keyClick(dialog.candidates(), Qt::Key_Down);
    QTest::keyClick(dialog.assignButton(), Qt::Key_Space);
    EXPECT_EQ(dialog.members()->count(), 1);
    EXPECT_TRUE(assign.changed());
    EXPECT_TRUE(model.close());
    EXPECT_TRUE(doc.dirty);
}

}  // namespace
}  // namespace velno
