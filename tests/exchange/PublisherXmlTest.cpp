// The publisher document: its layout on export, the check before an
// import, the report import into the selection, the publisher import, and
// the round trip into an empty folder.

#include <gtest/gtest.h>

#include <set>

#include "exchange/ExchangeFixture.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/PublisherXml.h"
#include "exchange/XmlChooserModel.h"
#include "store/ExportsFolder.h"
#include "store/FixedText.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {
namespace {

using test::Live;
using xml::XmlDocument;

constexpr CalendarDate kToday{2026, 12, 7};  // ReportMonth November 2026

std::vector<int> listPositions(const CVelnoDoc& doc, ListKind kind) {
    std::vector<int> out;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos)
        if (doc.store().at(pos).listKind == kind) out.push_back(pos);
    return out;
}

// A data folder with nothing in it, opened as the program opens one.
struct Empty {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    Empty() {
        doc.setPrompter(&prompter);
        StartOptions o;
        o.dataFolder = dir.path();
        o.today = kToday;
        o.setLocale = false;
        o.tellNotice = false;
        EXPECT_TRUE(startInstance(doc, o).opened());
    }
};

std::string pubList(const std::string& count, const std::string& pubs,
                    const std::string& list = "Active") {
    return "<PUBLIST><Agent Ver=\"9000\">Velno</Agent><Date>2026-12-07</Date><Count>" + count +
           "</Count><" + list + ">" + pubs + "</" + list + "></PUBLIST>";
}

TEST(PublisherXmlExport, LaysOutTheDocumentWith24MonthsEndingWithTheReportMonth) {
    Live live(kToday);
    const auto active = listPositions(live.doc, ListActive);
    ASSERT_GE(active.size(), 3u);
    XmlDocument x = buildPublisherXml(live.doc, XmlList::Active, active);
    XmlDocument back;
    ASSERT_TRUE(back.setDoc(x.doc())) << back.result();
    ASSERT_TRUE(back.findElem("PUBLIST"));
    std::string order;
    while (back.findChildElem()) order += back.childTagName() + " ";
    EXPECT_EQ(order, "Agent Date Count Active ");
    back.resetChildPos();
    ASSERT_TRUE(back.findChildElem("Agent"));
    EXPECT_EQ(back.childData(), "Velno");
    EXPECT_EQ(back.childAttrib("Ver"), "9000");
    ASSERT_TRUE(back.findChildElem("Date"));
    EXPECT_EQ(back.childData(), "2026-12-07");
    ASSERT_TRUE(back.findChildElem("Count"));
    EXPECT_EQ(back.childData(), std::to_string(active.size()));
    ASSERT_TRUE(back.findChildElem("Active"));
    ASSERT_TRUE(back.intoElem());
    ASSERT_TRUE(back.intoElem());
    int pubs = 0;
    while (back.findElem("Pub")) {
        const PublisherRecord& r = live.doc.store().at(active[static_cast<std::size_t>(pubs)]);
        ++pubs;
        std::vector<std::string> names;
        std::set<std::string> stamps;
        while (back.findChildElem()) {
            names.push_back(back.childTagName());
            const std::string year = back.childAttrib("Year");
            if (!year.empty()) stamps.insert(year + "-" + back.childTagName());
        }
        ASSERT_GE(names.size(), 10u);
        EXPECT_EQ(names[0], "id");
        EXPECT_EQ(names[1], "fname");
        EXPECT_EQ(names[6], "phone3");
        // 24 distinct months: December 2024 to November 2026.
        EXPECT_EQ(stamps.size(), 24u);
        EXPECT_TRUE(stamps.count("2026-Nov"));
        EXPECT_TRUE(stamps.count("2024-Dec"));
        EXPECT_FALSE(stamps.count("2026-Dec"));
        EXPECT_FALSE(stamps.count("2024-Nov"));
        back.resetChildPos();
        ASSERT_TRUE(back.findChildElem("id"));
        EXPECT_EQ(back.childData(), std::to_string(r.id));
        back.resetChildPos();
        EXPECT_EQ(back.findChildElem("gender"),
                  (r.flags & (RecordFlag::Brother | RecordFlag::Sister)) != 0);
        back.resetChildPos();
        ASSERT_TRUE(back.findChildElem("Nov"));
        ASSERT_TRUE(back.intoElem());
        std::string inner;
        while (back.findChildElem()) inner += back.childTagName() + " ";
        EXPECT_EQ(inner.rfind("Plcmts Videos Hours R.V.s BiSt. Remark Pio ", 0), 0u) << inner;
        ASSERT_TRUE(back.outOfElem());
    }
    EXPECT_EQ(pubs, static_cast<int>(active.size()));
}

