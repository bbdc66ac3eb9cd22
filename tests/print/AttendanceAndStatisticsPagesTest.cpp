// The meeting report, the printed attendance record and the statistics
// page as laid out on the page, and the flow of lines down the pages.

#include <gtest/gtest.h>

#include "print/AttendanceRecordPage.h"
#include "print/MeetingReportPage.h"
#include "print/PageReading.h"
#include "print/StatisticsPage.h"
#include "reporting/AnalyticsFixture.h"
#include "reporting/Attendance.h"

namespace velno::print {
namespace {

using test::DrawnReport;
using test::lineWith;
using velno::test::AnalyticsFixture;
using velno::test::reportMonths;
using velno::test::setBaptism;

constexpr int kNov2024 = 298;

void setWeeks(MeetingBlock& b, int stamp, std::array<int, 5> weeks) {
    const int slot = slotOf(stamp);
    for (int w = 0; w < 5; ++w) b.week[w][slot] = static_cast<std::uint16_t>(weeks[w]);
    updateMonthTotals(b, slot);
}

// Three active publishers, a regular pioneer among them; the midweek
// meeting has figures for November only, the weekend one for six months.
struct Meetings : AnalyticsFixture {
    Meetings() {
        for (PublisherId id : {100, 101, 102}) {
            auto& r = add(id, "Nama" + std::to_string(id), "Keluarga");
            setBaptism(r, 1, 1, 2000);
            reportMonths(r, kNov2024, 6, id == 102 ? 60 : 0, 1,
                         id == 102 ? ServiceRegular : ServicePublisher);
        }
        MeetingBlock& midweek = doc.meetings().blocks[0];
        MeetingBlock& weekend = doc.meetings().blocks[1];
        setFieldText(midweek.name, "Tengah Pekan");
        setFieldText(weekend.name, "Akhir Pekan");
        setWeeks(midweek, kNov2024, {120, 0, 118, 125, 0});
        for (int k = 0; k < 6; ++k) setWeeks(weekend, kNov2024 - k, {10 + k, 11 + k, 0, 0, 0});
        sort();
        open();
    }
};

TEST(MeetingReport, MonthSectionAndSixMonthTable) {
    Meetings f;
    f.doc.settings().congregationName = "Kota";
    const DrawnReport page(f.doc, drawMeetingReport);
    ASSERT_FALSE(page.lines.empty());
    EXPECT_EQ(page.lines[0].runs[0].text, "Laporan Hadirin Perhimpunan  - Kota");
    EXPECT_EQ(page.lines[0].runs[0].font.height, -19);
    EXPECT_EQ(page.lines[1].joined(), "November | Jumlah | Total | Rata2 | Persentase");
    // 363 over three meetings; 121 per 100 of three publishers.
    EXPECT_EQ(page.lines[2].joined(), "Tengah Pekan | 3 | 363 | 121 |   4033%  dari    3");
    EXPECT_EQ(page.lines[3].joined(), "Akhir Pekan | 2 | 21 | 11 |    367%  dari    3");

    const int six = lineWith(page.lines, "Rata2 untuk Enam Bulan hingga November");
    ASSERT_GE(six, 0);
    EXPECT_EQ(page.lines[six + 1].joined(), "Jun | Jul | Agt | Sep | Okt | Nov | 6 Bln");
    // Months without figures make the six-month average blank.
    EXPECT_EQ(page.lines[six + 2].joined(), "Tengah Pekan | 0 | 0 | 0 | 0 | 0 | 121");
    // Weeks of (15, 16), (14, 15) ... (10, 11): 156 over 12 weeks.
    EXPECT_EQ(page.lines[six + 3].joined(), "Akhir Pekan | 16 | 15 | 14 | 13 | 12 | 11 | 13");
    EXPECT_EQ(1, page.pages);
}

TEST(AttendanceRecord, ServiceYearsMonthsAndBlankMonths) {
    Meetings f;
    const DrawnReport page(f.doc, attendanceRecordDrawer(0));
    EXPECT_EQ(page.lines[0].runs[0].text, "CATATAN HADIRIN PERHIMPUNAN");
    EXPECT_EQ(page.lines[1].runs[0].text, "Tengah Pekan");
    // The service year of November 2024 is the last one held.
    const int year = lineWith(page.lines, "2025");
    ASSERT_GE(year, 0);
    EXPECT_TRUE(page.lines[year - 1].has("Tahun Dinas"));
    const int november = lineWith(page.lines, "November", year);
    EXPECT_EQ(page.lines[november].joined(), "November | 3 | 363 | 121.00");
    // December 2024 has not been collected yet: its cells stay blank.
    const int december = lineWith(page.lines, "Desember", year);
    EXPECT_EQ(page.lines[december].joined(), "Desember");
    const int mean = lineWith(page.lines, "Rata-Rata Hadirin Per Bulan", year);
    EXPECT_EQ(page.lines[mean].joined(), "Rata-Rata Hadirin Per Bulan | 121.00");
    // The heads share the width in four equal columns.
    const auto& heads = page.lines[year - 1];
    ASSERT_EQ(heads.runs.size(), 4u);
    const int step = heads.runs[1].anchorX - heads.runs[0].anchorX;
    EXPECT_EQ(heads.runs[2].anchorX - heads.runs[1].anchorX, step);
    EXPECT_EQ(heads.runs[3].anchorX - heads.runs[2].anchorX, step);
}

TEST(AttendanceRecord, EachMeetingStartsOnAPageOfItsOwn) {
    Meetings f;
    const DrawnReport page(f.doc, attendanceRecordDrawer(-1));
    EXPECT_EQ(2, page.pages);
    const int second = lineWith(page.lines, "CATATAN HADIRIN PERHIMPUNAN", 1);
    ASSERT_GT(second, 0);
    EXPECT_EQ(2, page.lines[second].page);
    EXPECT_EQ(page.lines[second + 1].runs[0].text, "Akhir Pekan");
}

TEST(StatisticsPageLayout, CountsMovementHoursAndAttendance) {
    Meetings f;
    f.rec(101).flags = static_cast<std::uint8_t>(f.rec(101).flags | PrivilegeElder);
    const DrawnReport page(f.doc, drawStatistics);
    EXPECT_EQ(page.lines[0].runs[0].text, "Sidang Statistik pada akhir November");
    EXPECT_EQ(page.lines[1].joined(), "Penyiar Aktif |    3");
    EXPECT_EQ(page.lines[2].joined(), "Penyiar Reguler |    3 | 100%");
    EXPECT_EQ(lineWith(page.lines, "Perintis Istimewa"), -1);
    EXPECT_EQ(page.lines[lineWith(page.lines, "Penatua")].joined(), "Penatua |    1");
    const int moves = lineWith(page.lines, "6bln");
    ASSERT_GE(moves, 0);
    EXPECT_EQ(page.lines[moves].joined(), "Nov | 6bln | ThnDns");
    const int hours = lineWith(page.lines, "Jam Rata2");
    ASSERT_GE(hours, 0);
    // A month of the new report form has no publishers' hours line.
    EXPECT_EQ(lineWith(page.lines, "( Pnyr )"), -1);
    EXPECT_EQ(page.lines[hours + 1].joined(), "( PB ) | 60.0 | 60.0 | 60.0");
    const int attendance = lineWith(page.lines, "Hadirin Perhimpunan");
    EXPECT_EQ(page.lines[attendance].joined(),
              "Hadirin Perhimpunan | Nov | 3 Bln | 6 Bln | ThnDns");
    EXPECT_EQ(page.lines[attendance + 1].joined(), "Tengah Pekan | 121 | 0 | 0 | 0");
    // The baptism and age brackets are off by default.
    EXPECT_EQ(lineWith(page.lines, "Usia"), -1);
}

TEST(StatisticsPageLayout, BracketsWhenSwitchedOnAndOldFormHours) {
    // September 2023 is the last month of the old report form.
    AnalyticsFixture f({2023, 10, 5});
    auto& r = f.add(100, "Ani", "Lubis");
    setBaptism(r, 1, 1, 2010);
    reportMonths(r, f.stamp(), 6, 9, 1);
    auto& sp = f.add(101, "Budi", "Istimewa");
    setFieldText(sp.bapdate, "        ");
    reportMonths(sp, f.stamp(), 6, 100, 1, ServiceSpecial);
    f.doc.viewOptions().bytes[6] = 1;
    f.sort();
    f.open();
    const DrawnReport page(f.doc, drawStatistics);
    EXPECT_GE(lineWith(page.lines, "( Pnyr )"), 0);
    EXPECT_EQ(page.lines[lineWith(page.lines, "Perintis Istimewa")].joined(),
              "Perintis Istimewa |    1");
    const int heads = lineWith(page.lines, "Usia");
    ASSERT_GE(heads, 0);
    EXPECT_TRUE(page.lines[heads].has("Tahun Dibaptis"));
    // Budi has no baptism date; Ani was baptized 13 years ago. Nobody has a
    // birth date.
    EXPECT_EQ(page.lines[heads + 1].joined(),
              "Belum Terbaptis |    1 |  50% | Di Bawah 20 |    0 |   0%");
    EXPECT_EQ(page.lines[heads + 5].joined(), "10 - 19 Thn |    1 |  50% | 50 - 59 |    0 |   0%");
}

// The flow of lines: breaks, kept blocks and repeated heads.
TEST(PageFlowTest, BreaksKeepsBlocksAndRepeatsHeads) {
    CVelnoDoc doc;
    ReportFonts fonts;
    RecordingCanvas canvas(96, 96);
    ReportContext ctx{doc, canvas, fonts};
    PageFlow flow(ctx);
    const int spacing = flow.spacing(FontRole::Text);
    EXPECT_EQ(flow.bodyTop(1), ctx.topMargin());
    EXPECT_EQ(flow.bodyBottom(2), 2 * ctx.pageHeight() - ctx.inchY());

    int heads = 0;
    flow.onNewPage = [&] {
        ++heads;
        EXPECT_EQ(flow.y(), flow.bodyTop(flow.page()));
        flow.line(FontRole::Heading);
    };
    const int perPage = (flow.bodyBottom(1) - flow.bodyTop(1)) / spacing;
    for (int i = 0; i < perPage; ++i) flow.line(FontRole::Text);
    EXPECT_EQ(1, flow.page());
    const int top = flow.line(FontRole::Text);
    EXPECT_EQ(2, flow.page());
    EXPECT_EQ(1, heads);
    EXPECT_EQ(top, flow.bodyTop(2) + flow.spacing(FontRole::Heading));

    // A block that does not fit on the rest of the page moves whole.
    while (flow.remaining() > 3 * spacing) flow.line(FontRole::Text);
    flow.keep(4 * spacing);
    EXPECT_EQ(3, flow.page());
    // One taller than a page stays where it starts.
    flow.onNewPage = nullptr;
    flow.keep(flow.bodyBottom(3) - flow.bodyTop(3) + spacing);
    EXPECT_EQ(3, flow.page());
}

}  // namespace
}  // namespace velno::print
