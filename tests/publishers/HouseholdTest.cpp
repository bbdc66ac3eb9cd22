// Households: the dialog of the head and of a member, the member picker,
// and the journal that takes the changes back when the editor is cancelled.
#include <gtest/gtest.h>

#include "publishers/HouseholdModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"

namespace velno {
namespace {

using test::PublisherFixture;

struct Household : PublisherFixture {
    Household() {
        add(100, "Budi", "Santoso").flags |= RecordFlag::HouseholdHead;
        add(101, "Ani", "Santoso").household = 100;
        add(102, "Dewi", "Santoso", ListInactive).household = 100;
        add(103, "Eko", "Santoso", ListBibleStudent).household = 100;
        add(110, "Joko", "Widodo").flags |= RecordFlag::HouseholdHead;
        add(111, "Iriana", "Widodo").household = 110;
        add(120, "Rina", "Putri");
        add(130, "Tono", "Sendiri").flags |= RecordFlag::HouseholdHead;  // one-person household
    }
};

TEST(HouseholdDialog, HeadsListIsHeadThenActiveInactiveAndStudentsMarked) {
    Household f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(100));
    HouseholdModel dialog = editor.householdDialog();
    EXPECT_EQ(dialog.title(), "Santoso, Budi");
    const std::vector<std::string> expected = {"Santoso, Budi", "Santoso, Ani",
                                               "Santoso, Dewi ( i )", "Santoso, Eko ( s )"};
    EXPECT_EQ(dialog.lines(), expected);
    EXPECT_TRUE(dialog.addVisible());
    EXPECT_FALSE(dialog.deleteVisible());  // the head's own line
    dialog.select(2);
    ASSERT_TRUE(dialog.deleteVisible());
    EXPECT_EQ(dialog.deleteText(), "Hapus - Santoso, Dewi ( i )");
}

TEST(HouseholdDialog, AMemberMayRemoveOnlyThemselvesAndTheDialogThenCloses) {
    Household f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(101));
    HouseholdModel dialog = editor.householdDialog();
    EXPECT_EQ(dialog.title(), "Santoso, Budi");
    EXPECT_FALSE(dialog.addVisible());
    dialog.select(2);  // another member
    EXPECT_FALSE(dialog.deleteVisible());
    EXPECT_FALSE(dialog.removeSelected());
    EXPECT_EQ(f.rec(102).household, 100);
    dialog.select(1);
    ASSERT_TRUE(dialog.deleteVisible());
    EXPECT_TRUE(dialog.removeSelected());
    EXPECT_EQ(f.rec(101).household, 0);
    EXPECT_EQ(editor.copy().household, 0);
    EXPECT_FALSE(editor.visible(EditButton::Household));
}

TEST(HouseholdDialog, AddingThenCancellingTheEditorLeavesTheMemberOutside) {
    Household f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(100));
    {
        HouseholdModel dialog = editor.householdDialog();
        HouseholdPickerModel picker = dialog.picker();
        const auto& lines = picker.lines();
        const auto rina = std::find(lines.begin(), lines.end(), "Putri, Rina");
        ASSERT_NE(rina, lines.end());
        picker.select(static_cast<int>(rina - lines.begin()));
        ASSERT_TRUE(picker.ok());
        EXPECT_TRUE(dialog.addMember(*picker.ok()));
        EXPECT_EQ(dialog.lines().size(), 5u);
    }
    EXPECT_EQ(f.rec(120).household, 100);
    EXPECT_TRUE(f.doc.dirty);
    editor.cancel();
    EXPECT_EQ(f.rec(120).household, 0);
}

TEST(HouseholdDialog, ConfirmedEditorKeepsTheNewMember) {
    Household f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(100));
    editor.householdDialog().addMember(f.pos(120));
    EXPECT_EQ(editor.ok(), StoreStatus::Stored);
    EXPECT_EQ(f.rec(120).household, 100);
}

