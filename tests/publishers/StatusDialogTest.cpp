// The publisher status dialog: what it opens with and what OK stores.

#include <gtest/gtest.h>

#include "publishers/PublisherStatusModel.h"
#include "store/ReportMonth.h"

namespace velno {
namespace {

ReportMonth march2025() {
    ReportMonth m;
    m.deriveFrom({2025, 4, 3});
    return m;
}

TEST(PublisherStatus, OpensWithTheMarkOrItsCopy) {
    const ReportMonth m = march2025();
    PublisherStatusModel reactivated(m, "Budi", {0x22, 0, 0});
    EXPECT_EQ("Status Budi", reactivated.title());
    EXPECT_EQ(StatusChoice::Reactivated, reactivated.choice());
    EXPECT_EQ(2, reactivated.monthRow());
    EXPECT_TRUE(reactivated.monthListVisible());
    EXPECT_TRUE(reactivated.yearListVisible());

    PublisherStatusModel moved(m, "Ani", {0, 0xB4, 0});  // only the copy is left
    EXPECT_EQ(StatusChoice::RegularTransfer, moved.choice());
    EXPECT_EQ(11, moved.monthRow());
    EXPECT_TRUE(moved.monthListVisible());
    EXPECT_FALSE(moved.yearListVisible());

    PublisherStatusModel none(m, "Cici", {0, 0, 0});
    EXPECT_EQ(StatusChoice::None, none.choice());
    EXPECT_FALSE(none.monthListVisible());
    EXPECT_EQ(13u, none.monthRows().size());
    EXPECT_EQ("", none.monthRows()[0]);
    EXPECT_EQ("Des", none.monthRows()[12]);
}

TEST(PublisherStatus, AMonthAfterTheReportMonthBelongsToTheYearBefore) {
    const ReportMonth m = march2025();
    PublisherStatusModel s(m, "Budi", {});
    s.setChoice(StatusChoice::NewPublisher);
    s.setMonthRow(11);  // November
    EXPECT_EQ((std::vector<int>{2023, 2024}), s.yearRows());
    EXPECT_EQ(stampOf(2024, 10), s.chosenStamp());
    const StatusFields r = s.result();
    EXPECT_EQ(11 * 16 + 1, r.statusMark);
    EXPECT_EQ(r.statusMark, r.listYear);
    EXPECT_EQ(stampOf(2024, 10), r.markStamp);
    s.setMonthRow(2);
    EXPECT_EQ((std::vector<int>{2024, 2025}), s.yearRows());
}

TEST(PublisherStatus, WhatOkStoresForEachChoice) {
    const ReportMonth m = march2025();
    PublisherStatusModel special(m, "Budi", {});
    special.setChoice(StatusChoice::SpecialTransfer);
    special.setMonthRow(1);
    EXPECT_EQ(1 * 16 + 0, special.result().statusMark);
    EXPECT_EQ(0, special.result().markStamp);

    PublisherStatusModel clear(m, "Budi",
                               {0x31, 0x31, static_cast<std::uint16_t>(stampOf(2025, 2))});
    clear.setChoice(StatusChoice::Clear);
    EXPECT_EQ(0, clear.result().statusMark);
    EXPECT_EQ(0, clear.result().markStamp);
    EXPECT_EQ(0, clear.result().listYear);

    // A month more than eleven months back keeps only the kind.
    PublisherStatusModel old(m, "Budi", {});
    old.setChoice(StatusChoice::Reactivated);
    old.setMonthRow(2);
    old.setYearRow(0);  // February 2024
    EXPECT_EQ(2, old.result().statusMark);
    EXPECT_EQ(stampOf(2024, 1), old.result().markStamp);
}

TEST(PublisherStatus, TheMonthCodeGivesTheYearWhenItIsRecent) {
    const ReportMonth m = march2025();
    const auto april2024 = static_cast<std::uint16_t>(stampOf(2024, 3));
    PublisherStatusModel s(m, "Budi", {0x41, 0x41, april2024});
    EXPECT_EQ(4, s.monthRow());
    EXPECT_EQ(april2024, s.chosenStamp());
    // Older than 23 months: the processing month stands in.
    const auto old = static_cast<std::uint16_t>(stampOf(2022, 3));
    PublisherStatusModel t(m, "Budi", {0, 0, old});
    EXPECT_EQ(3, t.monthRow());
}

}  // namespace
}  // namespace velno
