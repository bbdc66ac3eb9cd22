// The Bible-student list and editor: ids from 2000, the conductor kept in
// the first report area, the controls the editor hides, deletion.
#include <gtest/gtest.h>

#include "publishers/BibleStudentListModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/PublisherFixture.h"
#include "store/DateText.h"
#include "text/Cp1252.h"

namespace velno {
namespace {

using test::PublisherFixture;
using F = EditField;

std::string conductorBytes(const PublisherRecord& r) {
    return fieldText(reinterpret_cast<const char*>(r.placements), sizeof r.placements);
}

TEST(BibleStudent, NewStudentsTakeIdsFrom2000AndPublishersFrom100) {
    PublisherFixture f;
    f.add(2000, "Eka", "Putra", ListBibleStudent);
    BibleStudentListModel list(f.doc);
    auto m = list.openAddEditor();
    EXPECT_TRUE(m->bibleStudent());
    EXPECT_EQ(m->title(), "Edit Pelajar Alkitab");
    m->setText(F::FirstName, "Fajar");
    m->setText(F::LastName, "Nugroho");
    EXPECT_EQ(m->ok(), StoreStatus::Stored);
    const PublisherRecord* added = nullptr;
    for (int p = 1; p < f.doc.store().recordCount(); ++p)
        if (fieldText(f.doc.store().at(p).lname) == "Nugroho") added = &f.doc.store().at(p);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->id, 2001);
    EXPECT_EQ(added->listKind, ListBibleStudent);
    EXPECT_EQ(f.doc.store().countList(ListBibleStudent), 2);
    EXPECT_TRUE(f.doc.dirty);
    list.editorClosed();
    ASSERT_EQ(list.rows().size(), 2u);
    EXPECT_EQ(list.rows()[1].name, "Putra, Eka");  // by name: Nugroho before Putra

    PublisherEditModel publisher(f.doc, nullptr, EditMode::Add);
    EXPECT_FALSE(publisher.bibleStudent());
    EXPECT_GE(publisher.copy().id, 100);
    EXPECT_LT(publisher.copy().id, 2000);
}

TEST(BibleStudent, AOneCharacterLastNameIsNotStored) {
    PublisherFixture f;
    auto m = PublisherEditModel::forBibleStudent(f.doc, EditMode::Add);
    m->setText(F::FirstName, "Gita");
    m->setText(F::LastName, "W");
    EXPECT_EQ(m->ok(), StoreStatus::Refused);
    EXPECT_FALSE(m->closed());  // what was typed is not lost
    EXPECT_EQ(f.doc.store().countList(ListBibleStudent), 0);
    EXPECT_EQ(f.prompter.told.size(), 1u);
    m->setText(F::LastName, "Wu");
    EXPECT_EQ(m->ok(), StoreStatus::Stored);
    EXPECT_EQ(f.doc.store().countList(ListBibleStudent), 1);
}

TEST(BibleStudent, TheEditorHidesWhatAPublisherAloneHas) {
    PublisherFixture f;
    f.add(2000, "Eka", "Putra", ListBibleStudent);
    auto adding = PublisherEditModel::forBibleStudent(f.doc, EditMode::Add);
    EXPECT_FALSE(adding->visible(EditButton::Delete));
    PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(2000));
    EXPECT_TRUE(m.bibleStudent());
    for (EditCheck c : {EditCheck::Elder, EditCheck::Servant, EditCheck::BaptizedBrother,
                        EditCheck::RegularPioneer, EditCheck::SpecialPioneer,
                        EditCheck::ContinuousAuxiliary, EditCheck::Anointed})
        EXPECT_FALSE(m.visible(c));
    for (EditButton b : {EditButton::Status, EditButton::Previous, EditButton::Next,
                         EditButton::Copy, EditButton::Privileges, EditButton::ClearConductor})
        EXPECT_FALSE(m.visible(b));
    EXPECT_FALSE(m.dateVisible(EditDate::Birth));
    EXPECT_FALSE(m.dateVisible(EditDate::Baptism));
    EXPECT_TRUE(m.visible(EditButton::PickConductor));
    EXPECT_TRUE(m.visible(EditButton::Delete));
    EXPECT_TRUE(m.visible(EditCheck::Consent));
    EXPECT_EQ(m.buttonText(EditButton::PickConductor), "Pilih Pemandu Pelajaran Alkitab");

