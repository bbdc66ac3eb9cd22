// The dialogs of the shell bound to their models: the publisher chooser,
// the report-format dialog, the group picker and the About box.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "ShellFixture.h"
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/commands/CommandIds.h"
#include "publishers/PublisherChooserModel.h"
#include "publishers/ReportGroupPickerModel.h"
#include "publishers/ui/PublisherChooserDialog.h"
#include "publishers/ui/ReportGroupPickerDialog.h"
#include "store/ReportFormatModel.h"
#include "store/ui/ReportFormatDialog.h"
#include "text/texts/AppTexts.h"

namespace velno {
namespace {

std::vector<int> activeInGroup(const CVelnoDoc& doc, int group) {
    std::vector<int> out;
    for (int pos : doc.store().subList(ListActive))
        if (doc.store().at(pos).group == group) out.push_back(pos);
    return out;
}

TEST(PublisherChooser, GroupEntrySelectsAndDeselectsItsMembers) {
    test::ShellFixture shell;
    shell.open();
    const CVelnoDoc& doc = shell.doc();
    PublisherChooserModel model(doc, text::TxMListCongregation, ListActive,
                                PublisherChooserModel::LastEntry::BlankForm);
    PublisherChooserDialog dialog(model);
    dialog.show();
    ASSERT_EQ(doc.store().subList(ListActive).size(),
              static_cast<std::size_t>(dialog.choiceList()->count()));
    // Family name first, in store order.
    const int first = doc.store().subList(ListActive).front();
    EXPECT_EQ(displayNameOf(doc.store().at(first), true),
              dialog.choiceList()->item(0)->text().toStdString());
    ASSERT_EQ(doc.groups().count() + 1, dialog.sideList()->count());
    EXPECT_EQ("Formulir Kosong",
              dialog.sideList()->item(doc.groups().count())->text().toStdString());
    EXPECT_EQ("Semua Anggota \nKelompok", dialog.countLine()->text().toStdString());
    EXPECT_FALSE(dialog.okButton()->isVisible());
    EXPECT_FALSE(dialog.removeButton()->isVisible());
    EXPECT_FALSE(dialog.orLabel()->isVisible());

    dialog.sideList()->setCurrentRow(1);
    EXPECT_EQ(dialog.sideList()->item(1)->text(), dialog.countLine()->text());
    QTest::mouseClick(dialog.pickButton(), Qt::LeftButton);
    const auto members = activeInGroup(doc, 2);
    ASSERT_FALSE(members.empty());
    EXPECT_EQ(members, model.result());
    EXPECT_EQ(static_cast<int>(members.size()), dialog.choiceList()->selectedItems().size());
    EXPECT_TRUE(dialog.okButton()->isVisible());
    EXPECT_TRUE(dialog.removeButton()->isVisible());
    EXPECT_EQ(std::to_string(members.size()) + " dipilih",
              dialog.countLine()->text().toStdString());

    // A click in the list adds one more, in list order.
    QListWidgetItem* extra = dialog.choiceList()->item(0);
    if (!extra->isSelected()) {
        extra->setSelected(true);
        EXPECT_EQ(first, model.result().front());
    }
    QTest::mouseClick(dialog.removeButton(), Qt::LeftButton);
    for (int pos : model.result()) EXPECT_NE(2, doc.store().at(pos).group);

    // The blank form: nobody chosen, but OK is offered.
    dialog.sideList()->setCurrentRow(doc.groups().count());
    QTest::mouseClick(dialog.pickButton(), Qt::LeftButton);
    EXPECT_TRUE(model.result().empty());
    EXPECT_TRUE(model.blankForm());
    EXPECT_TRUE(dialog.okButton()->isVisible());
}

TEST(PublisherChooser, PioneerEntrySelectsRegularAndSpecialPioneers) {
    test::ShellFixture shell(80);
    shell.open();
    const CVelnoDoc& doc = shell.doc();
    PublisherChooserModel model(doc, text::TxMListCongregation, ListActive,
                                PublisherChooserModel::LastEntry::Pioneers);
    EXPECT_EQ("Regular and Special Pioneers", model.sideRows().back());
    model.chooseSide(static_cast<int>(model.sideRows().size()) - 1);
    model.pick();
    const int slot = doc.reportMonth().slot();
    std::vector<int> pioneers;
    for (int pos : doc.store().subList(ListActive)) {
        const int kind = doc.store().at(pos).kindAt(slot);
        if (kind == ServiceRegular || kind == ServiceSpecial) pioneers.push_back(pos);
    }
    ASSERT_FALSE(pioneers.empty());
    EXPECT_EQ(pioneers, model.result());
}

TEST(ReportFormatDialog, FirstVisibleMarginIsStoredAndLabelBoxesInterlock) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    ReportFormatModel model(doc);
    ReportFormatDialog dialog(model);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QListWidget* top = dialog.marginList(ReportFormatModel::TopMargin);
    // Opens scrolled to the stored value, nothing selected.
    EXPECT_EQ(doc.settings().topMargin, top->verticalScrollBar()->value());
    EXPECT_TRUE(top->selectedItems().isEmpty());
    top->verticalScrollBar()->setValue(35);

