// velno-cli household, contact, extra and overseer: what they store, what
// they refuse, and that the contact file is written at once.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/CliFolder.h"
#include "cli/JsonReader.h"
#include "store/CVelnoDoc.h"
#include "store/FileSystem.h"
#include "store/FixedText.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {
namespace {

constexpr const char* kToday = "2024-04-10";
constexpr CalendarDate kTodayDate{2024, 4, 10};

class HouseholdCommand : public ::testing::Test, protected CliFolder {
protected:
    HouseholdCommand() : CliFolder(kToday, kTodayDate) {}

    std::string add(const std::string& first, const std::string& last) {
        const CliResult r = cli({"--json", "publisher", "add", "--fname", first, "--lname", last});
        EXPECT_EQ(r.code, Ok) << r.out << r.err;
        return std::to_string(static_cast<int>(test::JsonReader::parse(r.out)["id"].number));
    }
};

TEST_F(HouseholdCommand, AddShowAndRemoveMembers) {
    const std::string head = add("Budi", "Santoso");
    const std::string ani = add("Ani", "Santoso");
    const std::string rina = add("Rina", "Putri");
    ASSERT_EQ(cli({"household", "add", "--head", head, "--member", ani}).code, Ok);
    ASSERT_EQ(cli({"household", "add", "--head", head, "--member", rina}).code, Ok);
    CliResult r = cli({"household", "show", "--id", ani, "--json"});
    ASSERT_EQ(r.code, Ok) << r.err;
    test::Json j = test::JsonReader::parse(r.out);
    EXPECT_EQ(j["head"]["id"].number, std::stoi(head));
    EXPECT_EQ(j["head"]["displayName"].string, "Budi Santoso");
    ASSERT_EQ(j["members"].items.size(), 2u);
    EXPECT_EQ(j["members"][0]["list"].string, "active");
    // The text names the list in the interface language; JSON keeps its word.
    r = cli({"household", "show", "--id", ani});
    EXPECT_NE(r.out.find("\tAni Santoso\t" + text::tr(text::TxCliListActive) + "\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("active"), std::string::npos) << r.out;

    // A head with members cannot join another household.
    EXPECT_EQ(cli({"household", "add", "--head", rina, "--member", head}).code, Failure);
    ASSERT_EQ(cli({"household", "remove", "--member", rina}).code, Ok);
    j = test::JsonReader::parse(cli({"household", "show", "--id", head, "--json"}).out);
    EXPECT_EQ(j["members"].items.size(), 1u);
    EXPECT_EQ(cli({"household", "remove", "--member", rina}).code, Failure);
}

TEST_F(HouseholdCommand, ASharedContactChangedThroughOnePublisherChangesForBoth) {
    const std::string a = add("Budi", "Santoso");
    const std::string b = add("Ani", "Santoso");
    ASSERT_EQ(
        cli({"contact", "set", "--id", a, "--contact", "Paman Joko", "--home", "0211", "--sy"})
            .code,
        Ok);
    ASSERT_EQ(cli({"contact", "set", "--id", b, "--share-with", a}).code, Ok);
    ASSERT_EQ(cli({"contact", "set", "--id", b, "--home", "0299"}).code, Ok);
    test::Json j = test::JsonReader::parse(cli({"contact", "show", "--id", a, "--json"}).out);
    EXPECT_EQ(j["contact"]["home"].string, "0299");
    EXPECT_EQ(j["contact"]["sharedWith"].number, 1);
    EXPECT_TRUE(j["contact"]["sy"].boolean);
    // Stopping to share keeps the texts in an entry of b's own.
    ASSERT_EQ(cli({"contact", "set", "--id", b, "--stop-sharing", "--home", "0300"}).code, Ok);
    j = test::JsonReader::parse(cli({"contact", "show", "--id", a, "--json"}).out);
    EXPECT_EQ(j["contact"]["home"].string, "0299");
    EXPECT_EQ(j["contact"]["sharedWith"].number, 0);
    j = test::JsonReader::parse(cli({"contact", "show", "--id", b, "--json"}).out);
    EXPECT_EQ(j["contact"]["contact"].string, "Paman Joko");
    EXPECT_EQ(j["contact"]["home"].string, "0300");
    EXPECT_EQ(cli({"contact", "set", "--id", b, "--sy", "--no-sy"}).code, Usage);
}

TEST_F(HouseholdCommand, NeedsExtraInformationAndTheCircuitOverseer) {
    const std::string a = add("Budi", "Santoso");
    const std::string b = add("Ani", "Santoso");
    ASSERT_EQ(
        cli({"extra", "set", "--id", a, "--longname", "Budi Agus Santoso", "--need", "Kursi roda"})
            .code,
        Ok);
    ASSERT_EQ(cli({"extra", "set", "--id", b, "--share-need-with", a}).code, Ok);
    ASSERT_EQ(cli({"extra", "set", "--id", b, "--need", "abc"}).code, Ok);
    EXPECT_EQ(cli({"extra", "set", "--id", b, "--share-need-with", b}).code, Failure);
    EXPECT_EQ(cli({"overseer", "set", "--fname", "Adi", "--lname", "B"}).code, Failure);
    ASSERT_EQ(cli({"overseer", "set", "--fname", "Bartholomeus Adiny", "--lname", "Ab"}).code, Ok);

    const auto loaded = load();
    const CVelnoDoc& doc = *loaded;
    const PublisherRecord* ra = doc.store().recordById(static_cast<PublisherId>(std::stoi(a)));
    const PublisherRecord* rb = doc.store().recordById(static_cast<PublisherId>(std::stoi(b)));
    EXPECT_NE(ra->specneed, 0);
    EXPECT_EQ(rb->specneed, 0);  // three characters are no need
    const PublisherRecord* co = doc.store().recordById(30003);
    ASSERT_NE(co, nullptr);
    EXPECT_EQ(co->listKind, ListCircuitOverseer);
    EXPECT_EQ(fieldText(co->fname), "Bartholomeus Adiny");
}

// Refuses to create any file whose name starts with `prefix` (the new
// file's temporary name does), for every folder while it is installed.
class RefusedFile : public FileSystem {
public:
    explicit RefusedFile(std::string prefix) : prefix_(std::move(prefix)) {
        useFileSystemByDefault(this);
    }
    ~RefusedFile() override { useFileSystemByDefault(nullptr); }
    RefusedFile(const RefusedFile&) = delete;
    RefusedFile& operator=(const RefusedFile&) = delete;

    int createExclusive(const std::string& path, int& fd) override {
        if (std::filesystem::path(path).filename().string().rfind(prefix_, 0) == 0) {
            fd = -1;
            return EIO;
        }
        return FileSystem::createExclusive(path, fd);
    }

private:
    std::string prefix_;
};

// A need or contact that cannot be written fails the command: exit 1, the
// file named, no result line, and nothing of it saved.
TEST_F(HouseholdCommand, AFailedWriteOfTheNeedOrContactFileFailsTheCommand) {
    const std::string a = add("Budi", "Santoso");
    const struct {
        const char* file;
        std::vector<std::string> command;
    } cases[] = {
        {"spneed.dat", {"extra", "set", "--id", a, "--need", "Kursi roda"}},
        {"emerg.dat", {"contact", "set", "--id", a, "--contact", "Paman Joko"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CliResult r{};
        {
            const RefusedFile refused(c.file);
            r = cli(c.command);
        }
        EXPECT_EQ(r.code, Failure) << r.out;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.file), std::string::npos) << r.err;
        const auto loaded = load();
        const PublisherRecord* rec =
            loaded->store().recordById(static_cast<PublisherId>(std::stoi(a)));
        ASSERT_NE(rec, nullptr);
        EXPECT_EQ(rec->specneed, 0);
        EXPECT_EQ(rec->emergId, 0);
    }
    // Written once the file can be.
    EXPECT_EQ(cli(cases[0].command).code, Ok);
    EXPECT_NE(load()->store().recordById(static_cast<PublisherId>(std::stoi(a)))->specneed, 0);
}

}  // namespace
}  // namespace velno::cli
