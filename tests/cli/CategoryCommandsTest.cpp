// velno-cli category, biblestudent, privileges and consent: what each
// saves, read back from the folder, and the refusals of the dialogs.
#include <gtest/gtest.h>

#include "cli/Cli.h"
#include "cli/CliFolder.h"
#include "cli/JsonReader.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {
namespace {

constexpr const char* kToday = "2024-06-10";  // ReportMonth May 2024
constexpr CalendarDate kTodayDate{2024, 6, 10};

class CategoryCommands : public ::testing::Test, protected CliFolder {
protected:
    CategoryCommands() : CliFolder(kToday, kTodayDate) {}

    int addPublisher(const std::string& first, const std::string& last,
                     std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"--json", "publisher", "add", "--fname",
                                         first,    "--lname",   last};
        args.insert(args.end(), more.begin(), more.end());
        const CliResult r = cli(args);
        EXPECT_EQ(r.code, Ok) << r.out << r.err;
        return static_cast<int>(test::JsonReader::parse(r.out)["id"].number);
    }
    // The line "category set" ends with.
    static std::string stored(const std::string& name, bool enabled, int members) {
        return text::arg(text::tr(text::TxCliCategoryStored), name,
                         text::tr(enabled ? text::TxCliCategoryOn : text::TxCliCategoryOff),
                         std::to_string(members)) +
               "\n";
    }
    static const PrivilegeDateEntry* row(const CVelnoDoc& doc, int id, int kind) {
        return doc.privilegeDates().find(static_cast<PublisherId>(id),
                                         static_cast<std::uint16_t>(kind));
    }
};

TEST_F(CategoryCommands, TheCategoryIsNamedAssignedRenamedAndCleared) {
    const int ana = addPublisher("Ana", "Adi");
    CliResult r = cli({"category", "assign", "--id", std::to_string(ana), "--on"});
    EXPECT_EQ(r.code, Failure);  // no category yet: the box is hidden
    r = cli({"category", "set", "--name", "Paduan", "--enable"});
    ASSERT_EQ(r.code, Ok) << r.err;
    r = cli({"category", "assign", "--id", std::to_string(ana), "--on"});
    ASSERT_EQ(r.code, Ok) << r.err;
    EXPECT_EQ(r.out, text::arg(text::tr(text::TxCliCategoryAssigned), "Ana Adi",
                               std::to_string(ana), "Paduan", text::tr(text::TxCliYes)) +
                         "\n");
    EXPECT_TRUE(load()->store().recordById(static_cast<PublisherId>(ana))->flags &
                RecordFlag::CustomCategory);

    // Renaming keeps the members; the setting travels with the folder.
    r = cli({"category", "set", "--name", "Musik"});
    ASSERT_EQ(r.code, Ok) << r.err;
    r = cli({"category", "set"});
    EXPECT_EQ(r.out, stored("Musik", true, 1)) << r.out;
    r = cli({"category", "set", "--name", "Lagu", "--clear-members"});
    EXPECT_EQ(r.out, stored("Lagu", true, 0)) << r.out;
    r = cli({"category", "set", "--name", " "});  // a blank name switches it off
    EXPECT_EQ(r.out, stored("", false, 0)) << r.out;

    EXPECT_EQ(cli({"category", "set", "--name", "Nama yang terlalu panjang"}).code, Failure);
    EXPECT_EQ(cli({"category", "set", "--enable", "--disable"}).code, Usage);
}

TEST_F(CategoryCommands, BibleStudentsWithTheirConductors) {
    const int budi = addPublisher("Budi", "Santoso", {"--brother"});
    CliResult r = cli({"--json", "biblestudent", "add", "--fname", "Eka", "--lname", "Putra",
                       "--conductor", std::to_string(budi)});
    ASSERT_EQ(r.code, Ok) << r.out << r.err;
    const int eka = static_cast<int>(test::JsonReader::parse(r.out)["id"].number);
    EXPECT_GE(eka, 2000);
    {
        auto doc = load();
        const PublisherRecord* s = doc->store().recordById(static_cast<PublisherId>(eka));
        ASSERT_TRUE(s);
        EXPECT_EQ(s->listKind, ListBibleStudent);
        EXPECT_EQ(fieldText(reinterpret_cast<const char*>(s->placements), sizeof s->placements),
                  doc->displayName(doc->store().storePosById(static_cast<PublisherId>(budi))));
    }
    r = cli({"biblestudent", "add", "--fname", "Gita", "--lname", "W"});
    EXPECT_EQ(r.code, Failure);
    // A new student takes no id and needs a last name; an edit needs the id.
    EXPECT_EQ(cli({"biblestudent", "add", "--id", "5", "--lname", "Wati"}).code, Usage);
    EXPECT_EQ(cli({"biblestudent", "add", "--fname", "Gita"}).code, Usage);
    EXPECT_EQ(cli({"biblestudent", "edit", "--lname", "Wati"}).code, Usage);
    EXPECT_EQ(load()->store().countList(ListBibleStudent), 1);

    r = cli({"biblestudent", "edit", "--id", std::to_string(eka), "--no-conductor"});
    ASSERT_EQ(r.code, Ok) << r.err;
    {
        auto doc = load();
        const PublisherRecord* s = doc->store().recordById(static_cast<PublisherId>(eka));
        EXPECT_EQ(s->placements[0], 0);
    }
    // A publisher is no Bible student, and is not deleted here.
    EXPECT_EQ(cli({"biblestudent", "delete", "--id", std::to_string(budi)}).code, Failure);
    r = cli({"biblestudent", "delete", "--id", std::to_string(eka)});
    ASSERT_EQ(r.code, Ok) << r.err;
    EXPECT_EQ(load()->store().countList(ListBibleStudent), 0);
}

