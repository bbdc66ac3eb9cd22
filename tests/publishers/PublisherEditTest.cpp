// The record editor: loading, typing in the boxes, the store sequence,
// duplicates, stepping through the list, copy and paste, consent.
#include <gtest/gtest.h>

#include <cstring>

#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"
#include "publishers/PublisherSelectModel.h"
#include "store/DateText.h"

namespace velno {
namespace {

using test::PublisherFixture;
using F = EditField;

PrivilegeDateEntry consentRow(PublisherId id, const char* date) {
    PrivilegeDateEntry e{};
    e.id = id;
    e.kind = PrivilegeKind::Consent;
    std::memcpy(e.start, date, 9);
    return e;
}

int consentRows(const CVelnoDoc& doc, PublisherId id) {
    int n = 0;
    for (const auto& e : doc.privilegeDates().entries)
        if (e.id == id && e.kind == PrivilegeKind::Consent) ++n;
    return n;
}

TEST(PublisherEdit, LoadsEveryControlFromTheRecordAndItsExtension) {
    PublisherFixture f;
    PublisherRecord& r = f.add(150, "Sari", "Wulan");
    setFieldText(r.addr, "Jl. Mawar 3");
    setFieldText(r.phone, "0211");
    setFieldText(r.phone2, "0812");
    setFieldText(r.phone3, "0213");
    setFieldText(r.birdate, " 2 31980");
    setFieldText(r.bapdate, "11  1999");
    r.hope = 'A';
    r.flags = RecordFlag::Sister | RecordFlag::ContinuousAuxiliary;
    r.moreBits |= MoreBit::Blind;
    r.categoryBits = CategoryBit::Missionary;
    auto& ext = f.doc.extensions().current();
    ext = PublisherExtension{};
    ext.owner = 150;
    setFieldText(ext.email, "sari@example.org");
    setFieldText(ext.longName, "Sari Dewi Wulan");
    r.extSlot = static_cast<std::uint16_t>(f.doc.writeExtension());
    f.doc.privilegeDates().entries.push_back(consentRow(150, "05  2020"));

    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(150));
    EXPECT_EQ(m.text(F::Address), "Jl. Mawar 3");
    EXPECT_EQ(m.text(F::Mobile), "0812");
    EXPECT_EQ(m.text(F::Office), "0213");
    EXPECT_EQ(m.text(F::Email), "sari@example.org");
    EXPECT_TRUE(m.checked(EditCheck::Anointed));
    EXPECT_TRUE(m.checked(EditCheck::Sister));
    EXPECT_TRUE(m.checked(EditCheck::ContinuousAuxiliary));
    EXPECT_TRUE(m.checked(EditCheck::Blind));
    EXPECT_FALSE(m.checked(EditCheck::Brother));
    EXPECT_TRUE(m.missionaryVisible());
    EXPECT_FALSE(m.specialServantVisible());
    EXPECT_EQ(m.date(EditDate::Birth).dateText(), "02031980");
    EXPECT_EQ(m.date(EditDate::Baptism).month(), 11);
    EXPECT_FALSE(m.visible(EditButton::Privileges));  // baptism day missing
    EXPECT_TRUE(m.checked(EditCheck::Consent));
    EXPECT_TRUE(m.dateVisible(EditDate::Consent));
    EXPECT_EQ(m.date(EditDate::Consent).year(), 2020);

