// The telephone and address lists: who is listed, households folded under
// their head, one or two columns of names, the header on an empty list.

#include <gtest/gtest.h>

#include <set>

#include "print/CongregationLists.h"
#include "print/RecordingCanvas.h"
#include "print/ReportViewState.h"
#include "reporting/AnalyticsFixture.h"

namespace velno::print {
namespace {

using velno::test::AnalyticsFixture;

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

int drawKind(const CVelnoDoc& doc, int kind, RecordingCanvas& canvas) {
    ReportViewState view;
    EXPECT_TRUE(view.show(doc, kind));
    const ReportFonts fonts;
    ReportContext ctx = view.contextFor(doc, canvas, fonts, {2024, 12, 5});
    return view.draw(ctx);
}

TEST(CongregationLists, HouseholdOfThreeFoldsIntoTheHeadsLineUnlessAMemberHasANumber) {
    Household f;
    auto lines = contactLines(f.doc, ListScope::Congregation, 0, true);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].name, "Andi Lubis");
    EXPECT_EQ(lines[0].members, (std::vector<std::string>{"Bella", "Cici"}));
    EXPECT_EQ(lines[0].home, "021-555");
    // A mobile of her own gives Cici her own line.
    setFieldText(f.rec(102).phone2, "0812");
    lines = contactLines(f.doc, ListScope::Congregation, 0, true);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].members, std::vector<std::string>{"Bella"});
    EXPECT_EQ(lines[1].name, "Cici Lubis");
    // Lists without folding list everyone.
    EXPECT_EQ(contactLines(f.doc, ListScope::Congregation, 0, false).size(), 4u);
}

TEST(CongregationLists, MemberWhoseHeadIsNotListedKeepsHisLine) {
    Household f;
    f.rec(100).group = 1;
    f.rec(101).group = 2;
    const auto lines = contactLines(f.doc, ListScope::Group, 2, true);
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

}  // namespace
}  // namespace velno::print
