#include "publishers/PioneerEnrolmentModel.h"

#include <gtest/gtest.h>

#include <ostream>

#include "publishers/PublisherFixture.h"

namespace velno {
namespace {

using test::PublisherFixture;

struct Window {
    int yearLine;
    const char* first;
    const char* last;
    std::size_t count;
};

void PrintTo(const Window& w, std::ostream* os) {
    *os << "year line " << w.yearLine;
}

class EnrolmentWindow : public ::testing::TestWithParam<Window> {};

// ReportMonth March 2024: "22" offers April to December, "23" every month,
// "24" January to March.
TEST_P(EnrolmentWindow, OffersTheMonthsTheRecordsHold) {
    const Window& w = GetParam();
    PublisherFixture f;
    PioneerEnrolmentModel m(f.doc, EnrolmentMode::Auxiliary);
    EXPECT_EQ(m.yearLines(), (std::vector<std::string>{"22", "23", "24"}));
    m.selectYear(w.yearLine);
    const auto months = m.monthLines();
    ASSERT_EQ(months.size(), w.count);
    EXPECT_EQ(months.front(), w.first);
    EXPECT_EQ(months.back(), w.last);
    EXPECT_EQ(m.monthLine(), 0);  // a new year starts at its first month
}

INSTANTIATE_TEST_SUITE_P(Table, EnrolmentWindow,
                         ::testing::Values(Window{0, "April", "Desember", 9},
                                           Window{1, "Januari", "Desember", 12},
                                           Window{2, "Januari", "Maret", 3}));

TEST(PioneerEnrolment, OpensOnTheReportMonthWithTheFirstCandidate) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi");
    f.add(101, "Budi", "Santoso");
    PioneerEnrolmentModel m(f.doc, EnrolmentMode::Regular);
    EXPECT_EQ(m.yearLine(), 2);
    EXPECT_EQ(m.monthLine(), 2);
    EXPECT_EQ(m.title(), "Perintis biasa - Maret 24 ( 0 )");
    EXPECT_EQ(m.nameLine(), "Adi, Ana");
    EXPECT_EQ(m.actionText(), "<<<    &Tambah    <<<");
    EXPECT_EQ(m.visibleSelection(EnrolmentSide::Left), 0);
    EXPECT_TRUE(m.specialCheckVisible());
    EXPECT_FALSE(PioneerEnrolmentModel(f.doc, EnrolmentMode::Auxiliary).specialCheckVisible());
}

TEST(PioneerEnrolment, AddingThreeAuxiliaryPioneersCountsInTheTitle) {
    PublisherFixture f;
    for (PublisherId id = 100; id < 105; ++id) f.add(id, "P", "Nama" + std::to_string(id));
    f.rec(104).serviceKind[f.reportSlot()] = 0x04;  // a bit beside the kind
    PioneerEnrolmentModel m(f.doc, EnrolmentMode::Auxiliary);
    m.selectLine(EnrolmentSide::Left, 4);
    EXPECT_TRUE(m.act());
    EXPECT_EQ(m.leftLine(), 3);  // the remembered line moves up by one
    EXPECT_TRUE(m.act());
    m.selectLine(EnrolmentSide::Left, 0);
    EXPECT_TRUE(m.act());
    EXPECT_EQ(m.leftLine(), 0);
    EXPECT_EQ(m.title(), "Perintis ekstra - Maret 24 ( 3 )");
    EXPECT_EQ(f.rec(104).serviceKind[f.reportSlot()], 0x04 | ServiceAuxiliary);
    EXPECT_EQ(f.rec(100).kindAt(f.reportSlot()), ServiceAuxiliary);
    EXPECT_EQ(f.rec(101).kindAt(f.reportSlot()), ServicePublisher);
    EXPECT_TRUE(f.doc.dirty);
    // Other months are untouched.
    EXPECT_EQ(f.rec(100).kindAt(PublisherFixture::slot(1, 2024)), ServicePublisher);
}

TEST(PioneerEnrolment, ARegularPioneerIsNoAuxiliaryCandidate) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi").serviceKind[f.reportSlot()] = ServiceRegular;
    f.add(101, "Budi", "Santoso");
    PioneerEnrolmentModel aux(f.doc, EnrolmentMode::Auxiliary);
    ASSERT_EQ(aux.leftRows().size(), 1u);
    EXPECT_EQ(aux.leftRows()[0].name, "Santoso, Budi");
    EXPECT_TRUE(aux.rightRows().empty());
    // A month where he was not a pioneer lists him again.
    aux.selectYear(1);
    EXPECT_EQ(aux.leftRows().size(), 2u);
}