    // Storing keeps the long name that this editor does not show.
    m.setText(F::Email, "baru@example.org");
    m.ok();
    ASSERT_NE(f.doc.extensionOf(f.pos(150)), 0);
    EXPECT_STREQ(f.doc.extensions().current().longName, "Sari Dewi Wulan");
    EXPECT_STREQ(f.doc.extensions().current().email, "baru@example.org");
}

TEST(PublisherEdit, AutoCapsAndItsLanguageExceptions) {
    PublisherFixture f;
    PublisherEditModel m(f.doc, nullptr, EditMode::Add);
    TextUpdate u = m.setText(F::FirstName, "budi");
    EXPECT_EQ(u.text, "Budi");
    EXPECT_EQ(u.caret, 1);
    EXPECT_EQ(m.setText(F::Address, "jalan").text, "jalan");  // names only

    m.setLanguageCode("french");
    EXPECT_EQ(m.setText(F::FirstName, "budi").text, "budi");
    m.setLanguageCode("Ukr");
    EXPECT_EQ(m.setText(F::LastName, "santoso").text, "santoso");
    m.setLanguageCode("in");
    f.doc.settings().autoCaps = 0;
    EXPECT_EQ(m.setText(F::LastName, "santoso").text, "santoso");
}

TEST(PublisherEdit, BoxesKeepTheirLimits) {
    PublisherFixture f;
    PublisherEditModel m(f.doc, nullptr, EditMode::Add);
    TextUpdate u = m.setText(F::LastName, "Abcdefghijklmnopq");
    EXPECT_EQ(u.text, "Abcdefghijklmn");
    EXPECT_EQ(u.caret, 14);
    EXPECT_EQ(m.setText(F::Address, std::string(70, 'x')).text.size(), 60u);
    EXPECT_EQ(m.setText(F::Email, std::string(80, 'e')).text.size(), 50u);
    EXPECT_EQ(m.fieldLimit(F::Email), 0);
    EXPECT_EQ(m.fieldLimit(F::Phone), 14);
}

TEST(PublisherEdit, TwelvePlusTwelveCharactersTurnTheFirstNameIntoAnInitial) {
    PublisherFixture f;
    PublisherEditModel m(f.doc, nullptr, EditMode::Add);
    m.setText(F::FirstName, "Abcdefghijkl");
    m.focusLost(F::FirstName);
    m.setText(F::LastName, "Mnopqrstuvw");  // 12 + 11: still fits
    EXPECT_EQ(m.text(F::FirstName), "Abcdefghijkl");
    m.setText(F::LastName, "Mnopqrstuvwx");  // 12 + 12
    EXPECT_EQ(m.text(F::FirstName), "A.");
    m.setText(F::LastName, "Mnopqrstuvwxyz");
    EXPECT_EQ(m.text(F::FirstName), "A.");
}

TEST(PublisherEdit, CharactersTheFilesCannotHoldAreRefused) {
    PublisherFixture f;
    PublisherEditModel m(f.doc, nullptr, EditMode::Add);
    m.setText(F::LastName, "Bela");
    // Outside Windows-1252.
    TextUpdate u = m.setText(F::LastName, "Łukasz");
    EXPECT_TRUE(u.refused);
    EXPECT_EQ(u.text, "Bela");
    // "Ã" in the first position would scramble to the terminator; later on
    // it is fine.
    EXPECT_TRUE(m.setText(F::FirstName, "Ãna").refused);
    EXPECT_FALSE(m.setText(F::FirstName, "JoÃo").refused);
    EXPECT_TRUE(m.setText(F::Address, "a\tb").refused);
    ASSERT_EQ(f.prompter.told.size(), 3u);
    EXPECT_NE(f.prompter.told[1].find("Ã"), std::string::npos);

    // A leading blank that the store trims would move "Ã" to the first
    // position: the store refuses instead of writing a broken name.
    m.setText(F::LastName, " Ãdi");
    EXPECT_EQ(m.ok(), StoreStatus::Refused);
    EXPECT_EQ(f.doc.store().recordCount(), 1);
    ASSERT_EQ(f.prompter.told.size(), 4u);
    m.setText(F::LastName, "Bela");

    // What was accepted survives a save and a load unchanged.
    m.setText(F::Address, "Straße 5, Öl");
    ASSERT_EQ(m.ok(), StoreStatus::Stored);
    f.doc.saveAll();
    f.doc.loadStore(f.dir.path());
    ASSERT_EQ(f.doc.store().recordCount(), 2);
    PublisherEditModel again(f.doc, nullptr, EditMode::Edit, 1);
    EXPECT_EQ(again.text(F::FirstName), "JoÃo");
    EXPECT_EQ(again.text(F::Address), "Straße 5, Öl");
}

TEST(PublisherEdit, AddModeStoresANewPublisherInOrder) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(101, "Zed", "Zulu");
    PublisherSelectModel list(f.doc);
    list.select(1);
    auto m = list.openAddEditor();
    EXPECT_FALSE(m->visible(EditButton::Delete));
    EXPECT_FALSE(m->visible(EditButton::Next));
    EXPECT_FALSE(m->visible(EditButton::Copy));  // no source yet
    int statusRuns = 0;
    m->runStatusDialog = [&](PublisherStatusModel& status) -> std::optional<StatusFields> {
        ++statusRuns;
        EXPECT_EQ(status.title(), "Status Mira Mulia");
        status.setChoice(StatusChoice::NewPublisher);
        return status.result();
    };
    m->setText(F::FirstName, "mira");
    m->setText(F::LastName, "mulia ");
    m->setText(F::Email, "mira@example.org");
    m->setDateLine(EditDate::Birth, DatePart::Month, 4);
    m->dateChar(EditDate::Birth, DatePart::Year, '9');
    m->dateChar(EditDate::Birth, DatePart::Year, '9');
    m->setChecked(EditCheck::Deaf, true);
    EXPECT_EQ(m->ok(), StoreStatus::Stored);
    EXPECT_TRUE(m->closed());
    EXPECT_EQ(statusRuns, 1);

