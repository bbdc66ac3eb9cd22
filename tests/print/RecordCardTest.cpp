// The publisher record card: its numbers (forms, boxes, totals, blanks)
// and its drawing on the recording canvas (positions, columns, group).

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

#include "print/RecordCardPage.h"
#include "print/RecordCardPrinting.h"
#include "print/RecordCardViewerModel.h"
#include "print/RecordingCanvas.h"
#include "print/ReportViewState.h"
#include "print/TextPrintTarget.h"
#include "reporting/AnalyticsFixture.h"
#include "reporting/RecordCard.h"

namespace velno {
namespace {

using test::AnalyticsFixture;
using test::reportAt;

constexpr int kNov2023 = 286;
constexpr int kSep2023 = 284;
constexpr int kNov2024 = 298;

PublisherRecord& addWithRemark(AnalyticsFixture& f, PublisherId id, int stamp, const char* remark) {
    auto& r = f.add(id, "Rina", "Tobing");
    RemarkEntry e{};
    std::strncpy(e.text, remark, sizeof e.text - 1);
    e.month = static_cast<std::uint8_t>(month0OfStamp(stamp) + 1);
    e.parity = static_cast<std::uint8_t>(parityOfYear(yearOfStamp(stamp)));
    e.id = id;
    r.remarkIndex[slotOf(stamp)] = static_cast<std::uint16_t>(f.doc.remarks().append(e));
    return r;
}

RecordCard cardOf(AnalyticsFixture& f, PublisherId id, CardRequest request = {}) {
    return buildRecordCard(f.doc, f.pos(id), request);
}

TEST(RecordCard, ServiceYear2024IsNewFormAnd2023TheFiveNumberForm) {
    AnalyticsFixture f({2023, 12, 5});  // ReportMonth November 2023
    auto& r = f.add(300, "Budi", "Hasan");
    reportAt(r, kNov2023, 0, 2);             // shared, two studies
    r.placements[slotOf(kSep2023 - 1)] = 7;  // August 2023: old form
    r.hours[slotOf(kSep2023 - 1)] = 5;
    r.studiesWord[slotOf(kSep2023 - 1)] = 2u << 12;  // and a half hour
    f.open();
    const RecordCard card = cardOf(f, 300);
    ASSERT_EQ(card.tables.size(), 2u);
    EXPECT_EQ(card.tables[0].serviceYear, 2024);
    EXPECT_EQ(card.tables[0].form, CardForm::New);
    EXPECT_EQ(card.tables[1].serviceYear, 2023);
    EXPECT_EQ(card.tables[1].form, CardForm::Old);
    // Rows run September to August.
    EXPECT_EQ(card.tables[0].rows.front().month0, 8);
    EXPECT_EQ(card.tables[0].rows.back().month0, 7);
    const CardRow& nov = card.tables[0].rows[2];
    EXPECT_TRUE(nov.shared);
    EXPECT_EQ(nov.studies, 2);
    EXPECT_FALSE(nov.hours) << "a publisher's hours are not printed";
    const CardRow& aug = card.tables[1].rows[11];
    EXPECT_EQ(aug.items[0], "7");
    EXPECT_EQ(aug.items[2], "5½");
    EXPECT_EQ(aug.items[1], "") << "zero prints blank";
}

TEST(RecordCard, HeaderBoxesFollowSexPrivilegeServiceAndHope) {
    AnalyticsFixture f;
    auto& elder = f.add(300, "Andi", "Lubis");
    elder.flags |= RecordFlag::Brother | PrivilegeElder;
    test::setBaptism(elder, 1, 2, 1990);
    elder.hope = 'A';
    test::kindAt(elder, kNov2024, ServiceRegular);
    auto& sister = f.add(301, "Sari", "Lubis");
    sister.flags |= RecordFlag::Sister;
    sister.categoryBits |= CategoryBit::Missionary;
    f.open();
    const CardHeader a = cardOf(f, 300).header;
    EXPECT_TRUE(a.boxes[BoxMale]);
    EXPECT_TRUE(a.boxes[BoxElder]);
    EXPECT_TRUE(a.boxes[BoxRegularPioneer]);
    EXPECT_TRUE(a.boxes[BoxAnointed]);
    EXPECT_FALSE(a.boxes[BoxOtherSheep] || a.boxes[BoxServant] || a.boxes[BoxFemale] ||
                 a.boxes[BoxSpecialPioneer] || a.boxes[BoxMissionary]);
    EXPECT_EQ(a.baptism, "2 Januari 1990");
    const CardHeader s = cardOf(f, 301).header;
    EXPECT_TRUE(s.boxes[BoxFemale]);
    EXPECT_TRUE(s.boxes[BoxMissionary]);
    // Not baptised: neither hope box, however `hope` reads.
    EXPECT_FALSE(s.boxes[BoxOtherSheep] || s.boxes[BoxAnointed]);
    EXPECT_EQ(s.baptism, "");
}

TEST(RecordCard, BirthDateShowsTheYearAloneWhenHidden) {
    AnalyticsFixture f;
    auto& r = f.add(300, "Andi", "Lubis");
    test::setBirth(r, 7, 2, 1970);
    CardRequest request;
    EXPECT_EQ(cardOf(f, 300, request).header.birth, "2 Juli 1970");
    request.options.hideBirth = true;
    EXPECT_EQ(cardOf(f, 300, request).header.birth, "1970");
}

TEST(RecordCard, PioneerTotalsObeyHideTotalsPerYearAndSkipNonPioneers) {
    AnalyticsFixture f;  // November 2024: service years 2025 and 2024
    auto& p = f.add(300, "Andi", "Lubis");
    auto& q = f.add(301, "Budi", "Lubis");
    for (int i = 0; i < 15; ++i) {
        reportAt(p, kNov2024 - i, 50, 0, ServiceRegular);
        reportAt(q, kNov2024 - i, 10);
    }
    f.open();
    CardRequest request;
    RecordCard card = cardOf(f, 300, request);
    EXPECT_EQ(card.tables[0].newTotals[3], "150");  // September to November
    EXPECT_EQ(card.tables[1].newTotals[3], "600");  // all twelve
    EXPECT_EQ(card.tables[0].rows[0].hours, 50);
    request.options.hideTotals[0] = true;
    card = cardOf(f, 300, request);
    EXPECT_EQ(card.tables[0].newTotals[3], "");
    EXPECT_EQ(card.tables[1].newTotals[3], "600");
    EXPECT_EQ(cardOf(f, 301).tables[0].newTotals[3], "") << "no total for a publisher";
}

TEST(RecordCard, MonthsTheSlotsDoNotHoldForTheCardArePrintedBlank) {
    // December 2023's report lies in the slot December 2025 would use: the
    // current service year's December (still to come) must not show it.
    AnalyticsFixture f;
    auto& r = f.add(300, "Andi", "Lubis");
    reportAt(r, kNov2024 - 11, 9, 3);  // December 2023
    reportAt(r, kNov2024, 4, 1);       // the ReportMonth
    f.setState(0);
    const RecordCard notOpen = cardOf(f, 300);
    EXPECT_TRUE(notOpen.tables[0].rows[2].blank) << "the month is not collected yet";
    f.open();
    const RecordCard card = cardOf(f, 300);
    EXPECT_FALSE(card.tables[0].rows[2].blank);
    EXPECT_TRUE(card.tables[0].rows[3].blank);  // December 2024: to come
    EXPECT_FALSE(card.tables[1].rows[3].blank);
    EXPECT_EQ(card.tables[1].rows[3].studies, 3);
    // One year further back: September to November 2022 lie beyond the 24
    // months held (their slots hold 2024's months).
    CardRequest previous;
    previous.previous = true;
    const RecordCard back = cardOf(f, 300, previous);
    EXPECT_EQ(back.tables[1].serviceYear, 2023);
    EXPECT_TRUE(back.tables[1].rows[0].blank);
    EXPECT_TRUE(back.tables[1].rows[2].blank);
    EXPECT_FALSE(back.tables[1].rows[3].blank);
}

TEST(RecordCard, FiveNumberRemarksTotalsAndAverages) {
    AnalyticsFixture f({2023, 12, 5});
    constexpr int kJun2023 = kSep2023 - 3;
    auto& r = addWithRemark(f, 300, kJun2023, "Sakit");
    // June: auxiliary, under an hour, with a remark; July: 10 h and ¾.
    r.serviceKind[slotOf(kJun2023)] = ServiceAuxiliary;
    r.studiesWord[slotOf(kJun2023)] = StudiesWord::SharedOrUnderHour | 1;
    r.hours[slotOf(kJun2023 + 1)] = 10;
    r.studiesWord[slotOf(kJun2023 + 1)] = 3u << 12;
    r.returnVisits[slotOf(kJun2023 + 1)] = 4;
    f.open();
    CardRequest request;
    const RecordCard card = cardOf(f, 300, request);
    const CardTable& t = card.tables[1];
    ASSERT_EQ(t.form, CardForm::Old);
    EXPECT_EQ(t.rows[9].remark, "Perintis ekstra Less than 1 h. Sakit");
    EXPECT_EQ(t.rows[10].items[2], "10¾");
    EXPECT_EQ(t.totals[2], "10¾");
    EXPECT_EQ(t.totals[3], "4");
    EXPECT_EQ(t.totals[4], "1");
    // Averaged over the two months reported.
    EXPECT_EQ(t.averages[2], "5.4");
    EXPECT_EQ(t.averages[3], "2.0");
    EXPECT_EQ(t.averages[0], "") << "no placements at all";
    request.options.hideAverages[1] = true;
    request.options.hideTotals[1] = true;
    const RecordCard hiddenCard = cardOf(f, 300, request);
    const CardTable& hidden = hiddenCard.tables[1];
    EXPECT_EQ(hidden.totals[2], "");
    EXPECT_EQ(hidden.averages[2], "");
}

TEST(RecordCard, SummaryCardAveragesPerMonthSoFar) {
    AnalyticsFixture f;
    auto& a = f.add(300, "Andi", "Lubis");
    auto& b = f.add(301, "Budi", "Lubis");
    auto& gone = f.add(302, "Cici", "Lubis", ListInactive);
    for (int i = 0; i < 3; ++i) {
        reportAt(a, kNov2024 - i, 30, 1, ServiceRegular);
        reportAt(b, kNov2024 - i, 0, 2);
        reportAt(gone, kNov2024 - i, 70, 5, ServiceRegular);
    }
    f.sort();
    f.open();
    const RecordCard card = buildSummaryCard(f.doc, false, {});
    ASSERT_TRUE(card.summary);
    const CardTable& t = card.tables[0];
    EXPECT_EQ(t.rows[0].sharedCount, 2);
    EXPECT_EQ(t.rows[0].studies, 3);
    EXPECT_EQ(t.rows[0].hours, 30);
    EXPECT_EQ(t.newTotals[0], " 2.0");
    EXPECT_EQ(t.newTotals[1], " 3.0");
    EXPECT_EQ(t.newTotals[3], "30.0");
    EXPECT_EQ(buildSummaryCard(f.doc, true, {}).tables[0].rows[0].hours, 70);
}

TEST(RecordCard, OptionsPackIntoTheSettingsAndSayWhetherTheyChanged) {
    Settings s;
    CardOptions o = CardOptions::fromSettings(s);
    EXPECT_FALSE(o.storeInto(s));
    o.hideTotals[0] = true;
    o.hideAverages[1] = true;
    o.onePerPage = true;
    EXPECT_TRUE(o.storeInto(s));
    EXPECT_EQ(s.hideAverages, 4 | 2);
    EXPECT_EQ(s.onePerPage, 1);
    const CardOptions back = CardOptions::fromSettings(s);
    EXPECT_TRUE(back.hideTotals[0]);
    EXPECT_FALSE(back.hideTotals[1]);
    EXPECT_TRUE(back.hideAverages[1]);
    EXPECT_FALSE(o.storeInto(s));
}

// Drawing.

struct DrawnCards {
    print::RecordingCanvas canvas{300, 300, true};
    print::ReportFonts fonts;
    print::CardJob job;
    int pages = 0;

