// The emergency-contact dialog and its chooser: shared entries changed for
// everyone, new entries under the smallest free key, stopping to share,
// and a write that fails.
#include <gtest/gtest.h>

#include "publishers/EmergencyContactModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"
#include "publishers/SharedEntries.h"
#include "support/FaultyFileSystem.h"

namespace velno {
namespace {

using test::PublisherFixture;
using C = ContactField;

std::uint16_t addContact(CVelnoDoc& doc, const char* contact, const char* home) {
    EmergencyContact c{};
    setFieldText(c.contact, contact);
    setFieldText(c.homePhone, home);
    return doc.addEntry(doc.emergency(), entryBytes(c));
}

std::string home(const CVelnoDoc& doc, std::uint16_t key) {
    return fieldText(contactByKey(doc, key)->homePhone);
}

struct Contacts : PublisherFixture {
    std::uint16_t shared = 0;
    Contacts() {
        add(100, "Budi", "Santoso").flags |= RecordFlag::HouseholdHead;
        add(101, "Ani", "Santoso").household = 100;
        add(120, "Rina", "Putri");
        shared = addContact(doc, "Paman Joko", "0211");
        rec(100).emergId = shared;
        rec(101).emergId = shared;
    }
};

TEST(EmergencyContact, ChangingASharedContactChangesItForEveryPublisherUsingIt) {
    Contacts f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(101));
    EmergencyContactModel dialog = editor.contactDialog();
    EXPECT_EQ(dialog.title(), "Santoso, Ani");
    EXPECT_EQ(dialog.text(C::Contact), "Paman Joko");
    EXPECT_TRUE(dialog.sharedNoteVisible());
    ASSERT_TRUE(dialog.setText(C::Home, "0299"));
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(editor.copy().emergId, f.shared);
    EXPECT_EQ(home(f.doc, f.rec(100).emergId), "0299");
    // Written through: a fresh load sees it.
    CVelnoDoc again;
    again.setToday({2024, 4, 10});
    f.doc.dirty = true;
    ASSERT_EQ(f.doc.saveAll(), SaveOutcome::Saved);
    again.loadStore(f.dir.path());
    EXPECT_EQ(home(again, f.shared), "0299");
}

TEST(EmergencyContact, StopSharingAnsweredNoThenOkMakesASecondEntryWithTheSameTexts) {
    Contacts f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(101));
    EmergencyContactModel dialog = editor.contactDialog();
    f.prompter.answers = {Answer::No};
    dialog.stopSharing();
    EXPECT_EQ(f.prompter.asked.back(), "Clear Fields?");
    EXPECT_EQ(dialog.usedKey(), 0);
    EXPECT_FALSE(dialog.sharedNoteVisible());
    EXPECT_EQ(dialog.text(C::Contact), "Paman Joko");
    ASSERT_TRUE(dialog.ok());
    const std::uint16_t own = editor.copy().emergId;
    EXPECT_NE(own, f.shared);
    EXPECT_EQ(fieldText(contactByKey(f.doc, own)->contact), "Paman Joko");
    EXPECT_EQ(home(f.doc, f.shared), "0211");
}

TEST(EmergencyContact, StopSharingYesClearsTheFieldsAndCancelKeepsEverything) {
    Contacts f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(101));
    EmergencyContactModel dialog = editor.contactDialog();
    f.prompter.answers = {Answer::Cancel, Answer::Yes};
    dialog.stopSharing();
    EXPECT_EQ(dialog.usedKey(), f.shared);
    EXPECT_EQ(dialog.text(C::Home), "0211");
    dialog.stopSharing();
    EXPECT_EQ(dialog.usedKey(), 0);
    EXPECT_EQ(dialog.text(C::Contact), "");
    EXPECT_EQ(dialog.text(C::Home), "");
    // Empty fields unlink the publisher; the entry stays for the others.
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(editor.copy().emergId, 0);
    EXPECT_TRUE(contactByKey(f.doc, f.shared));
}

