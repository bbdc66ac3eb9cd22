// The household, emergency-contact, extra-information and circuit-overseer
// dialogs driven by the keyboard: what ends up in the store counts.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ShellFixture.h"
#include "app/commands/CommandIds.h"
#include "publishers/CircuitOverseerModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/SharedEntries.h"
#include "publishers/ui/CircuitOverseerDialog.h"
#include "publishers/ui/ContactDialogs.h"
#include "publishers/ui/HouseholdDialog.h"
#include "publishers/ui/PublisherEditDialog.h"
#include "store/FixedText.h"
#include "store/Households.h"
#include "text/Cp1252.h"

namespace velno {
namespace {

void showActive(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

int firstActive(const CVelnoDoc& doc, bool head) {
    for (int pos : doc.store().subList(ListActive)) {
        const PublisherRecord& r = doc.store().at(pos);
        if (isHouseholdHead(r) == head && (head || r.household == 0)) return pos;
    }
    return 0;
}

TEST(HouseholdDialogs, TypedContactIsStoredAndLinkedWhenTheEditorIsConfirmed) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int pos = firstActive(doc, false);
    ASSERT_GT(pos, 0);
    const PublisherId id = doc.store().at(pos).id;
    doc.store().at(pos).emergId = 0;
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, pos);
    EmergencyContactModel model = editor.contactDialog();
    EmergencyContactDialog dialog(model);
    showActive(dialog);
    QTest::keyClicks(dialog.box(0), "Om Hendra");
    QTest::keyClicks(dialog.box(2), "0215550000");
    dialog.syBox()->setFocus();
    QTest::keyClick(dialog.syBox(), Qt::Key_Space);
    dialog.box(0)->setFocus();
    QTest::keyClick(dialog.box(0), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(editor.ok(), StoreStatus::Stored);
    const PublisherRecord* r = doc.store().recordById(id);
    const auto contact = contactByKey(doc, r->emergId);
    ASSERT_TRUE(contact);
    EXPECT_EQ(fieldText(contact->contact), "Om Hendra");
    EXPECT_EQ(fieldText(contact->homePhone), "0215550000");
    EXPECT_EQ(contact->sy, 1);
}

TEST(HouseholdDialogs, NeedTypedInTheExtraInformationDialogWithTheFocusOnIt) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int pos = firstActive(doc, false);
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, pos);
    ExtraInfoModel model = editor.extraInfoDialog(ExtraFocus::Need);
    ExtraInfoDialog dialog(model);
    showActive(dialog);
    ASSERT_EQ(QApplication::focusWidget(), dialog.box(2));
    dialog.box(2)->clear();
    model.setText(ExtraField::Need, "");
    QTest::keyClicks(dialog.box(2), "Perlu kursi roda");
    QTest::keyClick(dialog.box(2), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(needText(doc, editor.copy().specneed), "Perlu kursi roda");
}

TEST(HouseholdDialogs, HeadAddsAMemberThroughThePickerByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int headPos = firstActive(doc, true);
    ASSERT_GT(headPos, 0);
    const PublisherId head = doc.store().at(headPos).id;
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, headPos);
    HouseholdModel model = editor.householdDialog();
    const std::size_t before = model.members().size();
    HouseholdDialog dialog(model);
    showActive(dialog);
    ASSERT_TRUE(dialog.addButton()->isVisible());
    PublisherId chosen = 0;
    QTimer::singleShot(0, &dialog, [&] {
        auto* picker = qobject_cast<HouseholdPickerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        // Down to the first line the picker accepts.
        for (int i = 0; i < picker->list()->count() && !picker->okButton()->isVisible(); ++i)
            QTest::keyClick(picker->list(), Qt::Key_Down);
        chosen = 1;
        QTest::keyClick(picker->list(), Qt::Key_Return);
    });
    dialog.addButton()->setFocus();
    QTest::keyClick(dialog.addButton(), Qt::Key_Space);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(model.members().size(), before + 1);
    // Cancelling the editor takes the member out again.
    editor.cancel();
    EXPECT_EQ(householdMembers(doc.store(), head).size(), before);
}

