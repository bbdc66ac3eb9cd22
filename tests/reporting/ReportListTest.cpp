// The report list: title, group filter, the not-reported filter, the
// selection, the last publisher entered and closing the collection.

#include <gtest/gtest.h>

#include "reporting/MonthFixture.h"
#include "reporting/ReportListModel.h"

namespace velno {
namespace {

using test::MonthFixture;
using test::report;

constexpr int kMarch = 2, kMay = 4;

struct List : MonthFixture {
    const int march = MonthFixture::slot(kMarch, 2025);
    List() {
        open();
        add(101, "Budi", "Santoso").group = 1;
        add(102, "Ani", "Wijaya").group = 2;
        add(103, "Cici", "Halim").group = 1;
        add(901, "Ina", "Inactive", ListInactive).group = 1;
        GroupFile& g = doc.groups().data();
        g.count = 2;
        setFieldText(g.overseer[0], "Budi Santoso");
        setFieldText(g.name[1], "Timur");
        g.showName[1] = 1;
    }
};

std::vector<std::string> names(const ReportListModel& list) {
    std::vector<std::string> out;
    for (const auto& row : list.rows()) out.push_back(row.name);
    return out;
}

TEST(ReportList, TextsNameTheMonthAndTheActiveCount) {
    List f;
    ReportListModel list(f.doc);
    EXPECT_EQ("Laporan Bulan Maret - 3 Penyiar Aktif", list.title());
    EXPECT_EQ("Close report collection for Maret  ( Reporting is complete )",
              list.closeButtonText());
    EXPECT_EQ("Tambah laporan Maret dari XML (.xml)", list.xmlButtonText());
    EXPECT_EQ(
        (std::vector<std::string>{"Sidang", "Kelompok 1 - Budi Santoso", "Kelompok 2 - Timur"}),
        list.groupEntries());
    // The store's order: family names.
    EXPECT_EQ((std::vector<std::string>{"Cici Halim", "Budi Santoso", "Ani Wijaya"}), names(list));
}

TEST(ReportList, FiltersByGroupAndByReportsMissing) {
    List f;
    report(f.rec(103), f.march, 4);
    ReportListModel list(f.doc);
    list.setGroupIndex(1);
    EXPECT_EQ((std::vector<std::string>{"Cici Halim", "Budi Santoso"}), names(list));
    list.select(1);
    list.setOnlyNotReported(true);
    EXPECT_EQ(std::vector<std::string>{"Budi Santoso"}, names(list));
    EXPECT_EQ(0, list.selected());  // out of range: back to the first row
    // A remark counts as a report.
    list.setGroupIndex(0);
    const int k = f.doc.remarks().append(test::makeRemark(102, 3, 1, "sakit"));
    f.rec(102).remarkIndex[f.march] = static_cast<std::uint16_t>(k);
    list.setOnlyNotReported(true);
    EXPECT_EQ(std::vector<std::string>{"Budi Santoso"}, names(list));
}

TEST(ReportList, ASavedSlipBecomesTheLastEnteredAndLeavesTheFilteredList) {
    List f;
    ReportListModel list(f.doc);
    list.setOnlyNotReported(true);
    list.select(1);
    ReportSlipModel slip = list.openSlip();
    EXPECT_EQ("Budi Santoso", slip.title());
    slip.setShared(true);
    slip.save();
    list.slipClosed();
    EXPECT_EQ("Budi Santoso", list.lastEnteredName());
    EXPECT_EQ((std::vector<std::string>{"Cici Halim", "Ani Wijaya"}), names(list));
    EXPECT_EQ(1, list.selected());  // still in range: kept
    // The last publisher entered survives a restart within the month.
    f.restart({2025, 4, 20});
    EXPECT_EQ("Budi Santoso", ReportListModel(f.doc).lastEnteredName());
}

TEST(ReportList, OpeningForgetsTheStateOfTheMonthTwoAhead) {
    List f;
    f.setState(kMay, Collection::Closed);
    ReportListModel list(f.doc);
    EXPECT_EQ(Collection::NotInitialised, f.state(kMay));
    f.doc.dirty = false;
    list.closeCollection();
    EXPECT_TRUE(list.closed());
    EXPECT_EQ(Collection::Closed, f.state(kMarch));
    EXPECT_TRUE(f.doc.dirty);
}

}  // namespace
}  // namespace velno
