// The extra-information dialog: long name and other information into the
// editor's extension, the special need with its shared entry and the
// four-character rule, and the need filter of the special-needs list.
#include <gtest/gtest.h>

#include "publishers/ExtraInfoModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"
#include "publishers/SharedEntries.h"
#include "support/FaultyFileSystem.h"

namespace velno {
namespace {

using test::PublisherFixture;
using X = ExtraField;
using Mode = SharedEntryChooserModel::Mode;

std::uint16_t addNeed(CVelnoDoc& doc, const char* text) {
    SpecialNeed n{};
    setFieldText(n.text, text);
    return doc.addEntry(doc.specialNeeds(), entryBytes(n));
}

struct Needs : PublisherFixture {
    std::uint16_t wheelchair = 0;
    Needs() {
        add(100, "Budi", "Santoso");
        add(101, "Ani", "Santoso");
        add(120, "Rina", "Putri");
        wheelchair = addNeed(doc, "Kursi roda");
        rec(100).specneed = wheelchair;
        rec(101).specneed = wheelchair;
    }
};

TEST(ExtraInfo, LongNameAndOtherInformationAreTrimmedIntoTheExtension) {
    Needs f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(120));
    ExtraInfoModel dialog = editor.extraInfoDialog(ExtraFocus::LongName);
    EXPECT_EQ(dialog.title(), "Rina Putri");
    EXPECT_TRUE(dialog.selectLongName());
    dialog.setText(X::LongName, "  Rina Kartika Putri ");
    dialog.setText(X::Other, "Perawat ");
    ASSERT_TRUE(dialog.ok());
    ASSERT_EQ(editor.ok(), StoreStatus::Stored);
    ASSERT_NE(f.doc.extensionOf(f.pos(120)), 0);
    EXPECT_EQ(fieldText(f.doc.extensions().current().longName), "Rina Kartika Putri");
    EXPECT_EQ(fieldText(f.doc.extensions().current().other), "Perawat");
}

TEST(ExtraInfo, ASharedNeedIsRewrittenForEveryone) {
    Needs f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(101));
    ExtraInfoModel dialog = editor.extraInfoDialog(ExtraFocus::Need);
    EXPECT_EQ(dialog.text(X::Need), "Kursi roda");
    EXPECT_TRUE(dialog.sharedNoteVisible());
    dialog.setText(X::Need, "Kursi roda, lantai 1");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(editor.copy().specneed, f.wheelchair);
    EXPECT_EQ(needText(f.doc, f.rec(100).specneed), "Kursi roda, lantai 1");
}

TEST(ExtraInfo, AThreeCharacterNeedIsNoNeedAndIsNotOffered) {
    Needs f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(120));
    ExtraInfoModel dialog = editor.extraInfoDialog(ExtraFocus::Need);
    dialog.setText(X::Need, "Tuli");
    dialog.setText(X::Need, "abc");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(editor.copy().specneed, 0);
    // A three-character entry already in the file is not offered either.
    const std::uint16_t shortKey = addNeed(f.doc, "xyz");
    EXPECT_EQ(needText(f.doc, shortKey), "");
    const SharedEntryChooserModel chooser(f.doc, Mode::Needs);
    EXPECT_EQ(chooser.lines(), std::vector<std::string>{"Kursi roda"});
}

TEST(ExtraInfo, ThePublishersOwnNeedEmptiedUnlinksIt) {
    Needs f;
    const std::uint16_t own = addNeed(f.doc, "Alergi kacang");
    f.rec(120).specneed = own;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(120));
    ExtraInfoModel dialog = editor.extraInfoDialog(ExtraFocus::Need);
    EXPECT_FALSE(dialog.sharedNoteVisible());
    dialog.setText(X::Need, "");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(editor.copy().specneed, 0);
}