    void draw(const CVelnoDoc& doc, int pageLength = print::kPageLengthTenths) {
        print::ReportViewState view;
        view.pageLengthTenths = pageLength;
        view.cards = &job;
        print::ReportContext ctx = view.contextFor(doc, canvas, fonts, {2024, 12, 5});
        pages = print::drawRecordCards(ctx);
    }
    std::vector<const print::TextRun*> find(const std::string& text) const {
        std::vector<const print::TextRun*> out;
        for (const auto& r : canvas.runs())
            if (r.text == text) out.push_back(&r);
        return out;
    }
};

TEST(RecordCardDrawing, TwoCardsToAPageAtOneAndSixInches) {
    AnalyticsFixture f;
    f.add(300, "Andi", "Lubis");
    f.add(301, "Budi", "Lubis");
    f.sort();
    f.open();
    DrawnCards d;
    d.job.positions = print::cardPositions(f.doc, false);
    d.draw(f.doc);
    EXPECT_EQ(d.pages, 2) << "a card of two years fills a page";
    const auto titles = d.find("CATATAN PENYIAR SIDANG");
    ASSERT_EQ(titles.size(), 4u);
    EXPECT_EQ(titles[0]->y, 300);               // 1 inch
    EXPECT_EQ(titles[1]->y, 1800);              // 6 inches
    EXPECT_EQ(titles[2]->y, 3300 + 300);        // next page of 11 inches
    EXPECT_EQ(titles[0]->anchorX, 150 + 1125);  // centred over 7.5 inches
    // One service year per page: a page per table.
    f.doc.settings().onePerPage = 1;
    DrawnCards one;
    one.job = d.job;
    one.draw(f.doc);
    EXPECT_EQ(one.pages, 4);
}

TEST(RecordCardDrawing, ColumnLinesStandAtTheLayoutPositionsOfEachForm) {
    AnalyticsFixture f({2023, 12, 5});
    f.add(300, "Andi", "Lubis");
    f.open();
    DrawnCards d;
    d.job.positions = {f.pos(300)};
    d.draw(f.doc);
    auto verticalAt = [&](int x, int minY, int maxY) {
        return std::count_if(d.canvas.lines().begin(), d.canvas.lines().end(), [&](const auto& l) {
            return l.x1 == x && l.x2 == x && l.y1 >= minY && l.y1 < maxY;
        });
    };
    // Left edge at half an inch; lines at 0.88 .. 4.20 in (new form, upper
    // card), and also at 5.05 in on the five-number card below.
    for (const int at : {88, 165, 250, 335, 420}) {
        EXPECT_EQ(verticalAt(150 + at * 3, 0, 1800), 1) << at;
        EXPECT_EQ(verticalAt(150 + at * 3, 1800, 3300), 1) << at;
    }
    EXPECT_EQ(verticalAt(150 + 505 * 3, 0, 1800), 0);
    EXPECT_EQ(verticalAt(150 + 505 * 3, 1800, 3300), 1);
    EXPECT_EQ(d.find("Rata-rata").size(), 1u) << "only the five-number card averages";
    EXPECT_EQ(d.find("Keterangan").size(), 2u);
    // A4 paper narrows the card to 7¼ inches.
    DrawnCards a4;
    a4.job = d.job;
    a4.draw(f.doc, print::kA4PageLengthTenths);
    int widest = 0;
    for (const auto& r : a4.canvas.rects()) widest = std::max(widest, r.right - r.left);
    EXPECT_EQ(widest, 2175);
}

TEST(RecordCardDrawing, HoursLineUpOnTheirUnitsDigit) {
    AnalyticsFixture f({2023, 12, 5});
    constexpr int kJul2023 = kSep2023 - 2;
    auto& r = f.add(300, "Rina", "Tobing");
    // July 10¾ and August 5 of the five-number year: the total 15¾, the
    // average 7.9.
    r.hours[slotOf(kJul2023)] = 10;
    r.studiesWord[slotOf(kJul2023)] = 3u << 12;
    r.hours[slotOf(kJul2023 + 1)] = 5;
    f.open();
    DrawnCards d;
    d.job.positions = {f.pos(300)};
    d.draw(f.doc);
    // The five-number card is the lower one; its hours column lies between
    // the lines at 2.50 and 3.35 inches.
    std::set<int> wholeEnds, restStarts;
    std::vector<std::string> texts;
    for (const auto& run : d.canvas.runs()) {
        if (run.y < 1800 || run.x < 150 + 250 * 3 || run.x >= 150 + 335 * 3) continue;
        const bool rest = run.text == "¾" || run.text.front() == '.';
        // Figures only, not the heads and box labels above them.
        if (!rest && !std::isdigit(static_cast<unsigned char>(run.text.front()))) continue;
        texts.push_back(run.text);
        (rest ? restStarts : wholeEnds).insert(rest ? run.x : run.x + run.width);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"10", "¾", "5", "15", "¾", "7", ".9"}));
    ASSERT_EQ(wholeEnds.size(), 1u);
    EXPECT_EQ(restStarts, wholeEnds);
}

