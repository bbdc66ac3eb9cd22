// The password dialogs driven by key clicks.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "app/commands/CommandIds.h"
#include "session/StartInstance.h"
#include "store/FixedText.h"
#include "store/PasswordChangeModel.h"
#include "store/PasswordPrompt.h"
#include "store/ui/PasswordChangeDialog.h"
#include "store/ui/PasswordDialog.h"

namespace velno {
namespace {

TEST(PasswordDialog, ClosesAcceptedAtTheKeystrokeThatCompletesThePassword) {
    PasswordPrompt model("rahasia", false);
    PasswordDialog dialog(model);
    dialog.show();
    EXPECT_EQ("Masukkan Sandi", dialog.promptLabel()->text().toStdString());
    QTest::keyClicks(dialog.field(), "rahasi");
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.field(), Qt::Key_A);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_TRUE(model.accepted());
}

TEST(PasswordDialog, WrongTextThenOkWarnsAndSecondOkRefuses) {
    PasswordPrompt model("rahasia", false);
    PasswordDialog dialog(model);
    dialog.show();
    QTest::keyClicks(dialog.field(), "salah");
    QTest::keyClick(dialog.field(), Qt::Key_Return);  // the default button
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ("Maaf, Sandi Keliru ...", dialog.promptLabel()->text().toStdString());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QDialog::Rejected, dialog.result());
    EXPECT_FALSE(model.accepted());
}

TEST(PasswordDialog, TypingAfterAWrongOkRefusesEvenTheRightPassword) {
    PasswordPrompt model("ab", false);
    PasswordDialog dialog(model);
    dialog.show();
    QTest::keyClick(dialog.field(), Qt::Key_X);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    dialog.field()->clear();
    QTest::keyClick(dialog.field(), Qt::Key_A);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(model.accepted());
}

TEST(PasswordDialog, EscapeRefuses) {
    PasswordPrompt model("rahasia", true);
    PasswordDialog dialog(model);
    dialog.show();
    EXPECT_EQ("Masukkan Sandi Lama", dialog.promptLabel()->text().toStdString());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(PasswordPrompt::State::Refused, model.state());
}

TEST(PasswordChangeDialog, NewPasswordTypedTwiceIsConfirmed) {
    PasswordChangeModel model;
    PasswordChangeDialog dialog(model);
    dialog.show();
    QTest::keyClicks(dialog.field(), "baru123");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.field()->text().isEmpty());
    EXPECT_EQ("Masukkan Sandi Baru\nor Kosongkan untuk Hapus lagi.",
              dialog.promptLabel()->text().toStdString());
    QTest::keyClicks(dialog.field(), "baru123");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(model.confirmed());
    EXPECT_EQ("baru123", model.newPassword());
}

TEST(PasswordChangeDialog, FourteenthCharacterIsCutAndCountsAsOk) {
    PasswordChangeModel model;
    PasswordChangeDialog dialog(model);
    dialog.show();
    QTest::keyClicks(dialog.field(), "abcdefghijklmn");  // 14 characters
    // The 14th keystroke pressed OK: the field is empty for the repetition.
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.field()->text().isEmpty());
    QTest::keyClicks(dialog.field(), "abcdefghijklm");
    QTest::keyClick(dialog.field(), Qt::Key_Return);
    EXPECT_TRUE(model.confirmed());
    EXPECT_EQ("abcdefghijklm", model.newPassword());
}

TEST(PasswordChangeDialog, BatalLeavesThePasswordUnconfirmed) {
    PasswordChangeModel model;
    PasswordChangeDialog dialog(model);
    dialog.show();
    QTest::keyClicks(dialog.field(), "abc");
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(model.confirmed());
    EXPECT_FALSE(model.isOpen());
}

// The whole command through the window: old password, new one twice, the
// result message, and the header changed in memory.
TEST(PasswordDialog, ChangingThePasswordThroughTheMenu) {
    test::ShellFixture shell;
    shell.open();
    std::vector<std::string> told;
    test::onNextModal([&](QWidget* w) {
        auto* d = qobject_cast<PasswordChangeDialog*>(w);
        ASSERT_NE(nullptr, d);
        QTest::keyClicks(d->field(), "kunci");
        QTest::keyClick(d->field(), Qt::Key_Return);
        QTest::keyClicks(d->field(), "kunci");
        test::onNextModal([&](QWidget* box) {
            told.push_back(box->findChild<QLabel*>("qt_msgbox_label")->text().toStdString());
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(d->field(), Qt::Key_Return);
    });
    shell.window().trigger(app::cmd::Password);
    ASSERT_EQ(1u, told.size());
    EXPECT_EQ("Sandi telah diubah.", told[0]);
    EXPECT_EQ("kunci", fieldText(shell.doc().store().header().fname));
    EXPECT_TRUE(shell.doc().dirty);

    // Now the old password is asked first; a wrong one twice refuses.
    test::onNextModal([](QWidget* w) {
        auto* d = qobject_cast<PasswordDialog*>(w);
        ASSERT_NE(nullptr, d);
        EXPECT_EQ("Masukkan Sandi Lama", d->promptLabel()->text().toStdString());
        QTest::keyClicks(d->field(), "x");
        QTest::keyClick(d->field(), Qt::Key_Return);
        QTest::keyClick(d->field(), Qt::Key_Return);
    });
    shell.window().trigger(app::cmd::Password);
    EXPECT_EQ("kunci", fieldText(shell.doc().store().header().fname));
}

}  // namespace
}  // namespace velno