TEST(HouseholdPicker, MarksHeadsWithMembersAndMembersOfOtherHouseholds) {
    Household f;
    HouseholdPickerModel picker(f.doc, 100);
    // Neither the head nor its members are offered.
    for (const std::string& line : picker.lines())
        EXPECT_EQ(line.find("Santoso"), std::string::npos);
    const auto index = [&](const std::string& line) {
        const auto& l = picker.lines();
        const auto it = std::find(l.begin(), l.end(), line);
        EXPECT_NE(it, l.end()) << line;
        return static_cast<int>(it - l.begin());
    };
    picker.select(index("Widodo, Joko *"));
    EXPECT_EQ(picker.note(), "*  Kepala Keluarga *");
    EXPECT_FALSE(picker.okVisible());
    EXPECT_FALSE(picker.ok());
    picker.select(index("Widodo, Iriana #"));
    EXPECT_EQ(picker.note(), "#  Ditugaskan ke Keluarga Lain #");
    EXPECT_TRUE(picker.okVisible());
    // A one-person household's head has no mark.
    picker.select(index("Sendiri, Tono"));
    EXPECT_EQ(picker.note(), "");
}

TEST(HouseholdPicker, AMemberOfAnotherHouseholdMovesAndCancelMovesThemBack) {
    Household f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(100));
    HouseholdModel dialog = editor.householdDialog();
    EXPECT_FALSE(dialog.addMember(f.pos(110)));  // a head with members
    EXPECT_TRUE(dialog.addMember(f.pos(111)));
    EXPECT_TRUE(dialog.addMember(f.pos(130)));
    EXPECT_EQ(f.rec(111).household, 100);
    EXPECT_FALSE(isHouseholdHead(f.rec(130)));
    editor.cancel();
    EXPECT_EQ(f.rec(111).household, 110);
    // The one-person household's head is a head again.
    EXPECT_EQ(f.rec(130).household, 0);
    EXPECT_TRUE(isHouseholdHead(f.rec(130)));
}

TEST(HouseholdJournal, ChangesBeyondTwoHundredStayWhenTheEditorIsCancelled) {
    Household f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(100));
    HouseholdModel dialog = editor.householdDialog();
    // 100 round trips fill the journal; the next add is not noted.
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(dialog.addMember(f.pos(120)));
        dialog.select(static_cast<int>(dialog.lines().size()) - 1);
        ASSERT_FALSE(dialog.removeSelected());
    }
    EXPECT_EQ(editor.householdJournal().changes().size(), HouseholdJournal::kCapacity);
    dialog.addMember(f.pos(130));
    editor.cancel();
    EXPECT_EQ(f.rec(120).household, 0);
    EXPECT_EQ(f.rec(130).household, 100);
}

TEST(HouseholdEditor, HeadBoxCannotBeUncheckedWhileMembersExistAndChecksClearTheLink) {
    Household f;
    PublisherEditModel head(f.doc, nullptr, EditMode::Edit, f.pos(100));
    EXPECT_FALSE(head.enabled(EditCheck::HouseholdHead));
    EXPECT_EQ(head.buttonText(EditButton::Household), "Edit Rumah tangga");
    PublisherEditModel member(f.doc, nullptr, EditMode::Edit, f.pos(101));
    EXPECT_EQ(member.buttonText(EditButton::Household), "Lihat Rumah tangga");
    EXPECT_TRUE(member.enabled(EditButton::Household));
    member.setChecked(EditCheck::HouseholdHead, true);
    EXPECT_EQ(member.copy().household, 0);
}

TEST(HouseholdEditor, ANewHeadNamesTheDialogFromTheBoxes) {
    Household f;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Add);
    editor.setText(EditField::FirstName, "Lina");
    editor.setText(EditField::LastName, "Baru");
    editor.setChecked(EditCheck::HouseholdHead, true);
    HouseholdModel dialog = editor.householdDialog();
    EXPECT_EQ(dialog.title(), "Baru, Lina");
    EXPECT_TRUE(dialog.addMember(f.pos(120)));
    EXPECT_EQ(f.rec(120).household, editor.copy().id);
}

TEST(HouseholdEditor, DialogsThatWriteAtOnceAreOffInASnapshot) {
    Household f;
    f.doc.oldYearView = true;
    PublisherEditModel editor(f.doc, nullptr, EditMode::Edit, f.pos(100));
    for (EditButton b : {EditButton::Household, EditButton::Contact, EditButton::ExtraInfo,
                         EditButton::SpecialNeeds}) {
        EXPECT_TRUE(editor.visible(b));
        EXPECT_FALSE(editor.enabled(b));
    }
}

}  // namespace
}  // namespace velno
