// The CSV report import: the field rules and the check of the file, the
// two map files, the column and name maps, the rows read into the import
// image and the credit the merge gives a regular pioneer.

#include <gtest/gtest.h>

#include <cstring>

#include "exchange/ColumnMapFile.h"
#include "exchange/ColumnMapModel.h"
#include "exchange/CsvFile.h"
#include "exchange/CsvReportReader.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/NameMapFile.h"
#include "exchange/NameMapModel.h"
#include "store/FixedText.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {
namespace {

using test::Live;
using namespace StudiesWord;
using Fields = std::vector<std::string>;

TEST(CsvFields, FollowQuotesDoubledQuotesAndLeadingBlanks) {
    EXPECT_EQ((Fields{"Budi", "Santoso", "1", "", "12", "sakit"}),
              splitFields("Budi,  Santoso,1,,12,sakit", ','));
    EXPECT_EQ((Fields{"Santoso, Budi", "say \"hi\"", ""}),
              splitFields("\"Santoso, Budi\", \"say \"\"hi\"\"\",", ','));
    // Blanks are kept when the tab is the delimiter itself.
    EXPECT_EQ((Fields{"a", "", "b"}), splitFields("a\t\t  b", '\t'));
    // What follows a closing quote up to the delimiter stays after it; an
    // unclosed quote runs to the end of the line.
    EXPECT_EQ((Fields{"12 jam", "x"}), splitFields("\"12\" jam;x", ';'));
    EXPECT_EQ((Fields{"a;b"}), splitFields("\"a;b", ';'));
    EXPECT_EQ((Fields{""}), splitFields("", ','));
}

TEST(CsvFields, FiveSemicolonsOrTabsChooseTheDelimiter) {
    EXPECT_EQ(';', detectDelimiter("a,b;c;d;e;f;g,h"));
    EXPECT_EQ('\t', detectDelimiter("a\tb\tc\td\te\tf;g;h"));
    EXPECT_EQ(',', detectDelimiter("a;b;c;d;e\tf"));
}

TEST(CsvCheck, TakesAHeaderAndRowsOfItsWidthOrOneLess) {
    CsvTable t;
    std::string message;
    ASSERT_TRUE(parseCsv("Nama,Berdinas,PAR,Jam,Ket\r\nBudi S,1,2,10,baik\r\nAni S,1,0,0\r\n\r\n",
                         t, message));
    ASSERT_EQ(2u, t.rows.size());
    EXPECT_EQ(4u, t.rows[1].fields.size());
    EXPECT_EQ("Ket", t.header[4]);

    const char* refusedFiles[] = {
        "Nama,Jam,Ket\nBudi,1,x\n",                    // three header fields
        "Nama,Berdinas,PAR,Jam,Ket\n",                 // no data row
        "Nama,Berdinas,PAR,Jam,Ket\nBudi,1,2\n",       // two fields short
        "Nama,Berdinas,PAR,Jam,Ket\nBudi,1,2,3,4,5\n"  // one field too many
    };
    for (const char* file : refusedFiles) {
        message.clear();
        EXPECT_FALSE(parseCsv(file, t, message)) << file;
        EXPECT_EQ(text::tr(text::TxCsvRefused), message);
    }
}

TEST(CsvCheck, ConvertsAccentsAndRefusesOnlyTheRowWindows1252CannotHold) {
    CsvTable t;
    std::string message;
    // A UTF-8 file: converted whole; "ž" loses its accent; a Polish "Ł"
    // has no place in Windows-1252 and only its row is refused.
    ASSERT_TRUE(
        parseCsv("\xEF\xBB\xBFNama;B;P;J;K;X\n"
                 "Jos\xC3\xA9 \xC5\xBEivko;1;0;0;;\n"
                 "\xC5\x81ukasz Nowak;1;0;0;;\n"
                 "\xC3\x84nne Berg;1;0;0;;\n",
                 t, message))
        << message;
    EXPECT_EQ("Nama", t.header[0]);
    EXPECT_EQ("Jos\xE9 zivko", t.rows[0].fields[0]);
    EXPECT_TRUE(t.rows[0].problem.empty());
    EXPECT_NE(std::string::npos, t.rows[1].problem.find("2")) << t.rows[1].problem;
    EXPECT_TRUE(t.rows[1].fields.empty());
    EXPECT_EQ("\xC4nne Berg", t.rows[2].fields[0]);
    // A Windows-1252 file keeps its bytes; stray UTF-8 pairs of the listed
    // letters are still turned.
    ASSERT_TRUE(parseCsv("Nama,B,P,J,K\nJos\xE9 \xC3\xB1o,1,0,0,x\n", t, message));
    EXPECT_EQ("Jos\xE9 \xF1o", t.rows[0].fields[0]);
    EXPECT_EQ("Ren\xE9", convertAccents("Ren\xC3\xA9"));
    EXPECT_EQ("\xC3\x84", convertAccents("\xC3\x84"));  // not one of the letters
}

TEST(CsvCheck, RefusesAFileLongerThanItReadsAndAMissingOne) {
    test::TempFolder dir;
    std::string big = "Nama,B,P,J,K\n";
    big.resize(csv::kMaxFileBytes + 10, 'x');
    test::writeBytes(dir.path() / "big.csv", Bytes(big.begin(), big.end()));
    CsvTable t;
    std::string message;
    EXPECT_FALSE(loadCsv(dir.path() / "big.csv", t, message));
    EXPECT_NE(std::string::npos, message.find("big.csv"));
    EXPECT_FALSE(loadCsv(dir.path() / "none.csv", t, message));
    EXPECT_NE(std::string::npos, message.find("none.csv"));
}

TEST(ColumnMapFile, WritesVersionTenAndDropsTheOldFormsNumbers) {
    ColumnMap map;
    map.column = {0, 1, 2, 3, 4, 5, -1, -1};
    map.header = {"Depan", "Keluarga", "Berdinas", "PAR", "Jam", "Ket", "", ""};
    map.rule = true;
    const Bytes b = columnMapBytes(map);
    ASSERT_EQ(840u, b.size());
    EXPECT_EQ("Version 10", std::string(reinterpret_cast<const char*>(&b[760])));
    EXPECT_EQ(0xff, b[24]);  // target 6 unassigned: -1
    EXPECT_EQ(1, b[36]);
    ColumnMap back;
    ASSERT_TRUE(readColumnMap(b, back));
    EXPECT_EQ(map.column, back.column);
    EXPECT_EQ(map.header, back.header);
    EXPECT_TRUE(back.rule);

    Bytes old = b;
    std::memset(&old[760], 0, 80);
    ASSERT_TRUE(readColumnMap(old, back));
    EXPECT_EQ((std::array<int, 8>{0, 1, -1, -1, -1, -1, -1, -1}), back.column);
    EXPECT_FALSE(back.rule);
    EXPECT_EQ("", back.header[2]);

    Bytes wrong = b;
    wrong[4] = 0x40;  // column 1 + 64: far outside any file
    wrong[7] = 0x7f;
    ASSERT_TRUE(readColumnMap(wrong, back));
    EXPECT_EQ(-1, back.column[1]);
    wrong.pop_back();
    EXPECT_FALSE(readColumnMap(wrong, back));
}

TEST(NameMapFile, KeepsWholeRecordsAndAtMostThreeHundred) {
    std::vector<NameMapEntry> entries;
    for (int k = 0; k < 301; ++k)
        entries.push_back(
            {"Santoso, Budi" + std::to_string(k), "B. Santoso", std::uint16_t(100 + k)});
    const Bytes b = nameMapBytes(entries);
    ASSERT_EQ(300u * 128, b.size());
    EXPECT_EQ(100, b[120]);
    Bytes more = b;
    more.resize(more.size() + 60, 'x');  // a torn record after the last
    const auto back = readNameMap(more);
    ASSERT_EQ(300u, back.size());
    EXPECT_EQ("Santoso, Budi299", back[299].displayName);
    EXPECT_EQ("B. Santoso", back[299].csvName);
    EXPECT_EQ(399, back[299].id);
}

const Fields kHeader{"Depan", "Keluarga", "Berdinas", "PAR", "Jam", "Ket", "Nama"};

TEST(ColumnMapDialog, ReusesASavedColumnOnlyUnderTheSameHeaderAtTheSamePlace) {
    ColumnMap saved;
    // "Jam" and "Ket" have changed places since.
    saved.column = {0, 1, 2, 3, 5, 4, -1, -1};
    saved.header = {"Depan", "Keluarga", "Berdinas", "PAR", "Jam", "Ket", "", ""};
    saved.rule = true;
    ColumnMapModel model(kHeader, &saved);
    EXPECT_EQ(0, model.columnOf(TargetFirst));
    EXPECT_EQ(3, model.columnOf(TargetStudies));
    EXPECT_EQ(-1, model.columnOf(TargetHours));
    EXPECT_EQ(-1, model.columnOf(TargetRemark));
    EXPECT_TRUE(model.rule());
    EXPECT_FALSE(model.isComplete());
    EXPECT_EQ(text::tr(text::TxSelectTarget), model.hintText());
    model.selectTarget(TargetHours);
    EXPECT_EQ(text::tr(text::TxSelectSource), model.hintText());
    model.selectColumn(4);
    model.selectTarget(TargetRemark);
    model.selectColumn(5);
    // The rule stands in for "Berdinas".
    EXPECT_TRUE(model.isComplete());
    EXPECT_EQ("Jam -> Jam", model.targetLines()[TargetHours]);
    EXPECT_EQ("Berdinas -> * -> Berdinas", model.targetLines()[TargetShared]);
}

TEST(ColumnMapDialog, NeedsTheNumbersAndAFormOfTheName) {
    ColumnMapModel model(kHeader, nullptr);
    for (int t : {TargetShared, TargetStudies, TargetHours, TargetRemark})
        ASSERT_TRUE(model.assign(t, t));
    EXPECT_FALSE(model.isComplete());
    model.assign(TargetFirst, 0);
    EXPECT_FALSE(model.isComplete());
    model.assign(TargetName, 6);
    EXPECT_TRUE(model.isComplete());
    EXPECT_EQ(CsvNameMode::FirstLast, model.nameMode());
    model.assign(TargetLast, 1);
    EXPECT_EQ(CsvNameMode::Separate, model.nameMode());
    // A column serves one target: giving it to another takes it away.
    model.assign(TargetLastFirst, 1);
    EXPECT_EQ(-1, model.columnOf(TargetLast));
    EXPECT_EQ(CsvNameMode::LastFirst, model.nameMode());
    // Ticking the rule drops the "Berdinas" column.
    model.setRule(true);
    EXPECT_EQ(-1, model.columnOf(TargetShared));
    EXPECT_TRUE(model.isComplete());
    model.clear();
    EXPECT_FALSE(model.rule());
    EXPECT_FALSE(model.isComplete());
    EXPECT_FALSE(model.assign(TargetHours, 7));
}

// The demo's active publishers by position, and a report file for them.
struct CsvCase {
    Live live{{2025, 5, 5}};  // ReportMonth April 2025
    std::vector<int> active;
    CsvTable table;
    ColumnMap map;

