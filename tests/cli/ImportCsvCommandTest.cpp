// velno-cli import csv: the column map from --map or the saved file, names
// assigned by --assign and remembered, the refusals, and the merge.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "cli/JsonReader.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::JsonReader;
using test::Outcome;

struct Folder : test::DemoCliFolder {
    Folder() : DemoCliFolder(30) {
        CVelnoDoc doc;
        doc.setToday({2024, 6, 10});
        doc.loadStore(dir.path());
        for (int pos = 1; pos < doc.store().recordCount() && people.size() < 3; ++pos) {
            const PublisherRecord& r = doc.store().at(pos);
            if (r.listKind == ListActive && r.hours[slot()] == 0)
                people.push_back({fieldText(r.fname), fieldText(r.lname), r.id});
        }
    }
    struct Person {
        std::string first, last;
        int id;
    };
    std::vector<Person> people;
    static int slot() { return monthSlot(4, 2024 % 2); }  // ReportMonth May 2024
    fs::path csv(const std::string& text) const {
        const fs::path p = dir.path() / "laporan.csv";
        test::writeBytes(p, std::vector<std::uint8_t>(text.begin(), text.end()));
        return p;
    }
    bool has(const char* name) const { return fs::exists(dir.path() / name); }
};

TEST(CliImportCsv, MapsColumnsAndNamesRemembersThemAndMerges) {
    Folder f;
    ASSERT_EQ(3u, f.people.size());
    const auto& a = f.people[0];
    const auto& b = f.people[1];
    const fs::path file =
        f.csv("Depan;Keluarga;Berdinas;PAR;Jam;Ket\r\n" + a.first + ";" + a.last +
              ";1;2;7;baik\r\n" + b.first + ";" + b.last + ";1;0;3\r\nOrang;Asing;1;1;4;x\r\n");
    const auto before = test::readBytes(f.dir.path() / "tdat9.bin");

    // No saved map and no --map: what is missing is named, nothing written.
    Outcome r = f.cli({"import", "csv", file.string()});
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("hours")) << r.err;
    EXPECT_FALSE(f.has("vnmap.dat"));

    EXPECT_EQ(Usage, f.cli({"import", "csv", file.string(), "--map", "hours=9"}).code);
    EXPECT_EQ(Usage, f.cli({"import", "csv", file.string(), "--map", "minutes=5"}).code);

    // A name nobody has stops the import until it is assigned or skipped;
    // the column map is already written.
    const std::string map = "first=1,last=2,shared=3,studies=4,hours=5,remark=6";
    r = f.cli({"import", "csv", file.string(), "--map", map});
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("Orang Asing")) << r.err;
    EXPECT_EQ(840u, fs::file_size(f.dir.path() / "vnmap.dat"));
    EXPECT_FALSE(f.has("tpmap.dat"));

    const std::string assign = "Orang Asing=" + std::to_string(f.people[2].id);
    EXPECT_EQ(Failure, f.cli({"import", "csv", file.string(), "--assign", "Orang Asing=1"}).code);
    r = f.cli({"--json", "import", "csv", file.string(), "--assign", assign});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto listed = JsonReader::parse(r.out);
    ASSERT_EQ(3u, listed["lines"].items.size());
    EXPECT_EQ(5, listed["month"].real);
    EXPECT_EQ(a.id, listed["lines"][0]["id"].real);
    EXPECT_EQ(f.people[2].id, listed["lines"][2]["id"].real);
    EXPECT_TRUE(listed["unidentified"].items.empty());
    EXPECT_EQ(128u, fs::file_size(f.dir.path() / "tpmap.dat"));
    EXPECT_EQ(before, test::readBytes(f.dir.path() / "tdat9.bin"));  // listing changes nothing

    // Both maps are remembered: no option needed the next time.
    r = f.cli({"import", "csv", file.string(), "--merge", "1,3"});
    ASSERT_EQ(Ok, r.code) << r.err;
    CVelnoDoc doc;
    doc.setToday({2024, 6, 10});
    doc.loadStore(f.dir.path());
    const int s = Folder::slot();
    EXPECT_EQ(7, doc.store().recordById(static_cast<PublisherId>(a.id))->hours[s]);
    EXPECT_EQ(0, doc.store().recordById(static_cast<PublisherId>(b.id))->hours[s]);
    EXPECT_EQ(4, doc.store().recordById(static_cast<PublisherId>(f.people[2].id))->hours[s]);
}

TEST(CliImportCsv, SkipsUnidentifiedNamesOnlyWhenTold) {
    Folder f;
    const auto& a = f.people[0];
    const fs::path file = f.csv("Nama,Berdinas,PAR,Jam,Ket\n" + a.first + " " + a.last +
                                ",1,1,5,\nOrang Asing,1,1,4,\n");
    const Outcome r = f.cli({"--json", "import", "csv", file.string(), "--map",
                             "name=1,shared=2,studies=3,hours=4,remark=5", "--skip-unidentified"});
    ASSERT_EQ(Ok, r.code) << r.err;
    const auto listed = JsonReader::parse(r.out);
    ASSERT_EQ(1u, listed["lines"].items.size());
    ASSERT_EQ(1u, listed["unidentified"].items.size());
    EXPECT_EQ("Orang Asing", listed["unidentified"][0].string);
    EXPECT_EQ(0u, fs::file_size(f.dir.path() / "tpmap.dat"));
}

TEST(CliImportCsv, ARefusedFileChangesNoFile) {
    Folder f;
    const fs::path file = f.csv("Nama,Jam\nBudi,4\n");
    const auto before = test::readBytes(f.dir.path() / "tdat9.bin");
    const Outcome r = f.cli({"import", "csv", file.string(), "--map", "name=1", "--rule"});
    EXPECT_EQ(Failure, r.code);
    EXPECT_NE(std::string::npos, r.err.find("required headers")) << r.err;
    EXPECT_FALSE(f.has("vnmap.dat"));
    EXPECT_FALSE(f.has("tpmap.dat"));
    EXPECT_EQ(before, test::readBytes(f.dir.path() / "tdat9.bin"));
    EXPECT_EQ(Usage, f.cli({"import", "xls", file.string()}).code);
    EXPECT_EQ(Usage, f.cli({"import", "csv"}).code);
}

}  // namespace
}  // namespace velno::cli