TEST(ExtraInfo, StoppingToShareClearsTheNeedAndANewOneGoesIntoAFreedSlot) {
    Needs f;
    // An entry no record links to is indexed as free at the next load.
    addNeed(f.doc, "Lama sekali");
    f.doc.dirty = true;
    ASSERT_EQ(f.doc.saveAll(), SaveOutcome::Saved);
    CVelnoDoc doc;
    doc.setToday({2024, 4, 10});
    doc.loadStore(f.dir.path());
    ASSERT_EQ(doc.specialNeeds().indexEntries()[1].key, 0);
    PublisherEditModel editor(doc, nullptr, EditMode::Edit, doc.store().storePosById(101));
    ExtraInfoModel dialog = editor.extraInfoDialog(ExtraFocus::Need);
    dialog.stopSharing();
    EXPECT_EQ(dialog.text(X::Need), "");
    EXPECT_EQ(dialog.usedKey(), 0);
    dialog.setText(X::Need, "Tongkat");
    ASSERT_TRUE(dialog.ok());
    const std::uint16_t key = editor.copy().specneed;
    EXPECT_NE(key, f.wheelchair);
    EXPECT_EQ(doc.specialNeeds().fileEntries(), 2u);  // written over the freed entry
    EXPECT_EQ(needText(doc, key), "Tongkat");
    EXPECT_EQ(needText(doc, f.wheelchair), "Kursi roda");
}

TEST(ExtraInfo, UsingACommonNeedLinksItWithoutWriting) {
    Needs f;
    addNeed(f.doc, "Tunanetra total");
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(120));
    ExtraInfoModel dialog = editor.extraInfoDialog(ExtraFocus::Need);
    ASSERT_TRUE(dialog.useExistingVisible());
    SharedEntryChooserModel chooser = dialog.chooser();
    EXPECT_EQ(chooser.title(), "Kebutuhan Khusus Umum");
    chooser.select(0);
    dialog.useExisting(chooser.ok());
    EXPECT_TRUE(dialog.sharedNoteVisible());
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(editor.copy().specneed, f.wheelchair);
}

TEST(ExtraInfo, AFailedWriteOfTheNeedIsToldAndLeavesNeedAndLinkAlone) {
    // A new need of one publisher, and a rewrite of the shared one.
    for (const PublisherId id : {PublisherId{120}, PublisherId{101}}) {
        SCOPED_TRACE(id);
        Needs f;
        const std::uint16_t linked = f.rec(id).specneed;
        const Bytes before = test::readBytes(f.dir.file("spneed.dat"));
        test::FaultyFileSystem faulty;
        faulty.mode = test::FaultyFileSystem::Mode::Fail;
        faulty.at = 1;
        f.doc.folder().setFileSystem(&faulty);
        PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(id));
        ExtraInfoModel dialog = editor.extraInfoDialog(ExtraFocus::Need);
        ASSERT_TRUE(dialog.setText(X::Need, "Alat bantu dengar"));
        const auto toldBefore = f.prompter.told.size();
        EXPECT_FALSE(dialog.ok());
        EXPECT_GT(f.prompter.told.size(), toldBefore);
        EXPECT_EQ(editor.copy().specneed, linked);
        f.doc.folder().setFileSystem(nullptr);
        EXPECT_EQ(test::readBytes(f.dir.file("spneed.dat")), before);
        EXPECT_EQ(needText(f.doc, f.wheelchair), "Kursi roda");
        // The dialog stays open with the text: OK again writes it.
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(needText(f.doc, editor.copy().specneed), "Alat bantu dengar");
    }
}

TEST(SpecialNeedsFilter, IncludeAllAndOneNeedExcludeEachOther) {
    Needs f;
    const std::uint16_t cane = addNeed(f.doc, "Tongkat");
    SharedEntryChooserModel filter(f.doc, Mode::NeedsReport);
    EXPECT_TRUE(filter.includeAllVisible());
    EXPECT_TRUE(filter.includeAll());
    EXPECT_EQ(filter.ok(), 0);
    filter.select(1);
    EXPECT_FALSE(filter.includeAll());
    EXPECT_EQ(filter.ok(), cane);
    filter.setIncludeAll(true);
    EXPECT_EQ(filter.selected(), -1);
    EXPECT_EQ(filter.ok(), 0);
    EXPECT_TRUE(filter.okEnabled());
}

}  // namespace
}  // namespace velno
