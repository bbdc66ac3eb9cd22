// The record editor, the delete dialog and the publisher list driven by the
// keyboard on a demo congregation: what ends up in the store is what counts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "ShellFixture.h"
#include "app/commands/CommandIds.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherSelectModel.h"
#include "publishers/ui/AddPublisherDialog.h"
#include "publishers/ui/DateListsEdit.h"
#include "publishers/ui/DeletePublisherDialog.h"
#include "publishers/ui/GroupPickerDialog.h"
#include "publishers/ui/PublisherEditDialog.h"
#include "publishers/ui/PublisherListPickerDialog.h"
#include "publishers/ui/PublisherSelectDialog.h"
#include "store/FixedText.h"
#include "text/Cp1252.h"
#include "text/texts/PublishersTexts.h"

namespace velno {
namespace {

int activeCount(const CVelnoDoc& doc) {
    return static_cast<int>(doc.store().subList(ListActive).size());
}

// The store position of the active record with these names; 0 for none.
int findActive(const CVelnoDoc& doc, const std::string& first, const std::string& last) {
    for (int pos : doc.store().subList(ListActive)) {
        const PublisherRecord& r = doc.store().at(pos);
        if (fieldText(r.fname) == first && fieldText(r.lname) == last) return pos;
    }
    return 0;
}

int rowOf(const PublisherSelectModel& list, PublisherId id) {
    for (std::size_t row = 0; row < list.rows().size(); ++row)
        if (list.rows()[row].id == id) return static_cast<int>(row);
    return -1;
}

void showActive(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

void typeInto(QWidget* w, const QString& text) {
    w->setFocus();
    QTest::keyClicks(w, text);
}

void replaceText(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// A character that has no key of its own, typed as text.
void typeChar(QWidget* w, const QString& ch) {
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, ch, Qt::NoModifier);
}

// A button pressed from the keyboard: Space, since Enter only moves on in
// the editor. (The offscreen platform delivers no mnemonics.)
void press(QPushButton* button) {
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

// Answers the next message box with `button`, keeping its text.
void answerNextBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    test::onNextModal([button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(nullptr, box);
        if (text) *text = box->text();
        ASSERT_NE(nullptr, box->button(button));
        box->button(button)->click();
    });
}

struct Editing {
    test::ShellFixture shell;
    Editing() {
        shell.open();
        shell.doc().settings().autoCaps = 1;
    }
    CVelnoDoc& doc() { return shell.doc(); }
};

TEST(PublisherEditor, AddsAPublisherTypedByKeyboard) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    const int before = activeCount(doc);
    PublisherSelectModel list(doc);
    auto model = list.openAddEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);

    // In add mode there is nothing to step to, delete or copy from.
    for (EditButton b : {EditButton::Previous, EditButton::Next, EditButton::Delete,
                         EditButton::Copy, EditButton::ClearCopy})
        EXPECT_FALSE(dialog.button(b)->isVisible());
    EXPECT_EQ(PublisherEditModel::kNameLimit, dialog.box(EditField::FirstName)->maxLength());
    EXPECT_EQ(PublisherEditModel::kAddressLimit, dialog.box(EditField::Address)->maxLength());

