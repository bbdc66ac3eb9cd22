// The telephone and address lists: who is listed, households folded under
// their head, one or two columns of names, the header on an empty list.

#include <gtest/gtest.h>

#include <set>

#include "print/CongregationLists.h"
#include "print/RecordingCanvas.h"
#include "print/ReportViewState.h"
#include "reporting/AnalyticsFixture.h"
#include "store/ExtensionTable.h"
#include "text/Cp1252.h"

namespace velno::print {
namespace {

using velno::test::AnalyticsFixture;
using velno::test::setEmail;

struct Household : AnalyticsFixture {
    Household() {
        auto& head = add(100, "Andi", "Lubis");
        head.flags |= RecordFlag::HouseholdHead;
        setFieldText(head.phone, "021-555");
        add(101, "Bella", "Lubis").household = 100;
        add(102, "Cici", "Lubis").household = 100;
        add(103, "Dodi", "Saputra");
        sort();
        open();
    }
};

bool hasText(const RecordingCanvas& canvas, const std::string& text) {
    for (const TextRun& r : canvas.runs())
        if (r.text == text) return true;
    return false;
}

int drawKind(const CVelnoDoc& doc, int kind, RecordingCanvas& canvas, int group = 0) {
    ReportViewState view;
    EXPECT_TRUE(view.show(doc, kind, group));
    const ReportFonts fonts;
    ReportContext ctx = view.contextFor(doc, canvas, fonts, {2024, 12, 5});
    return view.draw(ctx);
}

TEST(CongregationLists, HouseholdOfThreeFoldsIntoTheHeadsLineUnlessAMemberHasANumber) {
    Household f;
    auto lines = contactLines(f.doc, ListScope::Congregation, 0, Fold::WithoutOwnNumber);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].name, "Andi Lubis");
    EXPECT_EQ(lines[0].members, (std::vector<std::string>{"Bella", "Cici"}));
    EXPECT_EQ(lines[0].home, "021-555");
    // A mobile of her own gives Cici her own line.
    setFieldText(f.rec(102).phone2, "0812");
    lines = contactLines(f.doc, ListScope::Congregation, 0, Fold::WithoutOwnNumber);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].members, std::vector<std::string>{"Bella"});
    EXPECT_EQ(lines[1].name, "Cici Lubis");
    // Lists without folding list everyone.
    EXPECT_EQ(contactLines(f.doc, ListScope::Congregation, 0, Fold::None).size(), 4u);
}

TEST(CongregationLists, MemberWhoseHeadIsNotListedKeepsHisLine) {
    Household f;
    f.rec(100).group = 1;
    f.rec(101).group = 2;
    const auto lines = contactLines(f.doc, ListScope::Group, 2, Fold::WithoutOwnNumber);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].name, "Bella Lubis");
}

TEST(CongregationLists, EmptyEldersListIsAHeaderPage) {
    Household f;
    RecordingCanvas canvas;
    EXPECT_EQ(drawKind(f.doc, kind::PhoneAppointed, canvas), 1);
    bool title = false, subtitle = false;
    for (const TextRun& r : canvas.runs()) {
        title = title || r.text == "Daftar Telepon";
        subtitle = subtitle || r.text == "Penatua & Hamba Pelayanan";
        EXPECT_NE(r.text, "Andi Lubis");
    }
    EXPECT_TRUE(title && subtitle);
}

TEST(CongregationLists, TwoColumnsOfNamesOnlyWhenNobodyHasAMobileOrOfficeNumber) {
    AnalyticsFixture f;
    for (int i = 0; i < 80; ++i)
        f.add(static_cast<PublisherId>(200 + i), "Nama" + std::to_string(100 + i), "Keluarga");
    f.sort();
    f.open();
    RecordingCanvas two;
    const int pagesTwo = drawKind(f.doc, kind::PhoneCongregation, two);
    std::set<int> columns;
    for (const TextRun& r : two.runs())
        if (r.text.rfind("Nama", 0) == 0) columns.insert(r.x);
    EXPECT_EQ(columns.size(), 2u);
    int heads = 0;
    for (const TextRun& r : two.runs()) heads += r.text == "Rumah" ? 1 : 0;
    EXPECT_EQ(heads, 2 * pagesTwo) << "a head over each column, on every page";

    setFieldText(f.rec(200).phone2, "0812");
    RecordingCanvas one;
    const int pagesOne = drawKind(f.doc, kind::PhoneCongregation, one);
    columns.clear();
    for (const TextRun& r : one.runs())
        if (r.text.rfind("Nama", 0) == 0) columns.insert(r.x);
    EXPECT_EQ(columns.size(), 1u);
    EXPECT_GT(pagesOne, pagesTwo);
    int mobileHeads = 0;
    for (const TextRun& r : one.runs()) mobileHeads += r.text == "Ponsel" ? 1 : 0;
    EXPECT_EQ(mobileHeads, pagesOne);
}