TEST(PublisherXmlExport, MonthValuesQuarterHoursUnderAnHourAndCredit) {
    Live live(kToday);
    const int pos = listPositions(live.doc, ListActive)[0];
    PublisherRecord& r = live.doc.store().at(pos);
    // March 2023 (old form): 0 hours with the under-an-hour mark.
    const int old = monthSlot(2, parityOfYear(2025));  // March 2025 is new form
    const int p23 = parityOfYear(2026);
    (void)old;
    // October 2026, regular pioneer with quarter hours and credit.
    const int oct = monthSlot(9, p23);
    r.clearItemsAt(oct);
    r.serviceKind[oct] = ServiceRegular;
    r.hours[oct] = 50;
    r.studiesWord[oct] = static_cast<std::uint16_t>((2 << StudiesWord::QuarterShift) | 3);
    r.credit[oct] = 5;
    // September 2026, a publisher who took part.
    const int sep = monthSlot(8, p23);
    r.clearItemsAt(sep);
    r.serviceKind[sep] = ServicePublisher;
    r.studiesWord[sep] = StudiesWord::SharedOrUnderHour | 1;
    XmlDocument x = buildPublisherXml(live.doc, XmlList::Active, {pos});
    x.resetPos();
    ASSERT_TRUE(x.findElem("PUBLIST") && x.findChildElem("Active") && x.intoElem() && x.intoElem());
    ASSERT_TRUE(x.findElem("Pub"));
    auto values = [&](const char* month) {
        x.resetChildPos();
        EXPECT_TRUE(x.findChildElem(month));
        EXPECT_TRUE(x.intoElem());
        std::string out;
        while (x.findChildElem()) out += x.childData() + "|";
        x.outOfElem();
        return out;
    };
    EXPECT_EQ(values("Oct"), "0|0|50\xBD|0|3||Reg|5|");
    EXPECT_EQ(values("Sep"), "0|0|1|0|1|||");
}

TEST(PublisherXmlExport, AnInactivePublisherCarriesTheTwelveMonthsEndingWithTheInactiveMonth) {
    Live live(kToday);
    const int pos = listPositions(live.doc, ListActive)[0];
    PublisherRecord& r = live.doc.store().at(pos);
    r.listKind = ListInactive;
    r.statusMark = 16 * 6;  // June
    r.listYear = yearToByte(2026);
    XmlDocument x = buildPublisherXml(live.doc, XmlList::Inactive, {pos});
    x.resetPos();
    ASSERT_TRUE(x.findElem("PUBLIST") && x.findChildElem("Inactive") && x.intoElem() &&
                x.intoElem());
    ASSERT_TRUE(x.findElem("Pub"));
    EXPECT_EQ(x.findChildElem("inamonth") ? x.childData() : "", "6");
    EXPECT_EQ(x.findChildElem("inayear") ? x.childData() : "", "2026");
    int months = 0, withData = 0;
    std::set<std::string> dated;
    x.resetChildPos();
    while (x.findChildElem()) {
        if (x.childAttrib("Year").empty()) continue;
        ++months;
        x.intoElem();
        if (x.findChildElem()) {
            ++withData;
            dated.insert(x.tagName() + x.attrib("Year"));
        }
        x.outOfElem();
    }
    EXPECT_EQ(months, 24);
    EXPECT_EQ(withData, 12);
    EXPECT_TRUE(dated.count("Jun2026"));
    EXPECT_TRUE(dated.count("Jul2025"));
    EXPECT_FALSE(dated.count("Jul2026"));
}

