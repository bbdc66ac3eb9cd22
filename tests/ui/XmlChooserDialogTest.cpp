// Dialog 126 in its XML form driven by keys: the list to export picked on
// the side, everything selected, and the import form's duplicates, replace
// box and limit.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "exchange/PublisherXml.h"
#include "exchange/XmlChooserModel.h"
#include "exchange/ui/XmlChooserDialog.h"
#include "store/FixedText.h"

namespace velno {
namespace {

TEST(XmlChooserDialog, ExportPicksAListAndSelectsAllByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    XmlChooserModel model(doc);
    XmlChooserDialog dialog(model);
    dialog.show();
    EXPECT_FALSE(dialog.okButton()->isVisible());
    EXPECT_FALSE(dialog.summaryLabel()->isVisible());
    dialog.sideList()->setFocus();
    QTest::keyClick(dialog.sideList(), Qt::Key_Down);
    EXPECT_EQ(model.list(), XmlList::Inactive);
    QTest::keyClick(dialog.sideList(), Qt::Key_Up);
    EXPECT_EQ(model.list(), XmlList::Active);
    const int active = dialog.choiceList()->count();
    ASSERT_GT(active, 0);
    dialog.selectAllButton()->setFocus();
    QTest::keyClick(dialog.selectAllButton(), Qt::Key_Space);
    EXPECT_EQ(model.selectedCount(), active);
    EXPECT_TRUE(dialog.okButton()->isVisible());
    EXPECT_EQ(dialog.choiceList()->selectedItems().size(), active);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(static_cast<int>(model.result().size()), active);
}

TEST(XmlChooserDialog, ImportShowsDuplicatesReplaceAndTooMany) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    int first = 0;
    for (int pos = 1; pos < doc.store().recordCount() && !first; ++pos)
        if (doc.store().at(pos).listKind == ListActive) first = pos;
    ASSERT_GT(first, 0);
    XmlPublisherList file;
    file.count = 299;
    file.pubs.push_back(
        {1, fieldText(doc.store().at(first).fname), fieldText(doc.store().at(first).lname)});
    for (int k = 0; k < 298; ++k) file.pubs.push_back({0, "N" + std::to_string(k), "Baru"});
    XmlChooserModel model(doc, file, linkedPublishers(doc, file));
    XmlChooserDialog dialog(model);
    dialog.show();
    EXPECT_TRUE(dialog.choiceList()->item(0)->text().endsWith(" *"));
    EXPECT_TRUE(dialog.summaryLabel()->isVisible());
    dialog.choiceList()->setFocus();
    dialog.choiceList()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(dialog.choiceList(), Qt::Key_Space);
    ASSERT_TRUE(model.isSelected(0));
    EXPECT_TRUE(dialog.duplicatesLabel()->isVisible());
    EXPECT_TRUE(dialog.replaceBox()->isVisible());
    dialog.replaceBox()->setFocus();
    QTest::keyClick(dialog.replaceBox(), Qt::Key_Space);
    EXPECT_TRUE(model.replace());
    dialog.selectAllButton()->setFocus();
    QTest::keyClick(dialog.selectAllButton(), Qt::Key_Space);
    // 298 new ones on top of the list already on file.
    EXPECT_TRUE(model.tooMany());
    EXPECT_TRUE(dialog.tooManyLabel()->isVisible());
    EXPECT_FALSE(dialog.okButton()->isVisible());
}

}  // namespace
}  // namespace velno