TEST(EmergencyContact, UsingAnExistingContactPreselectsTheHeadsAndLinksIt) {
    Contacts f;
    const std::uint16_t other = addContact(f.doc, "Tante Sri", "0311");
    f.rec(120).household = 100;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(120));
    EmergencyContactModel dialog = editor.contactDialog();
    EXPECT_TRUE(dialog.useExistingVisible());
    EXPECT_FALSE(dialog.sharedNoteVisible());
    SharedEntryChooserModel chooser = dialog.chooser();
    EXPECT_EQ(chooser.title(), "Kontak Pihak ke-3 (terutama diluar daerah)");
    const std::vector<std::string> lines = {"Paman Joko", "Tante Sri"};
    EXPECT_EQ(chooser.lines(), lines);
    EXPECT_EQ(chooser.ok(), f.shared);
    chooser.select(1);
    dialog.useExisting(chooser.ok());
    EXPECT_EQ(dialog.text(C::Home), "0311");
    // Nothing changed in the fields: no write, only the link.
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(editor.copy().emergId, other);
    EXPECT_EQ(f.rec(120).emergId, 0);  // until the editor stores
    EXPECT_EQ(editor.ok(), StoreStatus::Stored);
    EXPECT_EQ(f.rec(120).emergId, other);
}

TEST(EmergencyContact, ANewEntryTakesTheSmallestKeyThatIsNeitherIndexedNorLinked) {
    PublisherFixture f;
    f.add(100, "Budi", "Santoso");
    f.add(101, "Ani", "Santoso");
    const std::uint16_t k10 = addContact(f.doc, "A", "1");
    const std::uint16_t k11 = addContact(f.doc, "B", "2");
    ASSERT_EQ(k10, 10);
    ASSERT_EQ(k11, 11);
    // Key 10 is referenced by nobody, so the next load frees its slot;
    // a record still links the unindexed key 12.
    f.rec(101).emergId = 11;
    f.rec(100).emergId = 12;
    f.doc.dirty = true;
    ASSERT_EQ(f.doc.saveAll(), SaveOutcome::Saved);
    CVelnoDoc doc;
    doc.setToday({2024, 4, 10});
    doc.loadStore(f.dir.path());
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, doc.store().storePosById(100));
    EmergencyContactModel dialog = editor.contactDialog();
    EXPECT_EQ(dialog.usedKey(), 0);  // key 12 has no entry
    dialog.setText(C::Contact, "  Kakek  ");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(editor.copy().emergId, 10);
    EXPECT_EQ(fieldText(contactByKey(doc, 10)->contact), "Kakek");
    EXPECT_EQ(doc.emergency().fileEntries(), 1u + 1u);
}

TEST(EmergencyContact, AFailedWriteIsToldAndLeavesTheLinkAlone) {
    Contacts f;
    test::FaultyFileSystem faulty;
    faulty.mode = test::FaultyFileSystem::Mode::Fail;
    faulty.at = 1;
    f.doc.folder().setFileSystem(&faulty);
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(120));
    EmergencyContactModel dialog = editor.contactDialog();
    dialog.setText(C::Contact, "Tetangga");
    const auto toldBefore = f.prompter.told.size();
    EXPECT_FALSE(dialog.ok());
    EXPECT_EQ(editor.copy().emergId, 0);
    EXPECT_GT(f.prompter.told.size(), toldBefore);
    f.doc.folder().setFileSystem(nullptr);
}

TEST(EmergencyContact, BoxesRefuseCharactersOutsideTheCodePageAndCutLongTexts) {
    Contacts f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(120));
    EmergencyContactModel dialog = editor.contactDialog();
    EXPECT_FALSE(dialog.setText(C::Contact, "Paman \xe2\x98\x83"));  // a snowman
    EXPECT_EQ(dialog.text(C::Contact), "");
    EXPECT_TRUE(dialog.setText(C::Home, std::string(20, '9')));
    EXPECT_EQ(dialog.text(C::Home), std::string(15, '9'));
}

TEST(EmergencyContact, KeysBelowTenOrUnknownReadAsNoEntry) {
    Contacts f;
    EXPECT_FALSE(contactByKey(f.doc, 0));
    EXPECT_FALSE(contactByKey(f.doc, 9));
    EXPECT_FALSE(contactByKey(f.doc, 999));
    f.rec(120).emergId = 9;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(120));
    EXPECT_EQ(editor.contactDialog().text(C::Contact), "");
}

}  // namespace
}  // namespace velno
