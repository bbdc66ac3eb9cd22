// The report-format dialog: the label interlock, the margin lists, the
// congregation name, and what OK changes.

#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "store/CVelnoDoc.h"
#include "store/ReportFormatModel.h"

namespace velno {
namespace {

using M = ReportFormatModel;

struct InterlockCase {
    bool birth, alternative;  // before
    M::Check clicked;
    bool on;
    bool expectBirth, expectAlternative;
};

// Readable test names: the birth and alternative boxes before, the click.
void PrintTo(const InterlockCase& c, std::ostream* os) {
    *os << "birth " << c.birth << ", alternative " << c.alternative << ", box "
        << static_cast<int>(c.clicked) << (c.on ? " checked" : " unchecked");
}

class LabelInterlock : public ::testing::TestWithParam<InterlockCase> {};

TEST_P(LabelInterlock, KeepsTheAlternativeLabelWithTheBirthDate) {
    const InterlockCase& c = GetParam();
    CVelnoDoc doc;
    doc.settings().labelBirthDate = c.birth;
    doc.settings().labelAlternative = c.alternative;
    M m(doc);
    m.setChecked(c.clicked, c.on);
    EXPECT_EQ(c.expectBirth, m.isChecked(M::LabelBirthDate));
    EXPECT_EQ(c.expectAlternative, m.isChecked(M::LabelAlternative));
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, LabelInterlock,
    ::testing::Values(InterlockCase{false, false, M::LabelAlternative, true, true, true},
                      InterlockCase{true, true, M::LabelBirthDate, false, false, false},
                      InterlockCase{true, true, M::LabelAlternative, false, true, false},
                      InterlockCase{false, false, M::LabelBirthDate, true, true, false}));

TEST(ReportFormatModel, MarginListsOpenAtTheValueAndTakeTheChosenEntry) {
    CVelnoDoc doc;
    doc.settings().topMargin = 50;
    doc.settings().labelLeftMargin = 150;  // beyond the list
    M m(doc);
    EXPECT_EQ(100u, m.marginRows().size());
    EXPECT_EQ("00", m.marginRows().front());
    EXPECT_EQ("35", m.marginRows()[35]);
    EXPECT_EQ(50, m.firstVisibleRow(M::TopMargin));
    EXPECT_FALSE(m.selectedRow(M::TopMargin));
    EXPECT_EQ(99, m.firstVisibleRow(M::LabelMargin));

    // Scrolled so that 35 is at the top: 35.
    m.scrollMargin(M::TopMargin, 35);
    EXPECT_EQ(35, m.marginValue(M::TopMargin));
    // An entry picked by the user wins over the top of the list.
    m.selectMargin(M::TopMargin, 38);
    EXPECT_EQ(38, m.marginValue(M::TopMargin));
    // A list left alone keeps even a value it cannot show.
    EXPECT_EQ(150, m.marginValue(M::LabelMargin));
    EXPECT_TRUE(m.ok(doc));
    EXPECT_EQ(38, doc.settings().topMargin);
    EXPECT_EQ(150, doc.settings().labelLeftMargin);
}

TEST(ReportFormatModel, CongregationNameIsCutTo25AndTrimmed) {
    CVelnoDoc doc;
    M m(doc);
    EXPECT_TRUE(m.setCongregationName("  Sidang Bandung \xC3\x89l\xC3\xA9gant Timur Jauh"));
    EXPECT_EQ("  Sidang Bandung \xC3\x89l\xC3\xA9gant ", m.congregationName());
    EXPECT_FALSE(m.setCongregationName("Sidang \xE2\x98\x83"));  // a snowman: no such byte
    EXPECT_EQ("  Sidang Bandung \xC3\x89l\xC3\xA9gant ", m.congregationName());
    m.ok(doc);
    EXPECT_EQ("Sidang Bandung \xC9l\xE9gant", doc.settings().congregationName);
}

TEST(ReportFormatModel, OkMarksModifiedOnlyWhenSomethingChanged) {
    CVelnoDoc doc;
    doc.settings().congregationName = "Sidang";
    {
        M m(doc);
        m.setCongregationName(" Sidang ");
        m.scrollMargin(M::TopMargin, doc.settings().topMargin);
        EXPECT_FALSE(m.ok(doc));
        EXPECT_FALSE(doc.dirty);
    }
    M m(doc);
    m.setChecked(M::FamilyNameFirst, true);
    m.setChecked(M::AlternativeDate, true);
    m.setChecked(M::IncludeDates, true);
    m.setChecked(M::DateStamp, true);
    EXPECT_TRUE(m.ok(doc));
    EXPECT_TRUE(doc.dirty);
    EXPECT_EQ(1, doc.viewOptions().bytes[0]);
    EXPECT_EQ(1, doc.viewOptions().bytes[5]);
    EXPECT_EQ(1, doc.viewOptions().bytes[6]);
    EXPECT_EQ(1, doc.settings().dateStamp);
}

}  // namespace
}  // namespace velno
