// The shell's dialogs as a user sees them: every label and button shows its
// whole text, and a screenshot of each is left in tests/artefacts.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "ShellFixture.h"
#include "app/AboutDialog.h"
#include "app/SelectFolderDialog.h"
#include "publishers/MonthChoiceModel.h"
#include "publishers/ui/MonthChoiceDialog.h"
#include "store/PasswordChangeModel.h"
#include "store/ReportFormatModel.h"
#include "store/ui/PasswordChangeDialog.h"
#include "store/ui/ReportFormatDialog.h"

namespace velno {
namespace {

// Names of the visible labels and buttons narrower than their text.
std::vector<std::string> clippedTexts(QWidget& dialog) {
    std::vector<std::string> out;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()) continue;
        if (label->width() < label->sizeHint().width()) out.push_back(label->text().toStdString());
    }
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty()) continue;
        if (button->width() < button->sizeHint().width())
            out.push_back(button->text().toStdString());
    }
    return out;
}

void look(QWidget& dialog, const QString& name) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(std::vector<std::string>{}, clippedTexts(dialog)) << name.toStdString();
    EXPECT_TRUE(dialog.grab().toImage().save(test::artefactFolder() + "/" + name + ".png"));
}

TEST(DialogScreenshots, ShellDialogsShowTheirWholeTexts) {
    test::ShellFixture shell;
    shell.open();
    {
        ReportFormatModel model(shell.doc());
        ReportFormatDialog dialog(model);
        look(dialog, "dialog-123-report-format");
    }
    {
        PasswordChangeModel model;
        PasswordChangeDialog dialog(model);
        look(dialog, "dialog-121-password-change");
    }
    {
        app::AboutDialog dialog(QString::fromStdString(shell.folder().string()));
        look(dialog, "dialog-100-about");
    }
    {
        app::CSelectFolderDialog dialog(QString::fromStdString(shell.folder().string()),
                                        shell.prompter());
        look(dialog, "dialog-select-folder");
    }
    {
        MonthChoiceModel model(shell.doc().reportMonth(), "Bulan Budi Santoso menjadi penyiar",
                               MonthChoiceExtra::YearList);
        MonthChoiceDialog dialog(model);
        look(dialog, "dialog-113-month-choice");
    }
}

}  // namespace
}  // namespace velno