TEST(PublisherXmlExport, ExportingTwiceTheSameDayOverwritesTheFile) {
    Live live(kToday);
    const auto active = listPositions(live.doc, ListActive);
    std::filesystem::path path;
    ASSERT_TRUE(exportPublisherXml(live.doc, XmlList::Active, active, path).ok());
    ASSERT_TRUE(exportPublisherXml(live.doc, XmlList::Active, {active[0]}, path).ok());
    EXPECT_EQ(path, exportsFolder(live.doc) / "Active.xml");
    XmlDocument x;
    ASSERT_TRUE(x.load(path)) << x.result();
    EXPECT_TRUE(x.resultHas("read"));
    ASSERT_TRUE(x.findElem("PUBLIST") && x.findChildElem("Count"));
    EXPECT_EQ(x.childData(), "1");
}

TEST(PublisherXmlCheck, RefusesWhatLacksTheNeededTagsOrData) {
    const std::string pub = "<Pub><id>5</id><fname>A</fname><lname>B</lname></Pub>";
    struct Case {
        std::string text;
        bool usable;
    };
    for (const Case& c :
         {Case{pubList("1", pub), true}, Case{pubList("299", pub), true},
          Case{pubList("300", pub), false}, Case{pubList("0", pub), false},
          Case{pubList("x", pub), false}, Case{"<OTHER><Count>1</Count><Active/></OTHER>", false},
          Case{pubList("1", pub, "Friends"), false},
          Case{pubList("1", "<Pub><id>-1</id><fname>A</fname><lname>B</lname></Pub>"), false},
          Case{pubList("1", "<Pub><id>1</id><fname> </fname><lname>B</lname></Pub>"), false},
          Case{pubList("1", "<Pub><fname>A</fname><lname>B</lname></Pub>"), false},
          Case{pubList("1", pub, "Non-Publishers"), true}}) {
        XmlDocument x;
        x.setDoc(c.text);
        EXPECT_EQ(checkPublisherXml(x).has_value(), c.usable) << c.text;
    }
    XmlDocument x;
    x.setDoc(pubList("1", pub, "Inactive"));
    EXPECT_EQ(checkPublisherXml(x)->list, XmlList::Inactive);
}

