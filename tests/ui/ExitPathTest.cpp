// Closing the main window with and without unsaved changes.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "ShellFixture.h"
#include "app/ActionPanel.h"
#include "app/commands/CommandIds.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"

namespace velno {
namespace {

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& file) {
    if (!std::filesystem::exists(file)) return {};
    return test::readBytes(file);
}

// Answers the next "Simpan perubahan?" with `button` and records its text.
void answerSaveQuestion(QMessageBox::StandardButton button, std::string* text) {
    test::onNextModal([button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(nullptr, box);
        *text = box->text().toStdString();
        ASSERT_NE(nullptr, box->button(button));
        box->button(button)->click();
    });
}

class ExitPath : public ::testing::Test {
protected:
    void SetUp() override {
        // As the files were before the program opened them.
        mainAtLoad = bytesOf(shell.folder() / "tdat9.bin");
        remarksAtLoad = bytesOf(shell.folder() / "remark9.dat");
        shell.open();
        // An edit in memory, and a remark written through to its file.
        setFieldText(shell.doc().store().at(1).fname, "Diubah");
        shell.doc().dirty = true;
        std::ofstream(shell.folder() / "remark9.dat", std::ios::binary | std::ios::app)
            << std::string(48, 'x');
    }
    test::ShellFixture shell;
    std::vector<std::uint8_t> mainAtLoad;
    std::vector<std::uint8_t> remarksAtLoad;
};

TEST_F(ExitPath, NoSavesNothingAndRestoresTheRemarks) {
    std::string asked;
    answerSaveQuestion(QMessageBox::No, &asked);
    shell.window().trigger(app::cmd::Exit);
    EXPECT_EQ("Simpan perubahan?", asked);
    EXPECT_FALSE(shell.window().isVisible());
    EXPECT_EQ(mainAtLoad, bytesOf(shell.folder() / "tdat9.bin"));
    EXPECT_EQ(remarksAtLoad, bytesOf(shell.folder() / "remark9.dat"));
    EXPECT_FALSE(std::filesystem::exists(shell.folder() / "rmkundo.dat"));
}

TEST_F(ExitPath, YesSavesAndCloses) {
    // Fonts are loaded with the first report; then they are kept too.
    shell.window().fonts();
    std::string asked;
    answerSaveQuestion(QMessageBox::Yes, &asked);
    shell.window().close();
    EXPECT_EQ("Simpan perubahan?", asked);
    EXPECT_FALSE(shell.window().isVisible());
    EXPECT_NE(mainAtLoad, bytesOf(shell.folder() / "tdat9.bin"));
    // The settings file comes with every save, the report fonts in it.
    std::ifstream ini(shell.folder() / "velnoin.ini");
    const std::string settings((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_NE(std::string::npos, settings.find("[Huruf Judul]"));
}

TEST_F(ExitPath, CancelKeepsTheWindowAndTheData) {
    std::string asked;
    answerSaveQuestion(QMessageBox::Cancel, &asked);
    QTest::mouseClick(shell.window().panel()->findChild<QPushButton*>("panel110"), Qt::LeftButton);
    EXPECT_EQ("Simpan perubahan?", asked);
    EXPECT_TRUE(shell.window().isVisible());
    EXPECT_TRUE(shell.doc().dirty);
    EXPECT_EQ("Diubah", fieldText(shell.doc().store().at(1).fname));
    EXPECT_EQ(mainAtLoad, bytesOf(shell.folder() / "tdat9.bin"));
}

TEST(ExitPathClean, NoQuestionWithoutChanges) {
    test::ShellFixture shell;
    shell.open();
    test::ScriptedPrompter scripted;
    shell.doc().setPrompter(&scripted);
    shell.window().close();
    EXPECT_TRUE(scripted.asked.empty());
    EXPECT_FALSE(shell.window().isVisible());
}

}  // namespace
}  // namespace velno
