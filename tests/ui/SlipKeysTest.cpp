// The slip's own keys on a real dialog, and the report list's filters.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "MonthCycleFixture.h"
#include "ShellFixture.h"
#include "reporting/ReportListModel.h"
#include "reporting/ui/ReportListDialog.h"
#include "reporting/ui/ReportSlipDialog.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"

namespace velno {
namespace {

using test::press;
using test::type;

int firstOfKind(const CVelnoDoc& doc, int kind) {
    const int slot = doc.reportMonth().slot();
    for (int pos : doc.store().subList(ListActive))
        if (doc.store().at(pos).kindAt(slot) == kind &&
            !(doc.store().at(pos).categoryBits & CategoryBit::Missionary))
            return pos;
    return 0;
}

TEST(SlipKeys, ArrowsWrapSpaceAndDeleteZeroAndOnlyNumbersGoIn) {
    test::ShellFixture shell(120);
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const int pos = firstOfKind(doc, ServiceRegular);
    ASSERT_GT(pos, 0);
    ReportSlipModel model(doc, pos);
    model.setShared(true);
    ReportSlipDialog d(model);
    d.show();
    test::activate(&d);
    EXPECT_EQ("Mereka berdinas pada bulan itu, apa pun bentuk dinasnya",
              d.sharedCheck()->toolTip().toStdString());
    ASSERT_TRUE(d.hoursField()->isVisible());
    EXPECT_EQ(d.hoursField(), QApplication::focusWidget());

    press(Qt::Key_Delete);
    EXPECT_EQ("0", d.hoursField()->text());
    EXPECT_EQ("0", d.hoursField()->selectedText());
    type("12.5");
    EXPECT_EQ("12.5", d.hoursField()->text());
    type("ab-");
    EXPECT_EQ("12.5", d.hoursField()->text());
    press(Qt::Key_Space);
    EXPECT_EQ("0", d.hoursField()->selectedText());

    press(Qt::Key_Right);
    EXPECT_EQ(d.studiesField(), QApplication::focusWidget());
    press(Qt::Key_Right);  // wraps to "Berdinas"
    EXPECT_EQ(d.sharedCheck(), QApplication::focusWidget());
    press(Qt::Key_Left);  // and back
    EXPECT_EQ(d.studiesField(), QApplication::focusWidget());
    press(Qt::Key_Left);
    EXPECT_EQ(d.hoursField(), QApplication::focusWidget());

    // Unchecking "Berdinas" zeroes and hides both fields.
    type("7");
    d.sharedCheck()->setFocus();
    press(Qt::Key_Space);
    EXPECT_FALSE(d.hoursField()->isVisible());
    EXPECT_FALSE(d.studiesField()->isVisible());
    EXPECT_EQ("0", model.hoursText());

    // Enter on OK saves.
    d.okButton()->setFocus();
    press(Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(model.closed());
}

TEST(SlipKeys, ReportListFiltersByGroup) {
    test::ShellFixture shell(60);
    shell.open();
    CVelnoDoc& doc = shell.doc();
    ReportListModel model(doc);
    ReportListDialog d(model);
    d.show();
    test::activate(&d);
    const int all = d.list()->count();
    EXPECT_EQ(static_cast<int>(doc.store().subList(ListActive).size()), all);
    ASSERT_GE(d.groupFilter()->count(), 3);
    EXPECT_EQ("Sidang", d.groupFilter()->itemText(0).toStdString());
    d.groupFilter()->setCurrentIndex(2);
    int members = 0;
    for (int pos : doc.store().subList(ListActive)) members += doc.store().at(pos).group == 2;
    EXPECT_EQ(members, d.list()->count());
    EXPECT_LT(members, all);
    for (int r = 0; r < d.list()->count(); ++r) {
        const int pos = model.rows()[r].storePos;
        EXPECT_EQ(2, doc.store().at(pos).group);
        EXPECT_EQ(text::cp1252ToUtf8(doc.displayName(pos)),
                  d.list()->item(r)->text().toStdString());
    }
    d.finishButton()->click();
    EXPECT_TRUE(model.closed());
}

}  // namespace
}  // namespace velno
