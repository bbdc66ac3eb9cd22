// velno-cli groupfile make and import: a file made, returned with a new
// report, listed without changes and merged.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "cli/CliRun.h"
#include "cli/JsonReader.h"
#include "store/Calendar.h"
#include "store/PublisherRecord.h"
#include "store/Scrambler.h"
#include "support/StoreFixtures.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::JsonReader;

using test::Outcome;

struct Folder : test::DemoCliFolder {
    Folder() : DemoCliFolder(30) {}
};

TEST(CliGroupFile, MakeReturnListAndMerge) {
    Folder f;
    Outcome r = f.cli({"groupfile", "make", "--group", "1", "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto made = JsonReader::parse(r.out);
    const fs::path t09 = made["file"].string;
    EXPECT_EQ(f.dir.path() / "Kelompok1.t09", t09);
    EXPECT_EQ(5, made["month"].real);  // ReportMonth May
    ASSERT_GT(made["members"].real, 1);

    // The overseer enters 11 hours for the first member and sends it back.
    auto bytes = test::readBytes(t09);
    PublisherRecord first{};
    std::memcpy(&first, bytes.data() + sizeof first, sizeof first);
    const int slot = monthSlot(4, 2024 % 2);
    first.hours[slot] = static_cast<std::uint16_t>(first.hours[slot] + 11);
    std::memcpy(bytes.data() + sizeof first, &first, sizeof first);
    const fs::path t19 = f.dir.path() / "Kelompok1.t19";
    test::writeBytes(t19, bytes);
    const auto before = test::readBytes(f.dir.path() / "tdat9.bin");

    r = f.cli({"groupfile", "import", t19.string(), "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto listed = JsonReader::parse(r.out);
    ASSERT_EQ(1u, listed["lines"].items.size());
    EXPECT_EQ(1, listed["lines"][0]["index"].real);
    EXPECT_EQ(5, listed["lines"][0]["month"].real);
    EXPECT_FALSE(listed["lines"][0]["late"].boolean);
    EXPECT_EQ(before, test::readBytes(f.dir.path() / "tdat9.bin"));  // listing changes nothing

    EXPECT_EQ(Usage, f.cli({"groupfile", "import", t19.string(), "--merge", "2"}).code);
    r = f.cli({"groupfile", "import", t19.string(), "--merge", "all"});
    ASSERT_EQ(Ok, r.code) << r.err;
    EXPECT_NE(before, test::readBytes(f.dir.path() / "tdat9.bin"));
    r = f.cli({"groupfile", "import", t19.string(), "--json"});
    EXPECT_TRUE(JsonReader::parse(r.out)["lines"].items.empty());

    // A cut file is refused with a message and nothing is merged.
    bytes.resize(bytes.size() - 100);
    test::writeBytes(t19, bytes);
    const auto merged = test::readBytes(f.dir.path() / "tdat9.bin");
    r = f.cli({"groupfile", "import", t19.string(), "--merge", "all"});
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("Kelompok1.t19"));
    EXPECT_EQ(merged, test::readBytes(f.dir.path() / "tdat9.bin"));
    EXPECT_EQ(Usage, f.cli({"groupfile", "make"}).code);
}

}  // namespace
}  // namespace velno::cli
