// The emergency-contact data, the contact forms and the special-needs
// lists: who opens a block, what a block holds, the need filter, the
// confidential line on every page and the nine-inch page capacity.

#include <gtest/gtest.h>

#include "print/EmergencyPages.h"
#include "print/PageReading.h"
#include "print/RecordingCanvas.h"
#include "print/ReportViewState.h"
#include "reporting/AnalyticsFixture.h"
#include "store/ContactEntries.h"

namespace velno::print {
namespace {

using velno::test::AnalyticsFixture;

std::uint16_t addContact(CVelnoDoc& doc, const char* who, const char* home, bool sy) {
    EmergencyContact c{};
    setFieldText(c.contact, who);
    setFieldText(c.homePhone, home);
    c.sy = sy;
    return doc.addEntry(doc.emergency(), entryBytes(c));
}

std::uint16_t addNeed(CVelnoDoc& doc, const char* text) {
    SpecialNeed n{};
    setFieldText(n.text, text);
    return doc.addEntry(doc.specialNeeds(), entryBytes(n));
}

struct Families : AnalyticsFixture {
    std::uint16_t ramp = 0, deaf = 0;
    Families() {
        auto& head = add(100, "Andi", "Lubis");
        head.flags |= RecordFlag::HouseholdHead;
        setFieldText(head.phone, "021-555");
        head.group = 1;
        head.emergId = addContact(doc, "Paman Joko", "0311", true);
        add(101, "Bella", "Lubis").household = 100;
        auto& student = add(102, "Cici", "Lubis", ListBibleStudent);
        student.household = 100;
        setFieldText(student.phone2, "0812");
        auto& inactiveHead = add(110, "Eko", "Tarigan", ListInactive);
        inactiveHead.flags |= RecordFlag::HouseholdHead;
        add(111, "Fani", "Tarigan", ListInactive);  // no block: inactive, no head
        add(103, "Dodi", "Saputra").group = 2;
        ramp = addNeed(doc, "Perlu jalan landai");
        deaf = addNeed(doc, "Bahasa isyarat");
        rec(101).specneed = ramp;
        rec(103).specneed = deaf;
        rec(111).specneed = ramp;
        sort();
        open();
    }
};

std::vector<test::PageLine> draw(const CVelnoDoc& doc, int kind, int& pages, int group = 0,
                                 int need = 0, const std::vector<int>* heads = nullptr) {
    ReportViewState view;
    EXPECT_TRUE(view.show(doc, kind, group));
    view.specialNeed = need;
    view.formHeads = heads;
    RecordingCanvas canvas;
    const ReportFonts fonts;
    ReportContext ctx = view.contextFor(doc, canvas, fonts, {2024, 12, 5});
    pages = view.draw(ctx);
    return test::readLines(canvas, ctx.pageHeight());
}

bool anyLine(const std::vector<test::PageLine>& lines, const std::string& part) {
    for (const auto& l : lines)
        if (l.joined().find(part) != std::string::npos) return true;
    return false;
}

TEST(EmergencyPages, BlocksStartAtUnlinkedActivePersonsAndHeadsOfTheSideLists) {
    Families f;
    std::vector<int> starts;
    for (const EmergencyBlock& b : emergencyBlocks(f.doc, 0))
        starts.push_back(f.rec(f.doc.store().at(b.pos).id).id);
    EXPECT_EQ(starts, (std::vector<int>{100, 103, 110}));
    const auto blocks = emergencyBlocks(f.doc, 1);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].members.size(), 2u);
}

TEST(EmergencyPages, AHeadsBlockHoldsMembersContactOwnNumbersAndNeeds) {
    Families f;
    int pages = 0;
    const auto lines = draw(f.doc, kind::EmergencyCongregation, pages);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(anyLine(lines, "Information Kontak Darurat"));
    EXPECT_TRUE(anyLine(lines, "021-555 (Rumah)"));
    EXPECT_TRUE(anyLine(lines, "Anggota Keluarga ( 2 )"));
    EXPECT_TRUE(anyLine(lines, "Kontak Pihak ke 3: Paman Joko   SY? = Ya"));
    EXPECT_TRUE(anyLine(lines, "0311 (Rumah)"));
    EXPECT_TRUE(anyLine(lines, ":  0812 (Ponsel)"));  // the student's own mobile
    EXPECT_TRUE(anyLine(lines, "(Bella Lubis) Perlu jalan landai"));
    EXPECT_TRUE(anyLine(lines, "Tarigan ( i )"));
    EXPECT_FALSE(anyLine(lines, "Fani"));
    // Without the format option the SY answer is left out.
    f.doc.settings().emergencySY = 0;
    EXPECT_FALSE(anyLine(draw(f.doc, kind::EmergencyCongregation, pages), "SY?"));
}