    CsvCase() {
        for (int pos = 1; pos < live.doc.store().recordCount(); ++pos)
            if (live.doc.store().at(pos).listKind == ListActive) active.push_back(pos);
        map.column = {0, 1, 2, 3, 4, 5, -1, -1};
    }
    const PublisherRecord& at(int i) const {
        return live.doc.store().at(active[static_cast<std::size_t>(i)]);
    }
    std::string first(int i) const { return fieldText(at(i).fname); }
    std::string last(int i) const { return fieldText(at(i).lname); }
    // Rows "first,last,shared,studies,hours,remark".
    void parse(const std::vector<std::string>& rows) {
        std::string file = "Depan,Keluarga,Berdinas,PAR,Jam,Ket\n";
        for (const auto& r : rows) file += r + "\n";
        std::string message;
        ASSERT_TRUE(parseCsv(file, table, message)) << message;
    }
    std::string row(int i, const std::string& numbers) const {
        return first(i) + "," + last(i) + "," + numbers;
    }
    NameMapModel names(std::vector<NameMapEntry> saved = {}) {
        return NameMapModel(live.doc, table, map, CsvNameMode::Separate, std::move(saved));
    }
    ImportImage image(const std::vector<CsvRowEntry>& rows) {
        ImportImage img;
        readCsvReports(live.doc, table, map, rows, "laporan.csv", img);
        return img;
    }
    int slot() const { return live.doc.reportMonth().slot(); }
};

TEST(NameMapDialog, MatchesNamesAndOffersTheRestForAssignment) {
    CsvCase c;
    c.parse({c.row(0, "1,0,0,"), c.row(1, "1,0,0,"), "Budi,Tanpa Nama,1,2,3,x",
             "Budi,Tanpa Nama,1,0,5,", "A,B,1,1,1,"});
    NameMapModel model = c.names();
    ASSERT_EQ(5u, model.rows().size());
    EXPECT_EQ(c.at(0).id, model.rows()[0].id);
    EXPECT_EQ(c.at(1).id, model.rows()[1].id);
    EXPECT_EQ(0, model.rows()[2].id);
    EXPECT_EQ("", model.rows()[4].name);  // both parts shorter than two
    ASSERT_EQ(1u, model.unidentified().size());
    EXPECT_EQ("Budi Tanpa Nama", model.unidentified()[0].name);
    EXPECT_EQ("1 unidentified publishers", model.title());
    EXPECT_FALSE(model.isContinueVisible());
    EXPECT_TRUE(model.isSkipVisible());
    // The matched publishers are not offered.
    for (const auto& p : model.publishers()) EXPECT_NE(c.at(0).id, p.id);

    model.selectLeft(0);
    model.selectRight(0);
    const std::uint16_t chosen = model.publishers()[0].id;
    EXPECT_EQ("->", model.arrowText());
    model.pressArrow();
    EXPECT_EQ("X", model.arrowText());
    EXPECT_EQ(0, model.unassignedCount());
    EXPECT_TRUE(model.isContinueVisible());
    EXPECT_FALSE(model.isSkipVisible());
    model.pressArrow();  // "X" takes it back
    EXPECT_EQ(1, model.unassignedCount());
    model.pressArrow();
    ASSERT_TRUE(model.finish(c.live.doc).ok());
    EXPECT_EQ(chosen, model.rows()[2].id);
    EXPECT_EQ(chosen, model.rows()[3].id);
    const auto saved = loadNameMap(c.live.doc);
    ASSERT_EQ(1u, saved.size());
    EXPECT_EQ("Budi Tanpa Nama", saved[0].csvName);
    EXPECT_EQ(chosen, saved[0].id);
    EXPECT_EQ(model.publishers()[0].name, saved[0].displayName);

    // Next time the saved assignment is made again, but only while the
    // publisher is listed under the same name and id.
    EXPECT_EQ(0, c.names(saved).unassignedCount());
    auto renamed = saved;
    renamed[0].displayName += "x";
    EXPECT_EQ(1, c.names(renamed).unassignedCount());
    auto otherId = saved;
    ++otherId[0].id;
    EXPECT_EQ(1, c.names(otherId).unassignedCount());
    NameMapModel cleared = c.names(saved);
    cleared.clear();
    EXPECT_EQ(1, cleared.unassignedCount());
}

TEST(NameMapDialog, GivesAPublisherToOneNameOnly) {
    CsvCase c;
    c.parse({"Satu,Orang,1,0,0,", "Dua,Orang,1,0,0,"});
    NameMapModel model = c.names();
    const std::uint16_t id = model.publishers()[3].id;
    ASSERT_TRUE(model.assign("Satu Orang", id));
    ASSERT_TRUE(model.assign("Dua Orang", id));
    EXPECT_EQ(0, model.unidentified()[0].id);
    EXPECT_EQ(id, model.unidentified()[1].id);
    EXPECT_FALSE(model.assign("Tiga Orang", id));
    EXPECT_FALSE(model.assign("Satu Orang", c.at(0).id + 5000));
}

TEST(NameMapDialog, WholeNamesCompareWithTheNameInTheSameForm) {
    CsvCase c;
    std::string message;
    const std::string file = "Nama,B,P,J,K\n\"" + c.last(2) + ", " + c.first(2) + "\",1,0,0,\n" +
                             c.first(3) + " " + c.last(3) + ",1,0,0,\n";
    ASSERT_TRUE(parseCsv(file, c.table, message));
    c.map.column = {-1, -1, 1, 2, 3, 4, -1, 0};
    NameMapModel lastFirst(c.live.doc, c.table, c.map, CsvNameMode::LastFirst, {});
    EXPECT_EQ(c.at(2).id, lastFirst.rows()[0].id);
    EXPECT_EQ(0, lastFirst.rows()[1].id);
}

TEST(CsvReader, SetsTheReportMonthFromTheMappedColumns) {
    CsvCase c;
    c.parse({c.row(0, "1,2,10,sakit"), c.row(1, "0,3,5,"), c.row(2, " ya ,600,740,x"),
             c.row(3, "1,1,1")});
    NameMapModel names = c.names();
    const ImportImage img = c.image(names.rows());
    ASSERT_EQ(4u, img.records.size());
    const int s = c.slot();
    EXPECT_EQ(3, img.month0);
    const PublisherRecord& a = img.records[0];
    EXPECT_EQ(10, a.hours[s]);
    EXPECT_EQ(2 | SharedOrUnderHour, a.studiesWord[s] & (StudiesMask | SharedOrUnderHour));
    EXPECT_EQ("sakit", img.remarkOf(a, s));
    // "0" in "Berdinas" without the rule: not shared, nothing taken.
    EXPECT_EQ(c.at(1).hours[s], img.records[1].hours[s]);
    EXPECT_EQ(c.at(1).studiesWord[s], img.records[1].studiesWord[s]);
    // Shared, but 740 hours and 600 studies are out of range: the stored
    // values stay; a one-character remark is no remark.
    EXPECT_EQ(c.at(2).hours[s], img.records[2].hours[s]);
    EXPECT_EQ(c.at(2).studiesWord[s] & StudiesMask, img.records[2].studiesWord[s] & StudiesMask);
    EXPECT_TRUE(img.records[2].studiesWord[s] & SharedOrUnderHour);
    EXPECT_EQ("", img.remarkOf(img.records[2], s));
    // The row one field short (no remark) is read.
    EXPECT_EQ(1, img.records[3].hours[s]);
    EXPECT_EQ(1u, img.remarks.size());
    // The stored names match: every row is listed against its publisher.
    c.live.doc.store().at(c.active[0]).hours[s] = 0;
    ImportSelectionModel model(c.live.doc, img, ImportSelectionModel::Mode::Csv);
    EXPECT_FALSE(model.lines().empty());
}

TEST(CsvReader, TheRuleMarksSharingByHoursAndCountsSevenHundredForty) {
    CsvCase c;
    c.map.column[TargetShared] = -1;
    c.map.rule = true;
    c.parse({c.row(0, ",4,0,"), c.row(1, ",4,740,"), c.row(2, ",4,12,")});
    NameMapModel names = c.names();
    const int s = c.slot();
    for (int i = 0; i < 3; ++i) {
        c.live.doc.store().at(c.active[static_cast<std::size_t>(i)]).hours[s] = 0;
        c.live.doc.store().at(c.active[static_cast<std::size_t>(i)]).studiesWord[s] = 0;
    }
    const ImportImage img = c.image(names.rows());
    // 0 hours and no "Berdinas" column: not shared, the studies not taken.
    EXPECT_EQ(0, img.records[0].studiesWord[s]);
    // 740 counts for the rule, but is not stored.
    EXPECT_EQ(4 | SharedOrUnderHour, img.records[1].studiesWord[s]);
    EXPECT_EQ(0, img.records[1].hours[s]);
    EXPECT_EQ(12, img.records[2].hours[s]);
}

TEST(CsvReader, KeepsTheQuarterHoursStoredForTheMonth) {
    CsvCase c;
    c.parse({c.row(0, "1,3,0,")});
    const int s = c.slot();
    c.live.doc.store().at(c.active[0]).studiesWord[s] = 0x3000 | 1;
    NameMapModel names = c.names();
    const ImportImage img = c.image(names.rows());
    EXPECT_EQ(0x3000 | SharedOrUnderHour | 3, img.records[0].studiesWord[s]);
}

TEST(CsvMerge, GivesARegularPioneerTheCreditOfTheRemark) {
    CsvCase c;
    c.parse({c.row(0, "1,0,60,15 jam kredit"), c.row(1, "1,0,60,15! jam"), c.row(2, "1,0,60,15")});
    const int s = c.slot();
    for (int i = 0; i < 3; ++i) {
        PublisherRecord& r = c.live.doc.store().at(c.active[static_cast<std::size_t>(i)]);
        r.hours[s] = 0;
        r.credit[s] = 0;
        r.serviceKind[s] = static_cast<std::uint8_t>(i < 2 ? ServiceRegular : ServicePublisher);
    }
    NameMapModel names = c.names();
    ImportSelectionModel model(c.live.doc, c.image(names.rows()), ImportSelectionModel::Mode::Csv);
    ASSERT_EQ(3u, model.lines().size());
    EXPECT_EQ(3, model.merge());
    EXPECT_EQ(10, c.at(0).credit[s]);
    EXPECT_EQ(15, c.at(1).credit[s]);
    EXPECT_EQ(0, c.at(2).credit[s]);
    EXPECT_EQ(60, c.at(0).hours[s]);
    EXPECT_TRUE(c.live.doc.dirty);
}

}  // namespace
}  // namespace velno
