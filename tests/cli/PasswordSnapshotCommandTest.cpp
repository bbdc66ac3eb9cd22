// velno-cli: changing the password from standard input, the month-end
// snapshots, and a snapshot opened read-only with --snapshot.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "cli/Cli.h"
#include "cli/JsonReader.h"
#include "demo/DemoCongregation.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::JsonReader;

constexpr const char* kToday = "2024-06-10";  // ReportMonth May 2024

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

struct Folder {
    test::TempFolder dir;
    Folder() {
        std::string error;
        EXPECT_TRUE(writeDemoCongregation(dir.path(), {2024, 6, 10}, 3, 20, &error)) << error;
    }
    Outcome cli(std::vector<std::string> args, const std::string& input = "") const {
        args.insert(args.begin(), {"--data", dir.path().string(), "--today", kToday});
        std::istringstream in(input);
        std::ostringstream out, err;
        const int code = velno::cli::run(args, in, out, err);
        return {code, out.str(), err.str()};
    }
    std::map<std::string, std::vector<std::uint8_t>> files() const {
        std::map<std::string, std::vector<std::uint8_t>> all;
        for (const auto& e : fs::recursive_directory_iterator(dir.path()))
            if (e.is_regular_file())
                all[fs::relative(e.path(), dir.path()).string()] = test::readBytes(e.path());
        return all;
    }
};

TEST(CliPasswordCommand, SetsChecksAndRemovesThePassword) {
    Folder f;
    Outcome r = f.cli({"password", "--new-stdin"}, "kunci\nkunci\n");
    ASSERT_EQ(Ok, r.code) << r.err;
    EXPECT_EQ("Sandi telah diubah.\n", r.out);

    EXPECT_EQ(Failure, f.cli({"info"}).code);
    EXPECT_EQ(Ok, f.cli({"--password-stdin", "info"}, "kunci\n").code);

    // The old password first, then the new one twice: an empty line removes it.
    r = f.cli({"password", "--new-stdin", "--json"}, "kunci\n\n\n");
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto json = JsonReader::parse(r.out);
    EXPECT_EQ("removed", json["result"].string);
    EXPECT_EQ("Sandi telah dihapus.", json["message"].string);
    EXPECT_EQ(Ok, f.cli({"info"}).code);
}

TEST(CliPasswordCommand, MismatchOrWrongOldPasswordChangesNothing) {
    Folder f;
    ASSERT_EQ(Ok, f.cli({"password", "--new-stdin"}, "kunci\nkunci\n").code);
    const auto before = f.files();

    Outcome r = f.cli({"password", "--new-stdin"}, "kunci\nbaru\nbaRu\n");
    EXPECT_EQ(Failure, r.code);
    EXPECT_EQ("Sandi TIDAK diubah.\n", r.out);

    r = f.cli({"password", "--new-stdin"}, "salah\nbaru\nbaru\n");
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("kata sandi salah")) << r.err;

    EXPECT_EQ(Usage, f.cli({"password"}).code);
    // Nothing was saved: the main file is as it was and the old password opens it.
    EXPECT_EQ(before.at("tdat9.bin"), f.files().at("tdat9.bin"));
    EXPECT_EQ(Ok, f.cli({"--password-stdin", "info"}, "kunci\n").code);
}

// The demo of May 2024 with, as its April snapshot, a smaller congregation.
struct WithSnapshot : Folder {
    WithSnapshot() {
        test::TempFolder april;
        std::string error;
        EXPECT_TRUE(writeDemoCongregation(april.path(), {2024, 5, 8}, 5, 6, &error)) << error;
        const fs::path to = dir.path() / "Roll" / "Vn9_4";
        fs::create_directories(to);
        for (const auto& e : fs::directory_iterator(april.path()))
            fs::copy_file(e.path(), to / e.path().filename());
    }
};

TEST(CliSnapshots, ListsTheSixMonthsBeforeTheReportMonth) {
    WithSnapshot f;
    const Outcome r = f.cli({"snapshots", "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto list = JsonReader::parse(r.out);
    ASSERT_EQ(6u, list.items.size());
    EXPECT_EQ("April", list[0]["name"].string);
    EXPECT_EQ(4, list[0]["month"].number);
    EXPECT_EQ(2024, list[0]["year"].number);
    EXPECT_EQ("Roll/Vn9_4", list[0]["folder"].string);
    EXPECT_TRUE(list[0]["available"].boolean);
    EXPECT_EQ("Desember", list[4]["name"].string);
    EXPECT_EQ(2023, list[4]["year"].number);
    EXPECT_FALSE(list[4]["available"].boolean);

    const Outcome text = f.cli({"snapshots"});
    EXPECT_EQ(0u,
              text.out.find(
                  "1  April 2024  Roll/Vn9_4  tersedia\n2  Maret 2024  Roll/Vn9_3  tidak ada\n"))
        << text.out;
}

TEST(CliSnapshots, SnapshotOpensReadOnlyWithItsOwnMonth) {
    WithSnapshot f;
    const auto before = f.files();
    Outcome r = f.cli({"--snapshot", "1", "info", "--json"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto info = JsonReader::parse(r.out);
    EXPECT_EQ(4, info["reportMonth"]["month"].number);
    EXPECT_EQ(2024, info["reportMonth"]["year"].number);
    EXPECT_LT(info["recordCount"].number, 20);

    r = f.cli({"--snapshot", "1", "resave"});
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("hanya-baca")) << r.err;
    r = f.cli({"--snapshot", "1", "password", "--new-stdin"}, "a\na\n");
    EXPECT_EQ(Failure, r.code);

    r = f.cli({"--snapshot", "2", "info"});
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("Maret 2024")) << r.err;
    EXPECT_EQ(Usage, f.cli({"--snapshot", "7", "info"}).code);
    EXPECT_EQ(before, f.files());
}

}  // namespace
}  // namespace velno::cli
