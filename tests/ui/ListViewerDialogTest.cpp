// The list viewer dialog by keyboard: the list-type chooser rebuilds the
// rows and the title at once, and "Salin ke Clipboard" shows only on the
// not-reporting list.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "print/ui/ListViewerDialog.h"
#include "reporting/AnalyticsFixture.h"
#include "store/DesktopServices.h"

namespace velno::print {
namespace {

struct FakeClipboard : Clipboard {
    std::string text;
    void setText(const std::string& utf8) override { text = utf8; }
};

TEST(ListViewerDialog, ChooserByKeyboardSwitchesTheListAndCopyCopiesTheRows) {
    test::AnalyticsFixture f;
    f.add(100, "Ani", "Lubis");
    test::reportAt(f.add(101, "Budi", "Hasan"), f.stamp(), 4);
    f.sort();
    f.open();
    ListViewerModel model(f.doc, ListMode::NotReporting);
    FakeClipboard clipboard;
    ListViewerDialog::Actions actions;
    actions.clipboard = &clipboard;
    ListViewerDialog dialog(model, actions, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* rows = dialog.findChild<QListWidget*>("control201");
    auto* copy = dialog.findChild<QPushButton*>("control287");
    ASSERT_EQ(rows->count(), 1);
    EXPECT_TRUE(copy->isVisible());
    copy->setFocus();
    QTest::keyClick(copy, Qt::Key_Space);
    EXPECT_EQ(clipboard.text, rows->item(0)->text().toStdString() + "\n");
    EXPECT_EQ(dialog.windowTitle().toStdString(), model.title());

    auto* type = dialog.findChild<QComboBox*>("control200");
    type->setFocus();
    // Down to the report collection form: everybody.
    for (int i = 0; i < 11; ++i) QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(model.mode(), ListMode::Form);
    EXPECT_EQ(rows->count(), 2);
    EXPECT_FALSE(copy->isVisible());
    EXPECT_EQ(dialog.windowTitle().toStdString(), model.title());
}

}  // namespace
}  // namespace velno::print