    typeInto(dialog.box(EditField::FirstName), "anna");
    EXPECT_EQ("Anna", dialog.box(EditField::FirstName)->text().toStdString());
    // Enter away from OK moves on and stores nothing.
    QTest::keyClick(dialog.box(EditField::FirstName), Qt::Key_Return);
    EXPECT_EQ(dialog.box(EditField::LastName), QApplication::focusWidget());
    QTest::keyClicks(dialog.box(EditField::LastName), "zebrawati");
    QTest::keyClick(dialog.box(EditField::LastName), Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(before, activeCount(doc));

    typeInto(dialog.box(EditField::Address), "Jl. Melati 4");
    typeInto(dialog.box(EditField::Mobile), "0812 555");

    // Birth date typed: 3 . 15 . 80 is 15 March 1980.
    DateListsEdit* birth = dialog.dateLists(EditDate::Birth);
    birth->list(DatePart::Month)->setFocus();
    QTest::keyClicks(birth->list(DatePart::Month), "3.");
    EXPECT_EQ(birth->list(DatePart::Day), QApplication::focusWidget());
    QTest::keyClicks(birth->list(DatePart::Day), "15.");
    EXPECT_EQ(birth->list(DatePart::Year), QApplication::focusWidget());
    QTest::keyClicks(birth->list(DatePart::Year), "80");
    EXPECT_EQ("1980", birth->list(DatePart::Year)->currentText().toStdString());
    EXPECT_EQ(3, birth->list(DatePart::Month)->currentIndex());

    dialog.checkBox(EditCheck::Sister)->setFocus();
    QTest::keyClick(dialog.checkBox(EditCheck::Sister), Qt::Key_Space);
    EXPECT_TRUE(dialog.checkBox(EditCheck::Sister)->isChecked());

    QPushButton* ok = dialog.button(EditButton::Ok);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_FALSE(dialog.isVisible());

    ASSERT_EQ(before + 1, activeCount(doc));
    const int pos = findActive(doc, "Anna", "Zebrawati");
    ASSERT_NE(0, pos);
    const PublisherRecord& r = doc.store().at(pos);
    EXPECT_EQ("Jl. Melati 4", fieldText(r.addr));
    EXPECT_EQ("0812 555", fieldText(r.phone2));
    EXPECT_EQ("", fieldText(r.phone));
    EXPECT_EQ("03151980", fieldText(r.birdate));
    EXPECT_TRUE(r.flags & RecordFlag::Sister);
    EXPECT_FALSE(r.flags & RecordFlag::Brother);
    EXPECT_TRUE(doc.dirty);
    // The list was refilled with the selection at its top.
    EXPECT_EQ(0, list.selected());
    EXPECT_EQ(activeCount(doc), static_cast<int>(list.rows().size()));
}

TEST(PublisherEditor, DateListsWrapBlankAndMoveFromTheKeyboard) {
    Editing f;
    PublisherSelectModel list(f.doc());
    auto model = list.openAddEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    DateListsEdit* baptism = dialog.dateLists(EditDate::Baptism);
    QComboBox* month = baptism->list(DatePart::Month);
    QComboBox* day = baptism->list(DatePart::Day);
    month->setFocus();
    // Up from the blank line wraps to the last month, Down back to the blank.
    QTest::keyClick(month, Qt::Key_Up);
    EXPECT_EQ(12, month->currentIndex());
    QTest::keyClick(month, Qt::Key_Down);
    EXPECT_EQ(0, month->currentIndex());
    QTest::keyClicks(month, "ag");  // "Agu"
    EXPECT_EQ(8, month->currentIndex());
    QTest::keyClick(month, Qt::Key_Right);
    EXPECT_EQ(day, QApplication::focusWidget());
    QTest::keyClicks(day, "7");
    EXPECT_EQ(7, day->currentIndex());
    QTest::keyClick(day, Qt::Key_Delete);
    EXPECT_EQ(0, day->currentIndex());
    QTest::keyClick(day, Qt::Key_Left);
    EXPECT_EQ(month, QApplication::focusWidget());
    // A complete baptism date offers "Pelantikan...".
    EXPECT_FALSE(dialog.button(EditButton::Privileges)->isVisible());
    QTest::keyClicks(day, "7");
    QTest::keyClicks(baptism->list(DatePart::Year), "15");
    EXPECT_EQ("2015", baptism->list(DatePart::Year)->currentText().toStdString());
    EXPECT_TRUE(dialog.button(EditButton::Privileges)->isVisible());
    EXPECT_EQ("08072015", fieldText(model->copy().bapdate));
    dialog.reject();
}

TEST(PublisherEditor, CombinedNameTurnsTheFirstNameIntoAnInitial) {
    Editing f;
    PublisherSelectModel list(f.doc());
    auto model = list.openAddEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    typeInto(dialog.box(EditField::FirstName), "Bartholomeus");
    // Leaving the box remembers its length; the long last name then cuts it.
    typeInto(dialog.box(EditField::LastName), "Hutapea Sima");
    EXPECT_EQ("B.", dialog.box(EditField::FirstName)->text().toStdString());
    EXPECT_EQ("Hutapea Sima", dialog.box(EditField::LastName)->text().toStdString());
    dialog.reject();
}

TEST(PublisherEditor, RefusesACharacterTheDataFilesCannotHold) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    const int pos = doc.store().subList(ListActive).front();
    const std::string first = fieldText(doc.store().at(pos).fname);
    PublisherSelectModel list(doc);
    auto model = list.openEditor();
    ASSERT_EQ(pos, model->storePos());
    PublisherEditDialog dialog(*model);
    showActive(dialog);