TEST_F(CategoryCommands, AnElderIsDatedAndHisAppointmentEnded) {
    const int budi = addPublisher("Budi", "Santoso", {"--brother"});
    const int ana = addPublisher("Ana", "Adi", {"--sister"});
    const std::string id = std::to_string(budi);
    CliResult r = cli({"privileges", "set", "--id", id, "--kind", "elder", "--start", "2015-03-15",
                       "--on", "--special-servant"});
    ASSERT_EQ(r.code, Ok) << r.err;
    {
        auto doc = load();
        EXPECT_EQ(doc->store().recordById(static_cast<PublisherId>(budi))->privilege(),
                  PrivilegeElder);
        ASSERT_TRUE(row(*doc, budi, PrivilegeKind::Elder));
        EXPECT_STREQ(row(*doc, budi, PrivilegeKind::Elder)->start, "03152015");
    }
    r = cli({"--json", "privileges", "show", "--id", id});
    ASSERT_EQ(r.code, Ok) << r.err;
    const auto shown = test::JsonReader::parse(r.out);
    EXPECT_TRUE(shown["privileges"][1]["held"].boolean);
    EXPECT_EQ(shown["privileges"][1]["start"].string, "2015-03-15");
    EXPECT_TRUE(shown["specialServant"].boolean);

    EXPECT_EQ(
        cli({"privileges", "set", "--id", id, "--kind", "elder", "--end", "2023-09-01", "--on"})
            .code,
        Usage);
    r = cli({"privileges", "set", "--id", id, "--kind", "elder", "--end", "2023-09-01", "--off"});
    ASSERT_EQ(r.code, Ok) << r.err;
    {
        auto doc = load();
        EXPECT_EQ(doc->store().recordById(static_cast<PublisherId>(budi))->privilege(),
                  PrivilegeNone);
        EXPECT_STREQ(row(*doc, budi, PrivilegeKind::Elder)->end, "09012023");
    }
    // A sister is no servant; a pioneer she can be.
    EXPECT_EQ(
        cli({"privileges", "set", "--id", std::to_string(ana), "--kind", "servant", "--on"}).code,
        Failure);
    r = cli({"privileges", "set", "--id", std::to_string(ana), "--kind", "regular", "--start",
             "2022-09-01", "--on"});
    ASSERT_EQ(r.code, Ok) << r.err;
    auto doc = load();
    const PublisherRecord* a = doc->store().recordById(static_cast<PublisherId>(ana));
    EXPECT_EQ(a->kindAt(doc->reportMonth().slot()), ServiceRegular);
    EXPECT_STREQ(row(*doc, ana, PrivilegeKind::RegularPioneer)->start, "09012022");
}

TEST_F(CategoryCommands, ConsentOnWithADateAndOff) {
    const int ana = addPublisher("Ana", "Adi");
    const std::string id = std::to_string(ana);
    CliResult r = cli({"consent", "--id", id, "--on", "--date", "2023-01-15"});
    ASSERT_EQ(r.code, Ok) << r.err;
    EXPECT_EQ(r.out, text::arg(text::tr(text::TxCliConsentStored), "Ana Adi", id,
                               text::tr(text::TxCliYes) + " 2023-01-15") +
                         "\n");
    {
        auto doc = load();
        ASSERT_TRUE(row(*doc, ana, PrivilegeKind::Consent));
        EXPECT_STREQ(row(*doc, ana, PrivilegeKind::Consent)->start, "01152023");
    }
    r = cli({"consent", "--id", id, "--off"});
    ASSERT_EQ(r.code, Ok) << r.err;
    EXPECT_EQ(r.out, text::arg(text::tr(text::TxCliConsentStored), "Ana Adi", id,
                               text::tr(text::TxCliNo)) +
                         "\n");
    EXPECT_FALSE(row(*load(), ana, PrivilegeKind::Consent));
    EXPECT_EQ(cli({"consent", "--id", id, "--off", "--date", "2023-01-15"}).code, Usage);
    EXPECT_EQ(cli({"consent", "--id", id}).code, Usage);
}

}  // namespace
}  // namespace velno::cli
