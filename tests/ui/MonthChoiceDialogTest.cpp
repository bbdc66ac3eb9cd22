// Dialog 113 bound to its model: the year list follows the rule that a move
// is never dated in the future, and what the dialog returns.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "publishers/ui/MonthChoiceDialog.h"
#include "store/ReportMonth.h"

namespace velno {
namespace {

ReportMonth marchOf2026() {
    ReportMonth month;
    month.deriveFrom({2026, 4, 10});  // works on March 2026
    return month;
}

TEST(MonthChoiceDialog, LaterMonthMovesTheYearBackAndOkReturnsIt) {
    const ReportMonth month = marchOf2026();
    MonthChoiceModel model(month, "Bulan Budi menjadi penyiar", MonthChoiceExtra::YearList);
    MonthChoiceDialog dialog(model);
    dialog.show();
    ASSERT_TRUE(dialog.years()->isVisible());
    EXPECT_FALSE(dialog.regular()->isVisible());
    EXPECT_EQ("Maret", dialog.months()->currentText().toStdString());
    EXPECT_EQ("2026", dialog.years()->currentText().toStdString());
    EXPECT_EQ("2026", dialog.years()->itemText(dialog.years()->count() - 1).toStdString());

    // Down the month list by keyboard to May: a May of 2026 lies ahead.
    QTest::keyClick(dialog.months(), Qt::Key_Down);
    QTest::keyClick(dialog.months(), Qt::Key_Down);
    EXPECT_EQ("Mei", dialog.months()->currentText().toStdString());
    EXPECT_EQ("2025", dialog.years()->currentText().toStdString());
    const MonthChoice choice = model.ok();
    EXPECT_EQ(5, choice.month);
    EXPECT_EQ(2025, choice.value());
}

TEST(MonthChoiceDialog, CancelReturnsNoMonthAndTheCheckBoxReturnsFour) {
    const ReportMonth month = marchOf2026();
    {
        MonthChoiceModel model(month, "x", MonthChoiceExtra::RegularCheck);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<MonthChoiceDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(nullptr, dialog);
            EXPECT_FALSE(dialog->years()->isVisible());
            dialog->regular()->setChecked(true);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        EXPECT_FALSE(askMonth(model, nullptr).chosen());
    }
    MonthChoiceModel model(month, "x", MonthChoiceExtra::RegularCheck);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<MonthChoiceDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, dialog);
        dialog->regular()->setChecked(true);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    const MonthChoice choice = askMonth(model, nullptr);
    EXPECT_EQ(3, choice.month);
    EXPECT_EQ(4, choice.value());
}

}  // namespace
}  // namespace velno