    QLineEdit* box = dialog.box(EditField::FirstName);
    box->setFocus();
    box->end(false);
    QString message;
    answerNextBox(QMessageBox::Ok, &message);
    // A Polish L with stroke has no place in the data files' code page.
    typeChar(box, QString::fromUtf8("\xC5\x81"));
    EXPECT_FALSE(message.isEmpty());
    EXPECT_TRUE(message.contains(QString::fromUtf8("\xC5\x81"))) << message.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(first, box->text().toStdString());
    EXPECT_EQ(first, model->text(EditField::FirstName));

    // The Euro sign is in the code page and goes through.
    QLineEdit* address = dialog.box(EditField::Address);
    address->setFocus();
    address->end(false);
    typeChar(address, QString::fromUtf8("\xE2\x82\xAC"));
    QTest::keyClicks(address, " 5");
    dialog.button(EditButton::Ok)->setFocus();
    QTest::keyClick(dialog.button(EditButton::Ok), Qt::Key_Return);
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(first, fieldText(doc.store().at(pos).fname));
    const std::string addr = fieldText(doc.store().at(pos).addr);
    ASSERT_GE(addr.size(), 3u);
    EXPECT_EQ("\x80 5", addr.substr(addr.size() - 3));
}

TEST(PublisherEditor, DuplicateNameAsksWhenAddingAndOnlyTellsWhenRenaming) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    const auto& active = doc.store().subList(ListActive);
    const PublisherRecord existing = doc.store().at(active[3]);
    const PublisherRecord other = doc.store().at(active[5]);
    const int before = activeCount(doc);
    PublisherSelectModel list(doc);

    {
        auto model = list.openAddEditor();
        PublisherEditDialog dialog(*model);
        showActive(dialog);
        typeInto(dialog.box(EditField::FirstName),
                 QString::fromStdString(fieldText(existing.fname)));
        typeInto(dialog.box(EditField::LastName),
                 QString::fromStdString(fieldText(existing.lname)));
        QString question;
        answerNextBox(QMessageBox::No, &question);
        dialog.button(EditButton::Ok)->setFocus();
        QTest::keyClick(dialog.button(EditButton::Ok), Qt::Key_Return);
        EXPECT_TRUE(question.contains(QString::fromStdString(text::tr(text::TxOverwriteWithNew))))
            << question.toStdString();
        // "No": nothing added, the editor stays open.
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(before, activeCount(doc));
        dialog.reject();
    }