TEST(PublisherXmlReports, ReadsTheReportMonthIntoTheSelectionAndMerges) {
    Live live(kToday);
    const auto active = listPositions(live.doc, ListActive);
    const PublisherRecord& a = live.doc.store().at(active[0]);
    const PublisherRecord& b = live.doc.store().at(active[1]);
    const std::string aNames =
        "<fname>" + fieldText(a.fname) + "</fname><lname>" + fieldText(a.lname) + "</lname>";
    const std::string bNames =
        "<fname>" + fieldText(b.fname) + "</fname><lname>" + fieldText(b.lname) + "</lname>";
    const std::string doc =
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" +
        pubList("3",
                // A publisher who took part, with a remark; the "Year" is missing.
                "<Pub><id>" + std::to_string(a.id) + "</id>" + aNames +
                    "<Nov><Plcmts>9</Plcmts><Videos>9</Videos><Hours>1</Hours><R.V.s>9</R.V.s>"
                    "<BiSt.>2</BiSt.><Remark>Sakit</Remark><Pio/></Nov></Pub>"
                    // An auxiliary pioneer with quarter hours.
                    "<Pub><id>0</id>" +
                    bNames +
                    "<Nov Year=\"2026\"><Plcmts>0</Plcmts><Videos>0</Videos><Hours>30\xBC</Hours>"
                    "<R.V.s>0</R.V.s><BiSt.>0</BiSt.><Remark>x</Remark><Pio>Aux</Pio></Nov></Pub>"
                    // The right names under another id: no match.
                    "<Pub><id>29999</id>" +
                    aNames + "<Nov Year=\"2026\"><Hours>7</Hours></Nov></Pub>");
    const std::string path = (live.dir.path() / "in.xml").string();
    test::writeBytes(path, std::vector<std::uint8_t>(doc.begin(), doc.end()));
    // Empty the ReportMonth of both first.
    const int slot = live.doc.reportMonth().slot();
    for (int pos : {active[0], active[1]}) {
        live.doc.store().at(pos).clearItemsAt(slot);
        live.doc.store().at(pos).serviceKind[slot] = 0;
        live.doc.store().at(pos).remarkIndex[slot] = 0;
    }
    ImportImage image;
    std::string message;
    ASSERT_TRUE(loadXmlReports(live.doc, path, image, message)) << message;
    ASSERT_EQ(image.records.size(), 2u);
    EXPECT_EQ(image.parity, live.doc.reportMonth().parity());
    ImportSelectionModel model(live.doc, image, ImportSelectionModel::Mode::Xml);
    ASSERT_EQ(model.lines().size(), 2u);
    EXPECT_EQ(model.merge(), 2);
    const PublisherRecord& ra = live.doc.store().at(active[0]);
    EXPECT_EQ(ra.placements[slot], 0);
    EXPECT_EQ(ra.hours[slot], 0);  // an empty "Pio": only the mark of taking part
    EXPECT_EQ(ra.studiesWord[slot], StudiesWord::SharedOrUnderHour | 2);
    EXPECT_EQ(live.doc.remarks().at(ra.remarkIndex[slot]).textString(), "Sakit");
    const PublisherRecord& rb = live.doc.store().at(active[1]);
    EXPECT_EQ(rb.hours[slot], 30);
    EXPECT_EQ(rb.kindAt(slot), ServiceAuxiliary);
    EXPECT_EQ(rb.studiesWord[slot] >> StudiesWord::QuarterShift, 1);
    EXPECT_EQ(rb.remarkIndex[slot], 0);  // a one-letter remark is none
}

TEST(PublisherXmlReports, AnUnusableFileSaysSoAndChangesNothing) {
    Live live(kToday);
    const std::string path = (live.dir.path() / "bad.xml").string();
    const std::string doc = pubList("0", "");
    test::writeBytes(path, std::vector<std::uint8_t>(doc.begin(), doc.end()));
    ImportImage image;
    std::string message;
    EXPECT_FALSE(loadXmlReports(live.doc, path, image, message));
    EXPECT_EQ(message, text::tr(text::TxXmlUnusable));
    EXPECT_FALSE(loadXmlReports(live.doc, live.dir.path() / "missing.xml", image, message));
    EXPECT_NE(message.find("missing.xml"), std::string::npos);
}