TEST(PioneerEnrolment, SpecialModeFromTheRegularDialog) {
    PublisherFixture f;
    f.add(100, "Ana", "Adi").serviceKind[f.reportSlot()] = ServiceSpecial;
    f.add(101, "Budi", "Santoso");
    f.add(102, "Cici", "Tan").serviceKind[f.reportSlot()] = ServiceRegular;
    PioneerEnrolmentModel m(f.doc, EnrolmentMode::Regular);
    ASSERT_EQ(m.rightRows().size(), 1u);
    EXPECT_EQ(m.rightRows()[0].name, "Tan, Cici");
    m.setSpecialChecked(true);
    EXPECT_EQ(m.title(), "Perintis Istimewa - Maret 24 ( 1 )");
    EXPECT_EQ(m.rightRows()[0].name, "Adi, Ana");
    EXPECT_EQ(m.leftRows().size(), 1u);
    m.focusList(EnrolmentSide::Left);
    m.act();
    EXPECT_EQ(f.rec(101).kindAt(f.reportSlot()), ServiceSpecial);
    m.setSpecialChecked(false);
    EXPECT_EQ(m.mode(), EnrolmentMode::Regular);
}

TEST(PioneerEnrolment, RemovingInTheReportMonthEndsContinuousAuxiliary) {
    PublisherFixture f;
    const int february = PublisherFixture::slot(1, 2024);
    PublisherRecord& a = f.add(100, "Ana", "Adi");
    a.flags = RecordFlag::ContinuousAuxiliary | RecordFlag::Sister;
    a.serviceKind[f.reportSlot()] = ServiceAuxiliary;
    a.serviceKind[february] = ServiceAuxiliary;

    PioneerEnrolmentModel m(f.doc, EnrolmentMode::Auxiliary);
    m.selectMonth(1);  // February: an earlier month
    m.focusList(EnrolmentSide::Right);
    EXPECT_EQ(m.actionText(), ">>>  &Hapus  >>>");
    EXPECT_EQ(m.nameLine(), "Adi, Ana");
    EXPECT_EQ(m.visibleSelection(EnrolmentSide::Left), -1);
    EXPECT_TRUE(m.act());
    EXPECT_EQ(f.rec(100).kindAt(february), ServicePublisher);
    EXPECT_TRUE(f.rec(100).flags & RecordFlag::ContinuousAuxiliary);

    m.selectMonth(2);  // March, the ReportMonth
    m.focusList(EnrolmentSide::Right);
    EXPECT_TRUE(m.act());
    EXPECT_EQ(f.rec(100).flags, RecordFlag::Sister);
    EXPECT_FALSE(m.act());  // the right list is empty now
}

TEST(PioneerEnrolment, RegularRemovalKeepsTheFlag) {
    PublisherFixture f;
    PublisherRecord& a = f.add(100, "Ana", "Adi");
    a.flags = RecordFlag::ContinuousAuxiliary;
    a.serviceKind[f.reportSlot()] = ServiceRegular;
    PioneerEnrolmentModel m(f.doc, EnrolmentMode::Regular);
    m.selectLine(EnrolmentSide::Right, 0);
    m.act();
    EXPECT_EQ(f.rec(100).kindAt(f.reportSlot()), ServicePublisher);
    EXPECT_EQ(f.rec(100).flags, RecordFlag::ContinuousAuxiliary);
}

TEST(PioneerEnrolment, DecemberLeavesNoMonthTwoYearsBack) {
    PublisherFixture f({2025, 1, 10});  // ReportMonth December 2024
    f.add(100, "Ana", "Adi");
    PioneerEnrolmentModel m(f.doc, EnrolmentMode::Auxiliary);
    m.selectYear(0);
    EXPECT_TRUE(m.monthLines().empty());
    EXPECT_TRUE(m.leftRows().empty());
    EXPECT_FALSE(m.act());
    EXPECT_EQ(m.title(), "Perintis ekstra -  22 ( 0 )");
}

}  // namespace
}  // namespace velno