    // Renaming onto an existing name: told with OK only, the new name kept.
    list.selectId(other.id);
    auto model = list.openEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    replaceText(dialog.box(EditField::FirstName),
                QString::fromStdString(fieldText(existing.fname)));
    replaceText(dialog.box(EditField::LastName), QString::fromStdString(fieldText(existing.lname)));
    bool okOnly = false;
    test::onNextModal([&okOnly](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(nullptr, box);
        okOnly = box->buttons().size() == 1 && box->button(QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    dialog.button(EditButton::Ok)->setFocus();
    QTest::keyClick(dialog.button(EditButton::Ok), Qt::Key_Return);
    EXPECT_TRUE(okOnly);
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    const PublisherRecord* renamed = doc.store().recordById(other.id);
    ASSERT_NE(nullptr, renamed);
    EXPECT_EQ(fieldText(existing.lname), fieldText(renamed->lname));
    EXPECT_NE(nullptr, doc.store().recordById(existing.id));
    EXPECT_EQ(before, activeCount(doc));
}

TEST(PublisherEditor, SisterClearsTheAppointmentAndEscapeStoresNothing) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    int elder = 0;
    for (int pos : doc.store().subList(ListActive))
        if (doc.store().at(pos).privilege() == PrivilegeElder) elder = pos;
    ASSERT_NE(0, elder);
    const PublisherId id = doc.store().at(elder).id;
    PublisherSelectModel list(doc);
    list.selectId(id);
    auto model = list.openEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    EXPECT_TRUE(dialog.checkBox(EditCheck::Elder)->isChecked());
    EXPECT_TRUE(dialog.checkBox(EditCheck::Brother)->isChecked());

    dialog.checkBox(EditCheck::Sister)->setFocus();
    QTest::keyClick(dialog.checkBox(EditCheck::Sister), Qt::Key_Space);
    EXPECT_TRUE(dialog.checkBox(EditCheck::Sister)->isChecked());
    EXPECT_FALSE(dialog.checkBox(EditCheck::Elder)->isChecked());
    EXPECT_FALSE(dialog.checkBox(EditCheck::Brother)->isChecked());
    // Elder again: brother comes back, sister goes.
    dialog.checkBox(EditCheck::Elder)->setFocus();
    QTest::keyClick(dialog.checkBox(EditCheck::Elder), Qt::Key_Space);
    EXPECT_TRUE(dialog.checkBox(EditCheck::Brother)->isChecked());
    EXPECT_FALSE(dialog.checkBox(EditCheck::Sister)->isChecked());
    QTest::keyClick(dialog.checkBox(EditCheck::Sister), Qt::Key_Space);

    doc.dirty = false;
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(QDialog::Rejected, dialog.result());
    EXPECT_EQ(PrivilegeElder, doc.store().recordById(id)->privilege());
    EXPECT_FALSE(doc.dirty);
}

TEST(PublisherEditor, ConsentShowsItsDateAndIsStoredAsAPrivilegeRow) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    list.select(2);
    auto model = list.openEditor();
    const PublisherId id = model->copy().id;
    // Start without a consent row, whatever the demo holds.
    for (auto& e : doc.privilegeDates().entries)
        if (e.id == id && e.kind == PrivilegeKind::Consent) e.kind = PrivilegeKind::Removed;
    model = list.openEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    DateListsEdit* consent = dialog.dateLists(EditDate::Consent);
    EXPECT_FALSE(consent->isVisible());
    dialog.checkBox(EditCheck::Consent)->setFocus();
    QTest::keyClick(dialog.checkBox(EditCheck::Consent), Qt::Key_Space);
    EXPECT_TRUE(consent->isVisible());
    consent->list(DatePart::Month)->setFocus();
    QTest::keyClicks(consent->list(DatePart::Month), "5.");
    QTest::keyClicks(consent->list(DatePart::Day), "2.");
    ASSERT_EQ(consent->list(DatePart::Year), QApplication::focusWidget());
    QTest::keyClicks(consent->list(DatePart::Year), "24");
    dialog.button(EditButton::Ok)->setFocus();
    QTest::keyClick(dialog.button(EditButton::Ok), Qt::Key_Return);
    int rows = 0;
    for (const auto& e : doc.privilegeDates().entries) {
        if (e.id != id || e.kind != PrivilegeKind::Consent) continue;
        ++rows;
        EXPECT_EQ("05022024", fieldText(e.start));
    }
    EXPECT_EQ(1, rows);
}

TEST(PublisherEditor, NextStoresAndWrapsFromTheLastToTheFirst) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    const int last = static_cast<int>(list.rows().size()) - 1;
    list.select(last);
    const PublisherId lastId = list.rows()[last].id;
    const PublisherId firstId = list.rows()[0].id;
    auto model = list.openEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);

    replaceText(dialog.box(EditField::Phone), "021 7788");
    press(dialog.button(EditButton::Next));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ("021 7788", fieldText(doc.store().recordById(lastId)->phone));
    EXPECT_EQ(0, list.selected());
    EXPECT_EQ(firstId, model->copy().id);
    EXPECT_EQ(fieldText(doc.store().recordById(firstId)->lname),
              dialog.box(EditField::LastName)->text().toStdString());

    // And back: "&Sblm" from the first goes to the last.
    press(dialog.button(EditButton::Previous));
    EXPECT_EQ(lastId, model->copy().id);
    EXPECT_EQ("021 7788", dialog.box(EditField::Phone)->text().toStdString());
    dialog.reject();
}

