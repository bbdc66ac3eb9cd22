// The card labels: the sheet kept in the settings, the first free label,
// one label a publisher with name, group and birth date, and the pages.

#include <gtest/gtest.h>

#include <set>

#include "print/CardLabels.h"
#include "print/RecordingCanvas.h"
#include "print/ReportViewState.h"
#include "reporting/AnalyticsFixture.h"
#include "store/files/ProfileFile.h"

namespace velno::print {
namespace {

using velno::test::AnalyticsFixture;

struct Labels : AnalyticsFixture {
    explicit Labels(int count) {
        doc.groups().data().count = 1;
        for (int i = 0; i < count; ++i) {
            auto& r = add(static_cast<PublisherId>(200 + i), "Nama" + std::to_string(100 + i), "K");
            r.group = i == 0 ? 0 : 1;
            setFieldText(r.birdate, makeDateText(3, 4, 1980));
        }
        sort();
        open();
    }
    ~Labels() { setLabelsToPrint({}); }

    int draw(RecordingCanvas& canvas, int pageLength = kA4PageLengthTenths) {
        ReportViewState view;
        EXPECT_TRUE(view.show(doc, kind::CardLabels));
        const ReportFonts fonts;
        ReportContext ctx = view.contextFor(doc, canvas, fonts, {2024, 12, 5});
        ctx.pageLengthTenths = pageLength;
        return view.draw(ctx);
    }
};

TEST(CardLabels, SheetIsKeptInTheSettingsClampedAndOnlyWhatDiffersIsWritten) {
    ProfileFile profile;
    EXPECT_EQ(readLabelSheet(profile).labels(), 24) << "A4 sheet of 3 x 8";
    FirstLabelModel model(profile);
    model.accept(profile);
    EXPECT_FALSE(profile.isModified()) << "defaults unchanged write nothing";
    model.setFirstLabel(20);
    model.setColumns(2);
    model.setRows(5);
    EXPECT_EQ(model.firstLabel(), 10) << "a smaller sheet moves the first label onto it";
    EXPECT_EQ(model.firstRow(), 5);
    EXPECT_EQ(model.firstColumn(), 2);
    model.setTopMargin(5000);
    model.accept(profile);
    const LabelSheet read = readLabelSheet(profile);
    EXPECT_EQ(read.columns, 2);
    EXPECT_EQ(read.rows, 5);
    EXPECT_EQ(read.topMargin, kMaxLabelMargin);
    profile.setInt("Label", "Kolom", 99);
    EXPECT_EQ(readLabelSheet(profile).columns, kMaxLabelColumns);
}

TEST(CardLabels, OneLabelAPublisherWithGroupAndBirthDateNoGroupWhenNone) {
    Labels f(2);
    const auto texts = labelTexts(f.doc, {f.pos(200), f.pos(201)});
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].name, "Nama100 K");
    EXPECT_EQ(texts[0].group, "") << "a publisher without a group prints no group";
    EXPECT_EQ(texts[1].group, "KDL # 1");
    EXPECT_EQ(texts[1].birth, "4 Maret 1980");
    f.doc.settings().labelBirthDate = 0;
    EXPECT_EQ(labelTexts(f.doc, {f.pos(201)})[0].birth, "");
}

TEST(CardLabels, FirstFreeLabelShiftsThePrintAndPagesHoldTheSheet) {
    Labels f(30);
    RecordingCanvas all;
    EXPECT_EQ(f.draw(all), 2) << "30 labels on sheets of 24";
    std::set<std::pair<int, int>> places;
    int names = 0;
    for (const TextRun& r : all.runs())
        if (r.text.rfind("Nama", 0) == 0) {
            ++names;
            places.insert({r.x, r.y});
        }
    EXPECT_EQ(names, 30);
    EXPECT_EQ(places.size(), 30u) << "no two labels on one place";
    std::set<int> columns;
    for (const auto& p : places) columns.insert(p.first);
    EXPECT_EQ(columns.size(), 3u);

    // Two chosen publishers from label 24: the last of the first sheet
    // and the first of the next.
    setLabelsToPrint({{f.pos(205), f.pos(206)}, 24});
    RecordingCanvas some;
    EXPECT_EQ(f.draw(some), 2);
    std::vector<TextRun> chosen;
    for (const TextRun& r : some.runs())
        if (r.text.rfind("Nama", 0) == 0) chosen.push_back(r);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[0].text, "Nama105 K");
    EXPECT_GT(chosen[0].x, chosen[1].x) << "bottom right, then top left";
    const int page = 96 * 12;
    EXPECT_LT(chosen[0].y, page);
    EXPECT_GE(chosen[1].y, page);
    // On a shorter page the rows still fit it.
    RecordingCanvas letter;
    setLabelsToPrint({{f.pos(205)}, 24});
    f.draw(letter, kPageLengthTenths);
    for (const TextRun& r : letter.runs()) EXPECT_LT(r.y, 96 * 11);
}

}  // namespace
}  // namespace velno::print
