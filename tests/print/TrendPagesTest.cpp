// The trend pages as they come out on the page: three/six-month averages,
// the hours pages, service-year totals and the regular pioneers' hours.
// Figures are checked against the computing module, layout by the runs'
// positions.

#include <gtest/gtest.h>

#include <set>

#include "print/PageReading.h"
#include "print/ReportTitle.h"
#include "print/ReportViewState.h"
#include "print/TableReport.h"
#include "reporting/AnalyticsFixture.h"
#include "reporting/TrendPageData.h"
#include "text/Format.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {
namespace {

using test::DrawnReport;
using test::lineWith;
using test::PageLine;
using velno::test::AnalyticsFixture;
using velno::test::kindAt;
using velno::test::reportAt;
using velno::test::reportMonths;

constexpr int kNov2024 = 298;

DrawReport drawerOf(int kind) {
    const ReportKindInfo* info = findReportKind(kind);
    return info ? info->draw : nullptr;
}

// Five publishers in two groups; a third group has nobody. ReportMonth
// November 2024.
struct Trends : AnalyticsFixture {
    Trends() {
        doc.settings().congregationName = "Bukit Hijau";
        doc.settings().customCategoryEnabled = 1;
        doc.settings().customCategoryName = "Penerjemah";
        GroupFile& g = doc.groups().data();
        g.count = 3;
        setFieldText(g.overseer[0], "Ani Lubis");
        setFieldText(g.overseer[1], "Budi Hasan");
        setFieldText(g.overseer[2], "Nobody Here");

        // Ani: elder and regular pioneer all year, quarter hours in November.
        PublisherRecord& ani = member(100, "Ani", "Lubis", 1);
        ani.flags = PrivilegeElder;
        reportMonths(ani, kNov2024, 12, 52, 2, ServiceRegular);
        reportAt(ani, kNov2024, 52, 2, ServiceRegular, 2);
        ani.credit[slotOf(kNov2024)] = 5;
        // Budi: servant, reports without hours (ticks), not in September.
        PublisherRecord& budi = member(101, "Budi", "Hasan", 2);
        budi.flags = PrivilegeServant;
        reportMonths(budi, kNov2024, 12, 0, 1);
        budi.studiesWord[slotOf(kNov2024 - 2)] = 0;
        // Citra: auxiliary pioneer in October only.
        PublisherRecord& citra = member(102, "Citra", "Wijaya", 1);
        reportMonths(citra, kNov2024, 6, 0, 0);
        reportAt(citra, kNov2024 - 1, 31, 1, ServiceAuxiliary, 3);
        // Dedi: baptized brother in the custom category.
        PublisherRecord& dedi = member(103, "Dedi", "Saputra", 2);
        dedi.flags = PrivilegeBaptizedBrother | RecordFlag::CustomCategory;
        reportMonths(dedi, kNov2024, 3, 0, 3);
        // Eko: never reported.
        member(104, "Eko", "Mandiri", 1);
        sort();
        open();
    }
    PublisherRecord& member(PublisherId id, const std::string& first, const std::string& last,
                            int group) {
        PublisherRecord& r = add(id, first, last);
        r.group = static_cast<std::uint8_t>(group);
        return r;
    }
};

const PageLine* lineOf(const DrawnReport& page, const std::string& name) {
    for (const auto& line : page.lines)
        for (const auto& r : line.runs)
            if (r.text.find(name) != std::string::npos) return &line;
    return nullptr;
}

std::vector<std::string> textsOf(const PageLine& line) {
    std::vector<std::string> t;
    for (const auto& r : line.runs) t.push_back(r.text);
    return t;
}

// Names of the rows, top to bottom, among `names`.
std::vector<std::string> rowNames(const DrawnReport& page, const std::vector<std::string>& names) {
    std::vector<std::string> found;
    for (const auto& line : page.lines)
        for (const auto& name : names)
            if (!line.runs.empty() && line.runs[0].text.find(name) != std::string::npos)
                found.push_back(name);
    return found;
}

const std::vector<std::string> kEveryone = {"Hasan", "Lubis", "Mandiri", "Saputra", "Wijaya"};

// ---- three/six-month averages --------------------------------------------------

TEST(MonthAveragesPage, TitleSubtitleAndFiguresOfTheComputedRows) {
    Trends f;
    const DrawnReport page(f.doc, drawerOf(5));
    ASSERT_GE(page.lines.size(), 3u);
    EXPECT_EQ(page.lines[0].runs[0].text, "Rata2 Tiga/Enam Bulan hingga November");
    EXPECT_EQ(page.lines[1].runs[0].text, "Sidang - Bukit Hijau");
    EXPECT_EQ(1, page.pages);
    EXPECT_EQ(rowNames(page, kEveryone), kEveryone);  // store order

    const AveragesPage computed = averagesPage(f.doc, {Selection::Congregation});
    for (const AverageRow& row : computed.rows) {
        const PageLine* line = lineOf(page, row.name);
        ASSERT_NE(line, nullptr) << row.name;
        std::vector<std::string> expected = {row.name,
                                             std::to_string(row.reported3),
                                             "/",
                                             std::to_string(row.reported6),
                                             text::formatPrintf("%.1f", row.studies3),
                                             "/",
                                             text::formatPrintf("%.1f", row.studies6)};
        if (row.aux6 > 0)
            for (const auto& t :
                 {std::to_string(row.aux3), std::string("/"), std::to_string(row.aux6)})
                expected.push_back(t);
        for (const auto& t : {text::formatPrintf("%.1f", row.hours3), std::string("/"),
                              text::formatPrintf("%.1f", row.hours6)})
            expected.push_back(t);
        EXPECT_EQ(textsOf(*line), expected) << row.name;
    }
    // The auxiliary column is blank for those without an auxiliary month.
    const PageLine* budi = lineOf(page, "Hasan");
    ASSERT_NE(budi, nullptr);
    EXPECT_EQ(budi->runs.size(), 10u);
}

TEST(MonthAveragesPage, SlashesOfAColumnLineUp) {
    Trends f;
    const DrawnReport page(f.doc, drawerOf(5));
    // Every slash of the rows and of the closing block sits on one of the
    // four columns' split lines.
    std::set<int> anchors;
    int slashes = 0;
    for (const auto& line : page.lines)
        for (const auto& r : line.runs)
            if (r.text == "/") {
                anchors.insert(r.anchorX);
                ++slashes;
            }
    EXPECT_GT(slashes, 15);
    EXPECT_EQ(anchors.size(), 4u);
}

TEST(MonthAveragesPage, EachMenuEntryTakesItsPublishers) {
    Trends f;
    struct Case {
        int kind;
        int group;
        std::string subtitle;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {6, 1, "KDL # 1", {"Lubis", "Mandiri", "Wijaya"}},
        {6, 2, "KDL # 2", {"Hasan", "Saputra"}},
        {7, 0, "Perintis biasa - Bukit Hijau", {"Lubis"}},
        {8, 0, "Penatua - Bukit Hijau", {"Lubis"}},
        {9, 0, "Hamba pelayanan - Bukit Hijau", {"Hasan"}},
        {10, 0, "Saudara Terbaptis - Bukit Hijau", {"Saputra"}},
        {11, 0, "Penerjemah - Bukit Hijau", {"Saputra"}},
    };
    for (const Case& c : cases) {
        const DrawnReport page(f.doc, drawerOf(c.kind), c.group);
        ASSERT_GE(page.lines.size(), 2u) << c.kind;
        EXPECT_EQ(page.lines[1].runs[0].text, c.subtitle) << c.kind;
        EXPECT_EQ(rowNames(page, kEveryone), c.names) << c.kind << "/" << c.group;
    }
}

TEST(MonthAveragesPage, ClosingAveragesByServiceKind) {
    Trends f;
    const DrawnReport page(f.doc, drawerOf(5));
    const int heading = lineWith(page.lines, "Rata2 menurut jenis dinas");
    ASSERT_GE(heading, 0);
    // The averages of the rows of each service kind of the ReportMonth.
    const AveragesPage computed = averagesPage(f.doc, {});
    double studies3 = 0, studies6 = 0, hours3 = 0, hours6 = 0;
    const AverageRow* ani = nullptr;
    for (const AverageRow& row : computed.rows) {
        if (row.kind == ServiceRegular) ani = &row;
        if (row.kind != ServicePublisher) continue;
        studies3 += row.studies3 / 4;
        studies6 += row.studies6 / 4;
        hours3 += row.hours3 / 4;
        hours6 += row.hours6 / 4;
    }
    ASSERT_NE(ani, nullptr);
    const auto line = [](const std::string& label, double s3, double s6, double h3, double h6) {
        return std::vector<std::string>{label,
                                        text::formatPrintf("%.1f", s3),
                                        "/",
                                        text::formatPrintf("%.1f", s6),
                                        text::formatPrintf("%.1f", h3),
                                        "/",
                                        text::formatPrintf("%.1f", h6)};
    };
    EXPECT_EQ(textsOf(page.lines[static_cast<std::size_t>(heading) + 1]),
              line("Penyiar (4)", studies3, studies6, hours3, hours6));
    // One regular pioneer: his own averages.
    EXPECT_EQ(textsOf(page.lines[static_cast<std::size_t>(heading) + 2]),
              line("Perintis biasa (1)", ani->studies3, ani->studies6, ani->hours3, ani->hours6));
    // Kinds without a row get no line.
    EXPECT_EQ(static_cast<int>(page.lines.size()), heading + 3);
}

TEST(MonthAveragesPage, WithoutACustomCategoryTheSubtitleIsTheCongregationAndALineSaysWhy) {
    Trends f;
    f.doc.settings().customCategoryEnabled = 0;
    for (const int kind : {11, 38}) {
        const DrawnReport page(f.doc, drawerOf(kind));
        ASSERT_GE(page.lines.size(), 2u);
        EXPECT_EQ(page.lines[1].runs[0].text, "Bukit Hijau") << kind;
        EXPECT_NE(nullptr, lineOf(page, "Belum ada kategori tambahan")) << kind;
        EXPECT_EQ(nullptr, lineOf(page, "Saputra")) << kind;
    }
    // A category nobody active belongs to says so; one with a member has no such line.
    f.doc.settings().customCategoryEnabled = 1;
    for (const int kind : {11, 38}) {
        EXPECT_EQ(nullptr, lineOf(DrawnReport(f.doc, drawerOf(kind)), "Belum ada")) << kind;
        EXPECT_NE(nullptr, lineOf(DrawnReport(f.doc, drawerOf(kind)), "Saputra")) << kind;
    }
    f.doc.store().recordById(103)->flags = PrivilegeBaptizedBrother;
    for (const int kind : {11, 38})
        EXPECT_NE(nullptr, lineOf(DrawnReport(f.doc, drawerOf(kind)),
                                  "Belum ada penyiar aktif dalam kategori \"Penerjemah\"."))
            << kind;
}

TEST(MonthAveragesPage, GroupWithoutMembersDrawsNothing) {
    Trends f;
    for (const int kind : {6, 41})
        for (const int group : {0, 3, 7}) {
            const DrawnReport page(f.doc, drawerOf(kind), group);
            EXPECT_TRUE(page.canvas.runs().empty()) << kind << "/" << group;
            EXPECT_TRUE(page.canvas.lines().empty());
            EXPECT_EQ(1, page.pages);
        }
}

// ---- the hours pages ----------------------------------------------------------

TEST(HoursPages, MonthHeadsTicksFractionsAndAverage) {
    Trends f;
    const DrawnReport page(f.doc, drawerOf(40));
    EXPECT_EQ(page.lines[0].runs[0].text, "Jam 12 bulan terakhir hingga November");
    EXPECT_EQ(page.lines[1].runs[0].text, "Sidang - Bukit Hijau");
    const int heads = lineWith(page.lines, "Nama");
    ASSERT_GE(heads, 0);
    std::vector<std::string> months;
    for (const auto& r : page.lines[static_cast<std::size_t>(heads)].runs) months.push_back(r.text);
    EXPECT_EQ(months,
              (std::vector<std::string>{"Nama", "Des", "Jan", "Feb", "Mar", "Apr", "Mei", "Jun",
                                        "Jul", "Agt", "Sep", "Okt", "Nov", "Rata2"}));

    const HoursPage computed = hoursPage(f.doc, {});
    const std::string& tick = text::tr(text::TxTickMark);
    for (const HoursRow& row : computed.rows) {
        const PageLine* line = lineOf(page, row.name);
        ASSERT_NE(line, nullptr);
        std::vector<std::string> expected = {row.name};
        for (const HoursCell& cell : row.cells) {
            if (cell.kind == HoursCell::Tick) expected.push_back(tick);
            if (cell.kind != HoursCell::Hours) continue;
            const auto [whole, fraction] = splitFraction(cell.text);
            expected.emplace_back(whole);
            if (!fraction.empty()) expected.emplace_back(fraction);
        }
        expected.push_back(row.averageText);
        EXPECT_EQ(textsOf(*line), expected) << row.name;
    }

    // Ani's November: 52 hours and a half, the fraction right after the hours.
    const PageLine* ani = lineOf(page, "Lubis");
    ASSERT_NE(ani, nullptr);
    const TextRun* half = ani->find("½");
    ASSERT_NE(half, nullptr);
    const auto at = std::find_if(ani->runs.begin(), ani->runs.end(),
                                 [](const TextRun& r) { return r.text == "½"; });
    ASSERT_NE(at, ani->runs.begin());
    EXPECT_EQ((at - 1)->text, "52");
    EXPECT_EQ((at - 1)->x + (at - 1)->width, half->x);
    // Budi reported in eleven of the twelve months: eleven ticks, one blank.
    const PageLine* budi = lineOf(page, "Hasan");
    ASSERT_NE(budi, nullptr);
    const std::vector<std::string> budiTexts = textsOf(*budi);
    EXPECT_EQ(std::count(budiTexts.begin(), budiTexts.end(), tick), 11);
    // Eko never reported: his name and his average only.
    const PageLine* eko = lineOf(page, "Mandiri");
    ASSERT_NE(eko, nullptr);
    EXPECT_EQ(textsOf(*eko), (std::vector<std::string>{"Eko Mandiri", "0.0"}));
}

// Every figure below the heads ends where a head ends, over the units
// digit, and a quarter-hour fraction begins right there: a fraction never
// pushes its whole hours out of line, and no head stands beside its column.
void expectFiguresEndUnderHeads(const DrawnReport& page, int kind) {
    const int heads = lineWith(page.lines, "Nama");
    ASSERT_GE(heads, 0) << kind;
    std::set<int> headEnds;
    const PageLine& head = page.lines[static_cast<std::size_t>(heads)];
    for (std::size_t i = 1; i < head.runs.size(); ++i)
        headEnds.insert(head.runs[i].x + head.runs[i].width);
    int fractions = 0;
    for (const auto& line : page.lines) {
        if (line.y <= head.y || line.runs[0].text.rfind("Halaman", 0) == 0) continue;
        for (std::size_t i = 1; i < line.runs.size(); ++i) {
            const TextRun& r = line.runs[i];
            if (!splitFraction(r.text).first.empty())
                EXPECT_EQ(headEnds.count(r.x + r.width), 1u) << kind << ": " << line.joined();
            else
                EXPECT_EQ(headEnds.count(r.x), 1u) << kind << ": " << line.joined();
            fractions += splitFraction(r.text).first.empty() ? 1 : 0;
        }
    }
    EXPECT_GT(fractions, 0) << kind;
}

TEST(HoursPages, FiguresAndFractionsLineUpUnderTheirHeads) {
    Trends f;
    for (const int kind : {40, 44})
        expectFiguresEndUnderHeads(DrawnReport(f.doc, drawerOf(kind)), kind);
}

TEST(HoursPages, OldFormMonthsShowHoursNewFormPublishersATick) {
    AnalyticsFixture f({2024, 3, 5});  // ReportMonth February 2024: March 2023 .. February 2024
    auto& r = f.add(100, "Ani", "Lubis");
    reportAt(r, stampOf(2023, 7), 5, 0, ServicePublisher, 2);  // August 2023, old form
    reportAt(r, stampOf(2024, 0), 7);                          // January 2024, new form
    const DrawnReport page(f.doc, drawerOf(40));
    const PageLine* ani = lineOf(page, "Lubis");
    ASSERT_NE(ani, nullptr);
    EXPECT_EQ(textsOf(*ani),
              (std::vector<std::string>{"Ani Lubis", "5", "½", text::tr(text::TxTickMark), "1.0"}));
}

TEST(HoursPages, EachMenuEntryTakesItsPublishers) {
    Trends f;
    struct Case {
        int kind;
        int group;
        std::string subtitle;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {41, 2, "KDL # 2", {"Hasan", "Saputra"}},
        {42, 0, "Perintis biasa - Bukit Hijau", {"Lubis"}},
        {39, 0, "Perintis ekstra - Bukit Hijau", {"Wijaya"}},
        {43, 0, "Penatua dan Hamba Pelayanan - Bukit Hijau", {"Hasan", "Lubis"}},
        {48, 0, "Saudara Terbaptis - Bukit Hijau", {"Saputra"}},
        {38, 0, "Penerjemah - Bukit Hijau", {"Saputra"}},
    };
    for (const Case& c : cases) {
        const DrawnReport page(f.doc, drawerOf(c.kind), c.group);
        ASSERT_GE(page.lines.size(), 2u) << c.kind;
        EXPECT_EQ(page.lines[1].runs[0].text, c.subtitle) << c.kind;
        EXPECT_EQ(rowNames(page, kEveryone), c.names) << c.kind;
    }
    // On the auxiliary page only Citra's October is filled.
    const DrawnReport auxiliary(f.doc, drawerOf(39));
    const PageLine* citra = lineOf(auxiliary, "Wijaya");
    ASSERT_NE(citra, nullptr);
    EXPECT_EQ(textsOf(*citra), (std::vector<std::string>{"Citra Wijaya", "31", "¾", "32.0"}));
}

// ---- service-year totals ------------------------------------------------------

TEST(ServiceYearTotals, RowsAndTheTotalLine) {
    Trends f;
    const DrawnReport page(f.doc, drawerOf(44));
    EXPECT_EQ(page.lines[0].runs[0].text, "Total untuk Tahun Dinas  September - November");
    EXPECT_EQ(page.lines[1].runs[0].text, "Sidang - Bukit Hijau");
    EXPECT_EQ(page.lines[2].runs[0].text, "3 bulan tahun dinas");
    EXPECT_EQ(rowNames(page, kEveryone), kEveryone);

    const ServiceYearTotalsPage computed = serviceYearTotalsPage(f.doc, {});
    const auto expectRow = [&](const PageLine& line, const ServiceYearTotalsRow& row) {
        const auto [whole, fraction] = splitFraction(row.hoursText);
        std::vector<std::string> expected = {
            row.name, std::to_string(row.reportedMonths), std::to_string(row.studies),
            std::to_string(row.auxiliaryMonths), std::string(whole)};
        if (!fraction.empty()) expected.emplace_back(fraction);
        EXPECT_EQ(textsOf(line), expected) << row.name;
    };
    for (const auto& row : computed.rows) expectRow(*lineOf(page, row.name), row);
    // The total comes last, in bold, under a rule.
    const PageLine& total = page.lines.back();
    expectRow(total, computed.total);
    EXPECT_EQ(total.runs[0].text, "Total");
    EXPECT_GE(total.runs[0].font.weight, 700);
    EXPECT_EQ(computed.total.reportedMonths, 3 + 2 + 3 + 3);
    const auto& rules = page.canvas.lines();
    EXPECT_TRUE(std::any_of(rules.begin(), rules.end(), [&](const LineRun& l) {
        return l.y1 == l.y2 && l.y1 < total.y && l.y1 > page.lines[page.lines.size() - 2].y;
    }));
}

TEST(ServiceYearTotals, PioneerAndAppointedPages) {
    Trends f;
    const DrawnReport pioneers(f.doc, drawerOf(45));
    EXPECT_EQ(pioneers.lines[1].runs[0].text, "Perintis biasa - Bukit Hijau");
    EXPECT_EQ(rowNames(pioneers, kEveryone), std::vector<std::string>{"Lubis"});
    const DrawnReport appointed(f.doc, drawerOf(46));
    EXPECT_EQ(appointed.lines[1].runs[0].text, "Penatua dan Hamba Pelayanan - Bukit Hijau");
    EXPECT_EQ(rowNames(appointed, kEveryone), (std::vector<std::string>{"Hasan", "Lubis"}));
}

// ---- regular pioneers' hours ---------------------------------------------------

TEST(PioneerHoursPage, FiguresHeadsAndFootnote) {
    Trends f;
    // Citra became a regular pioneer in October.
    PublisherRecord& citra = f.rec(102);
    kindAt(citra, kNov2024 - 1, ServiceRegular);
    kindAt(citra, kNov2024, ServiceRegular);
    const DrawnReport page(f.doc, drawerOf(47));
    EXPECT_EQ(page.lines[0].runs[0].text, "Total untuk Tahun Dinas  September - November");
    EXPECT_EQ(page.lines[1].runs[0].text, "Perintis biasa");
    EXPECT_EQ(page.lines[2].runs[0].text, "Target: 50 jam per bulan");
    const int heads = lineWith(page.lines, "Nama");
    ASSERT_GE(heads, 0);
    EXPECT_EQ(textsOf(page.lines[static_cast<std::size_t>(heads)]),
              (std::vector<std::string>{"Nama", "Bln", "Jam", "Kredit", "Total", "Rata2", "Tersisa",
                                        "P/Bln"}));

    const PioneerHoursPage computed = pioneerHoursPage(f.doc);
    ASSERT_EQ(computed.rows.size(), 2u);
    for (const PioneerHoursRow& row : computed.rows) {
        const PageLine* line = lineOf(page, row.name);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(textsOf(*line),
                  (std::vector<std::string>{
                      row.name, std::to_string(row.elapsedMonths), std::to_string(row.hours),
                      std::to_string(row.credit), std::to_string(row.total),
                      text::formatPrintf("%.1f", row.average), std::to_string(row.remaining),
                      text::formatPrintf("%.1f", *row.perMonth)}));
    }
    EXPECT_NE(lineOf(page, "Citra Wijaya *"), nullptr);
    EXPECT_EQ(page.lines.back().runs[0].text,
              " * Terdaftar sbg perintis pada Oktober atau setelahnya.");
}

TEST(PioneerHoursPage, AugustHasNothingLeftToSpread) {
    AnalyticsFixture f({2024, 9, 5});  // ReportMonth August 2024
    auto& r = f.add(100, "Budi", "Hasan");
    reportMonths(r, f.stamp(), 12, 60, 0, ServiceRegular);
    const DrawnReport page(f.doc, drawerOf(47));
    EXPECT_EQ(lineWith(page.lines, "P/Bln"), -1);
    const PageLine* budi = lineOf(page, "Hasan");
    ASSERT_NE(budi, nullptr);
    EXPECT_EQ(textsOf(*budi),
              (std::vector<std::string>{"Budi Hasan", "12", "720", "0", "720", "60.0", "0"}));
    // No footnote when everybody pioneered from September.
    EXPECT_EQ(lineWith(page.lines, " * Terdaftar sbg perintis pada Oktober atau setelahnya."), -1);
}

// ---- pages and layout -----------------------------------------------------------

// 160 publishers, every one a regular pioneer with a long name, so that
// every trend page runs over several pages.
struct Crowd : AnalyticsFixture {
    Crowd() {
        doc.settings().congregationName = "Bukit Hijau";
        for (int i = 0; i < 160; ++i) {
            const std::string first = "Maria Theresia Magdalena " + std::to_string(1000 + i);
            PublisherRecord& r =
                add(static_cast<PublisherId>(100 + i), first, "Simanjuntak-Hutagalung");
            r.flags = PrivilegeElder;
            reportMonths(r, stamp(), 12, 100 + i % 50, 12, ServiceRegular);
            reportAt(r, stamp(), 123, 12, ServiceRegular, 3);
            r.credit[slotOf(stamp())] = 55;
        }
        sort();
    }
};

const std::vector<int> kMyKinds = {5, 7, 8, 11, 38, 39, 40, 42, 43, 44, 45, 46, 47, 48};

TEST(TrendPages, LongReportsBreakIntoPagesWithTheirHeadsRepeated) {
    Crowd f;
    for (const int kind : {5, 40, 44, 47}) {
        for (const int length : {kPageLengthTenths, kA4PageLengthTenths}) {
            const DrawnReport page(f.doc, drawerOf(kind), 0, 600, length);
            ASSERT_GT(page.pages, 2) << kind;
            // Every page: one title, one row of heads, a page number; the
            // last run lies on the last page.
            for (int p = 1; p <= page.pages; ++p) {
                int heads = 0, numbers = 0;
                for (const auto& line : page.lines) {
                    if (line.page != p) continue;
                    heads += line.has("Nama");
                    numbers += line.has(text::arg(text::tr(text::TxPageOf), std::to_string(p),
                                                  std::to_string(page.pages)));
                }
                EXPECT_EQ(heads, 1) << kind << " page " << p;
                EXPECT_EQ(numbers, 1) << kind << " page " << p;
            }
            EXPECT_EQ(page.lines.back().page, page.pages);
            // Every publisher once, in order.
            int rows = 0, last = -1;
            for (int i = 0; i < static_cast<int>(page.lines.size()); ++i)
                if (page.lines[i].runs[0].text.rfind("Maria", 0) == 0) {
                    ++rows;
                    EXPECT_GT(i, last);
                    last = i;
                }
            EXPECT_EQ(rows, 160) << kind;
        }
    }
}

TEST(TrendPages, RowsStayInsideTheBodyOfTheirPage) {
    Crowd f;
    f.doc.settings().topMargin = 90;
    for (const int kind : {5, 40, 44, 47}) {
        RecordingCanvas canvas(600, 600, true);
        ReportFonts fonts;
        ReportContext ctx{f.doc, canvas, fonts};
        const int pages = drawerOf(kind)(ctx);
        const PageFlow flow(ctx);
        for (const TextRun& r : canvas.runs()) {
            const int page = r.y / ctx.pageHeight() + 1;
            ASSERT_LE(page, pages);
            EXPECT_GE(r.y, flow.bodyTop(page)) << kind << " " << r.text;
            // Only the page number lies below the body.
            if (r.text.rfind("Halaman ", 0) == 0) continue;
            EXPECT_LE(r.y + r.height, flow.bodyBottom(page)) << kind << " " << r.text;
        }
    }
}

TEST(TrendPages, NothingOverlapsOrRunsPastTheRightMargin) {
    Crowd f;
    for (const int dpi : {96, 600}) {
        for (const int kind : kMyKinds) {
            const DrawnReport page(f.doc, drawerOf(kind), 0, dpi);
            RecordingCanvas probe(dpi, dpi, dpi != 96);
            ReportFonts fonts;
            ReportContext ctx{f.doc, probe, fonts};
            const int right = contentRight(ctx);
            for (const auto& line : page.lines) {
                for (std::size_t i = 0; i < line.runs.size(); ++i) {
                    const TextRun& r = line.runs[i];
                    EXPECT_LE(r.x + r.width, right) << kind << "@" << dpi << ": " << r.text;
                    EXPECT_GE(r.x, ctx.leftStart()) << kind << "@" << dpi << ": " << r.text;
                    if (i + 1 < line.runs.size()) {
                        EXPECT_LE(r.x + r.width, line.runs[i + 1].x)
                            << kind << "@" << dpi << ": " << line.joined();
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace velno::print

namespace velno::print {
namespace {

// Every run of a long report, printed page by page, comes out exactly once.
class BandPrinter : public PrintTarget {
public:
    RecordingCanvas recording{600, 600, true};
    Canvas& canvas() override { return recording; }
    void newPage() override {}
    bool paperIsA4() const override { return false; }
    bool makesCopies() const override { return true; }
    int copies() const override { return 1; }
    std::string printerName() const override { return "Test"; }
};

TEST(TrendPages, PrintedBandByBandEveryRowComesOutOnce) {
    Crowd f;
    for (const int kind : {5, 40, 44, 47}) {
        const DrawnReport whole(f.doc, drawerOf(kind), 0, 600);
        BandPrinter printer;
        ReportViewState view;
        ASSERT_TRUE(view.show(f.doc, kind));
        const ReportFonts fonts;
        EXPECT_EQ(view.print(f.doc, fonts, printer, {2024, 12, 5}), whole.pages) << kind;
        std::multiset<std::string> printed, drawn;
        for (const auto& r : printer.recording.runs()) printed.insert(r.text);
        for (const auto& t : whole.texts()) drawn.insert(t);
        EXPECT_EQ(printed, drawn) << kind;
    }
}

}  // namespace
}  // namespace velno::print