TEST(PublisherEditor, PasteCopiesAddressPhoneAndGroupOnly) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    list.select(0);
    const PublisherId sourceId = list.rows()[0].id;
    const PublisherId targetId = list.rows()[1].id;
    {
        PublisherRecord& source = *doc.store().recordById(sourceId);
        setFieldText(source.addr, "Jl. Kenanga 9");
        setFieldText(source.phone, "0274 111");
        setFieldText(source.phone2, "0811 999");
        source.group = 2;
        PublisherRecord& target = *doc.store().recordById(targetId);
        setFieldText(target.phone2, "0877 123");
        target.group = 1;
    }
    auto model = list.openEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    QPushButton* copy = dialog.button(EditButton::Copy);
    EXPECT_EQ(text::tr(text::TxCopyButton), copy->text().toStdString());
    EXPECT_FALSE(dialog.button(EditButton::ClearCopy)->isVisible());
    copy->click();
    EXPECT_EQ(text::tr(text::TxPasteButton), copy->text().toStdString());
    EXPECT_TRUE(dialog.button(EditButton::ClearCopy)->isVisible());

    press(dialog.button(EditButton::Next));
    ASSERT_EQ(targetId, model->copy().id);
    const QString groupBefore = dialog.button(EditButton::Group)->text();
    copy->click();
    EXPECT_EQ("Jl. Kenanga 9", dialog.box(EditField::Address)->text().toStdString());
    EXPECT_EQ("0274 111", dialog.box(EditField::Phone)->text().toStdString());
    EXPECT_EQ("0877 123", dialog.box(EditField::Mobile)->text().toStdString());
    EXPECT_NE(groupBefore, dialog.button(EditButton::Group)->text());
    // Nothing stored before the next store.
    EXPECT_EQ(1, doc.store().recordById(targetId)->group);
    dialog.button(EditButton::Ok)->setFocus();
    QTest::keyClick(dialog.button(EditButton::Ok), Qt::Key_Return);
    const PublisherRecord& stored = *doc.store().recordById(targetId);
    EXPECT_EQ(2, stored.group);
    EXPECT_EQ("0274 111", fieldText(stored.phone));
    EXPECT_EQ("0877 123", fieldText(stored.phone2));
}

TEST(PublisherEditor, GroupButtonPicksFromTheTwentyGroups) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    auto model = list.openEditor();
    const PublisherId id = model->copy().id;
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    int lines = 0;
    test::onNextModal([&lines](QWidget* w) {
        auto* picker = qobject_cast<GroupPickerDialog*>(w);
        ASSERT_NE(nullptr, picker);
        lines = picker->numbers()->count();
        EXPECT_GT(picker->members()->count(), 0);  // the publisher's own group
        // No line chosen: not assigned.
        picker->numbers()->setCurrentRow(-1);
        QTest::keyClick(picker->okButton(), Qt::Key_Space);
    });
    dialog.button(EditButton::Group)->click();
    EXPECT_EQ(20, lines);
    EXPECT_EQ(text::tr(text::TxNoGroup), dialog.button(EditButton::Group)->text().toStdString());
    dialog.button(EditButton::Ok)->click();
    EXPECT_EQ(0, doc.store().recordById(id)->group);
}

