// The field service groups: the editor's lines and closing rule, the group
// dialog, assignment and the record editor's picker.
#include <gtest/gtest.h>

#include "publishers/GroupAssignModel.h"
#include "publishers/GroupDialogModel.h"
#include "publishers/GroupEditorModel.h"
#include "publishers/GroupPickerModel.h"
#include "publishers/PublisherFixture.h"
#include "publishers/ReportGroupPickerModel.h"

namespace velno {
namespace {

using test::PublisherFixture;

void defineGroup(PublisherFixture& f, GroupEditorModel& editor, int group,
                 const std::string& overseer, const std::string& name = "") {
    editor.select(group - 1);
    GroupDialogModel dialog = editor.groupDialog();
    ASSERT_TRUE(dialog.setText(GroupText::Overseer, overseer));
    if (!name.empty()) {
        dialog.setUseName(true);
        ASSERT_TRUE(dialog.setText(GroupText::Name, name));
    }
    editor.store(dialog);
    (void)f;
}

TEST(Groups, EditorLinesMarksAndTheClosingCount) {
    PublisherFixture f;
    f.add(100, "Ari", "Santoso");
    GroupEditorModel editor(f.doc);
    EXPECT_EQ(editor.lines().size(), 20u);
    EXPECT_EQ(editor.lines()[0], "#1 \t \t \t \tSenin \t");
    EXPECT_EQ(editor.editButtonText(), "Edit Kelompok 1");
    defineGroup(f, editor, 1, "Ari Santoso");
    EXPECT_FALSE(editor.hintVisible());
    editor.select(1);
    GroupDialogModel second = editor.groupDialog();
    ASSERT_TRUE(second.setText(GroupText::Overseer, "Budi Tangan"));  // typed by hand
    ASSERT_TRUE(second.setText(GroupText::Assistant, "Ari Santoso"));
    ASSERT_TRUE(second.setText(GroupText::Location, "Balai"));
    ASSERT_TRUE(second.setText(GroupText::Time, "09:00"));
    second.setDay(6);
    editor.store(second);
    defineGroup(f, editor, 3, "Citra Dewi", "Timur");
    EXPECT_EQ(f.doc.groups().count(), 3);
    EXPECT_EQ(editor.lines()[1], "#2 \t*Budi Tangan \tAri Santoso \tBalai \tMinggu \t09:00");
    EXPECT_TRUE(editor.hintVisible());
    editor.select(2);
    EXPECT_EQ(editor.editButtonText(), "Edit Timur");
    // Only up to the count + 1.
    editor.select(10);
    EXPECT_EQ(editor.selectedRow(), 2);

    // Group 2's overseer cleared: the count stops before it.
    editor.select(1);
    GroupDialogModel cleared = editor.groupDialog();
    ASSERT_TRUE(cleared.setText(GroupText::Overseer, ""));
    editor.store(cleared);
    EXPECT_TRUE(editor.close());
    EXPECT_TRUE(f.doc.dirty);
    EXPECT_EQ(f.doc.groups().count(), 1);
    EXPECT_EQ(ReportGroupPickerModel(f.doc, 1, false).rows().size(), 1u);
    // Group 3 keeps its data.
    EXPECT_EQ(fieldText(f.doc.groups().data().overseer[2]), "Citra Dewi");
}

TEST(Groups, EditingAGroupAboveTheCountRaisesIt) {
    PublisherFixture f;
    GroupEditorModel editor(f.doc);
    for (int g = 1; g <= 3; ++g) defineGroup(f, editor, g, "Pengawas " + std::to_string(g));
    GroupDialogModel fifth(f.doc, 5);
    ASSERT_TRUE(fifth.setText(GroupText::Overseer, "Eko"));
    editor.store(fifth);
    EXPECT_EQ(f.doc.groups().count(), 5);
    EXPECT_NE(editor.lines()[3].find("#4 \t \t"), std::string::npos);  // group 4 reads empty
    // An empty overseer above the count leaves it.
    GroupDialogModel seventh(f.doc, 7);
    editor.store(seventh);
    EXPECT_EQ(f.doc.groups().count(), 5);
}

TEST(Groups, GroupDialogLimitsPickingAndTheOptionalName) {
    PublisherFixture f;
    f.add(100, "Bartholomeus", "Wiryawanaditya");
    GroupDialogModel d(f.doc, 3);
    std::string message;
    EXPECT_FALSE(d.setText(GroupText::Time, "123456789", &message));
    EXPECT_EQ(message, "Teks terlalu panjang: paling banyak 8 karakter.");
    EXPECT_TRUE(d.setText(GroupText::Time, "12345678"));
    EXPECT_FALSE(d.setText(GroupText::Location, std::string(23, 'x')));
    EXPECT_FALSE(d.setText(GroupText::Overseer, "Ana \xe2\x82\xac\xe4\xb8\x80", &message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(d.text(GroupText::Overseer), "");
    d.pick(GroupText::Overseer, f.pos(100));
    EXPECT_EQ(d.text(GroupText::Overseer), "Bartholomeus Wiryawanad");  // cut to 23
    EXPECT_FALSE(d.nameEnabled());
    d.setUseName(true);
    EXPECT_TRUE(d.nameEnabled());
    ASSERT_TRUE(d.setText(GroupText::Name, "  Barat  "));
    d.ok(f.doc);
    EXPECT_EQ(f.doc.groups().count(), 3);
    EXPECT_EQ(fieldText(f.doc.groups().data().name[2]), "Barat");
    EXPECT_EQ(f.doc.groups().displayName(3), "Barat");
    // Without the check box the pickers show the number.
    d.setUseName(false);
    d.ok(f.doc);
    EXPECT_EQ(f.doc.groups().displayName(3), "KDL # 3");
    // An empty name clears the flag whatever the box says.
    d.setUseName(true);
    ASSERT_TRUE(d.setText(GroupText::Name, "   "));
    d.ok(f.doc);
    EXPECT_EQ(f.doc.groups().data().showName[2], 0);
}

TEST(Groups, AssignmentListsCountersAndFilters) {
    PublisherFixture f;
    auto& a = f.add(100, "Ari", "A");
    auto& b = f.add(101, "Budi", "B");
    f.add(102, "Citra", "C");
    auto& d = f.add(103, "Dedi", "D", ListInactive);
    a.group = 2;
    b.group = 3;
    d.group = 2;
    GroupAssignModel m(f.doc, 2);
    EXPECT_EQ(m.title(), "Penyiar di KDL  2");
    ASSERT_EQ(m.members().size(), 1u);
    EXPECT_EQ(m.members()[0].text, "Ari A");
    ASSERT_EQ(m.candidates().size(), 2u);
    EXPECT_EQ(m.candidates()[0].text, "Budi B (3)");
    EXPECT_EQ(m.candidates()[1].text, "Citra C");
    EXPECT_EQ(m.memberCountText(), "1 Penyiar");
    EXPECT_TRUE(m.unassignedVisible());
    EXPECT_EQ(m.unassignedText(), "1 Penyiar yang Belum Ditugaskan");
    m.setIncludeInactive(true);
    ASSERT_EQ(m.members().size(), 2u);
    EXPECT_EQ(m.members()[1].text, "Dedi D *");
    EXPECT_EQ(m.inactiveCountText(), "( 1 Penyiar Tidak Aktif * )");
    m.setUnassignedOnly(true);
    ASSERT_EQ(m.candidates().size(), 1u);
    m.setUnassignedOnly(false);
    m.setFilter(5);  // only group 5 and the unassigned
    ASSERT_EQ(m.candidates().size(), 1u);
    EXPECT_EQ(m.candidates()[0].id, 102);
    m.selectCandidate(0);
    EXPECT_EQ(m.nameLine(), "Citra C");
    EXPECT_EQ(m.targetLine(), "ke KDL  #2");
    ASSERT_TRUE(m.assign());
    EXPECT_EQ(f.rec(102).group, 2);
    EXPECT_TRUE(m.changed());
    EXPECT_FALSE(m.unassignedVisible());
    EXPECT_EQ(m.members().size(), 3u);
    m.setGroup(3);
    EXPECT_EQ(m.members().size(), 1u);
}

TEST(Groups, RecordEditorPickerShowsTheGroupAndReturnsItsNumber) {
    PublisherFixture f;
    f.add(100, "Ari", "Santoso").group = 2;
    f.add(101, "Budi", "Hasan").group = 2;
    f.add(102, "Citra", "Dewi", ListInactive).group = 2;
    GroupEditorModel editor(f.doc);
    defineGroup(f, editor, 1, "X");
    defineGroup(f, editor, 2, "Ari Santoso");
    GroupPickerModel p(f.doc, 2);
    EXPECT_EQ(p.lines().size(), 20u);
    EXPECT_EQ(p.selectedRow(), 1);
    EXPECT_EQ(p.labelLine(), "KDL # 2");
    EXPECT_EQ(p.overseerLine(), "Pengawas: Ari Santoso");
    EXPECT_EQ(p.members(), (std::vector<std::string>{"Hasan, Budi", "Santoso, Ari"}));
    p.select(-1);
    EXPECT_EQ(p.ok(), 0);
    EXPECT_EQ(p.cancel(), 2);
    GroupPickerModel none(f.doc, 0);
    EXPECT_EQ(none.selectedRow(), -1);
    EXPECT_TRUE(none.members().empty());
}

}  // namespace
}  // namespace velno
