// The custom category: renaming with or without its members, the empty
// name switching it off, the limits of the name box.
#include <gtest/gtest.h>

#include "publishers/CustomCategoryModel.h"
#include "publishers/PublisherFixture.h"

namespace velno {
namespace {

using test::PublisherFixture;

struct CategoryFixture : PublisherFixture {
    CategoryFixture() {
        doc.settings().customCategoryName = "Paduan";
        doc.settings().customCategoryEnabled = 1;
        add(100, "Ana", "Adi").flags |= RecordFlag::CustomCategory;
        add(101, "Budi", "Santoso").flags |= RecordFlag::CustomCategory;
        add(102, "Citra", "Lestari");
        // Members on a side list count and are cleared too.
        add(103, "Dewi", "Sari", ListInactive).flags |= RecordFlag::CustomCategory;
        doc.dirty = false;
    }
    bool member(PublisherId id) { return (rec(id).flags & RecordFlag::CustomCategory) != 0; }
};

TEST(CustomCategory, RenamingKeepsOrClearsTheMembersAndAlwaysRenames) {
    for (RenameChoice choice :
         {RenameChoice::RenameAll, RenameChoice::Cancel, RenameChoice::ClearAll}) {
        CategoryFixture f;
        CustomCategoryModel m(f.doc);
        EXPECT_EQ(m.name(), "Paduan");
        m.setName("  Musik ");
        auto question = m.renameQuestion();
        ASSERT_TRUE(question);
        EXPECT_EQ(question->question(), "3  Penyiar ditandai Paduan.  Apa langkah selanjutnya?");
        EXPECT_EQ(question->renameText(), "Ganti semua Paduan menjadi Musik");
        EXPECT_EQ(question->choice(), RenameChoice::RenameAll);  // preselected
        EXPECT_TRUE(m.accept(choice));
        EXPECT_EQ(f.doc.settings().customCategoryName, "Musik");
        EXPECT_EQ(f.doc.settings().customCategoryEnabled, 1);
        EXPECT_TRUE(f.doc.dirty);
        const bool kept = choice != RenameChoice::ClearAll;
        EXPECT_EQ(f.member(100), kept);
        EXPECT_EQ(f.member(101), kept);
        EXPECT_EQ(f.member(103), kept);
        EXPECT_FALSE(f.member(102));
    }
}

TEST(CustomCategory, NoQuestionWithoutARenameOrWithoutMembers) {
    CategoryFixture f;
    CustomCategoryModel same(f.doc);
    same.setName("Paduan ");
    EXPECT_FALSE(same.renameQuestion());
    EXPECT_FALSE(same.accept());
    EXPECT_FALSE(f.doc.dirty);

    for (PublisherId id : {100, 101, 103}) f.rec(id).flags = 0;
    CustomCategoryModel renamed(f.doc);
    renamed.setName("Musik");
    EXPECT_FALSE(renamed.renameQuestion());
    EXPECT_TRUE(renamed.accept());
    EXPECT_EQ(f.doc.settings().customCategoryName, "Musik");
}

TEST(CustomCategory, AnEmptyNameSwitchesTheCategoryOffEvenWhenChecked) {
    CategoryFixture f;
    CustomCategoryModel m(f.doc);
    m.setName("   ");
    m.setEnabled(true);
    m.accept(RenameChoice::RenameAll);
    EXPECT_EQ(f.doc.settings().customCategoryName, "");
    EXPECT_EQ(f.doc.settings().customCategoryEnabled, 0);
    EXPECT_FALSE(m.enabled());
    EXPECT_TRUE(f.doc.dirty);

    // Switching on alone is a change too.
    f.doc.settings().customCategoryName = "Paduan";
    f.doc.dirty = false;
    CustomCategoryModel on(f.doc);
    EXPECT_FALSE(on.enabled());
    on.setEnabled(true);
    EXPECT_TRUE(on.accept());
    EXPECT_EQ(f.doc.settings().customCategoryEnabled, 1);
    EXPECT_TRUE(f.doc.dirty);
}

TEST(CustomCategory, TheNameBoxKeepsFifteenCharactersTheFileCanHold) {
    CategoryFixture f;
    CustomCategoryModel m(f.doc);
    EXPECT_EQ(m.setName("Paduan suara sidang").text, "Paduan suara si");
    const TextUpdate refused = m.setName("Musik \xe2\x82\xac\xe2\x84\xa2\xe4\xb8\xad");
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(m.name(), "Paduan suara si");
    EXPECT_EQ(f.prompter.told.size(), 1u);

    // The command line refuses instead of cutting.
    const CategoryResult longName =
        changeCustomCategory(f.doc, {.name = "Paduan suara sidang", .enabled = std::nullopt});
    EXPECT_FALSE(longName.ok);
    EXPECT_EQ(f.doc.settings().customCategoryName, "Paduan");
    const CategoryResult cleared = changeCustomCategory(
        f.doc, {.name = "Musik", .enabled = std::nullopt, .clearMembers = true});
    EXPECT_TRUE(cleared.ok && cleared.changed);
    EXPECT_EQ(customCategoryMembers(f.doc), 0);
    EXPECT_EQ(f.doc.settings().customCategoryName, "Musik");
}

}  // namespace
}  // namespace velno
