// The list viewer's model over the built lists, and the printed list.

#include <gtest/gtest.h>

#include <algorithm>

#include "print/ListViewerModel.h"
#include "print/RecordingCanvas.h"
#include "print/ReportViewState.h"
#include "reporting/AnalyticsFixture.h"
#include "store/DesktopServices.h"
#include "store/ExtensionTable.h"

namespace velno::print {
namespace {

using velno::test::AnalyticsFixture;
using velno::test::reportAt;
using velno::test::setEmail;

constexpr int kNov2024 = 298;

struct FakeClipboard : Clipboard {
    std::string text;
    void setText(const std::string& utf8) override { text = utf8; }
};

struct FakeMail : MailComposer {
    std::vector<MailMessage> sent;
    std::string answer;
    std::string compose(const MailMessage& m) override {
        sent.push_back(m);
        return answer;
    }
};

struct FakeDialer : Dialer {
    std::vector<std::string> dialled;
    std::string dial(const std::string& number) override {
        dialled.push_back(number);
        return {};
    }
};

struct Congregation : AnalyticsFixture {
    Congregation() {
        GroupFile& g = doc.groups().data();
        g.count = 2;
        setFieldText(g.overseer[0], "Ani Lubis");
        setFieldText(g.name[0], "Kasih");
        g.showName[0] = 1;
        add(100, "Ani", "Lubis").group = 1;
        add(101, "Budi", "Hasan").group = 2;
        reportAt(rec(101), kNov2024, 3);
        add(102, "Citra", "Wijaya").group = 1;
        sort();
        open();
    }
};

TEST(ListViewer, NotReportingTitleCountsRowsAndTheGroupFilterNarrowsThem) {
    Congregation f;
    ListViewerModel m(f.doc, ListMode::NotReporting);
    EXPECT_EQ(m.list().rows.size(), 2u);
    EXPECT_EQ(m.title(), "Tidak Ada Laporan untuk November  ( 2 )");
    EXPECT_EQ(m.secondChoices().size(), 12u);
    EXPECT_EQ(m.secondChoice(), 10) << "starts on the ReportMonth";
    const auto filters = m.filterChoices();
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0], "Sidang");
    EXPECT_EQ(filters[1], "Kasih");
    m.setFilterChoice(2);
    EXPECT_TRUE(m.list().rows.empty());
    m.setFilterChoice(1);
    EXPECT_EQ(m.list().rows.size(), 2u);
    EXPECT_NE(m.summary().find("Kasih  -  "), std::string::npos);
    EXPECT_TRUE(m.copyVisible());
    FakeClipboard clipboard;
    m.copy(clipboard);
    EXPECT_EQ(clipboard.text, m.list().rows[0].text + "\n" + m.list().rows[1].text + "\n");
    m.setMode(ListMode::Irregular);
    EXPECT_FALSE(m.copyVisible()) << "only the not-reporting list is copied";
    EXPECT_EQ(m.filterChoice(), 0) << "a new list starts on the whole congregation";
}

TEST(ListViewer, PrivilegeKindsOfferMissionariesOnlyWhenThereAreAnyAndEditNotInASnapshot) {
    Congregation f;
    ListViewerModel m(f.doc, ListMode::Privileges);
    EXPECT_EQ(m.filterChoices().size(), 5u);
    EXPECT_TRUE(m.editVisible());
    f.rec(100).categoryBits |= CategoryBit::Missionary;
    ListViewerModel withMissionary(f.doc, ListMode::Privileges);
    ASSERT_EQ(withMissionary.filterChoices().size(), 6u);
    EXPECT_EQ(withMissionary.filterChoices().back(), "Field missionaries");
    withMissionary.setFilterChoice(5);
    ASSERT_EQ(withMissionary.list().rows.size(), 1u);
    EXPECT_EQ(withMissionary.list().rows[0].id, 100);
    f.doc.oldYearView = true;
    EXPECT_FALSE(ListViewerModel(f.doc, ListMode::Privileges).editVisible());
    EXPECT_FALSE(ListViewerModel(f.doc, ListMode::Irregular).editVisible());
}

