// The publisher list, its picker mode, and the name order.
#include "publishers/PublisherSelectModel.h"

#include <gtest/gtest.h>

#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"
#include "publishers/PublisherMoves.h"
#include "publishers/RecordPlacement.h"

namespace velno {
namespace {

using test::PublisherFixture;

std::vector<std::string> names(const PublisherSelectModel& list) {
    std::vector<std::string> out;
    for (const auto& row : list.rows()) out.push_back(row.name);
    return out;
}

TEST(PublisherSelect, ListsActivePublishersFamilyNameFirst) {
    PublisherFixture f;
    f.add(100, "Budi", "Santoso");
    f.add(101, "Ana", "Adi");
    f.add(102, "Ina", "Aktif", ListInactive);
    f.doc.viewOptions().bytes[0] = 0;  // names shown first name first elsewhere
    PublisherSelectModel list(f.doc);
    EXPECT_EQ(names(list), (std::vector<std::string>{"Adi, Ana", "Santoso, Budi"}));
    EXPECT_EQ(list.title(), "Pilih Penyiar");
    EXPECT_EQ(list.editButtonText(), "&Edit...");
    EXPECT_EQ(list.closeButtonText(), "&Tutup");
    EXPECT_TRUE(list.addVisible());
    EXPECT_TRUE(list.editVisible());
}

TEST(PublisherSelect, PickerModeRenamesTheButtons) {
    PublisherFixture f;
    f.add(100, "Budi", "Santoso");
    PublisherSelectModel picker(f.doc, SelectMode::Picker);
    EXPECT_EQ(picker.editButtonText(), "&Pilih");
    EXPECT_EQ(picker.closeButtonText(), "&Batal");
    EXPECT_FALSE(picker.addVisible());
    EXPECT_EQ(picker.pick(), f.pos(100));
}

TEST(PublisherSelect, SelectionIsKeptAndClampedToTheList) {
    PublisherFixture f;
    for (PublisherId id = 100; id < 104; ++id) f.add(id, "P", "Nama" + std::to_string(id));
    PublisherSelectModel list(f.doc);
    list.select(2);
    list.refill();
    EXPECT_EQ(list.selected(), 2);
    list.select(3);
    deletePermanently(f.doc, f.pos(103));
    list.refill();
    EXPECT_EQ(list.selected(), 0);  // beyond the end: back to the top
    list.select(9);
    EXPECT_EQ(list.selected(), 0);
}

TEST(PublisherSelect, AnEmptyListOpensTheEditorInAddMode) {
    PublisherFixture f;
    PublisherSelectModel list(f.doc);
    EXPECT_FALSE(list.editVisible());
    auto editor = list.openEditor();
    EXPECT_EQ(editor->mode(), EditMode::Add);
    EXPECT_EQ(editor->copy().id, 100);
    EXPECT_FALSE(list.pick().has_value());
}

TEST(PublisherSelect, ClosingCountsSpecialNeedsAndForgetsTheCopySource) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi").moreBits |= MoreBit::Isolated;
    f.add(101, "Budi", "Adi", ListInactive).moreBits |= MoreBit::Deaf;
    PublisherSelectModel list(f.doc);
    list.copySource() = PublisherId{100};
    SelectCloseResult closed = list.close();
    EXPECT_EQ(closed.specialNeeds, 1);
    EXPECT_TRUE(f.doc.hasSpecialNeeds);
    EXPECT_FALSE(closed.redraw);
    EXPECT_FALSE(list.copySource().has_value());
    f.rec(100).moreBits = MoreBit::Loaded;
    f.doc.dirty = true;
    closed = list.close();
    EXPECT_FALSE(f.doc.hasSpecialNeeds);
    EXPECT_TRUE(closed.redraw);
}

TEST(PublisherSelect, SortingByFirstNameReordersAndSwitchesTheNameOrder) {
    PublisherFixture f;
    f.add(100, "Zaki", "Adi");
    f.add(101, "Ana", "Santoso");
    f.doc.viewOptions().bytes[0] = 1;
    toggleSortByFirstName(f.doc);
    EXPECT_TRUE(f.doc.settings().sortByFirstName);
    EXPECT_EQ(f.doc.viewOptions().bytes[0], 0);
    EXPECT_TRUE(f.doc.dirty);
    PublisherSelectModel list(f.doc);
    EXPECT_EQ(names(list), (std::vector<std::string>{"Ana Santoso", "Zaki Adi"}));
    toggleSortByFirstName(f.doc);
    list.refill();
    EXPECT_EQ(names(list), (std::vector<std::string>{"Adi, Zaki", "Santoso, Ana"}));
}

TEST(PublisherSelect, NewRecordsAreNeverPlacedAfterTheCircuitOverseer) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(101, "Co", "Aaron", ListCircuitOverseer);
    EXPECT_EQ(f.pos(101), 2);
    PublisherEditModel m(f.doc, nullptr, EditMode::Add);
    m.setText(EditField::LastName, "Zulu");
    m.ok();
    EXPECT_EQ(f.pos(101), 3);
    EXPECT_EQ(f.doc.store().circuitOverseerPos(), 3);
}

}  // namespace
}  // namespace velno