TEST(PublisherEditor, ContactAndExtraInformationButtonsAreEnabled) {
    Editing f;
    PublisherSelectModel list(f.doc());
    auto model = list.openEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    for (EditButton b : {EditButton::ExtraInfo, EditButton::SpecialNeeds, EditButton::Contact}) {
        EXPECT_TRUE(dialog.button(b)->isVisible());
        EXPECT_TRUE(dialog.button(b)->isEnabled());
    }
    EXPECT_TRUE(dialog.button(EditButton::Group)->isEnabled());
    EXPECT_TRUE(dialog.button(EditButton::Delete)->isEnabled());
    dialog.reject();
}

TEST(PublisherEditor, StatusRunsFromItsButtonAndBeforeANewPublishersFirstStore) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    int asked = 0;
    std::string askedTitle;
    StatusFields given;
    const StatusAsker ask = [&](PublisherStatusModel& status, QWidget*) {
        ++asked;
        askedTitle = status.title();
        status.setChoice(StatusChoice::NewPublisher);
        status.setMonthRow(doc.reportMonth().reportMonth0 + 1);
        given = status.result();
        return std::optional<StatusFields>(given);
    };

    {
        auto model = list.openEditor();
        const PublisherId id = model->copy().id;
        PublisherEditDialog dialog(*model);
        showActive(dialog);
        EXPECT_FALSE(dialog.button(EditButton::Status)->isEnabled());
        dialog.setStatusAsker(ask);
        ASSERT_TRUE(dialog.button(EditButton::Status)->isEnabled());
        press(dialog.button(EditButton::Status));
        EXPECT_EQ(1, asked);
        dialog.button(EditButton::Ok)->click();
        const PublisherRecord& r = *doc.store().recordById(id);
        EXPECT_EQ(given.statusMark, r.statusMark);
        EXPECT_EQ(given.markStamp, r.markStamp);
    }

    asked = 0;
    auto model = list.openAddEditor();
    PublisherEditDialog dialog(*model);
    dialog.setStatusAsker(ask);
    showActive(dialog);
    typeInto(dialog.box(EditField::FirstName), "Yosef");
    typeInto(dialog.box(EditField::LastName), "Zakaria");
    dialog.button(EditButton::Ok)->setFocus();
    QTest::keyClick(dialog.button(EditButton::Ok), Qt::Key_Return);
    EXPECT_EQ(1, asked);
    EXPECT_NE(std::string::npos, askedTitle.find("Yosef Zakaria")) << askedTitle;
    const int pos = findActive(doc, "Yosef", "Zakaria");
    ASSERT_NE(0, pos);
    EXPECT_EQ(given.statusMark, doc.store().at(pos).statusMark);
    EXPECT_NE(0, given.statusMark);
}

// ---- deleting ------------------------------------------------------------------

TEST(PublisherDelete, TemporaryDeletionByKeyboardStampsMonthAndYear) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    list.select(4);
    const PublisherId id = list.rows()[4].id;
    const int before = activeCount(doc);
    auto model = list.openEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    // Pending edits are not stored by a deletion.
    replaceText(dialog.box(EditField::Address), "never stored");
    bool listsHidden = false;
    QString title;
    test::onNextModal([&](QWidget* w) {
        auto* d = qobject_cast<DeletePublisherDialog*>(w);
        ASSERT_NE(nullptr, d);
        title = d->windowTitle();
        listsHidden = !d->monthList()->isVisible() && !d->yearList()->isVisible();
        d->temporaryButton()->setFocus();
        QTest::keyClick(d->temporaryButton(), Qt::Key_Space);
        EXPECT_TRUE(d->temporaryButton()->isChecked());
        EXPECT_TRUE(d->monthList()->isVisible());
        d->monthList()->setFocus();
        QTest::keyClick(d->monthList(), Qt::Key_Home);
        for (int i = 0; i < 3; ++i) QTest::keyClick(d->monthList(), Qt::Key_Down);
        d->yearList()->setFocus();
        QTest::keyClicks(d->yearList(), "2024");
        EXPECT_EQ("2024", d->yearList()->currentText().toStdString());
        QTest::keyClick(d->yearList(), Qt::Key_Return);
    });
    const QString expectedTitle =
        QString::fromStdString(text::cp1252ToUtf8(doc.displayName(doc.store().storePosById(id))));
    press(dialog.button(EditButton::Delete));
    EXPECT_TRUE(listsHidden);
    EXPECT_EQ(expectedTitle, title);
    EXPECT_FALSE(dialog.isVisible());
    const PublisherRecord* r = doc.store().recordById(id);
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(ListDeleted, r->listKind);
    EXPECT_EQ(3 + 256 * (2024 - 1950), r->markStamp);
    EXPECT_NE("never stored", fieldText(r->addr));
    EXPECT_EQ(before - 1, activeCount(doc));
    EXPECT_EQ(-1, rowOf(list, id));
}

