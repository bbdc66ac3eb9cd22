// Unprotected exports left in the data folder: the dialog's list and
// choices, the lists removed in any case, a snapshot's load working on the
// live folder, and velno-cli's removal riding on the save's commit.

#include <gtest/gtest.h>

#include "exchange/ExchangeFixture.h"
#include "exchange/ExportFilesWarningModel.h"
#include "store/OldReports.h"

namespace velno {
namespace {

namespace fs = std::filesystem;
using test::Live;

void touch(const fs::path& file) {
    test::writeBytes(file, {'x'});
}

const char* const kLists[] = {"contact.tsv", "3rdparty.tsv", "cardhdr.tsv"};

TEST(ExportFilesWarning, WithoutMonthFilesNoDialogButTheListsGo) {
    Live f({2025, 3, 10});
    for (const char* name : kLists) touch(f.dir.file(name));
    touch(f.dir.file("publist.xml"));
    touch(f.dir.file("catatan.csv"));
    int dialogs = 0;
    runExportFilesWarning(f.doc, [&](ExportFilesWarningModel&) {
        ++dialogs;
        return true;
    });
    EXPECT_EQ(dialogs, 0);
    for (const char* name : kLists) EXPECT_FALSE(fs::exists(f.dir.file(name))) << name;
    EXPECT_FALSE(fs::exists(f.dir.file("publist.xml")));
    EXPECT_TRUE(fs::exists(f.dir.file("catatan.csv")));
    EXPECT_TRUE(f.prompter.told.empty());
}

TEST(ExportFilesWarning, MonthFilesListedSelectedAndOnlyTheChosenDeleted) {
    Live f({2025, 3, 10});
    touch(f.dir.file("Januari.csv"));
    touch(f.dir.file("Januari.rpt"));
    // Files written on a system that ignores case still count.
    touch(f.dir.file("MARET.CSV"));
    touch(f.dir.file("publist.xml"));
    touch(f.dir.file("contact.tsv"));
    ExportFilesWarningModel model(f.doc.folder());
    ASSERT_TRUE(model.needsDialog());
    EXPECT_EQ(model.title(), "Peringatan!!");
    EXPECT_NE(model.text().find("tidak terenkripsi"), std::string::npos);
    EXPECT_EQ(model.files(),
              (std::vector<std::string>{"Januari.csv", "Januari.rpt", "Maret.csv", "publist.xml"}));
    for (int row = 0; row < 4; ++row) EXPECT_TRUE(model.isSelected(row));
    model.setSelected(1, false);
    EXPECT_TRUE(model.accept().empty());
    EXPECT_FALSE(fs::exists(f.dir.file("Januari.csv")));
    EXPECT_TRUE(fs::exists(f.dir.file("Januari.rpt")));
    EXPECT_FALSE(fs::exists(f.dir.file("MARET.CSV")));
    EXPECT_FALSE(fs::exists(f.dir.file("publist.xml")));
    EXPECT_FALSE(fs::exists(f.dir.file("contact.tsv")));
}

TEST(ExportFilesWarning, CancelKeepsTheMonthFilesAndStillRemovesTheLists) {
    Live f({2025, 3, 10});
    touch(f.dir.file("Desember.rpt"));
    touch(f.dir.file("publist.xml"));
    touch(f.dir.file("cardhdr.tsv"));
    std::vector<std::string> shown;
    runExportFilesWarning(f.doc, [&](ExportFilesWarningModel& m) {
        shown = m.files();
        return false;
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"Desember.rpt", "publist.xml"}));
    EXPECT_TRUE(fs::exists(f.dir.file("Desember.rpt")));
    // publist.xml goes with the second step whatever the answer.
    EXPECT_FALSE(fs::exists(f.dir.file("publist.xml")));
    EXPECT_FALSE(fs::exists(f.dir.file("cardhdr.tsv")));
}

TEST(ExportFilesWarning, WhileASnapshotIsOpenTheLiveFolderIsCleaned) {
    Live f({2025, 3, 10});
    ASSERT_TRUE(showSnapshot(f.doc, 1));
    ASSERT_TRUE(f.doc.oldYearView);
    touch(f.dir.file("contact.tsv"));
    touch(f.dir.file("Februari.csv"));
    int dialogs = 0;
    runExportFilesWarning(f.doc, [&](ExportFilesWarningModel&) {
        ++dialogs;
        return true;
    });
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(fs::exists(f.dir.file("contact.tsv")));
    EXPECT_FALSE(fs::exists(f.dir.file("Februari.csv")));
}

TEST(ExportFilesWarning, HeldRemovalsHappenOnlyWithTheCommit) {
    Live f({2025, 3, 10});
    touch(f.dir.file("3rdparty.tsv"));
    f.doc.folder().holdWrites();
    EXPECT_TRUE(removeUnprotectedExports(f.doc.folder()).empty());
    EXPECT_TRUE(fs::exists(f.dir.file("3rdparty.tsv")));
    f.doc.folder().discardHeld();
    EXPECT_TRUE(fs::exists(f.dir.file("3rdparty.tsv")));
    f.doc.folder().holdWrites();
    (void)removeUnprotectedExports(f.doc.folder());
    ASSERT_TRUE(f.doc.folder().commitHeld());
    EXPECT_FALSE(fs::exists(f.dir.file("3rdparty.tsv")));
}

}  // namespace
}  // namespace velno