TEST(PublisherXmlImport, RoundTripIntoAnEmptyFolderKeepsPublishersAnd24Months) {
    Live live(kToday);
    const auto active = listPositions(live.doc, ListActive);
    std::filesystem::path path;
    ASSERT_TRUE(exportPublisherXml(live.doc, XmlList::Active, active, path).ok());

    Empty empty;
    XmlDocument x;
    XmlPublisherList list;
    std::string message;
    ASSERT_TRUE(loadPublisherXml(path, x, list, message)) << message;
    ASSERT_EQ(list.pubs.size(), active.size());
    std::vector<int> all(list.pubs.size());
    for (std::size_t k = 0; k < all.size(); ++k) all[k] = static_cast<int>(k);
    const auto linked = linkedPublishers(empty.doc, list);
    const XmlImportOutcome out = importPublishers(empty.doc, x, list, all, linked, false);
    EXPECT_EQ(out.added, static_cast<int>(active.size()));
    EXPECT_TRUE(out.messages.empty());
    EXPECT_TRUE(empty.doc.dirty);

    for (int from : active) {
        const PublisherRecord& a = live.doc.store().at(from);
        int to = 0;
        for (int p = 1; p < empty.doc.store().recordCount(); ++p)
            if (empty.doc.displayName(p) == live.doc.displayName(from)) to = p;
        ASSERT_GT(to, 0) << live.doc.displayName(from);
        const PublisherRecord& b = empty.doc.store().at(to);
        EXPECT_GE(b.id, 100);
        EXPECT_EQ(fieldText(b.addr), fieldText(a.addr));
        EXPECT_EQ(fieldText(b.phone), fieldText(a.phone));
        EXPECT_EQ(fieldText(b.birdate), fieldText(a.birdate)) << live.doc.displayName(from);
        EXPECT_EQ(fieldText(b.bapdate), fieldText(a.bapdate));
        EXPECT_EQ(b.group, a.group);
        EXPECT_EQ(b.privilege(), a.privilege());
        EXPECT_EQ(b.flags & (RecordFlag::Brother | RecordFlag::Sister),
                  a.flags & (RecordFlag::Brother | RecordFlag::Sister));
        for (int m = 0; m < 12; ++m) {
            for (int p = 0; p < 2; ++p) {
                const int s = monthSlot(m, p);
                const std::string where = live.doc.displayName(from) + " month " +
                                          std::to_string(m + 1) + "/" + std::to_string(p);
                EXPECT_EQ(b.hours[s], a.hours[s]) << where;
                EXPECT_EQ(b.studiesWord[s], a.studiesWord[s]) << where;
                EXPECT_EQ(b.kindAt(s), a.kindAt(s)) << where;
                if (!live.doc.isOldFormSlot(m, p)) continue;
                EXPECT_EQ(b.placements[s], a.placements[s]) << where;
                EXPECT_EQ(b.returnVisits[s], a.returnVisits[s]) << where;
            }
        }
    }
}

TEST(PublisherXmlImport, ReplacesALinkedPublisherAndCutsTexts) {
    Live live(kToday);
    const int pos = listPositions(live.doc, ListActive)[0];
    const PublisherRecord stored = live.doc.store().at(pos);
    const std::string doc =
        pubList("2", "<Pub><id>1</id><fname>" + fieldText(stored.fname) + "</fname><lname>" +
                         fieldText(stored.lname) + "</lname><addr>   " + std::string(70, 'a') +
                         "  </addr><phone>0123456789012345</phone><longname>Long</longname>"
                         "<specneed>Kursi roda</specneed></Pub>"
                         "<Pub><id>2</id><fname>Zo&#8712;</fname><lname>New</lname></Pub>");
    XmlDocument x;
    x.setDoc(doc);
    const auto list = checkPublisherXml(x);
    ASSERT_TRUE(list);
    const auto linked = linkedPublishers(live.doc, *list);
    EXPECT_EQ(linked[0], pos);
    EXPECT_EQ(linked[1], 0);
    const int before = live.doc.store().recordCount();
    const XmlImportOutcome out = importPublishers(live.doc, x, *list, {0, 1}, linked, true);
    EXPECT_EQ(out.updated, 1);
    EXPECT_EQ(out.added, 0);
    ASSERT_EQ(out.messages.size(), 1u);  // the name Windows-1252 cannot hold
    EXPECT_NE(out.messages[0].find("2"), std::string::npos);
    EXPECT_EQ(live.doc.store().recordCount(), before);
    const int now = live.doc.store().storePosById(stored.id);
    ASSERT_GT(now, 0);
    const PublisherRecord& r = live.doc.store().at(now);
    EXPECT_EQ(fieldText(r.addr), std::string(60, 'a'));
    EXPECT_EQ(fieldText(r.phone), "01234567890123");
    EXPECT_NE(r.extSlot, 0);
    EXPECT_EQ(live.doc.extensionOf(now) & ExtensionBit::LongName, ExtensionBit::LongName);
    EXPECT_EQ(fieldText(live.doc.extensions().current().longName), "Long");
    ASSERT_NE(r.specneed, 0);

    // Without replace the same publisher comes in as a new one.
    XmlDocument again;
    again.setDoc(doc);
    const XmlImportOutcome added = importPublishers(live.doc, again, *list, {0}, linked, false);
    EXPECT_EQ(added.added, 1);
    EXPECT_EQ(live.doc.store().recordCount(), before + 1);
}