TEST(PublisherDelete, PermanentDeletionIsTheDefault) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    list.select(1);
    const PublisherId id = list.rows()[1].id;
    auto model = list.openEditor();
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    test::onNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    dialog.button(EditButton::Delete)->click();
    EXPECT_EQ(nullptr, doc.store().recordById(id));
    EXPECT_EQ(-1, rowOf(list, id));
    EXPECT_TRUE(doc.dirty);
}

TEST(PublisherDelete, CancelKeepsTheEditorOpen) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    auto model = list.openEditor();
    const PublisherId id = model->copy().id;
    PublisherEditDialog dialog(*model);
    showActive(dialog);
    test::onNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    dialog.button(EditButton::Delete)->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(nullptr, doc.store().recordById(id));
    dialog.reject();
}

// ---- the publisher list ----------------------------------------------------------

TEST(PublisherList, EditKeepsTheSelectionAcrossEditors) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc);
    PublisherSelectDialog dialog(list);
    showActive(dialog);
    ASSERT_EQ(activeCount(doc), dialog.list()->count());
    EXPECT_TRUE(dialog.editButton()->isDefault());
    dialog.list()->setFocus();
    QTest::keyClick(dialog.list(), Qt::Key_Down);
    QTest::keyClick(dialog.list(), Qt::Key_Down);
    EXPECT_EQ(2, list.selected());
    QString opened;
    test::onNextModal([&opened](QWidget* w) {
        opened = w->objectName();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    QTest::keyClick(dialog.list(), Qt::Key_Return);
    EXPECT_EQ("dialog139", opened);
    EXPECT_EQ(2, dialog.list()->currentRow());
    dialog.reject();
}

TEST(PublisherList, PromotesABibleStudentThroughTheAddDialog) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    ASSERT_FALSE(doc.store().subList(ListBibleStudent).empty());
    const PublisherId student = doc.store().at(doc.store().subList(ListBibleStudent).front()).id;
    const int before = activeCount(doc);
    PublisherSelectModel list(doc);
    PublisherSelectDialog dialog(list);
    int askedMonth = -1;
    dialog.askMonth = [&askedMonth](MonthChoiceModel& question, QWidget*) {
        askedMonth = question.monthLine();
        return question.ok();
    };
    showActive(dialog);

    bool reactivateShown = false;
    test::onNextModal([&](QWidget* w) {
        auto* add = qobject_cast<AddPublisherDialog*>(w);
        ASSERT_NE(nullptr, add);
        reactivateShown = add->choiceButton(AddChoice::Reactivate)->isVisible();
        // The picker of the Bible students comes next.
        test::onNextModal([](QWidget* p) {
            auto* picker = qobject_cast<PublisherListPickerDialog*>(p);
            ASSERT_NE(nullptr, picker);
            picker->list()->setFocus();
            picker->list()->setCurrentRow(0);
            QTest::keyClick(picker->list(), Qt::Key_Return);
        });
        QPushButton* promote = add->choiceButton(AddChoice::Promote);
        promote->setFocus();
        QTest::keyClick(promote, Qt::Key_Space);
    });
    press(dialog.addButton());
    EXPECT_EQ(!doc.store().subList(ListInactive).empty(), reactivateShown);
    EXPECT_EQ(doc.reportMonth().reportMonth0, askedMonth);
    const PublisherRecord* r = doc.store().recordById(student);
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(ListActive, r->listKind);
    EXPECT_EQ(before + 1, activeCount(doc));
    EXPECT_EQ(before + 1, dialog.list()->count());
    EXPECT_GE(rowOf(list, student), 0);
    dialog.reject();
}

