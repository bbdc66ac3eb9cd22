// The service-privileges dialog, the custom category and the Bible-student
// editor driven by the keyboard on a demo congregation.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ShellFixture.h"
#include "app/commands/CommandIds.h"
#include "publishers/CustomCategoryModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/ServicePrivilegesModel.h"
#include "publishers/ui/CategoryStudentDialogs.h"
#include "publishers/ui/DateListsEdit.h"
#include "publishers/ui/PublisherEditDialog.h"
#include "publishers/ui/ServicePrivilegesDialog.h"
#include "store/FixedText.h"

namespace velno {
namespace {

void showActive(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Each part typed into its own list, as the focus moves on after "/".
void typeDate(DateListsEdit* lists, const char* month, const char* day, const char* year) {
    for (auto [part, typed] : {std::pair{DatePart::Month, month}, std::pair{DatePart::Day, day},
                               std::pair{DatePart::Year, year}}) {
        lists->list(part)->setFocus();
        QTest::keyClicks(lists->list(part), typed);
    }
}

// The first active brother of the demo congregation.
int firstBrother(const CVelnoDoc& doc) {
    for (int pos : doc.store().subList(ListActive))
        if (doc.store().at(pos).flags & RecordFlag::Brother) return pos;
    return 0;
}

TEST(PrivilegesDialog, AnElderIsDatedByKeyboardAndTheEndListsFollowTheBox) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int pos = firstBrother(doc);
    ASSERT_NE(pos, 0);
    PublisherRecord& r = doc.store().at(pos);
    r.flags = static_cast<std::uint8_t>((r.flags & ~RecordFlag::PrivilegeMask) | PrivilegeElder);
    const PublisherId id = r.id;
    doc.privilegeDates().removeAllOf(id);

    ServicePrivilegesModel model(doc, pos);
    ServicePrivilegesDialog dialog(model);
    showActive(dialog);
    DateListsEdit* start = dialog.dateLists(1, PrivilegeDate::Start);
    typeDate(start, "3", "15", "2015");
    EXPECT_FALSE(dialog.dateLists(1, PrivilegeDate::End)->isVisible());
    // Unchecking "Penatua" by keyboard shows the end lists.
    dialog.rowBox(1)->setFocus();
    QTest::keyClick(dialog.rowBox(1), Qt::Key_Space);
    EXPECT_TRUE(dialog.dateLists(1, PrivilegeDate::End)->isVisible());
    DateListsEdit* end = dialog.dateLists(1, PrivilegeDate::End);
    typeDate(end, "9", "01", "2023");
    test::saveScreenshot(dialog, "dialog150-privileges");
    dialog.accept();
    EXPECT_FALSE(dialog.result().elder);
    const PrivilegeDateEntry* e = doc.privilegeDates().find(id, PrivilegeKind::Elder);
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->start, "03152015");
    EXPECT_STREQ(e->end, "09012023");
}

TEST(PrivilegesDialog, RenamingTheCategoryAsksAndClearsItsMembers) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    doc.settings().customCategoryName = "Paduan";
    doc.settings().customCategoryEnabled = 1;
    const int pos = firstBrother(doc);
    doc.store().at(pos).flags |= RecordFlag::CustomCategory;

    CustomCategoryModel model(doc);
    CustomCategoryDialog dialog(model);
    showActive(dialog);
    dialog.nameBox()->setFocus();
    dialog.nameBox()->selectAll();
    QTest::keyClicks(dialog.nameBox(), "Musik");
    test::saveScreenshot(dialog, "dialog132-category");
    test::onNextModal([](QWidget* w) {
        auto* rename = qobject_cast<RenameCategoryDialog*>(w);
        ASSERT_NE(nullptr, rename);
        EXPECT_TRUE(rename->renameButton()->isChecked());
        test::saveScreenshot(*rename, "dialog133-rename");
        rename->clearButton()->setFocus();
        QTest::keyClick(rename->clearButton(), Qt::Key_Space);
        rename->accept();
    });
    dialog.accept();
    EXPECT_EQ(doc.settings().customCategoryName, "Musik");
    EXPECT_FALSE(doc.store().at(pos).flags & RecordFlag::CustomCategory);
}

