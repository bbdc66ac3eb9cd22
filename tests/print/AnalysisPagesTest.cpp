// The congregation and group analyses and the congregation summary as they
// come out on the page: titles, row order, marks, blank cells, the branch
// box against the tally, page breaks and page counts.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <tuple>

#include "print/AnalysisPages.h"
#include "print/PageReading.h"
#include "print/ReportViewState.h"
#include "print/TextPrintTarget.h"
#include "reporting/AnalyticsFixture.h"
#include "reporting/CongregationAnalysis.h"
#include "reporting/TallyMonth.h"
#include "text/Format.h"

namespace velno::print {
namespace {

using test::DrawnReport;
using test::lineWith;
using velno::test::AnalyticsFixture;
using velno::test::reportAt;
using velno::test::reportMonths;
using velno::test::setBaptism;

constexpr int kNov2024 = 298;
const std::string kTick = "\xE2\x9C\x93";

// Four groups: 1 and 2 with members, 3 with none; "Kasih" is group 2's name.
struct Congregation : AnalyticsFixture {
    Congregation() {
        GroupFile& g = doc.groups().data();
        g.count = 3;
        setFieldText(g.overseer[0], "Ani Lubis");
        setFieldText(g.overseer[1], "Gita Purba");
        setFieldText(g.overseer[2], "Nobody Here");
        setFieldText(g.name[1], "Kasih");
        g.showName[1] = 1;
        member(100, "Ani", "Lubis", 1);
        member(101, "Budi", "Hasan", 2);
        member(102, "Citra", "Wijaya", 1).serviceKind[slotOf(kNov2024)] = ServiceRegular;
        member(103, "Dedi", "Saputra", 2);
        member(104, "Eko", "Mandiri", 0);
        member(105, "Fajar", "Ekstra", 1);
        member(106, "Gita", "Purba", 2);
        // Everybody but Budi reported over the last six months.
        reportMonths(rec(100), kNov2024, 6, 0, 2);
        reportMonths(rec(102), kNov2024, 6, 52, 3, ServiceRegular);
        reportMonths(rec(103), kNov2024, 6, 0, 1);
        reportMonths(rec(104), kNov2024, 6, 0, 0);
        reportMonths(rec(105), kNov2024 - 1, 5, 0, 1);
        reportAt(rec(105), kNov2024, 31, 1, ServiceAuxiliary);
        reportMonths(rec(106), kNov2024, 6, 0, 4);
        // Budi has not reported and was never baptized.
        setFieldText(rec(101).bapdate, "        ");
        sort();
        open();
    }
    PublisherRecord& member(PublisherId id, const std::string& first, const std::string& last,
                            int group) {
        PublisherRecord& r = add(id, first, last);
        r.group = static_cast<std::uint8_t>(group);
        setBaptism(r, 1, 1, 2000);
        return r;
    }
};

int lineOfName(const DrawnReport& page, const std::string& last) {
    for (int i = 0; i < static_cast<int>(page.lines.size()); ++i)
        for (const auto& r : page.lines[i].runs)
            if (r.text.find(last) != std::string::npos) return i;
    return -1;
}

TEST(AnalysisPage, TitleCarriesMonthAndCongregationName) {
    Congregation f;
    f.doc.settings().congregationName = "Kota Baru";
    const DrawnReport page(f.doc, drawAnalysisPioneersGroups);
    ASSERT_FALSE(page.lines.empty());
    const TextRun& title = page.lines[0].runs[0];
    EXPECT_EQ(title.text, "Laporan Sidang untuk November - Kota Baru");
    EXPECT_EQ(title.font.height, -19);  // the Title font
    EXPECT_EQ(1, page.pages);
}

TEST(AnalysisPage, PioneersFirstThenEachGroupThenThoseWithoutGroup) {
    Congregation f;
    const DrawnReport page(f.doc, drawAnalysisPioneersGroups);
    const std::vector<int> order = {
        lineWith(page.lines, "Perintis"), lineOfName(page, "Wijaya"),
        lineWith(page.lines, "KDL # 1"),  lineOfName(page, "Ekstra"),
        lineOfName(page, "Lubis"),        lineWith(page.lines, "Kasih"),
        lineOfName(page, "Hasan"),        lineOfName(page, "Purba"),
        lineOfName(page, "Saputra"),      lineWith(page.lines, "Tanpa Kelompok"),
        lineOfName(page, "Mandiri"),
    };
    for (std::size_t i = 0; i < order.size(); ++i) {
        ASSERT_GE(order[i], 0) << i;
        if (i > 0) {
            EXPECT_LT(order[i - 1], order[i]) << i;
        }
    }
    // The regular pioneer is listed under the pioneers, not again in group 1.
    int wijaya = 0;
    for (const auto& t : page.texts()) wijaya += t.find("Wijaya") != std::string::npos;
    EXPECT_EQ(1, wijaya);
    // Group 3 has nobody and gets no heading.
    EXPECT_FALSE(page.contains("KDL # 3"));
}

TEST(AnalysisPage, AtoZHasNoBlockHeadings) {
    Congregation f;
    const DrawnReport page(f.doc, drawAnalysisAtoZ);
    EXPECT_FALSE(page.contains("Perintis"));
    EXPECT_FALSE(page.contains("KDL # 1"));
    const std::vector<std::string> names = {"Ekstra", "Hasan",   "Lubis", "Mandiri",
                                            "Purba",  "Saputra", "Wijaya"};
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LT(lineOfName(page, names[i - 1]), lineOfName(page, names[i])) << names[i];
}

TEST(AnalysisPage, MarksTicksAndBlankCells) {
    Congregation f;
    const DrawnReport page(f.doc, drawAnalysisAtoZ);
    const int heads = lineWith(page.lines, "Berdinas");
    ASSERT_GE(heads, 0);
    const TextRun& reportedHead = *page.lines[heads].find("Berdinas");
    const TextRun& studiesHead = *page.lines[heads].find("PAR");
    const TextRun& auxHead = *page.lines[heads].find("PE");
    const TextRun& hoursHead = *page.lines[heads].find("Jam");
    const auto under = [](const TextRun& cell, const TextRun& head) {
        return cell.x < head.x + head.width && cell.x + cell.width > head.x;
    };

    // Budi: not baptized, not reported: marks, and no figures at all.
    const auto& budi = page.lines[lineOfName(page, "Hasan")];
    ASSERT_GE(budi.runs.size(), 2u);
    EXPECT_EQ(budi.runs[1].text.substr(0, 4), "§ #");
    EXPECT_EQ(budi.runs.size(), 2u) << budi.joined();

    // Ani: a publisher: a tick, her studies, no auxiliary tick, no hours.
    const auto& ani = page.lines[lineOfName(page, "Lubis")];
    ASSERT_EQ(ani.runs.size(), 3u) << ani.joined();
    EXPECT_EQ(ani.runs[1].text, kTick);
    EXPECT_TRUE(under(ani.runs[1], reportedHead));
    EXPECT_EQ(ani.runs[2].text, "   2");
    EXPECT_TRUE(under(ani.runs[2], studiesHead));

    // Fajar: auxiliary pioneer with hours.
    const auto& fajar = page.lines[lineOfName(page, "Ekstra")];
    ASSERT_EQ(fajar.runs.size(), 5u) << fajar.joined();
    EXPECT_TRUE(under(fajar.runs[3], auxHead));
    EXPECT_EQ(fajar.runs[3].text, kTick);
    EXPECT_EQ(fajar.runs[4].text, "  31");
    EXPECT_TRUE(under(fajar.runs[4], hoursHead));

    // Citra: regular pioneer, marked "PB", with hours and no auxiliary tick.
    const auto& citra = page.lines[lineOfName(page, "Wijaya")];
    ASSERT_EQ(citra.runs.size(), 5u) << citra.joined();
    EXPECT_EQ(citra.runs[1].text, "PB");
    EXPECT_EQ(citra.runs[4].text, "  52");
}

TEST(AnalysisPage, BranchBoxShowsTheTally) {
    Congregation f;
    // A special pioneer counts in the category table but not in the box.
    auto& sp = f.add(107, "Hana", "Istimewa");
    sp.group = 1;
    reportMonths(sp, kNov2024, 6, 130, 2, ServiceSpecial);
    f.sort();
    const DrawnReport page(f.doc, drawAnalysisPioneersGroups);
    const CategoryTally& t = f.doc.tally();

    const int title = lineWith(page.lines, "Laporan November ke Kantor Cabang - 8 Penyiar Aktif");
    ASSERT_GE(title, 0);
    const auto& heads = page.lines[title + 1];
    EXPECT_EQ(heads.joined(), "Berdinas | Jam | PAR");
    const auto row = [&](int k) { return page.lines[title + 2 + k].joined(); };
    using namespace TallyCategory;
    using namespace TallyValue;
    EXPECT_EQ(row(0), text::formatPrintf("Pnyr | %4d | %4d", t.at(Publishers, Count),
                                         t.at(Publishers, Studies)));
    EXPECT_EQ(row(1), text::formatPrintf("PE | %4d | %6d | %4d", t.at(Auxiliary, Count),
                                         t.at(Auxiliary, Hours), t.at(Auxiliary, Studies)));
    EXPECT_EQ(row(2), text::formatPrintf("PB | %4d | %6d | %4d", t.at(Regular, Count),
                                         t.at(Regular, Hours), t.at(Regular, Studies)));
    EXPECT_EQ(row(3), "Total |    6 |     83 |   11");
    EXPECT_EQ(CategoryTotal(t, Hours), 83);
    // The special pioneer's 130 hours are in the category table.
    const int special = lineWith(page.lines, "Perintis Istimewa");
    ASSERT_GE(special, 0);
    EXPECT_LT(special, title);
    EXPECT_TRUE(page.lines[special].has(" 130.0"));
}

TEST(AnalysisPage, ClosingLinesWithShares) {
    Congregation f;
    const DrawnReport page(f.doc, drawAnalysisAtoZ);
    const int total = lineWith(page.lines, "Total Penyiar");
    ASSERT_GE(total, 0);
    EXPECT_EQ(page.lines[total].joined(), "Total Penyiar |    7");
    EXPECT_EQ(page.lines[total + 1].joined(), "PE | Perintis ekstra  |    1 | 14%");
    EXPECT_EQ(page.lines[total + 3].joined(), "# | Tidak Lapor Bulan Ini |    1 | 14%");
    EXPECT_EQ(page.lines[total + 4].joined(), "§ | Belum Terbaptis |    1 | 14%");
}

TEST(GroupAnalysis, TitleOverseerAndOnlyTheGroupsMembers) {
    Congregation f;
    const DrawnReport one(f.doc, drawGroupAnalysis, 1);
    EXPECT_EQ(one.lines[0].runs[0].text, "November Laporan KDL # 1");
    EXPECT_EQ(one.lines[1].runs[0].text, "Pengawas: Ani Lubis");
    EXPECT_GE(lineOfName(one, "Lubis"), 0);
    EXPECT_LT(lineOfName(one, "Hasan"), 0);

    const DrawnReport two(f.doc, drawGroupAnalysis, 2);
    EXPECT_EQ(two.lines[0].runs[0].text, "November Report for Kasih");
    f.rec(106).flags = static_cast<std::uint8_t>(f.rec(106).flags | PrivilegeServant);
    const DrawnReport servant(f.doc, drawGroupAnalysis, 2);
    EXPECT_EQ(servant.lines[1].runs[0].text, "Hamba: Gita Purba");
}

TEST(GroupAnalysis, GroupWithoutMembersDrawsNothing) {
    Congregation f;
    const DrawnReport empty(f.doc, drawGroupAnalysis, 3);
    EXPECT_TRUE(empty.canvas.runs().empty());
    EXPECT_TRUE(empty.canvas.lines().empty());
    EXPECT_EQ(1, empty.pages);
    ReportViewState view;
    EXPECT_FALSE(view.show(f.doc, 2, 3));
    EXPECT_TRUE(view.show(f.doc, 2, 1));
}

TEST(SummaryPage, NoPublisherRowsOnlyTotals) {
    Congregation f;
    const DrawnReport page(f.doc, drawSummary);
    EXPECT_EQ(page.lines[0].runs[0].text, "Ringkasan Laporan November");
    EXPECT_LT(lineOfName(page, "Lubis"), 0);
    for (const auto& t : page.texts()) EXPECT_NE(t, kTick);
    const int heads = lineWith(page.lines, "PAR");
    ASSERT_GE(heads, 0);
    EXPECT_FALSE(page.lines[heads].has("PE"));
    EXPECT_TRUE(page.lines[heads].has("Jam"));
    EXPECT_GE(lineWith(page.lines, "Laporan November ke Kantor Cabang - 7 Penyiar Aktif"), 0);
    EXPECT_GE(lineWith(page.lines, "Laporan Hadirin Perhimpunan "), 0);
}

TEST(AnalysisPage, NothingWithoutActivePublishers) {
    AnalyticsFixture f;
    for (DrawReport draw : {drawAnalysisPioneersGroups, drawAnalysisAtoZ, drawSummary}) {
        const DrawnReport page(f.doc, draw);
        EXPECT_TRUE(page.canvas.runs().empty());
        EXPECT_EQ(1, page.pages);
    }
}

// Many publishers: rows run over several pages; every page holds as many
// rows as fit, repeats the column heads, and nothing leaves the body.
struct LargeCongregation : AnalyticsFixture {
    explicit LargeCongregation(int n) {
        for (int i = 0; i < n; ++i) {
            auto& r = add(static_cast<PublisherId>(200 + i), "Nama" + std::to_string(1000 + i),
                          "Keluarga");
            setBaptism(r, 1, 1, 2000);
            r.group = static_cast<std::uint8_t>(1 + i % 3);
            reportAt(r, kNov2024, 0, i % 3);
        }
        doc.groups().data().count = 3;
        sort();
        open();
    }
};

const std::string kContinued = " (lanjutan)";

bool endsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool isPageNumber(const test::PageLine& line) {
    return line.runs.size() == 1 && line.runs[0].text.rfind("Halaman ", 0) == 0;
}

TEST(AnalysisPage, PageBreaksKeepEveryRowInsideTheBody) {
    LargeCongregation f(150);
    const auto isRow = [](const test::PageLine& line) {
        return line.runs[0].text.find("Nama1") != std::string::npos;
    };
    std::array<int, 2> firstPageRows{};
    for (int length : {kPageLengthTenths, kA4PageLengthTenths}) {
        const DrawnReport page(f.doc, drawAnalysisPioneersGroups, 0, 96, length);
        ReportFonts fonts;
        RecordingCanvas probe(96, 96);
        ReportContext ctx{f.doc, probe, fonts};
        ctx.pageLengthTenths = length;
        PageFlow flow(ctx);
        const int rowSpacing = flow.spacing(FontRole::Text);

        ASSERT_GT(page.pages, 2);
        std::set<std::string> names;
        std::vector<int> lastY(page.pages + 1, 0);
        for (const auto& line : page.lines) {
            ASSERT_LE(line.page, page.pages);
            if (isPageNumber(line)) continue;  // the foot, below the body
            EXPECT_GE(line.y, flow.bodyTop(line.page));
            EXPECT_LE(line.y + line.runs[0].height, flow.bodyBottom(line.page));
            lastY[line.page] = std::max(lastY[line.page], line.y);
            if (isRow(line)) names.insert(line.runs[0].text);
            if (isRow(line) && line.page == 1) ++firstPageRows[length == kPageLengthTenths ? 0 : 1];
        }
        EXPECT_EQ(150u, names.size());  // no row lost or doubled at a break
        for (int p = 2; p <= page.pages; ++p) {
            int first = 0;
            while (page.lines[first].page != p) ++first;
            const bool continued = endsWith(page.lines[first + 2].runs[0].text, kContinued);
            if (!isRow(page.lines[first + (continued ? 3 : 2)])) continue;
            // Rows go on: the page starts with the title and the column
            // heads, and the page before is full (the next row, or a heading
            // with its first row, would not have fit).
            EXPECT_EQ(page.lines[first].runs[0].text, "Laporan Sidang untuk November") << p;
            EXPECT_TRUE(page.lines[first + 1].has("Berdinas")) << p;
            EXPECT_GT(lastY[p - 1] + 3 * rowSpacing, flow.bodyBottom(p - 1)) << p;
        }
        // The last page is the one the flow reached.
        EXPECT_EQ(page.pages, page.lines.back().page);
    }
    // A4 pages are an inch longer and hold more rows.
    EXPECT_GE(firstPageRows[1], firstPageRows[0] + 5);
}

// Every page of a report of several pages carries "Halaman p dari n" below
// its body, once; a report of one page carries none.
void expectPageNumbers(const DrawnReport& page, const PageFlow& flow, int kind) {
    std::vector<int> numbered(static_cast<std::size_t>(page.pages) + 1, 0);
    for (const auto& line : page.lines) {
        if (!isPageNumber(line)) continue;
        ++numbered[static_cast<std::size_t>(line.page)];
        EXPECT_EQ(line.runs[0].text,
                  "Halaman " + std::to_string(line.page) + " dari " + std::to_string(page.pages))
            << kind;
        EXPECT_GT(line.y, flow.bodyBottom(line.page)) << kind;
        EXPECT_LE(line.y + line.runs[0].height, line.page * page.pageHeight) << kind;
    }
    for (int p = 1; p <= page.pages; ++p)
        EXPECT_EQ(numbered[static_cast<std::size_t>(p)], page.pages > 1 ? 1 : 0)
            << kind << " " << p;
}

TEST(AnalysisPage, EveryAnalysisNumbersItsPages) {
    LargeCongregation f(300);
    ReportFonts fonts;
    RecordingCanvas probe(96, 96);
    ReportContext ctx{f.doc, probe, fonts};
    const PageFlow flow(ctx);
    for (const auto& [kind, draw, group] :
         {std::tuple{1, &drawAnalysisPioneersGroups, 0}, std::tuple{110, &drawAnalysisAtoZ, 0},
          std::tuple{2, &drawGroupAnalysis, 2}}) {
        const DrawnReport page(f.doc, draw, group);
        ASSERT_GT(page.pages, 1) << kind;
        expectPageNumbers(page, flow, kind);
    }
    // One page, no number.
    Congregation small;
    const DrawnReport one(small.doc, drawAnalysisPioneersGroups);
    ASSERT_EQ(one.pages, 1);
    expectPageNumbers(one, flow, 1);
}

TEST(AnalysisPage, AGroupCarriedOverRepeatsItsHeadingAsContinued) {
    LargeCongregation f(150);
    const AnalysisData data = congregationAnalysis(f.doc, 0, AnalysisOrder::PioneersGroups, false);
    std::map<std::string, const AnalysisSection*> sectionOf;
    for (const AnalysisSection& section : data.sections)
        for (const AnalysisRow& row : section.rows) sectionOf[row.name] = &section;
    const DrawnReport page(f.doc, drawAnalysisPioneersGroups);
    ASSERT_GT(page.pages, 2);

    // Walk the rows: where a row's block already had rows on the page
    // before, the line above the page's first row is the block's heading
    // marked "(lanjutan)"; where the block begins, its plain heading.
    const AnalysisSection* previous = nullptr;
    int previousPage = 0, continuedPages = 0;
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        const auto row = sectionOf.find(page.lines[i].runs[0].text);
        if (row == sectionOf.end()) continue;
        const AnalysisSection* section = row->second;
        if (page.lines[i].page != previousPage) {
            ASSERT_GT(i, 0u);
            const std::string& above = page.lines[i - 1].runs[0].text;
            if (section == previous) {
                EXPECT_EQ(above, section->heading + kContinued) << page.lines[i].page;
                ++continuedPages;
            } else {
                EXPECT_EQ(above, section->heading) << page.lines[i].page;
            }
        }
        previous = section;
        previousPage = page.lines[i].page;
    }
    EXPECT_GT(continuedPages, 0);
    // The mark appears nowhere else: not above a block's first rows, not
    // after the publisher rows have ended.
    int marks = 0;
    for (const auto& line : page.lines) marks += endsWith(line.runs[0].text, kContinued) ? 1 : 0;
    EXPECT_EQ(marks, continuedPages);
    // The A to Z order has no blocks to continue.
    const DrawnReport atoZ(f.doc, drawAnalysisAtoZ);
    for (const auto& line : atoZ.lines) EXPECT_FALSE(endsWith(line.runs[0].text, kContinued));
}

TEST(AnalysisPage, PrintedAsTextPageByPage) {
    LargeCongregation f(150);
    ReportViewState view;
    ReportFonts fonts;
    TextPrintTarget target;
    ASSERT_TRUE(view.show(f.doc, 110));
    EXPECT_EQ(view.print(f.doc, fonts, target, {2024, 12, 5}), view.pageCount);
    const std::vector<std::string> pages = target.pages();
    ASSERT_EQ(static_cast<int>(pages.size()), view.pageCount);
    ASSERT_GT(pages.size(), 2u);
    EXPECT_EQ(pages[0].find("Laporan Sidang untuk November"), pages[0].find_first_not_of(' '));
    // Each page is in its own coordinates: the title and the heads open
    // page 2.
    EXPECT_EQ(pages[1].find("Laporan Sidang untuk November"), pages[1].find_first_not_of(' '));
    EXPECT_LT(pages[1].find("Berdinas"), pages[1].find("Nama1"));
    const std::string all = target.text();
    EXPECT_EQ(std::count(all.begin(), all.end(), '\f'), view.pageCount - 1);
    // The report ends with the month's attendance.
    EXPECT_NE(pages.back().find("Laporan Hadirin Perhimpunan"), std::string::npos);
}

}  // namespace
}  // namespace velno::print
