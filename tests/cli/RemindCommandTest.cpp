// velno-cli remind and the lists it shares with the list viewer: the
// reminder to a publisher or a group's overseer, its sender rule, the
// refusals, and the special-needs and custom-category lists.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Cli.h"
#include "cli/JsonReader.h"
#include "store/CVelnoDoc.h"
#include "store/ExtensionTable.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::Json;
using test::JsonReader;

constexpr const char* kToday = "2023-12-05";  // ReportMonth November 2023

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result cli(const fs::path& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", folder.string(), "--today", kToday});
    std::istringstream in;
    std::ostringstream out, err;
    const int code = run(args, in, out, err);
    return {code, out.str(), err.str()};
}

// Nobody has reported November. Ani oversees group 1 and has an address,
// Budi (group 1) too; Citra has none. Budi is blind, Citra deaf and in
// the custom category.
void writeCongregation(const fs::path& folder, const std::string& settings) {
    CVelnoDoc doc;
    doc.setToday({2023, 12, 5});
    ASSERT_TRUE(doc.loadStore(folder));
    auto ani = test::makeRecord(100, "Ani", "Lubis");
    ani.group = 1;
    auto budi = test::makeRecord(101, "Budi", "Hasan");
    budi.group = 1;
    budi.moreBits |= MoreBit::Blind;
    setFieldText(budi.phone, "0211");
    auto citra = test::makeRecord(102, "Citra", "Wijaya");
    citra.group = 2;
    citra.moreBits |= MoreBit::Deaf;
    citra.flags |= RecordFlag::CustomCategory;
    for (const auto& r : {ani, budi, citra}) doc.store().append(r);
    doc.sortAndIndex();
    for (const auto& [id, address] :
         {std::pair<PublisherId, const char*>{100, "ani@contoh.id"}, {101, "budi@contoh.id"}}) {
        PublisherExtension& e = doc.extensions().current();
        e = PublisherExtension{};
        e.owner = id;
        setFieldText(e.email, address);
        doc.store().recordById(id)->extSlot = static_cast<std::uint16_t>(doc.writeExtension());
    }
    GroupFile& g = doc.groups().data();
    g.count = 2;
    setFieldText(g.overseer[0], "Ani Lubis");
    ASSERT_EQ(doc.saveAll(), SaveOutcome::Saved);
    doc.closeDocument();
    std::ofstream(folder / "velnoin.ini") << settings;
}

class RemindCommand : public ::testing::Test {
protected:
    void SetUp() override { writeCongregation(dir.path(), ""); }
    test::TempFolder dir;
};

TEST_F(RemindCommand, DryRunShowsTheReminderToThePublisher) {
    const Result r = cli(dir.path(), {"remind", "--id", "101", "--dry-run"});
    EXPECT_EQ(r.code, Ok) << r.err;
    EXPECT_EQ(r.out,
              "Kepada: budi@contoh.id\nDari: VELNO\nSubjek: Tidak Ada Laporan untuk November \n\n"
              "Silahkan kirim laporan Sdr untuk November. \nTerima kasih.\n");
}

TEST_F(RemindCommand, TheOverseerGetsHisGroupsListAndTheSecretarySignsWithFourCharacters) {
    std::ofstream(dir.path() / "velnoin.ini") << "[Sec]\nEmail=sek@contoh.id\n";
    const Result r = cli(dir.path(), {"--json", "remind", "--group", "1", "--dry-run"});
    ASSERT_EQ(r.code, Ok) << r.err;
    const Json mail = JsonReader::parse(r.out);
    EXPECT_EQ(mail["to"].string, "ani@contoh.id");
    EXPECT_EQ(mail["from"].string, "sek@contoh.id");
    EXPECT_EQ(mail["text"].string, "Budi Hasan\t0211\nAni Lubis\t\n");
    EXPECT_FALSE(mail["composed"].boolean);

    std::ofstream(dir.path() / "velnoin.ini") << "[Sec]\nEmail=a@b\n";
    const Json shortSender =
        JsonReader::parse(cli(dir.path(), {"--json", "remind", "--id", "100", "--dry-run"}).out);
    EXPECT_EQ(shortSender["from"].string, "VELNO");
}

TEST_F(RemindCommand, ComposesInTheMailProgramAndRefusesWhatItCannotAddress) {
    // A stand-in mail program records what it was given.
    const fs::path bin = dir.file("bin");
    fs::create_directories(bin);
    const fs::path log = dir.file("mail.log");
    {
        std::ofstream script(bin / "xdg-email");
        script << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << log.string() << "'\n";
    }
    fs::permissions(bin / "xdg-email", fs::perms::owner_all);
    const std::string path = std::getenv("PATH");
    setenv("PATH", (bin.string() + ":" + path).c_str(), 1);
    const Result sent = cli(dir.path(), {"remind", "--id", "100"});
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(sent.code, Ok) << sent.err;
    std::ifstream in(log);
    const std::string given((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(given.find("ani@contoh.id"), std::string::npos);
    EXPECT_NE(given.find("Tidak Ada Laporan untuk November"), std::string::npos);

    const Result noAddress = cli(dir.path(), {"remind", "--id", "102", "--dry-run"});
    EXPECT_EQ(noAddress.code, Failure);
    EXPECT_NE(noAddress.err.find("Tidak ada Alamat E-mail untuk Citra Wijaya"), std::string::npos);
    EXPECT_EQ(cli(dir.path(), {"remind", "--group", "2", "--dry-run"}).code, Failure)
        << "group 2 has no overseer";
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"remind"}, {"remind", "--id", "100", "--group", "1"}, {"remind", "--group", "0"}})
        EXPECT_EQ(cli(dir.path(), args).code, Usage);
}

TEST_F(RemindCommand, SpecialNeedsAndCustomLists) {
    Json list = JsonReader::parse(cli(dir.path(), {"--json", "list", "specialneeds"}).out);
    ASSERT_EQ(list["rows"].items.size(), 1u);
    EXPECT_EQ(list["rows"][0]["id"].number, 102);
    list = JsonReader::parse(
        cli(dir.path(), {"--json", "list", "specialneeds", "--need", "blind"}).out);
    ASSERT_EQ(list["rows"].items.size(), 1u);
    EXPECT_EQ(list["rows"][0]["id"].number, 101);
    EXPECT_EQ(cli(dir.path(), {"list", "specialneeds", "--need", "tall"}).code, Usage);

    const Result none = cli(dir.path(), {"list", "custom"});
    EXPECT_EQ(none.code, Failure) << "no custom category yet";
    EXPECT_TRUE(none.out.empty()) << none.out;
    EXPECT_EQ(none.err, "velno-cli: " + text::tr(text::TxCliNoCustomCategory) + "\n");
    std::ofstream(dir.path() / "velnoin.ini")
        << "[Kategori Tambahan]\nEnabled=1\nKategori Tambahan=Pengantar\n";
    const Result custom = cli(dir.path(), {"list", "custom"});
    EXPECT_EQ(custom.code, Ok) << custom.err;
    EXPECT_EQ(custom.out, "Pengantar ( 1 )\nCitra Wijaya\n");
}

}  // namespace
}  // namespace velno::cli