TEST(EmergencyPages, TheGroupListCarriesTheGroupHeading) {
    Families f;
    int pages = 0;
    const auto lines = draw(f.doc, kind::EmergencyGroup, pages, 1);
    EXPECT_TRUE(anyLine(lines, "Lubis"));
    EXPECT_FALSE(anyLine(lines, "Saputra"));
}

TEST(EmergencyPages, OneFormPerChosenHeadInASansSerifFaceAndABlankFormWithoutHeads) {
    Families f;
    int pages = 0;
    const std::vector<int> heads = {f.doc.store().storePosById(100),
                                    f.doc.store().storePosById(103)};
    const auto lines = draw(f.doc, kind::EmergencyForms, pages, 0, 0, &heads);
    EXPECT_EQ(pages, 2);
    for (const auto& l : lines)
        for (const auto& r : l.runs) EXPECT_EQ(r.font.faceName, "Arial") << r.text;
    EXPECT_TRUE(anyLine(lines, "SY? = Ya"));
    EXPECT_TRUE(anyLine(lines, "Rumah tangga satu orang"));  // Dodi's form
    EXPECT_TRUE(anyLine(lines, "SY = Ya / Tidak"));          // Dodi has no contact
    const auto blank = draw(f.doc, kind::EmergencyForms, pages);
    EXPECT_EQ(pages, 1);
    EXPECT_FALSE(anyLine(blank, "Lubis"));
    EXPECT_TRUE(anyLine(blank, "Kepala Keluarga"));
}

TEST(SpecialNeedsPages, NeedsOfActiveInactiveAndStudentsFilteredByNeedOrGroup) {
    Families f;
    auto all = specialNeedLines(f.doc, 0, 0);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].name, "Bella Lubis");
    EXPECT_EQ(all[0].need, "Perlu jalan landai");
    EXPECT_EQ(all[2].name, "Fani Tarigan (i)");
    EXPECT_EQ(specialNeedLines(f.doc, 0, f.ramp).size(), 2u);
    EXPECT_EQ(specialNeedLines(f.doc, 2, 0).size(), 1u);

    int pages = 0;
    const auto filtered = draw(f.doc, kind::SpecialNeedsCongregation, pages, 0, f.ramp);
    EXPECT_TRUE(anyLine(filtered, "( Konfidensial - Jangan Gandakan )"));
    // The need is the heading, not a column.
    int needRuns = 0;
    for (const auto& l : filtered)
        for (const auto& r : l.runs) needRuns += r.text == "Perlu jalan landai";
    EXPECT_EQ(needRuns, 1);
}

TEST(SpecialNeedsPages, EveryPageIsConfidentialAndHoldsNineInchesOfLines) {
    Families f;
    for (int i = 0; i < 120; ++i) {
        auto& r = f.add(static_cast<PublisherId>(200 + i), "N" + std::to_string(i), "Banyak");
        r.specneed = f.deaf;
    }
    f.sort();
    int pages = 0;
    const auto lines = draw(f.doc, kind::SpecialNeedsCongregation, pages);
    RecordingCanvas probe;
    const ReportFonts fonts;
    ReportContext ctx{f.doc, probe, fonts};
    const int perPage = listLinesPerPage(ctx);
    EXPECT_EQ(pages, 123 / perPage + 1);
    int confidential = 0;
    for (const auto& l : lines) confidential += l.has("( Konfidensial - Jangan Gandakan )");
    EXPECT_EQ(confidential, pages);
}

}  // namespace
}  // namespace velno::print