TEST(ListViewer, SpecialNeedsAndCustomEntriesExistOnlyWithTheirData) {
    Congregation f;
    const auto hasMode = [&](ListMode mode) {
        const auto modes = ListViewerModel(f.doc, ListMode::NotReporting).modes();
        return std::find(modes.begin(), modes.end(), mode) != modes.end();
    };
    EXPECT_FALSE(hasMode(ListMode::SpecialNeeds));
    EXPECT_FALSE(hasMode(ListMode::Custom));
    // A need of an inactive publisher does not make the list.
    f.add(103, "Dedi", "Pratama", ListInactive).moreBits |= MoreBit::Isolated;
    f.sort();
    EXPECT_FALSE(hasMode(ListMode::SpecialNeeds));

    f.rec(101).moreBits |= MoreBit::Blind;
    f.rec(102).moreBits |= MoreBit::Blind | MoreBit::Isolated;
    f.doc.settings().customCategoryEnabled = 1;
    EXPECT_FALSE(hasMode(ListMode::Custom)) << "no name, no category";
    f.doc.settings().customCategoryName = "Pengantar";
    ListViewerModel m(f.doc, ListMode::SpecialNeeds);
    const auto modes = m.modes();
    ASSERT_EQ(modes.size(), 17u);
    EXPECT_EQ(modes[15], ListMode::SpecialNeeds);
    EXPECT_EQ(modes[16], ListMode::Custom) << "the custom list follows the special needs";
    EXPECT_EQ(m.modeTexts()[15], "Kebutuhan Khusus");
    EXPECT_EQ(m.modeTexts()[16], "Pengantar");
    // Only the categories someone has, in their fixed order.
    EXPECT_EQ(m.filterChoices(), (std::vector<std::string>{"Tunanetra", "Terisolasi"}));
    ASSERT_EQ(m.list().rows.size(), 2u);
    EXPECT_EQ(m.title(), "Kebutuhan Khusus ( 2 )");
    m.setFilterChoice(1);
    ASSERT_EQ(m.list().rows.size(), 1u) << "the inactive publisher is not listed";
    EXPECT_EQ(m.list().rows[0].id, 102);

    f.rec(100).flags |= RecordFlag::CustomCategory;
    f.rec(102).flags |= RecordFlag::CustomCategory;
    m.setMode(ListMode::Custom);
    EXPECT_EQ(m.filterChoices().size(), 3u) << "the custom list is filtered by group";
    EXPECT_EQ(m.list().rows.size(), 2u);
    m.setFilterChoice(2);
    EXPECT_TRUE(m.list().rows.empty());

    // Without a custom category, only the special needs follow entry 14.
    f.doc.settings().customCategoryEnabled = 0;
    const auto without = ListViewerModel(f.doc, ListMode::Custom);
    EXPECT_EQ(without.modes().size(), 16u);
    EXPECT_EQ(without.mode(), ListMode::NotReporting) << "a list that is gone opens the first";
}

TEST(ListViewer, ReminderGoesToTheSelectedPublisherOrWithNoneToTheGroupsOverseer) {
    Congregation f;
    setEmail(f, 100, "ani@contoh.id");
    setEmail(f, 102, "citra@contoh.id");
    ListViewerModel m(f.doc, ListMode::NotReporting);
    FakeMail mail;
    FakeDialer dialer;
    // No row, no group: nobody to write to.
    auto b = m.buttons();
    EXPECT_TRUE(b.contactVisible);
    EXPECT_FALSE(b.contactEnabled);
    EXPECT_FALSE(b.dialVisible || b.nextVisible) << "dialing is off";
    EXPECT_EQ(m.contact(mail, dialer), "");
    EXPECT_TRUE(mail.sent.empty());

    m.select(1);  // Citra
    b = m.buttons();
    EXPECT_EQ(b.contact, "E-Mail - citra@contoh.id");
    EXPECT_TRUE(b.contactEnabled);
    EXPECT_EQ(m.contact(mail, dialer), "");
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0].to, std::vector<std::string>{"citra@contoh.id"});
    EXPECT_EQ(mail.sent[0].subject, "Tidak Ada Laporan untuk November ");
    EXPECT_EQ(mail.sent[0].body, "Silahkan kirim laporan Sdr untuk November. \nTerima kasih.");
    EXPECT_EQ(mail.sent[0].from, "VELNO") << "no secretary's address of four characters";
    EXPECT_TRUE(dialer.dialled.empty());

    // Group 1 chosen, no row: the overseer (Ani) gets the group's list.
    f.doc.settings().secretaryEmail = "sek@contoh.id";
    m.setFilterChoice(1);
    EXPECT_EQ(m.selected(), -1);
    EXPECT_EQ(m.buttons().contact, "E-Mail - ani@contoh.id");
    mail.answer = "no mail program";
    EXPECT_EQ(m.contact(mail, dialer), "no mail program") << "a failure is told";
    ASSERT_EQ(mail.sent.size(), 2u);
    EXPECT_EQ(mail.sent[1].body, m.clipboardText());
    EXPECT_EQ(mail.sent[1].from, "sek@contoh.id");

    // A target without an address names himself and cannot be pressed.
    m.setFilterChoice(0);
    const auto row = std::find_if(m.list().rows.begin(), m.list().rows.end(),
                                  [](const ListRow& r) { return r.id == 100; });
    setEmail(f, 100, "");
    m.select(static_cast<int>(row - m.list().rows.begin()));
    b = m.buttons();
    EXPECT_EQ(b.contact, "Tidak ada Alamat E-mail untuk Ani Lubis");
    EXPECT_FALSE(b.contactEnabled);

    // The irregular list offers contacting only while dialing is on.
    m.setMode(ListMode::Irregular);
    EXPECT_FALSE(m.buttons().contactVisible);
    f.doc.settings().dialing = 1;
    EXPECT_TRUE(m.buttons().contactVisible);
}

