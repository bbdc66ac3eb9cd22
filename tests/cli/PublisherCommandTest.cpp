// velno-cli publisher and pioneer: a congregation built from an empty
// folder, and the refusals the dialogs would make.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "cli/Cli.h"
#include "cli/CliFolder.h"
#include "cli/JsonReader.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "support/TempFolder.h"

namespace velno::cli {
namespace {

constexpr const char* kToday = "2024-06-10";  // ReportMonth May 2024
constexpr CalendarDate kTodayDate{2024, 6, 10};

using Result = CliResult;

class PublisherCommand : public ::testing::Test, protected CliFolder {
protected:
    PublisherCommand() : CliFolder(kToday, kTodayDate) {}

    // Adds a publisher and returns its id.
    int add(const std::string& first, const std::string& last, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"--json", "publisher", "add", "--fname",
                                         first,    "--lname",   last};
        args.insert(args.end(), more.begin(), more.end());
        const Result r = cli(args);
        EXPECT_EQ(r.code, Ok) << r.out << r.err;
        return static_cast<int>(test::JsonReader::parse(r.out)["id"].number);
    }
};

TEST_F(PublisherCommand, BuildsACongregationFromAnEmptyFolder) {
    const int budi = add("budi", "Santoso",
                         {"--brother", "--elder", "--birth", "1980-03-05", "--baptism", "1995-07",
                          "--addr", "Jl. Melati 1", "--group", "2", "--status", "new"});
    const int ana = add("Ana", "Adi",
                        {"--sister", "--regular", "--consent", "--consent-date", "2023-01-15",
                         "--email", "ana@example.org"});
    EXPECT_EQ(budi, 100);
    EXPECT_EQ(ana, 101);

    auto doc = load();
    ASSERT_EQ(doc->store().recordCount(), 3);
    const PublisherRecord& a = doc->store().at(1);  // in name order
    const PublisherRecord& b = doc->store().at(2);
    EXPECT_STREQ(a.lname, "Adi");
    EXPECT_STREQ(b.fname, "Budi");  // AutoCaps, as in the dialog
    EXPECT_EQ(b.privilege(), PrivilegeElder);
    EXPECT_STREQ(b.birdate, "03051980");
    EXPECT_STREQ(b.bapdate, "07  1995");
    EXPECT_EQ(b.group, 2);
    EXPECT_EQ(b.statusMark, 16 * 5 + 1);
    EXPECT_EQ(a.kindAt(doc->reportMonth().slot()), ServiceRegular);
    EXPECT_EQ(a.flags & RecordFlag::Sister, RecordFlag::Sister);
    ASSERT_NE(doc->extensionOf(1), 0);
    EXPECT_STREQ(doc->extensions().current().email, "ana@example.org");
    bool consent = false;
    for (const auto& e : doc->privilegeDates().entries)
        if (e.id == 101 && e.kind == PrivilegeKind::Consent) {
            consent = true;
            EXPECT_STREQ(e.start, "01152023");
        }
    EXPECT_TRUE(consent);
}

TEST_F(PublisherCommand, DuplicateNamesAreRefusedUnlessOverwriteIsGiven) {
    add("Budi", "Santoso", {"--addr", "Lama"});
    Result r = cli({"publisher", "add", "--fname", "BUDI", "--lname", "santoso"});
    EXPECT_EQ(r.code, Failure);
    EXPECT_NE(r.out.find("Budi Santoso adalah duplikat."), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Timpa dengan informasi baru?"), std::string::npos);
    EXPECT_EQ(load()->store().recordCount(), 2);

    r = cli({"publisher", "add", "--fname", "Budi", "--lname", "Santoso", "--addr", "Baru",
             "--overwrite"});
    EXPECT_EQ(r.code, Ok) << r.err;
    auto doc = load();
    ASSERT_EQ(doc->store().recordCount(), 2);
    EXPECT_STREQ(doc->store().at(1).addr, "Baru");

    // An inactive record of the same name is no duplicate.
    r = cli({"publisher", "move", "--id", std::to_string(doc->store().at(1).id), "--to", "inactive",
             "--month", "4"});
    EXPECT_EQ(r.code, Ok) << r.err;
    add("Budi", "Santoso");
    EXPECT_EQ(load()->store().recordCount(), 3);
}

TEST_F(PublisherCommand, RenameToAnExistingNameKeepsTheNameAndSaysSo) {
    add("Ana", "Adi");
    const int cici = add("Cici", "Tan");
    const Result r = cli(
        {"publisher", "edit", "--id", std::to_string(cici), "--fname", "Ana", "--lname", "Adi"});
    EXPECT_EQ(r.code, Ok) << r.err;
    EXPECT_NE(r.out.find("Ana Adi adalah duplikat."), std::string::npos) << r.out;
    auto doc = load();
    EXPECT_STREQ(doc->store().recordById(static_cast<PublisherId>(cici))->lname, "Adi");
}

TEST_F(PublisherCommand, RefusalsExitWithOne) {
    const int id = add("Ana", "Adi");
    Result r = cli({"publisher", "add", "--fname", "Łucja", "--lname", "Nowak"});
    EXPECT_EQ(r.code, Failure);
    EXPECT_NE(r.out.find("Ł"), std::string::npos) << r.out;
    r = cli({"publisher", "edit", "--id", std::to_string(id), "--lname", " "});
    EXPECT_EQ(r.code, Failure);
    EXPECT_NE(r.err.find("nama belakang kosong"), std::string::npos) << r.err;
    r = cli({"publisher", "edit", "--id", "999", "--addr", "x"});
    EXPECT_EQ(r.code, Failure);
    r = cli({"pioneer", "--id", std::to_string(id), "--kind", "none", "--month", "5"});
    EXPECT_EQ(r.code, Failure);
    EXPECT_STREQ(load()->store().at(1).lname, "Adi");
}

TEST_F(PublisherCommand, UsageErrorsExitWithTwo) {
    EXPECT_EQ(cli({"publisher"}).code, Usage);
    EXPECT_EQ(cli({"publisher", "frobnicate"}).code, Usage);
    EXPECT_EQ(cli({"publisher", "add", "--fname", "A"}).code, Usage);  // no --lname
    EXPECT_EQ(cli({"publisher", "add", "--lname", "A", "--sister", "--elder"}).code, Usage);
    EXPECT_EQ(cli({"publisher", "add", "--lname", "A", "--birth", "1980-13-01"}).code, Usage);
    EXPECT_EQ(cli({"publisher", "add", "--lname", "A", "--birth", "1850-01-01"}).code, Usage);
    EXPECT_EQ(cli({"publisher", "delete", "--id", "100", "--month", "3"}).code, Usage);
    EXPECT_EQ(cli({"publisher", "move", "--id", "100", "--to", "active", "--month", "3", "--year",
                   "2024"})
                  .code,
              Usage);
    EXPECT_EQ(cli({"pioneer", "--id", "100", "--kind", "sometimes", "--month", "3"}).code, Usage);
}

TEST_F(PublisherCommand, EditChangesOnlyWhatIsGiven) {
    const int id =
        add("Ana", "Adi", {"--addr", "Jl. A", "--phone", "021", "--mobile", "0812", "--servant"});
    const Result r = cli({"publisher", "edit", "--id", std::to_string(id), "--clear", "phone",
                          "--no-servant", "--deaf"});
    EXPECT_EQ(r.code, Ok) << r.err;
    auto doc = load();
    const PublisherRecord& a = doc->store().at(1);
    EXPECT_STREQ(a.addr, "Jl. A");
    EXPECT_STREQ(a.phone, "");
    EXPECT_STREQ(a.phone2, "0812");
    EXPECT_EQ(a.privilege(), PrivilegeNone);
    EXPECT_EQ(a.flags & RecordFlag::Brother, RecordFlag::Brother);  // unchecking leaves gender
    EXPECT_EQ(a.moreBits & MoreBit::Deaf, MoreBit::Deaf);
}

TEST_F(PublisherCommand, TemporaryDeletionStoresTheMonthAndYear) {
    const int id = add("Ana", "Adi");
    const Result r = cli({"publisher", "delete", "--id", std::to_string(id), "--temporary",
                          "--month", "3", "--year", "2024"});
    EXPECT_EQ(r.code, Ok) << r.err;
    auto doc = load();
    EXPECT_EQ(doc->store().at(1).listKind, ListDeleted);
    EXPECT_EQ(doc->store().at(1).markStamp, 3 + 256 * 74);

    EXPECT_EQ(
        cli({"publisher", "move", "--id", std::to_string(id), "--to", "active", "--month", "5"})
            .code,
        Ok);
    EXPECT_EQ(cli({"publisher", "delete", "--id", std::to_string(id)}).code, Ok);
    EXPECT_EQ(load()->store().recordCount(), 1);
}

TEST_F(PublisherCommand, ReactivationClearsTheMonthsOfAbsence) {
    const int id = add("Ana", "Adi");
    {
        auto doc = load();
        PublisherRecord& r = doc->store().at(1);
        for (int s = 0; s < kSlotCount; ++s) r.hours[s] = 5;
        ASSERT_EQ(doc->saveAll(), SaveOutcome::Saved);
    }
    EXPECT_EQ(cli({"publisher", "move", "--id", std::to_string(id), "--to", "inactive", "--month",
                   "3", "--year", "2024"})
                  .code,
              Ok);
    const Result r =
        cli({"publisher", "move", "--id", std::to_string(id), "--to", "active", "--month", "5"});
    EXPECT_EQ(r.code, Ok) << r.err;
    EXPECT_NE(r.out.find("2 bulan"), std::string::npos) << r.out;
    auto doc = load();
    const PublisherRecord& a = doc->store().at(1);
    EXPECT_EQ(a.listKind, ListActive);
    EXPECT_EQ(a.hours[monthSlot(4, 0)], 0);  // May 2024
    EXPECT_EQ(a.hours[monthSlot(3, 0)], 0);  // April 2024
    EXPECT_EQ(a.hours[monthSlot(2, 0)], 5);  // March 2024
}

TEST_F(PublisherCommand, PioneerEnrolmentMonthByMonth) {
    const int ana = add("Ana", "Adi");
    const int budi = add("Budi", "Santoso", {"--regular"});
    const std::string a = std::to_string(ana);
    Result r = cli({"pioneer", "--id", a, "--kind", "aux", "--month", "5"});
    EXPECT_EQ(r.code, Ok) << r.err;
    EXPECT_NE(r.out.find("Perintis ekstra - Mei 24 ( 1 )"), std::string::npos) << r.out;
    // Two years back only the months after May are held.
    EXPECT_EQ(cli({"pioneer", "--id", a, "--kind", "aux", "--month", "4", "--year", "2022"}).code,
              Failure);
    EXPECT_EQ(cli({"pioneer", "--id", a, "--kind", "aux", "--month", "6", "--year", "2022"}).code,
              Ok);
    EXPECT_EQ(cli({"pioneer", "--id", a, "--kind", "aux", "--month", "6", "--year", "2024"}).code,
              Failure);
    // One person cannot be two kinds of pioneer in one month.
    r = cli({"pioneer", "--id", std::to_string(budi), "--kind", "aux", "--month", "5"});
    EXPECT_EQ(r.code, Failure);
    EXPECT_EQ(
        cli({"pioneer", "--id", std::to_string(budi), "--kind", "special", "--month", "1"}).code,
        Ok);

    auto doc = load();
    const PublisherRecord* ra = doc->store().recordById(static_cast<PublisherId>(ana));
    EXPECT_EQ(ra->kindAt(monthSlot(4, 0)), ServiceAuxiliary);
    EXPECT_EQ(ra->kindAt(monthSlot(5, 0)), ServiceAuxiliary);  // June 2022
    EXPECT_EQ(doc->store().recordById(static_cast<PublisherId>(budi))->kindAt(monthSlot(0, 0)),
              ServiceSpecial);
    doc.reset();

    r = cli({"pioneer", "--id", a, "--kind", "none", "--month", "5"});
    EXPECT_EQ(r.code, Ok) << r.err;
    EXPECT_EQ(load()->store().recordById(static_cast<PublisherId>(ana))->kindAt(monthSlot(4, 0)),
              ServicePublisher);
}

}  // namespace
}  // namespace velno::cli
