// The page frame: geometry, fonts, the printing loop, the date stamp and
// the list header.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "print/PageFlow.h"
#include "print/RecordingCanvas.h"
#include "print/ReportFonts.h"
#include "print/ReportViewState.h"
#include "store/CVelnoDoc.h"
#include "support/StoreFixtures.h"

namespace velno::print {
namespace {

int threePages(ReportContext& ctx) {
    ctx.useFont(FontRole::Text);
    for (int page = 1; page <= 3; ++page)
        ctx.canvas.text(ctx.leftStart(), ctx.pageTop(page) + ctx.topMargin(),
                        "page " + std::to_string(page));
    return 3;
}

class FakePrinter : public PrintTarget {
public:
    RecordingCanvas recording{600, 600, true};
    bool a4 = false;
    bool driverCopies = false;
    int copyCount = 1;
    int pages = 1;
    std::vector<std::vector<TextRun>> printed;

    Canvas& canvas() override { return recording; }
    void newPage() override { ++pages; }
    bool paperIsA4() const override { return a4; }
    bool makesCopies() const override { return driverCopies; }
    int copies() const override { return copyCount; }
    std::string printerName() const override { return "Test"; }
};

TEST(PageFrame, ScrollAreaOfThreePagesOnScreen) {
    CVelnoDoc doc;
    ReportViewState view;
    view.showDrawing(threePages);
    EXPECT_EQ(ViewMode::Report, view.mode);
    ReportFonts fonts;
    RecordingCanvas screen(96, 96);
    auto ctx = view.contextFor(doc, screen, fonts, {2026, 12, 8});
    EXPECT_EQ(3, view.draw(ctx));
    const ScrollGeometry g = view.scrollGeometry();
    EXPECT_EQ(11 * 3 * 96, g.totalHeight);
    EXPECT_EQ(8 * 96, g.totalWidth);
    EXPECT_EQ(4 * 96, g.pageY);
    EXPECT_EQ(16, g.lineY);
    EXPECT_EQ(9, g.lineX);
    // On the screen an inch is eleven twelfths of the resolution.
    EXPECT_EQ(88, ctx.inchX());
    EXPECT_EQ(44, ctx.leftStart());
}

TEST(PageFrame, TopMarginAboveAnInchBecomesHalfAnInch) {
    CVelnoDoc doc;
    ReportFonts fonts;
    RecordingCanvas printer(600, 600, true);
    ReportContext ctx{doc, printer, fonts};
    doc.settings().topMargin = 50;
    EXPECT_EQ(300, ctx.topMargin());
    doc.settings().topMargin = 100;
    EXPECT_EQ(600, ctx.topMargin());
    doc.settings().topMargin = 150;
    EXPECT_EQ(300, ctx.topMargin());
    EXPECT_EQ(600, ctx.inchX());  // printers use their own resolution
}

TEST(PageFrame, AHugeTopMarginDoesNotOverflow) {
    CVelnoDoc doc;
    ReportFonts fonts;
    RecordingCanvas printer(1200, 1200, true);
    ReportContext ctx{doc, printer, fonts};
    doc.settings().topMargin = 22'000'000;
    EXPECT_EQ(600, ctx.topMargin());
}

// Counts how often a text is measured, and how many characters in all.
class MeasuringCanvas : public RecordingCanvas {
public:
    int textWidth(std::string_view text) override {
        ++measured;
        characters += text.size();
        return static_cast<int>(text.size()) * 7;
    }
    int measured = 0;
    std::size_t characters = 0;
};

TEST(FitText, CutsALongTextWithAFewMeasurements) {
    MeasuringCanvas c;
    const std::string name(200000, 'n');
    EXPECT_EQ(std::string(100, 'n'), fitText(c, name, 700));
    EXPECT_LT(c.measured, 40);
    EXPECT_LT(c.characters, 40 * name.size());
    EXPECT_EQ("", fitText(c, "abc", 6));
    EXPECT_EQ("abc", fitText(c, "abc", 21));
    // Whole characters only: "é" is two bytes.
    EXPECT_EQ("a\xC3\xA9", fitText(c, "a\xC3\xA9\xC3\xA9", 21));
}

// Text output in columns of 10 device units: plain characters of a 20-unit
// font are 10 wide, bold ones 11.
TEST(TextOutput, AlignedTextsKeepTheirAnchorColumnsWhateverTheirFont) {
    RecordingCanvas c(96, 96);
    LogicalFont text, bold;
    text.height = -20;
    bold.height = -20;
    bold.weight = 700;
    // A bold head and plain figures right-aligned at the same x end in the
    // same column, though the bold characters are wider.
    c.setFont(bold);
    c.text(100, 0, "Jam", Align::Right);
    c.text(200, 0, "Total", Align::Right);
    c.setFont(text);
    c.text(100, 30, "7", Align::Right);
    c.text(200, 30, "1234", Align::Right);
    // Hours and their fraction drawn edge to edge stay together; a centred
    // text centres on its column.
    c.text(100, 60, "12", Align::Right);
    c.text(100, 60, "\xC2\xBD", Align::Left);
    c.text(200, 60, "x", Align::Center);
    // Texts that would run into each other keep a blank between them.
    c.text(0, 90, "abcdefghij", Align::Left);
    c.text(30, 90, "k", Align::Left);
    EXPECT_EQ(c.toText(10),
              "       Jam     Total\n"
              "         7      1234\n"
              "        12\xC2\xBD         x\n"
              "abcdefghij k\n");
}

TEST(TextOutput, ValuesBlankByRuleShowADashOnlyInText) {
    RecordingCanvas page(96, 96);
    page.blankValue(60, 0, Align::Right);
    EXPECT_TRUE(page.runs().empty());
    RecordingCanvas text(96, 96);
    text.showBlanks(true);
    text.blankValue(60, 0, Align::Right);
    ASSERT_EQ(text.runs().size(), 1u);
    EXPECT_EQ(text.runs()[0].text, "-");
    EXPECT_EQ(text.runs()[0].x + text.runs()[0].width, 60);
}

TEST(PageFrame, PrintingCutsBandsAndShiftsTheOrigin) {
    CVelnoDoc doc;
    ReportViewState view;
    ReportFonts fonts;
    view.showDrawing(threePages);
    FakePrinter printer;
    printer.a4 = true;
    EXPECT_EQ(3, view.print(doc, fonts, printer, {2026, 12, 8}));
    EXPECT_EQ(3, printer.pages);
    const auto& runs = printer.recording.runs();
    ASSERT_EQ(3u, runs.size());
    // Each page's text lands at the same place of its own band (12 inches
    // of 600 dots on A4).
    for (const auto& r : runs) EXPECT_EQ(runs[0].y, r.y);
    EXPECT_EQ("page 3", runs[2].text);
    EXPECT_FALSE(view.a4);
    EXPECT_EQ(110, view.pageLengthTenths);
}

TEST(PageFrame, CopiesAreRepeatedOnlyWhenTheDriverDoesNot) {
    CVelnoDoc doc;
    ReportViewState view;
    ReportFonts fonts;
    view.showDrawing(threePages);
    FakePrinter printer;
    printer.copyCount = 2;
    EXPECT_EQ(6, view.print(doc, fonts, printer, {2026, 12, 8}));
    FakePrinter driver;
    driver.copyCount = 2;
    driver.driverCopies = true;
    EXPECT_EQ(2, view.print(doc, fonts, driver, {2026, 12, 8}, 2, 3));
}

TEST(PageFrame, PerGroupReportNeedsAMember) {
    CVelnoDoc doc;
    auto r = test::makeRecord(100, "Eka", "Putri");
    r.group = 2;
    doc.store().append(r);
    doc.rebuildIndex();
    ReportViewState view;
    EXPECT_FALSE(view.show(doc, 2, 1));
    EXPECT_EQ(ViewMode::Panel, view.mode);
    EXPECT_TRUE(view.show(doc, 2, 2));
    EXPECT_FALSE(view.show(doc, 999));
}

TEST(PageFrame, EveryKindOfTheTableExists) {
    for (int kind : {1,  110, 2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 20,  30,  38,  39,  40,  41,
                     42, 43,  44, 45, 46, 47, 48, 50, 51, 52, 53, 60, 61,  62,  63,  64,  70,  71,
                     72, 73,  74, 80, 81, 82, 83, 84, 90, 91, 95, 96, 100, 101, 103, 104, 120, 121})
        EXPECT_NE(nullptr, findReportKind(kind)) << kind;
    // ... and our own: the record cards (130).
    EXPECT_NE(nullptr, findReportKind(130));
    EXPECT_EQ(55u, reportKinds().size());
    // Short names are unique and lead back to their kind.
    for (const ReportKindInfo& k : reportKinds())
        EXPECT_EQ(&k, findReportKind(std::string_view(k.shortName))) << k.shortName;
}

TEST(DateStamp, OnlyOnPrintersAndWhenSwitchedOn) {
    CVelnoDoc doc;
    ReportFonts fonts;
    RecordingCanvas screen(96, 96, false);
    RecordingCanvas printer(600, 600, true);
    ReportContext onScreen{doc, screen, fonts};
    ReportContext onPaper{doc, printer, fonts};
    onScreen.today = onPaper.today = {2026, 12, 8};
    doc.settings().dateStamp = 1;
    EXPECT_FALSE(drawDateStamp(onScreen, 500, 10));
    EXPECT_TRUE(drawDateStamp(onPaper, 4000, 10));
    ASSERT_EQ(1u, printer.runs().size());
    EXPECT_EQ("Tercetak 8 Desember 2026", printer.runs()[0].text);
    EXPECT_EQ(Align::Right, printer.runs()[0].align);
    EXPECT_EQ(-10 * 600 / 96, printer.runs()[0].font.height);
    doc.settings().dateStamp = 0;
    EXPECT_FALSE(drawDateStamp(onPaper, 4000, 10));
    EXPECT_EQ("Tercetak 8/12/2026", dateStampText({2026, 12, 8}, "greek"));
}

TEST(ListHeader, TitleWithCongregationAndSubtitle) {
    CVelnoDoc doc;
    doc.settings().congregationName = "Bandung Utara";
    ReportFonts fonts;
    RecordingCanvas screen(96, 96);
    ReportContext ctx{doc, screen, fonts};
    const int below = drawListHeader(ctx, 0, {"Daftar Alamat", "Penatua & Hamba Pelayanan", true});
    const auto texts = screen.textsInOrder();
    ASSERT_EQ(3u, texts.size());
    EXPECT_EQ("( Konfidensial - Jangan Gandakan )", texts[0]);
    EXPECT_EQ("Daftar Alamat - Bandung Utara", texts[1]);
    EXPECT_EQ("Penatua & Hamba Pelayanan", texts[2]);
    ASSERT_EQ(1u, screen.lines().size());
    EXPECT_EQ(7 * ctx.inchX(), screen.lines()[0].x2 - screen.lines()[0].x1);
    EXPECT_GT(below, screen.runs().back().y);
    EXPECT_GT(listLinesPerPage(ctx), 40);
}

class MapStore : public FontSettingsStore {
public:
    std::map<std::string, std::string> values;
    int writes = 0;
    int getInt(const std::string& s, const std::string& k, int fallback) override {
        const auto it = values.find(s + "/" + k);
        return it == values.end() ? fallback : std::stoi(it->second);
    }
    std::string getString(const std::string& s, const std::string& k,
                          const std::string& f) override {
        const auto it = values.find(s + "/" + k);
        return it == values.end() ? f : it->second;
    }
    void setInt(const std::string& s, const std::string& k, int v) override {
        values[s + "/" + k] = std::to_string(v);
        ++writes;
    }
    void setString(const std::string& s, const std::string& k, const std::string& v) override {
        values[s + "/" + k] = v;
        ++writes;
    }
};

TEST(Fonts, DefaultsStoreAndRealisation) {
    MapStore store;
    ReportFonts fonts;
    fonts.load(store, ReportFonts::defaultSetFor(300), "in");
    EXPECT_EQ(-19, fonts.font(FontRole::Title).height);
    EXPECT_EQ("Arial", fonts.font(FontRole::Title).faceName);
    EXPECT_EQ(700, fonts.font(FontRole::Heading).weight);
    fonts.store(store);  // defaults were applied: every key is written
    EXPECT_EQ(35, store.writes);
    EXPECT_EQ("-19", store.values["Huruf Judul/Tinggi"]);

    ReportFonts again;
    store.writes = 0;
    again.load(store, ReportFonts::DefaultSet::LowResolution, "in");
    EXPECT_EQ(-19, again.font(FontRole::Title).height);  // stored values win
    LogicalFont bigger = again.font(FontRole::Text);
    bigger.height = -15;
    again.setFont(FontRole::Text, bigger);
    again.store(store);
    EXPECT_EQ(1, store.writes);  // only the changed key

    ReportFonts low;
    low.applyDefaults(ReportFonts::defaultSetFor(200), "tha");
    EXPECT_EQ("System", low.font(FontRole::Small).faceName);
    EXPECT_EQ(222, low.font(FontRole::Small).charSet);
    EXPECT_EQ(49, low.font(FontRole::Small).pitchAndFamily);

    const LogicalFont text = fonts.font(FontRole::Text);
    EXPECT_EQ(text, realiseFont(text, 96, 96, 96, 96));
    EXPECT_EQ(-13 * 300 / 96, realiseFont(text, 300, 300, 96, 96).height);
}

}  // namespace
}  // namespace velno::print