TEST(XmlChooser, ExportPicksTheListAndSelectsAllOrNone) {
    Live live(kToday);
    XmlChooserModel chooser(live.doc);
    EXPECT_EQ(chooser.sideRows().size(), 3u);
    EXPECT_EQ(chooser.choiceRows().size(), listPositions(live.doc, ListActive).size());
    EXPECT_FALSE(chooser.okVisible());
    chooser.selectAll();
    EXPECT_TRUE(chooser.okVisible());
    EXPECT_EQ(chooser.result(), listPositions(live.doc, ListActive));
    chooser.chooseSide(2);
    EXPECT_EQ(chooser.list(), XmlList::NonPublishers);
    EXPECT_EQ(chooser.choiceRows().size(), listPositions(live.doc, ListBibleStudent).size());
    EXPECT_EQ(chooser.selectedCount(), 0);
    EXPECT_FALSE(chooser.tooMany());
}

TEST(XmlChooser, ImportMarksDuplicatesAndKeepsTheSumWithinTheLimit) {
    Live live(kToday);
    const int onFile = live.doc.store().countList(ListActive);
    const int pos = listPositions(live.doc, ListActive)[0];
    XmlPublisherList file;
    file.count = 299;
    file.pubs.push_back(
        {1, fieldText(live.doc.store().at(pos).fname), fieldText(live.doc.store().at(pos).lname)});
    for (int k = 0; k < 298; ++k) file.pubs.push_back({0, "N" + std::to_string(k), "New"});
    const auto linked = linkedPublishers(live.doc, file);
    XmlChooserModel chooser(live.doc, file, linked);
    ASSERT_EQ(chooser.choiceRows().size(), 299u);
    EXPECT_EQ(chooser.choiceRows()[0].substr(chooser.choiceRows()[0].size() - 2), " *");
    EXPECT_EQ(chooser.choiceRows()[1], "New, N0");
    chooser.setSelected(0, true);
    EXPECT_TRUE(chooser.duplicatesVisible());
    EXPECT_EQ(chooser.duplicatesLine(), text::tr(text::TxXmlDuplicates) + " (1)");
    EXPECT_EQ(chooser.summaryLine(), text::tr(text::TxXmlActiveList) + " " +
                                         std::to_string(onFile) +
                                         " + 1 = " + std::to_string(onFile + 1));
    chooser.setReplace(true);
    EXPECT_EQ(chooser.summaryLine(), text::tr(text::TxXmlActiveList) + " " +
                                         std::to_string(onFile) +
                                         " + 0 = " + std::to_string(onFile));
    // Up to the limit of 299 on the list.
    for (int row = 1; row <= 299 - onFile; ++row) chooser.setSelected(row, true);
    EXPECT_FALSE(chooser.tooMany());
    EXPECT_TRUE(chooser.okVisible());
    chooser.setSelected(300 - onFile, true);
    EXPECT_TRUE(chooser.tooMany());
    EXPECT_FALSE(chooser.okVisible());
    chooser.setReplace(false);
    chooser.setSelected(300 - onFile, false);
    EXPECT_TRUE(chooser.tooMany());  // the duplicate counts again
}

}  // namespace
}  // namespace velno
