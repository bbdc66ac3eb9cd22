// The delimited exports from the menu: dialog 129 driven by keys, the
// question after each export and Yes opening the file with the desktop's
// program, and dialog 130 at the end of a load.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

#include "ShellFixture.h"
#include "app/commands/CommandIds.h"
#include "exchange/ui/ExportDialogs.h"
#include "support/StoreFixtures.h"

namespace velno {
namespace {

namespace fs = std::filesystem;
using app::cmd::ExportCardHeader;
using app::cmd::ExportMonthly;

// Stands in for the desktop's program: what QDesktopServices would open.
class OpenedFiles : public QObject {
    Q_OBJECT
public:
    OpenedFiles() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

void look(QWidget& dialog, const QString& name) {
    test::saveScreenshot(dialog, name);
    for (const std::string& text : test::textsCutOff(dialog))
        ADD_FAILURE() << name.toStdString() << ": " << text;
}

std::string firstLineOf(const fs::path& file) {
    const auto bytes = test::readBytes(file);
    const std::string text(bytes.begin(), bytes.end());
    return text.substr(0, text.find("\r\n"));
}

TEST(ExportDialogs, MonthlyExportByKeyboardThenYesOpensTheFile) {
    test::ShellFixture shell;
    shell.open();
    test::ScriptedPrompter prompter;
    prompter.answers = {Answer::Yes};
    shell.doc().setPrompter(&prompter);
    OpenedFiles opened;
    QAction* action = shell.window().action(ExportMonthly);
    ASSERT_NE(nullptr, action);
    EXPECT_TRUE(action->isEnabled());

    bool seen = false;
    test::onNextModal([&seen](QWidget* w) {
        auto* dialog = qobject_cast<MonthlyExportDialog*>(w);
        ASSERT_NE(nullptr, dialog);
        seen = true;
        // The report month (November 2026), comma, no header.
        EXPECT_EQ("November", dialog->monthBox()->currentText().toStdString());
        EXPECT_TRUE(dialog->commaButton()->isChecked());
        EXPECT_FALSE(dialog->headerBox()->isChecked());
        // Side by side with other tests the dialog may not be the active window.
        dialog->activateWindow();
        (void)QTest::qWaitForWindowActive(dialog);
        dialog->monthBox()->setFocus();
        QTest::keyClick(dialog->monthBox(), Qt::Key_Up);
        QTest::keyClick(dialog->monthBox(), Qt::Key_Tab);
        ASSERT_EQ(dialog->commaButton(), dialog->focusWidget());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
        EXPECT_TRUE(dialog->tabButton()->isChecked());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(dialog->headerBox(), dialog->focusWidget());
        QTest::keyClick(dialog->headerBox(), Qt::Key_Space);
        look(*dialog, "dialog129-monthly-export");
        QTest::keyClick(dialog->headerBox(), Qt::Key_Return);
    });
    shell.window().trigger(ExportMonthly);
    ASSERT_TRUE(seen);

    const fs::path file = shell.folder() / "Exports" / "Oktober.rpt";
    ASSERT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(0u, firstLineOf(file).find("Nama \tKelompok \t"));
    ASSERT_EQ(1u, prompter.asked.size());
    EXPECT_NE(std::string::npos, prompter.asked[0].find(file.string())) << prompter.asked[0];
    ASSERT_EQ(1, opened.urls.size());
    EXPECT_EQ(QUrl::fromLocalFile(QString::fromStdString(file.string())), opened.urls[0]);
}

TEST(ExportDialogs, ListExportAsksAndNoLeavesTheFileClosed) {
    test::ShellFixture shell;
    shell.open();
    test::ScriptedPrompter prompter;
    prompter.answers = {Answer::No};
    shell.doc().setPrompter(&prompter);
    OpenedFiles opened;
    shell.window().trigger(ExportCardHeader);
    const fs::path file = shell.folder() / "Exports" / "cardhdr.tsv";
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(1u, prompter.asked.size());
    EXPECT_TRUE(opened.urls.isEmpty());
    // Every delimited export of the menu is live.
    for (int id : {app::cmd::ExportContacts, app::cmd::ExportEmergency, ExportCardHeader,
                   app::cmd::ExportAttendance, app::cmd::ExportSummary})
        EXPECT_TRUE(shell.window().action(id)->isEnabled()) << id;
}

TEST(ExportDialogs, WarningAtTheEndOfALoadDeletesTheChosenFiles) {
    test::ShellFixture shell;
    shell.open();
    shell.doc().settings().nag = 1;  // no start-up notice in the way
    for (const char* name : {"Januari.csv", "Februari.rpt", "publist.xml", "contact.tsv"})
        test::writeBytes(shell.folder() / name, {'x'});
    bool seen = false;
    test::onNextModal([&seen](QWidget* w) {
        auto* dialog = qobject_cast<ExportFilesWarningDialog*>(w);
        ASSERT_NE(nullptr, dialog);
        seen = true;
        QListWidget* list = dialog->list();
        ASSERT_EQ(3, list->count());
        EXPECT_EQ(3, list->selectedItems().size());
        look(*dialog, "dialog130-export-files");
        // Keep February's file: move to it and unselect it.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space);
        EXPECT_FALSE(list->item(1)->isSelected());
        QTest::keyClick(list, Qt::Key_Return);
    });
    shell.window().endOfLoad();
    ASSERT_TRUE(seen);
    EXPECT_FALSE(fs::exists(shell.folder() / "Januari.csv"));
    EXPECT_TRUE(fs::exists(shell.folder() / "Februari.rpt"));
    EXPECT_FALSE(fs::exists(shell.folder() / "publist.xml"));
    EXPECT_FALSE(fs::exists(shell.folder() / "contact.tsv"));
}

}  // namespace
}  // namespace velno

#include "ExportDialogsTest.moc"