    const PublisherRecord& r = f.doc.store().at(2);
    EXPECT_STREQ(r.lname, "Mulia");
    EXPECT_EQ(r.id, 102);  // the smallest free id from 100
    EXPECT_STREQ(r.birdate, "04  1999");
    EXPECT_EQ(r.hope, 'O');
    EXPECT_EQ(r.statusMark, 16 * 3 + 1);  // new publisher in March
    EXPECT_EQ(r.markStamp, stampOf(2024, 2));
    EXPECT_EQ(r.moreBits, MoreBit::Loaded | MoreBit::Deaf);
    EXPECT_NE(r.extSlot, 0);
    EXPECT_TRUE(f.doc.dirty);
    EXPECT_EQ(list.selected(), 0);  // refilled at the top
    EXPECT_EQ(list.rows()[1].name, "Mulia, Mira");
}

TEST(PublisherEdit, BlankLastNameIsNotStoredButOkCloses) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    PublisherSelectModel list(f.doc);
    auto m = list.openEditor();
    m->setText(F::LastName, "   ");
    EXPECT_FALSE(m->next());
    EXPECT_FALSE(m->closed());
    EXPECT_EQ(m->ok(), StoreStatus::BlankLastName);
    EXPECT_TRUE(m->closed());
    EXPECT_STREQ(f.rec(100).lname, "Adi");
    EXPECT_FALSE(f.doc.dirty);
}

TEST(PublisherEdit, SameNameAsAnInactiveRecordIsNoDuplicate) {
    PublisherFixture f;
    f.add(100, "Budi", "Santoso", ListInactive);
    PublisherEditModel m(f.doc, nullptr, EditMode::Add);
    m.setText(F::FirstName, "Budi");
    m.setText(F::LastName, "santoso ");
    EXPECT_EQ(m.ok(), StoreStatus::Stored);
    EXPECT_TRUE(f.prompter.asked.empty());
    EXPECT_EQ(f.doc.store().recordCount(), 3);
}

TEST(PublisherEdit, SameNameAsAnActiveRecordAsksToOverwrite) {
    PublisherFixture f;
    PublisherRecord& old = f.add(100, "Budi", "Santoso");
    setFieldText(old.addr, "Lama");
    old.hours[3] = 12;
    f.add(101, "Cici", "Tan").household = 100;

    {  // "No": nothing changes and the editor stays open to correct the name.
        PublisherEditModel m(f.doc, nullptr, EditMode::Add);
        m.setText(F::FirstName, "BUDI");
        m.setText(F::LastName, "Santoso");
        m.setText(F::Address, "Baru");
        EXPECT_EQ(m.ok(), StoreStatus::Refused);
        EXPECT_FALSE(m.closed());
        ASSERT_EQ(f.prompter.asked.size(), 1u);
        EXPECT_EQ(f.prompter.asked[0],
                  "Budi Santoso adalah duplikat.\n\nTimpa dengan informasi baru?");
        EXPECT_EQ(f.doc.store().recordCount(), 3);
        EXPECT_STREQ(f.rec(100).addr, "Lama");
    }
    // "Yes": the new contents, with the new id, replace the old record.
    f.prompter.answers = {Answer::Yes};
    PublisherEditModel m(f.doc, nullptr, EditMode::Add);
    m.setText(F::FirstName, "Budi");
    m.setText(F::LastName, "Santoso");
    m.setText(F::Address, "Baru");
    EXPECT_EQ(m.ok(), StoreStatus::Stored);
    EXPECT_EQ(f.doc.store().recordCount(), 3);
    EXPECT_EQ(f.doc.store().recordById(100), nullptr);
    const PublisherRecord& now = f.doc.store().at(f.doc.store().storePosById(m.copy().id));
    EXPECT_STREQ(now.addr, "Baru");
    EXPECT_EQ(now.hours[3], 0);
    // The old id is gone, so nobody may point at it any more.
    EXPECT_EQ(f.rec(101).household, 0);
}