// A button pressed from the keyboard (the offscreen platform delivers no
// mnemonics).
void press(QPushButton* button) {
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

void replaceText(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Down through a list to the first line `fits` accepts; its text.
QString downTo(QListWidget* list, const std::function<bool(int row)>& fits) {
    list->setFocus();
    for (int i = 0; i < list->count(); ++i) {
        QTest::keyClick(list, Qt::Key_Down);
        if (list->currentRow() >= 0 && fits(list->currentRow())) return list->currentItem()->text();
    }
    return {};
}

// From the record editor's buttons into each nested dialog and back, all by
// keys: what was chosen and typed there is in the record once the editor's
// OK is pressed.
TEST(HouseholdDialogs, FromTheEditorIntoTheNestedDialogsAndBackByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    ASSERT_TRUE(severalEntries(doc, SharedKind::Contact));
    const int headPos = firstActive(doc, true);
    ASSERT_GT(headPos, 0);
    const PublisherId head = doc.store().at(headPos).id;
    const std::vector<int> membersBefore = householdMembers(doc.store(), head);
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, headPos);
    PublisherEditDialog dialog(editor);
    showActive(dialog);

    // 146 -> 140: a publisher of no household added, then 146 closed.
    QString member;
    test::onNextModalOf<HouseholdDialog>([&](HouseholdDialog* household) {
        const int lines = household->list()->count();
        test::onNextModalOf<HouseholdPickerDialog>([&](HouseholdPickerDialog* picker) {
            member = downTo(picker->list(), [&](int) {
                const QString t = picker->list()->currentItem()->text();
                return picker->okButton()->isVisible() && !t.endsWith(" #") && !t.endsWith(" *");
            });
            QTest::keyClick(picker->list(), Qt::Key_Return);
        });
        press(household->addButton());
        EXPECT_EQ(household->list()->count(), lines + 1);
        QTest::keyClick(household->list(), Qt::Key_Escape);
    });
    press(dialog.button(EditButton::Household));
    ASSERT_FALSE(member.isEmpty());

    // 147 -> 148: an existing contact chosen, then its information typed.
    QString chosen;
    test::onNextModalOf<EmergencyContactDialog>([&](EmergencyContactDialog* contact) {
        test::onNextModalOf<SharedEntryChooserDialog>([&](SharedEntryChooserDialog* chooser) {
            chosen = downTo(chooser->list(), [](int row) { return row >= 1; });
            QTest::keyClick(chooser->list(), Qt::Key_Return);
        });
        press(contact->useExistingButton());
        EXPECT_EQ(contact->box(0)->text(), chosen);
        replaceText(contact->box(1), "Tetangga sebelah");
        QTest::keyClick(contact->box(1), Qt::Key_Return);
        EXPECT_EQ(contact->result(), QDialog::Accepted);
    });
    press(dialog.button(EditButton::Contact));
    ASSERT_FALSE(chosen.isEmpty());

    // 102: long name and need typed.
    test::onNextModalOf<ExtraInfoDialog>([&](ExtraInfoDialog* extra) {
        replaceText(extra->box(0), "Nama Lengkap Kepala");
        replaceText(extra->box(2), "Perlu pegangan tangga");
        QTest::keyClick(extra->box(2), Qt::Key_Return);
        EXPECT_EQ(extra->result(), QDialog::Accepted);
    });
    press(dialog.button(EditButton::ExtraInfo));

    dialog.button(EditButton::Ok)->setFocus();
    QTest::keyClick(dialog.button(EditButton::Ok), Qt::Key_Return);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);

    const int pos = doc.store().storePosById(head);
    const PublisherRecord& r = doc.store().at(pos);
    const std::vector<int> members = householdMembers(doc.store(), head);
    ASSERT_EQ(members.size(), membersBefore.size() + 1);
    bool found = false;
    for (int m : members) found = found || QString::fromStdString(householdLine(doc, m)) == member;
    EXPECT_TRUE(found) << member.toStdString();
    const auto contact = contactByKey(doc, r.emergId);
    ASSERT_TRUE(contact);
    EXPECT_EQ(text::cp1252ToUtf8(trimmed(fieldText(contact->contact))), chosen.toStdString());
    EXPECT_EQ(fieldText(contact->info), "Tetangga sebelah");
    EXPECT_EQ(needText(doc, r.specneed), "Perlu pegangan tangga");
    ASSERT_NE(doc.extensionOf(pos) & ExtensionBit::LongName, 0);
    EXPECT_EQ(fieldText(doc.extensions().current().longName), "Nama Lengkap Kepala");
}

// Each dialog grabbed into the artefacts to be looked at, no text cut off.
TEST(HouseholdDialogs, ScreenshotsWithNoTextCutOff) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const auto look = [](QDialog& dialog, const QString& name) {
        showActive(dialog);
        test::saveScreenshot(dialog, name);
        for (const std::string& t : test::textsCutOff(dialog))
            ADD_FAILURE() << name.toStdString() << ": " << t;
        dialog.hide();
    };
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, firstActive(doc, true));
    HouseholdModel household = editor.householdDialog();
    HouseholdDialog householdDialog(household);
    look(householdDialog, "dialog146-household");
    HouseholdPickerModel picker = household.picker();
    HouseholdPickerDialog pickerDialog(picker);
    look(pickerDialog, "dialog140-household-picker");
    EmergencyContactModel contact = editor.contactDialog();
    EmergencyContactDialog contactDialog(contact);
    look(contactDialog, "dialog147-emergency-contact");
    SharedEntryChooserModel chooser = contact.chooser();
    SharedEntryChooserDialog chooserDialog(chooser);
    look(chooserDialog, "dialog148-contact-chooser");
    ExtraInfoModel extra = editor.extraInfoDialog(ExtraFocus::LongName);
    ExtraInfoDialog extraDialog(extra);
    look(extraDialog, "dialog102-extra-information");
    SharedEntryChooserModel filter(doc, SharedEntryChooserModel::Mode::NeedsReport);
    SharedEntryChooserDialog filterDialog(filter);
    look(filterDialog, "dialog148-special-needs-filter");
    CircuitOverseerModel overseer(doc);
    CircuitOverseerDialog overseerDialog(overseer);
    look(overseerDialog, "dialog157-circuit-overseer");
}

TEST(HouseholdDialogs, CircuitOverseerFromTheEditMenu) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CircuitOverseerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->box(0)->selectAll();
        QTest::keyClicks(dialog->box(0), "Yohanes Baptista");
        QTest::keyClick(dialog->box(0), Qt::Key_Return);
    });
    shell.window().trigger(app::cmd::CircuitOverseer);
    const int pos = circuitOverseerPos(doc);
    ASSERT_GT(pos, 0);
    EXPECT_EQ(fieldText(doc.store().at(pos).fname), "Yohanes Baptista");
    EXPECT_TRUE(doc.dirty);
}

}  // namespace
}  // namespace velno
