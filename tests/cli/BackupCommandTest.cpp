// velno-cli backup, backups and restore on a demo folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "cli/JsonReader.h"
#include "support/StoreFixtures.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::JsonReader;

using test::Outcome;

struct Folder : test::DemoCliFolder {
    test::TempFolder usb;
    Folder() : DemoCliFolder(20) {}
};

TEST(CliBackupCommands, BackUpListAndRestoreTheLatestThenUndo) {
    Folder f;
    Outcome r = f.cli({"backup", "--to", f.usb.path().string(), "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto made = JsonReader::parse(r.out);
    const fs::path set = made["set"].string;
    EXPECT_EQ(f.usb.path(), set.parent_path());
    EXPECT_EQ(0u, set.filename().string().find("Vn9_"));
    EXPECT_GE(made["files"].items.size(), 8u);
    EXPECT_EQ("tdat9.bin", made["files"][0].string);
    EXPECT_GT(made["requiredBytes"].real, 0);
    EXPECT_TRUE(fs::exists(set / "tdat9.bin"));

    // The same minute again is refused with the dialog's message (unless
    // the clock turned meanwhile).
    r = f.cli({"backup", "--to", f.usb.path().string()});
    if (r.code != Ok) {
        EXPECT_EQ(Failure, r.code);
        EXPECT_NE(std::string::npos, r.err.find("Ulangi proses backup dalam 1 minute."));
    }

    r = f.cli({"backup", "--to", set.string()});
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("tidak dapat digunakan sbg target backup"));

    r = f.cli({"backups", "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto list = JsonReader::parse(r.out);
    ASSERT_GE(list["entries"].items.size(), 1u);
    EXPECT_EQ(0, list["entries"][0]["index"].real);
    EXPECT_EQ(f.usb.path(), fs::path(list["entries"][0]["path"].string).parent_path());

    const auto original = test::readBytes(f.dir.path() / "tdat9.bin");
    test::writeBytes(f.dir.path() / "tdat9.bin", std::vector<std::uint8_t>(original.size(), 0));
    EXPECT_EQ(Usage, f.cli({"restore"}).code);
    EXPECT_EQ(Usage, f.cli({"restore", "--latest", "--undo"}).code);
    EXPECT_EQ(Failure, f.cli({"restore", "--undo"}).code);  // nothing restored yet
    r = f.cli({"restore", "--latest", "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    EXPECT_FALSE(JsonReader::parse(r.out)["undone"].boolean);
    EXPECT_NE(std::vector<std::uint8_t>(original.size(), 0),
              test::readBytes(f.dir.path() / "tdat9.bin"));
    r = f.cli({"restore", "--undo", "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    EXPECT_TRUE(JsonReader::parse(r.out)["undone"].boolean);
    EXPECT_EQ(std::vector<std::uint8_t>(original.size(), 0),
              test::readBytes(f.dir.path() / "tdat9.bin"));
}

TEST(CliBackupCommands, ASourceWithAPasswordNeedsItOnStandardInput) {
    Folder f;
    ASSERT_EQ(Ok, f.cli({"password", "--new-stdin"}, "kunci\nkunci\n").code);
    Outcome r =
        f.cli({"--password-stdin", "backup", "--to", f.usb.path().string(), "--json"}, "kunci\n");
    ASSERT_EQ(Ok, r.code) << r.err;
    const std::string set = JsonReader::parse(r.out)["set"].string;
    ASSERT_EQ(Ok, f.cli({"--password-stdin", "password", "--new-stdin"}, "kunci\n \n \n").code);
    const auto before = test::readBytes(f.dir.path() / "tdat9.bin");

    r = f.cli({"restore", "--from", set});
    EXPECT_EQ(Failure, r.code);
    EXPECT_EQ(before, test::readBytes(f.dir.path() / "tdat9.bin"));
    r = f.cli({"restore", "--from", set, "--source-password-stdin"}, "salah\n");
    EXPECT_EQ(Failure, r.code);
    EXPECT_EQ(before, test::readBytes(f.dir.path() / "tdat9.bin"));
    r = f.cli({"restore", "--from", set, "--source-password-stdin"}, "kunci\n");
    EXPECT_EQ(Ok, r.code) << r.err;
    EXPECT_NE(before, test::readBytes(f.dir.path() / "tdat9.bin"));

    // The restored folder has the set's password again; the usb folder has no main file.
    r = f.cli({"--password-stdin", "restore", "--from", f.usb.path().string()}, "kunci\n");
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("tdat9.bin"));
}

}  // namespace
}  // namespace velno::cli