TEST(PrivilegesDialog, TheBibleStudentEditorHidesThePublishersControls) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    auto model = PublisherEditModel::forBibleStudent(doc, EditMode::Add);
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    EXPECT_FALSE(dialog.checkBox(EditCheck::Elder)->isVisible());
    EXPECT_FALSE(dialog.dateLists(EditDate::Baptism)->isVisible());
    EXPECT_FALSE(dialog.button(EditButton::Delete)->isVisible());
    EXPECT_TRUE(dialog.button(EditButton::PickConductor)->isVisible());
    EXPECT_FALSE(dialog.conductorLine()->isVisible());
    model->setConductor(firstBrother(doc));
    dialog.showModel();
    EXPECT_TRUE(dialog.conductorLine()->isVisible());
    EXPECT_TRUE(dialog.button(EditButton::ClearConductor)->isVisible());
    dialog.box(EditField::FirstName)->setFocus();
    QTest::keyClicks(dialog.box(EditField::FirstName), "Eka");
    dialog.box(EditField::LastName)->setFocus();
    QTest::keyClicks(dialog.box(EditField::LastName), "Putra");
    test::saveScreenshot(dialog, "dialog139-bible-student");
    dialog.button(EditButton::Ok)->setFocus();
    QTest::keyClick(dialog.button(EditButton::Ok), Qt::Key_Space);
    EXPECT_TRUE(model->closed());
    EXPECT_GE(model->copy().id, PublisherEditModel::kFirstStudentId);
    EXPECT_EQ(doc.store().recordById(model->copy().id)->listKind, ListBibleStudent);
}

void press(QAbstractButton* button) {
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

// The row of the list whose line names both, -1 for none.
int rowOf(QListWidget* list, const QString& first, const QString& last) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().contains(first) && list->item(row)->text().contains(last))
            return row;
    return -1;
}

// Moves the list's current line to `row` with the arrow keys.
void arrowTo(QListWidget* list, int row) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    while (list->currentRow() < row) QTest::keyClick(list, Qt::Key_Down);
}

// Answers the delete question with `button` from the keyboard.
void answerDeleteQuestion(QMessageBox::StandardButton button, QString* asked) {
    test::onNextModalOf<QMessageBox>([button, asked](QMessageBox* box) {
        *asked = box->text();
        press(box->button(button));
    });
}

// The Bible-student list from its menu command: a student added, renamed
// and (after a "No") deleted, each through the editor the list opens.
TEST(BibleStudentList, AddEditAndDeleteThroughTheList) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const auto students = [&] { return doc.store().subList(ListBibleStudent).size(); };
    const std::size_t before = students();
    const auto typeName = [](PublisherEditDialog* editor, const char* first, const char* last) {
        for (auto [field, text] :
             {std::pair{EditField::FirstName, first}, std::pair{EditField::LastName, last}}) {
            editor->box(field)->setFocus();
            editor->box(field)->selectAll();
            QTest::keyClicks(editor->box(field), text);
        }
        editor->button(EditButton::Ok)->setFocus();
        QTest::keyClick(editor->button(EditButton::Ok), Qt::Key_Return);
    };
    PublisherId added = 0;
    QString asked;
    bool listSeen = false;
    test::onNextModalOf<BibleStudentListDialog>([&](BibleStudentListDialog* list) {
        listSeen = true;
        // Add.
        test::onNextModalOf<PublisherEditDialog>(
            [&](PublisherEditDialog* editor) { typeName(editor, "Yosef", "Tanoto"); });
        press(list->addButton());
        ASSERT_EQ(students(), before + 1);
        for (int pos : doc.store().subList(ListBibleStudent))
            if (fieldText(doc.store().at(pos).lname) == "Tanoto") added = doc.store().at(pos).id;
        EXPECT_GE(added, PublisherEditModel::kFirstStudentId);
        ASSERT_GE(rowOf(list->list(), "Yosef", "Tanoto"), 0);

        // Edit: the selected line's editor, renamed.
        arrowTo(list->list(), rowOf(list->list(), "Yosef", "Tanoto"));
        test::onNextModalOf<PublisherEditDialog>(
            [&](PublisherEditDialog* editor) { typeName(editor, "Yusuf", "Tanoto"); });
        press(list->editButton());
        EXPECT_EQ(fieldText(doc.store().recordById(added)->fname), "Yusuf");
        EXPECT_EQ(rowOf(list->list(), "Yosef", "Tanoto"), -1);
        const int row = rowOf(list->list(), "Yusuf", "Tanoto");
        ASSERT_GE(row, 0);

        // Delete: "No" keeps the student and the editor open; "Yes" deletes.
        arrowTo(list->list(), row);
        test::onNextModalOf<PublisherEditDialog>([&](PublisherEditDialog* editor) {
            answerDeleteQuestion(QMessageBox::No, &asked);
            press(editor->button(EditButton::Delete));
            EXPECT_TRUE(editor->isVisible());
            EXPECT_NE(doc.store().recordById(added), nullptr);
            answerDeleteQuestion(QMessageBox::Yes, &asked);
            press(editor->button(EditButton::Delete));
        });
        press(list->editButton());
        EXPECT_EQ(rowOf(list->list(), "Yusuf", "Tanoto"), -1);
        QTest::keyClick(list->list(), Qt::Key_Escape);
    });
    shell.window().trigger(app::cmd::BibleStudents);
    ASSERT_TRUE(listSeen);
    EXPECT_NE(asked.toStdString().find("Yusuf"), std::string::npos) << asked.toStdString();
    EXPECT_EQ(doc.store().recordById(added), nullptr);
    EXPECT_EQ(students(), before);
}

}  // namespace
}  // namespace velno