TEST(CongregationLists, PhoneEmailListGivesAnAddressItsOwnLineAndKeepsAMemberWhoHasOne) {
    Household f;
    setEmail(f, 100, "andi@contoh.id");
    setEmail(f, 103, "d@x");  // three characters: a placeholder
    setEmail(f, 102, "cici@contoh.id");
    RecordingCanvas canvas;
    EXPECT_EQ(drawKind(f.doc, kind::PhoneEmailCongregation, canvas), 1);
    EXPECT_TRUE(hasText(canvas, "Telepon & Daftar E-mail"));
    EXPECT_TRUE(hasText(canvas, "andi@contoh.id"));
    EXPECT_FALSE(hasText(canvas, "d@x"));
    // Bella folds under the head; Cici's address keeps her line and prints.
    EXPECT_TRUE(hasText(canvas, "Bella"));
    EXPECT_TRUE(hasText(canvas, "Cici Lubis"));
    EXPECT_TRUE(hasText(canvas, "cici@contoh.id"));
    // The telephone list has no e-mail lines, so there Cici folds.
    RecordingCanvas phones;
    drawKind(f.doc, kind::PhoneCongregation, phones);
    EXPECT_TRUE(hasText(phones, "Bella, Cici"));
    EXPECT_FALSE(hasText(phones, "andi@contoh.id"));
}

TEST(CongregationLists, PhoneEmailListRepeatsItsColumnHeadsAndMarksElders) {
    AnalyticsFixture f;
    for (int i = 0; i < 35; ++i) {
        auto& r = f.add(static_cast<PublisherId>(200 + i), "Nama" + std::to_string(100 + i), "K");
        r.flags |= i % 2 ? PrivilegeElder : PrivilegeServant;
    }
    f.sort();
    for (int i = 0; i < 35; ++i) setEmail(f, static_cast<PublisherId>(200 + i), "nama@contoh.id");
    f.open();
    RecordingCanvas canvas;
    const int pages = drawKind(f.doc, kind::PhoneEmailAppointed, canvas);
    ASSERT_GE(pages, 2) << "70 lines do not fit one page";
    int heads = 0, names = 0, addresses = 0;
    for (const TextRun& r : canvas.runs()) {
        heads += r.text == "Kantor" ? 1 : 0;
        addresses += r.text == "nama@contoh.id" ? 1 : 0;
        names += r.text.rfind("Nama", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(heads, pages);
    EXPECT_EQ(addresses, 35) << "no line is cut off at a page break";
    EXPECT_EQ(names, 35);
    EXPECT_TRUE(hasText(canvas, "Nama101 K *"));
    EXPECT_TRUE(hasText(canvas, "Nama100 K"));
}

TEST(CongregationLists, ContactListPrintsAddressNumbersAndMailOfEveryoneUnfolded) {
    Household f;
    setFieldText(f.rec(100).addr, "Jl. Melati 3");
    setFieldText(f.rec(100).phone2, "0812");
    setEmail(f, 100, "andi@contoh.id");
    RecordingCanvas canvas;
    EXPECT_EQ(drawKind(f.doc, kind::ContactCongregation, canvas), 1);
    EXPECT_TRUE(hasText(canvas, "Daftar Kontak"));
    EXPECT_TRUE(hasText(canvas, "Jl. Melati 3"));
    EXPECT_TRUE(hasText(canvas, "021-555 (Rumah)   0812 (Ponsel)"));
    EXPECT_TRUE(hasText(canvas, "andi@contoh.id"));
    EXPECT_TRUE(hasText(canvas, "Bella Lubis")) << "the contact list does not fold";
    EXPECT_TRUE(hasText(canvas, "Cici Lubis"));
}

TEST(CongregationLists, InactiveContactListOfOneGroupNamesGroupOverseerAndList) {
    Household f;
    GroupFile& g = f.doc.groups().data();
    g.count = 1;
    setFieldText(g.overseer[0], "Andi Lubis");
    f.add(104, "Eka", "Putri", ListInactive).group = 1;
    f.add(105, "Fajar", "Putra", ListInactive).group = 1;
    f.rec(105).flags |= RecordFlag::NoGroupOnSideList;
    f.add(106, "Gita", "Sari", ListInactive);
    f.sort();
    RecordingCanvas whole;
    drawKind(f.doc, kind::ContactInactive, whole);
    EXPECT_TRUE(hasText(whole, "Penyiar Tidak Aktif"));
    EXPECT_TRUE(hasText(whole, "Gita Sari") && hasText(whole, "Fajar Putra"));
    EXPECT_FALSE(hasText(whole, "Andi Lubis")) << "only the inactive list";
    RecordingCanvas one;
    drawKind(f.doc, kind::ContactInactive, one, 1);
    const std::string label = text::cp1252ToUtf8(f.doc.groups().displayName(1));
    bool subtitle = false;
    for (const TextRun& r : one.runs())
        subtitle = subtitle || (r.text.rfind(label + " - ", 0) == 0 &&
                                r.text.find(" - Penyiar Tidak Aktif") != std::string::npos);
    EXPECT_TRUE(subtitle);
    EXPECT_TRUE(hasText(one, "Eka Putri"));
    EXPECT_FALSE(hasText(one, "Fajar Putra")) << "kept out of every group";
    EXPECT_FALSE(hasText(one, "Gita Sari"));
}

}  // namespace
}  // namespace velno::print