    QCheckBox* birth = dialog.checkBox(ReportFormatModel::LabelBirthDate);
    QCheckBox* alternative = dialog.checkBox(ReportFormatModel::LabelAlternative);
    birth->setChecked(false);
    EXPECT_FALSE(alternative->isChecked());
    alternative->setChecked(true);
    EXPECT_TRUE(birth->isChecked());

    QTest::keyClicks(dialog.nameField(), "  Sidang Contoh");
    dialog.okButton()->click();
    ASSERT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_TRUE(model.ok(doc));
    EXPECT_EQ(35, doc.settings().topMargin);
    EXPECT_EQ(1, doc.settings().labelAlternative);
    EXPECT_EQ("Sidang Contoh", doc.settings().congregationName);
    EXPECT_TRUE(doc.dirty);
}

TEST(ReportGroupPicker, NoGroupsHidesOk) {
    test::ShellFixture shell;
    shell.open();
    shell.doc().groups().clear();
    ReportGroupPickerModel model(shell.doc(), 1, true);
    ReportGroupPickerDialog dialog(model);
    dialog.show();
    EXPECT_EQ(0, dialog.list()->count());
    EXPECT_FALSE(dialog.okButton()->isVisible());
    EXPECT_FALSE(dialog.printAllButton()->isVisible());
}

TEST(AboutDialog, ShowsTheDataFolder) {
    test::ShellFixture shell;
    shell.open();
    test::onNextModal([&](QWidget* w) {
        auto* about = qobject_cast<app::AboutDialog*>(w);
        ASSERT_NE(nullptr, about);
        EXPECT_EQ(shell.folder().string(), about->folderLabel()->text().toStdString());
        about->accept();
    });
    shell.window().trigger(app::cmd::About);
}

TEST(Help, PagesOpenInTheBrowser) {
    test::ShellFixture shell;
    shell.open();
    std::vector<QUrl> opened;
    shell.window().openUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    shell.window().trigger(app::cmd::HelpContents);
    shell.window().trigger(app::cmd::HelpIndex);
    shell.window().trigger(app::cmd::HelpContext);
    ASSERT_EQ(3u, opened.size());
    EXPECT_TRUE(opened[0].toLocalFile().endsWith("/index.html"));
    EXPECT_TRUE(opened[1].toLocalFile().endsWith("/indeks.html"));
    for (const QUrl& url : opened)
        EXPECT_TRUE(QFileInfo::exists(url.toLocalFile())) << url.toString().toStdString();
}

TEST(Help, EveryLinkOfThePagesLeadsToAPageAndPlaceThatExist) {
    const QDir folder(app::MainWindow::helpFolder());
    const QStringList pages = folder.entryList({"*.html"}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    auto read = [&](const QString& name) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QRegularExpression link("href=\"([^\"#]*)(?:#([^\"]*))?\"");
    for (const QString& page : pages) {
        auto it = link.globalMatch(read(page));
        while (it.hasNext()) {
            const auto m = it.next();
            const QString target = m.captured(1).isEmpty() ? page : m.captured(1);
            if (target.endsWith(".css")) continue;
            ASSERT_TRUE(pages.contains(target)) << (page + " -> " + target).toStdString();
            if (!m.captured(2).isEmpty()) {
                EXPECT_TRUE(read(target).contains("id=\"" + m.captured(2) + "\""))
                    << (page + " -> " + target + "#" + m.captured(2)).toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace velno