    // A publisher's editor has no conductor.
    f.add(100, "Ana", "Adi");
    PublisherEditModel publisher(f.doc, nullptr, EditMode::Edit, f.pos(100));
    EXPECT_FALSE(publisher.visible(EditButton::PickConductor));
}

TEST(BibleStudent, TheConductorIsTheChosenPublishersNameInTheFirstReportArea) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(2000, "Eka", "Putra", ListBibleStudent);
    {
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(2000));
        m.setConductor(f.pos(100));
        EXPECT_TRUE(m.conductorVisible());
        EXPECT_TRUE(m.visible(EditButton::ClearConductor));
        EXPECT_EQ(m.conductorLine(), "Pemandu Pelajaran Alkitab: " +
                                         text::cp1252ToUtf8(f.doc.displayName(f.pos(100))));
        EXPECT_EQ(m.ok(), StoreStatus::Stored);
    }
    EXPECT_EQ(conductorBytes(f.rec(2000)), f.doc.displayName(f.pos(100)));
    // The pioneer kind of the month is not the editor's business here.
    EXPECT_EQ(f.rec(2000).serviceKind[f.reportSlot()], 0);
    f.doc.saveAll();
    f.doc.loadStore(f.dir.path());
    EXPECT_EQ(conductorBytes(f.rec(2000)), f.doc.displayName(f.pos(100)));
    {
        PublisherEditModel m(f.doc, nullptr, EditMode::Edit, f.pos(2000));
        EXPECT_TRUE(m.conductorVisible());
        m.clearConductor();
        EXPECT_FALSE(m.conductorVisible());
        EXPECT_FALSE(m.visible(EditButton::ClearConductor));
        m.ok();
    }
    EXPECT_EQ(conductorBytes(f.rec(2000)), "");
}

TEST(BibleStudent, DeletingAsksByNameAndRemovesTheRecordForGood) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi").flags |= RecordFlag::HouseholdHead;
    f.add(2000, "Eka", "Putra", ListBibleStudent).household = 100;
    f.add(2001, "Fajar", "Nugroho", ListBibleStudent).household = 2000;
    BibleStudentListModel list(f.doc);
    list.select(1);  // Putra
    auto m = list.openEditor();
    EXPECT_EQ(m->deleteStudentQuestion(), "Saudara benar-benar ingin menghapus " +
                                              text::cp1252ToUtf8(f.doc.displayName(f.pos(2000))) +
                                              "?");
    EXPECT_TRUE(m->deleteStudent());
    EXPECT_TRUE(m->closed());
    EXPECT_EQ(f.doc.store().recordById(2000), nullptr);
    EXPECT_EQ(f.rec(2001).household, 0);
    EXPECT_EQ(f.doc.store().countList(ListBibleStudent), 1);
    list.editorClosed();
    ASSERT_EQ(list.rows().size(), 1u);
    EXPECT_EQ(list.rows()[0].id, 2001);
    EXPECT_TRUE(list.close());
}

TEST(BibleStudent, TheAddButtonLosesItsArrowsAndBlanks) {
    PublisherFixture f;
    BibleStudentListModel list(f.doc);
    EXPECT_EQ(list.addButtonText(), "&Tambah");
    list.setLanguageCode("swedish");
    EXPECT_EQ(list.addButtonText(), "    &Tambah    ");
    EXPECT_FALSE(list.editVisible());
    EXPECT_TRUE(list.openEditor()->bibleStudent());  // an empty list adds
}

}  // namespace
}  // namespace velno