TEST(PublisherList, StatusButtonOfTheEditorOpensTheStatusDialog) {
    Editing f;
    QStringList seen;
    bool statusEnabled = false;
    test::onNextModal([&](QWidget* list) {
        seen << list->objectName();
        test::onNextModal([&](QWidget* editor) {
            seen << editor->objectName();
            QPushButton* status =
                static_cast<PublisherEditDialog*>(editor)->button(EditButton::Status);
            statusEnabled = status->isEnabled();
            test::onNextModal([&, editor, list](QWidget* dialog) {
                seen << dialog->objectName();
                QTest::keyClick(dialog, Qt::Key_Escape);
                // Back out of the editor, then the list.
                QTimer::singleShot(0, editor, [editor, list] {
                    QTest::keyClick(editor, Qt::Key_Escape);
                    QTimer::singleShot(0, list, [list] { QTest::keyClick(list, Qt::Key_Escape); });
                });
            });
            if (statusEnabled) press(status);
        });
        press(static_cast<PublisherSelectDialog*>(list)->editButton());
    });
    f.shell.window().trigger(app::cmd::EditPublishers);
    EXPECT_TRUE(statusEnabled);
    EXPECT_EQ(QStringList({"dialog136", "dialog139", "dialog103"}), seen);
}

TEST(PublisherList, ReactivatesFromTheMenuThroughTheMonthChoice) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    ASSERT_FALSE(doc.store().subList(ListInactive).empty());
    const PublisherId inactive = doc.store().at(doc.store().subList(ListInactive).front()).id;
    const int before = activeCount(doc);
    QStringList seen;
    // Each dialog answers from the keyboard and arms the next one.
    test::onNextModal([&](QWidget* list) {
        seen << list->objectName();
        test::onNextModal([&](QWidget* add) {
            seen << add->objectName();
            test::onNextModal([&](QWidget* picker) {
                seen << picker->objectName();
                test::onNextModal([&](QWidget* month) {
                    seen << month->objectName();
                    test::onNextModal([&](QWidget* back) {
                        seen << back->objectName();
                        QTest::keyClick(back, Qt::Key_Escape);
                    });
                    QTest::keyClick(month, Qt::Key_Return);
                });
                QTest::keyClick(picker, Qt::Key_Return);
            });
            press(static_cast<AddPublisherDialog*>(add)->choiceButton(AddChoice::Reactivate));
        });
        press(static_cast<PublisherSelectDialog*>(list)->addButton());
    });
    f.shell.window().trigger(app::cmd::EditPublishers);
    EXPECT_EQ(QStringList({"dialog136", "dialog138", "dialog140", "dialog113", "dialog136"}), seen);
    const PublisherRecord* r = doc.store().recordById(inactive);
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(ListActive, r->listKind);
    EXPECT_EQ(before + 1, activeCount(doc));
    EXPECT_TRUE(doc.dirty);
}

TEST(PublisherList, PickerModeReturnsTheChosenPublisher) {
    Editing f;
    CVelnoDoc& doc = f.doc();
    PublisherSelectModel list(doc, SelectMode::Picker);
    PublisherSelectDialog dialog(list);
    showActive(dialog);
    EXPECT_FALSE(dialog.addButton()->isVisible());
    EXPECT_EQ("&" + text::tr(text::TxPick), dialog.editButton()->text().toStdString());
    EXPECT_EQ("&" + text::tr(text::TxPickCancel), dialog.closeButton()->text().toStdString());
    dialog.list()->setFocus();
    QTest::keyClick(dialog.list(), Qt::Key_Down);
    QTest::keyClick(dialog.list(), Qt::Key_Return);
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    ASSERT_TRUE(list.pick());
    EXPECT_EQ(list.rows()[1].storePos, *list.pick());
}

}  // namespace
}  // namespace velno