TEST(PublisherEdit, RenamingToAnExistingNameTellsAndKeepsTheName) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(101, "Budi", "Santoso");
    f.add(102, "Cici", "Tan");
    PublisherSelectModel list(f.doc);
    list.select(2);
    auto m = list.openEditor();
    m->setText(F::FirstName, "Ana");
    m->setText(F::LastName, "Adi");
    EXPECT_EQ(m->ok(), StoreStatus::Stored);
    EXPECT_TRUE(f.prompter.asked.empty());
    ASSERT_EQ(f.prompter.told.size(), 1u);
    EXPECT_EQ(f.prompter.told[0], "Ana Adi adalah duplikat.\n\n");
    EXPECT_STREQ(f.rec(102).fname, "Ana");
    EXPECT_EQ(f.doc.store().recordCount(), 4);
    // The store stays in order.
    EXPECT_EQ(f.pos(101), 3);
}

TEST(PublisherEdit, RenameMovesTheRecordAndTheListFollowsIt) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(101, "Budi", "Santoso");
    f.add(102, "Cici", "Tan");
    PublisherSelectModel list(f.doc);
    auto m = list.openEditor();  // Adi
    m->setText(F::LastName, "Wibowo");
    EXPECT_TRUE(m->next());  // stored; moved to the end; the next is the first again
    EXPECT_EQ(f.pos(100), 3);
    EXPECT_EQ(m->text(F::LastName), "Santoso");
    EXPECT_EQ(list.selected(), 0);
}

TEST(PublisherEdit, StepsWrapAroundTheList) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(101, "Budi", "Santoso");
    f.add(102, "Cici", "Tan");
    PublisherSelectModel list(f.doc);
    list.select(2);
    auto m = list.openEditor();
    EXPECT_TRUE(m->next());  // "&Brkt" on the last goes to the first
    EXPECT_EQ(m->text(F::LastName), "Adi");
    EXPECT_TRUE(m->previous());  // and back from the first to the last
    EXPECT_EQ(m->text(F::LastName), "Tan");
    EXPECT_EQ(list.selected(), 2);
}

TEST(PublisherEdit, PasteCopiesOnlyAddressPhoneAndGroup) {
    PublisherFixture f;
    PublisherRecord& a = f.add(100, "Ana", "Adi");
    setFieldText(a.addr, "Jl. Kenari 9");
    setFieldText(a.phone, "021-555");
    setFieldText(a.phone2, "0812-1");
    setFieldText(a.phone3, "021-999");
    a.group = 4;
    PublisherRecord& b = f.add(101, "Budi", "Santoso");
    setFieldText(b.phone2, "0813-2");

    PublisherSelectModel list(f.doc);
    auto m = list.openEditor();
    EXPECT_EQ(m->buttonText(EditButton::Copy), "Salin");
    EXPECT_FALSE(m->visible(EditButton::ClearCopy));
    m->copyOrPaste();
    EXPECT_EQ(list.copySource(), PublisherId{100});
    ASSERT_TRUE(m->next());
    EXPECT_EQ(m->buttonText(EditButton::Copy), "Tempel");
    EXPECT_TRUE(m->visible(EditButton::ClearCopy));
    m->copyOrPaste();
    EXPECT_EQ(m->text(F::Address), "Jl. Kenari 9");
    EXPECT_EQ(m->text(F::Phone), "021-555");
    EXPECT_EQ(m->text(F::Mobile), "0813-2");
    EXPECT_EQ(m->text(F::Office), "");
    EXPECT_EQ(m->group(), 4);
    EXPECT_STREQ(f.rec(101).addr, "");  // nothing stored before the next store
    m->ok();
    EXPECT_STREQ(f.rec(101).addr, "Jl. Kenari 9");
    EXPECT_STREQ(f.rec(101).phone2, "0813-2");

    // A new editor sees the same source until the list closes.
    auto adding = list.openAddEditor();
    EXPECT_TRUE(adding->visible(EditButton::Copy));
    adding->clearCopySource();
    EXPECT_FALSE(adding->visible(EditButton::Copy));
}

