// The folder picker's rules, through its model and through the dialog.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "ShellFixture.h"
#include "app/SelectFolderDialog.h"
#include "store/SelectFolderModel.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

namespace fs = std::filesystem;

TEST(SelectFolder, TextsAndTrailingSeparator) {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    SelectFolderModel model(dir.path().string() + "/");
    EXPECT_EQ("Pilih Folder", model.title());
    EXPECT_EQ("Folder Saat ini", model.fieldCaption());
    EXPECT_EQ("Select", model.okText());
    ASSERT_EQ(SelectFolderModel::Outcome::Accepted, model.confirm(prompter, "/"));
    // One trailing separator dropped, one added back: never two.
    EXPECT_EQ(dir.path().string() + "/", model.result());
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_TRUE(prompter.told.empty());
}

TEST(SelectFolder, EmptyFieldTakesTheFolderOnShow) {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    SelectFolderModel model("");
    ASSERT_EQ(SelectFolderModel::Outcome::Accepted, model.confirm(prompter, dir.path().string()));
    EXPECT_EQ(dir.path().string() + "/", model.result());
}

TEST(SelectFolder, DoubledSeparatorAfterTheStartIsRefused) {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    SelectFolderModel model(dir.path().string() + "//data");
    EXPECT_EQ(SelectFolderModel::Outcome::StayOpen, model.confirm(prompter, "/"));
    ASSERT_EQ(1u, prompter.told.size());
    EXPECT_EQ("Invalid Folder", prompter.told[0]);
    EXPECT_FALSE(fs::exists(dir.path() / "data"));
}

TEST(SelectFolder, MissingFolderIsCreatedWithItsParentsOnYes) {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    prompter.answers = {Answer::Yes};
    const fs::path target = dir.path() / "a" / "b" / "c";
    SelectFolderModel model(target.string());
    ASSERT_EQ(SelectFolderModel::Outcome::Accepted, model.confirm(prompter, "/"));
    ASSERT_EQ(1u, prompter.asked.size());
    EXPECT_EQ(target.string() + "\nThis path does not exist. Do you want to create it?",
              prompter.asked[0]);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(target.string() + "/", model.result());
}

TEST(SelectFolder, NoGoesOnWithTheMissingFolder) {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    prompter.answers = {Answer::No};
    const fs::path target = dir.path() / "nanti";
    SelectFolderModel model(target.string());
    ASSERT_EQ(SelectFolderModel::Outcome::Accepted, model.confirm(prompter, "/"));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(target.string() + "/", model.result());
}

TEST(SelectFolder, FolderThatCannotBeCreatedKeepsTheDialogOpen) {
    test::TempFolder dir;
    std::ofstream(dir.file("berkas")) << "x";
    test::ScriptedPrompter prompter;
    prompter.answers = {Answer::Yes};
    const fs::path target = dir.path() / "berkas" / "sub";
    SelectFolderModel model(target.string());
    EXPECT_EQ(SelectFolderModel::Outcome::StayOpen, model.confirm(prompter, "/"));
    ASSERT_EQ(1u, prompter.told.size());
    EXPECT_EQ("Could not create folder: " + target.string(), prompter.told[0]);
}

TEST(SelectFolder, RelativePathIsTakenFromTheFolderOnShow) {
    test::TempFolder dir;
    fs::create_directory(dir.path() / "data");
    test::ScriptedPrompter prompter;
    SelectFolderModel model("data");
    ASSERT_EQ(SelectFolderModel::Outcome::Accepted, model.confirm(prompter, dir.path().string()));
    EXPECT_EQ((dir.path() / "data").string() + "/", model.result());
}

TEST(SelectFolderDialog, TypedFolderIsCreatedAndReturned) {
    test::TempFolder dir;
    app::QtPrompter prompter;
    app::CSelectFolderDialog dialog(QString::fromStdString(dir.path().string()), prompter);
    dialog.show();
    EXPECT_EQ("Pilih Folder", dialog.windowTitle().toStdString());
    EXPECT_EQ("Select", dialog.selectButton()->text().toStdString());
    const fs::path target = dir.path() / "Velno";
    dialog.field()->clear();
    QTest::keyClicks(dialog.field(), QString::fromStdString(target.string()));
    std::string asked;
    test::onNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(nullptr, box);
        asked = box->text().toStdString();
        box->button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(dialog.selectButton(), Qt::LeftButton);
    EXPECT_NE(std::string::npos, asked.find("This path does not exist"));
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QString::fromStdString(target.string() + "/"), dialog.folder());
    EXPECT_TRUE(fs::is_directory(target));
}

}  // namespace
}  // namespace velno
