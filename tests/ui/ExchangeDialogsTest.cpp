// The backup, group file and import selection dialogs driven by keys, with
// a screenshot of each to look at.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <cstring>

#include "ShellFixture.h"
#include "exchange/BackupDialogModel.h"
#include "exchange/CollectionFileModel.h"
#include "exchange/GroupExchangeFile.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/ui/BackupDialog.h"
#include "exchange/ui/GroupFileDialogs.h"
#include "store/DesktopServices.h"
#include "store/Scrambler.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

void look(QWidget& dialog, const QString& name) {
    test::saveScreenshot(dialog, name);
    for (const std::string& text : test::textsCutOff(dialog))
        ADD_FAILURE() << name.toStdString() << ": " << text;
}

TEST(ExchangeDialogs, BackUpRestoreAndUndoByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    test::ScriptedPrompter prompter;
    doc.setPrompter(&prompter);
    test::TempFolder usb;
    const FolderChooser chooser = [&](QWidget*, const QString&) {
        return QString::fromStdString(usb.path().string());
    };
    {
        BackupDialogModel model(doc, BackupDialogModel::Mode::Backup);
        BackupDialog dialog(model, chooser);
        dialog.show();
        EXPECT_FALSE(dialog.list()->isVisible());
        dialog.browseButton()->setFocus();
        QTest::keyClick(dialog.browseButton(), Qt::Key_Space);
        EXPECT_EQ(usb.path().string() + "/", dialog.pathLabel()->text().toStdString());
        look(dialog, "dialog185-backup");
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(model.done()) << model.promptText();
        EXPECT_EQ("Tutup", dialog.cancelButton()->text().toStdString());
        EXPECT_EQ("Backup selesai!", dialog.promptLabel()->text().toStdString());
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        BackupDialogModel model(doc, BackupDialogModel::Mode::Restore);
        BackupDialog dialog(model, chooser);
        dialog.show();
        EXPECT_EQ("Pulihkan", dialog.windowTitle().toStdString());
        EXPECT_TRUE(dialog.useLatestCheck()->isChecked());
        EXPECT_EQ(1, dialog.list()->count());
        EXPECT_FALSE(dialog.undoCheck()->isVisible());
        look(dialog, "dialog185-restore");
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(model.lastRestore().restored()) << model.lastRestore().message;
        EXPECT_FALSE(dialog.isVisible());
    }
    BackupDialogModel model(doc, BackupDialogModel::Mode::Restore);
    BackupDialog dialog(model, chooser);
    dialog.show();
    ASSERT_TRUE(dialog.undoCheck()->isVisible());
    dialog.undoCheck()->setFocus();
    QTest::keyClick(dialog.undoCheck(), Qt::Key_Space);
    EXPECT_TRUE(model.undo());
    EXPECT_FALSE(dialog.list()->isVisible());
    EXPECT_FALSE(dialog.catalogueRadio()->isVisible());
    look(dialog, "dialog185-undo");
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_TRUE(model.lastRestore().undone);
}

class NoMail : public MailComposer {
public:
    int composed = 0;
    std::string compose(const MailMessage&) override {
        ++composed;
        return {};
    }
};

TEST(ExchangeDialogs, GroupFileForTheNextMonthByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    test::ScriptedPrompter prompter;
    doc.setPrompter(&prompter);
    CollectionFileModel model(doc, 1);
    NoMail mail;
    CollectionFileDialog dialog(model, mail, [](QWidget*, int) { return 2; });
    dialog.show();
    EXPECT_TRUE(dialog.currentMonthRadio()->isChecked());
    dialog.nextMonthRadio()->setFocus();
    QTest::keyClick(dialog.nextMonthRadio(), Qt::Key_Space);
    EXPECT_TRUE(model.nextMonth());
    EXPECT_NE(-1, dialog.windowTitle().indexOf("Desember"));
    EXPECT_TRUE(dialog.saveButton()->isEnabled());
    look(dialog, "dialog144-group-file");
    dialog.saveButton()->setFocus();
    QTest::keyClick(dialog.saveButton(), Qt::Key_Space);
    EXPECT_TRUE(std::filesystem::exists(shell.folder() / "Kelompok1.t09"));
    ASSERT_FALSE(prompter.told.empty());
    EXPECT_NE(std::string::npos, prompter.told.back().find("Kelompok1.t09"));
    dialog.otherGroupButton()->setFocus();
    QTest::keyClick(dialog.otherGroupButton(), Qt::Key_Space);
    EXPECT_EQ(2, model.group());
}

TEST(ExchangeDialogs, ImportSelectionByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    GroupFileRequest req;
    req.group = 1;
    req.month0 = doc.reportMonth().reportMonth0;
    req.parity = doc.reportMonth().parity();
    Bytes file = buildGroupFile(doc, req);
    const int slot = monthSlot(req.month0, req.parity);
    // Two members come back with more hours.
    for (int k = 1; k <= 2; ++k) {
        PublisherRecord r{};
        std::memcpy(&r, file.data() + sizeof r * k, sizeof r);
        r.hours[slot] = static_cast<std::uint16_t>(r.hours[slot] + 3);
        std::memcpy(file.data() + sizeof r * k, &r, sizeof r);
    }
    ImportImage image;
    std::string message;
    ASSERT_TRUE(readGroupFile(file, "Kelompok1.t19", req.month0, req.parity, "", image, message));
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::GroupFile);
    ImportSelectionDialog dialog(model);
    dialog.show();
    ASSERT_EQ(2, dialog.list()->count());
    EXPECT_TRUE(dialog.okButton()->isVisible());
    dialog.selectNoneButton()->setFocus();
    QTest::keyClick(dialog.selectNoneButton(), Qt::Key_Space);
    EXPECT_FALSE(dialog.okButton()->isVisible());
    EXPECT_EQ("Laporan yang Dipilih = 0", dialog.selectedLabel()->text().toStdString());
    dialog.list()->setFocus();
    QTest::keyClick(dialog.list(), Qt::Key_Down);
    QTest::keyClick(dialog.list(), Qt::Key_Space);
    EXPECT_EQ(1, model.selectedCount());
    EXPECT_TRUE(dialog.previewGrid()->isVisible());
    look(dialog, "dialog145-import-selection");
    const int pos = model.storePositionOf(dialog.list()->currentRow());
    const int before = doc.store().at(pos).hours[slot];
    dialog.okButton()->setFocus();
    QTest::keyClick(dialog.okButton(), Qt::Key_Space);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(before + 3, doc.store().at(pos).hours[slot]);
}

}  // namespace
}  // namespace velno