TEST(RecordCardDrawing, GroupIsPrintedOnlyWhenAskedAndSet) {
    AnalyticsFixture f;
    GroupFile& g = f.doc.groups().data();
    g.count = 1;
    setFieldText(g.name[0], "Kasih");
    g.showName[0] = 1;
    f.add(300, "Andi", "Lubis").group = 1;
    f.add(301, "Budi", "Lubis");
    f.sort();
    f.open();
    f.doc.settings().printGroup = 1;
    DrawnCards d;
    d.job.positions = print::cardPositions(f.doc, false);
    d.draw(f.doc);
    const auto group = d.find("Kasih");
    ASSERT_EQ(group.size(), 2u) << "both cards of Andi, none of Budi";
    EXPECT_EQ(group[0]->align, print::Align::Right);
    EXPECT_EQ(group[0]->y, d.find("Andi Lubis")[0]->y) << "on the name line";
    f.doc.settings().printGroup = 0;
    DrawnCards off;
    off.job = d.job;
    off.draw(f.doc);
    EXPECT_TRUE(off.find("Kasih").empty());
}

TEST(RecordCardDrawing, AllCardsGoPageByPageAndStopWhenCancelled) {
    AnalyticsFixture f;
    for (int i = 0; i < 5; ++i) f.add(static_cast<PublisherId>(300 + i), "Nama", std::to_string(i));
    f.sort();
    f.open();
    print::CardJob job;
    job.positions = print::cardPositions(f.doc, false);
    print::TextPrintTarget target;
    const print::ReportFonts fonts;
    auto result = print::printCards(f.doc, fonts, target, job, {2024, 12, 5});
    EXPECT_EQ(result.pages, 5);
    EXPECT_EQ(target.pages().size(), 5u);
    print::TextPrintTarget stopped;
    result = print::printCards(f.doc, fonts, stopped, job, {2024, 12, 5},
                               [](int done, int) { return done < 2; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.cards, 2);
}

}  // namespace
}  // namespace velno

namespace velno::print {
namespace {

TEST(RecordCardViewerReload, KeepsTheChosenPublisherWhenAnEditMovesHimInTheList) {
    test::AnalyticsFixture f;
    f.add(100, "Ani", "Lubis");
    f.add(101, "Budi", "Hasan");
    f.add(102, "Citra", "Wijaya");
    f.sort();
    f.open();
    RecordCardViewerModel m(f.doc);
    m.setCurrent(0);
    ASSERT_EQ(f.doc.store().at(m.currentPos()).id, 101);
    setFieldText(f.rec(101).lname, "Zulkarnain");  // renamed in the editor
    f.sort();
    m.reload();
    ASSERT_EQ(m.rows().size(), 3u);
    EXPECT_EQ(f.doc.store().at(m.currentPos()).id, 101);
    EXPECT_EQ(m.current(), 2) << "his new place in the name order";
}

}  // namespace
}  // namespace velno::print