TEST(PublisherEdit, ConsentOnAndOff) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    {
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
        EXPECT_FALSE(m.dateVisible(EditDate::Consent));
        m.setChecked(EditCheck::Consent, true);
        EXPECT_TRUE(m.dateVisible(EditDate::Consent));
        m.setDateLine(EditDate::Consent, DatePart::Month, 2);
        m.ok();  // no year: the consent row holds a blank date
    }
    ASSERT_EQ(consentRows(f.doc, 100), 1);
    EXPECT_STREQ(f.doc.privilegeDates().entries[0].start, "        ");
    {
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
        EXPECT_TRUE(m.checked(EditCheck::Consent));
        EXPECT_EQ(m.date(EditDate::Consent).month(), 0);  // the blank date came back blank
        m.setDateLine(EditDate::Consent, DatePart::Month, 2);
        m.dateChar(EditDate::Consent, DatePart::Year, '2');
        m.dateChar(EditDate::Consent, DatePart::Year, '3');
        m.ok();
    }
    EXPECT_STREQ(f.doc.privilegeDates().entries[0].start, "02  2023");
    f.doc.privilegeDates().entries.push_back(consentRow(100, "01012001"));
    {
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
        m.setChecked(EditCheck::Consent, false);
        m.ok();
    }
    EXPECT_EQ(consentRows(f.doc, 100), 0);
}

TEST(PublisherEdit, DatesWithoutDayOrYear) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
    m.setDateLine(EditDate::Birth, DatePart::Month, 7);
    m.setDateLine(EditDate::Baptism, DatePart::Month, 7);
    m.dateChar(EditDate::Birth, DatePart::Year, '8');
    m.dateChar(EditDate::Birth, DatePart::Year, '1');
    m.ok();
    EXPECT_STREQ(f.rec(100).birdate, "07  1981");
    EXPECT_STREQ(f.rec(100).bapdate, "        ");
    EXPECT_FALSE(isDateSet(f.rec(100).bapdate));
}

TEST(PublisherEdit, PrivilegesButtonFollowsACompleteBaptismDate) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(100));
    m.setDateLine(EditDate::Baptism, DatePart::Month, 5);
    m.setDateLine(EditDate::Baptism, DatePart::Day, 12);
    EXPECT_FALSE(m.visible(EditButton::Privileges));
    m.dateChar(EditDate::Baptism, DatePart::Year, '0');
    m.dateChar(EditDate::Baptism, DatePart::Year, '5');
    EXPECT_TRUE(m.visible(EditButton::Privileges));
    EXPECT_STREQ(m.copy().bapdate, "05122005");
    EXPECT_EQ(m.storeForPrivileges(), StoreStatus::Stored);
    EXPECT_STREQ(f.rec(100).bapdate, "05122005");
}

TEST(PublisherEdit, DeletingFromTheEditorClosesWithoutStoring) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(101, "Budi", "Santoso").household = 100;
    PublisherSelectModel list(f.doc);
    auto m = list.openEditor();
    m->setText(F::Address, "not stored");
    DeletePublisherModel dialog = m->deleteDialog();
    EXPECT_EQ(dialog.title(), "Ana Adi");
    dialog.setKind(DeleteKind::Temporary);
    dialog.setMonthLine(3);
    dialog.setYearLine(2024 - 1950);
    EXPECT_TRUE(m->applyDelete(dialog.ok()));
    EXPECT_TRUE(m->closed());
    EXPECT_EQ(f.rec(100).listKind, ListDeleted);
    EXPECT_EQ(f.rec(100).markStamp, 3 + 256 * 74);
    EXPECT_STREQ(f.rec(100).addr, "");
    EXPECT_EQ(f.rec(101).household, 0);
    ASSERT_EQ(list.rows().size(), 1u);
    EXPECT_EQ(list.rows()[0].id, 101);
}

}  // namespace
}  // namespace velno
