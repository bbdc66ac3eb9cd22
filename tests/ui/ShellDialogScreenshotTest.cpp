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

void look(QWidget& dialog, const QString& name) {
    test::saveScreenshot(dialog, name);
    EXPECT_EQ(std::vector<std::string>{}, test::textsCutOff(dialog)) << name.toStdString();
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