TEST(ListViewer, DialingStepsThroughTheNumbersTheTargetHasAndDialsDigitsOnly) {
    Congregation f;
    f.doc.settings().dialing = 1;
    setFieldText(f.rec(102).phone, "(021) 555-12");
    ListViewerModel m(f.doc, ListMode::NotReporting);
    FakeMail mail;
    FakeDialer dialer;
    m.select(1);  // Citra: home only, on the contact button
    auto b = m.buttons();
    EXPECT_EQ(b.contact, "Dial Citra Wijaya  -  (021) 555-12");
    EXPECT_TRUE(b.contactVisible && b.contactEnabled);
    EXPECT_FALSE(b.dialVisible || b.nextVisible);
    EXPECT_EQ(m.contact(mail, dialer), "");
    EXPECT_EQ(dialer.dialled, std::vector<std::string>{"02155512"});

    // A mobile and an office number move dialing to button 5 and ">>>".
    setFieldText(f.rec(102).phone2, "+62 812");
    setFieldText(f.rec(102).phone3, "77-1");
    b = m.buttons();
    EXPECT_FALSE(b.contactVisible);
    EXPECT_TRUE(b.dialVisible && b.nextVisible);
    EXPECT_EQ(b.dial, "Dial Citra Wijaya  -  (021) 555-12");
    m.nextNumber();
    EXPECT_EQ(m.buttons().dial, "Dial Citra Wijaya  -  +62 812");
    m.contact(mail, dialer);
    m.nextNumber();
    m.contact(mail, dialer);
    m.nextNumber();
    EXPECT_EQ(m.buttons().dial, "Dial Citra Wijaya  -  (021) 555-12") << "back to the first";
    EXPECT_EQ(dialer.dialled, (std::vector<std::string>{"02155512", "62812", "771"}));
    EXPECT_TRUE(mail.sent.empty());
}

TEST(ListViewer, PrintedListRepeatsItsHeaderOnEveryPage) {
    AnalyticsFixture f;
    for (int i = 0; i < 120; ++i)
        f.add(static_cast<PublisherId>(200 + i), "Nama" + std::to_string(100 + i), "Keluarga");
    f.sort();
    f.open();
    ListViewerModel m(f.doc, ListMode::Form);
    ASSERT_EQ(m.list().rows.size(), 120u);
    RecordingCanvas canvas(96, 96, false);
    ReportViewState view;
    const ReportFonts fonts;
    ReportContext ctx = view.contextFor(f.doc, canvas, fonts, {2024, 12, 5});
    const int pages = drawPrintedList(ctx, printedList(m));
    ASSERT_GE(pages, 2);
    int headers = 0;
    for (const TextRun& r : canvas.runs()) headers += r.text == m.title() ? 1 : 0;
    EXPECT_EQ(headers, pages);
    // Rows in the store's name order, name first.
    std::vector<std::string> names;
    for (const TextRun& r : canvas.runs())
        if (r.text.rfind("Nama", 0) == 0) names.push_back(r.text);
    ASSERT_EQ(names.size(), 120u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

}  // namespace
}  // namespace velno::print
