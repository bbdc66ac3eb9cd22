// Tabbed lines drawn in columns with their headings over the columns, the
// card preview inside its room, and Qt's standard buttons in the
// program's language.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "print/CardLabels.h"
#include "print/RecordCardViewerModel.h"
#include "print/ui/CardLabelDialogs.h"
#include "print/ui/RecordCardDialogs.h"
#include "publishers/GroupEditorModel.h"
#include "publishers/ui/GroupDialogs.h"
#include "publishers/ui/TabColumns.h"
#include "store/files/ProfileFile.h"

namespace velno {
namespace {

// Every field of every line ends before the next column starts.
void expectFieldsFitTheirColumns(const QListWidget& list, const TabColumnsDelegate& columns) {
    const QFontMetrics metrics(list.font());
    for (int row = 0; row < list.count(); ++row) {
        const QStringList fields = list.item(row)->text().split('\t');
        for (int f = 0; f + 1 < fields.size(); ++f) {
            ASSERT_LT(static_cast<std::size_t>(f), columns.stops().size());
            const int start = f == 0 ? 0 : columns.stops()[f - 1];
            EXPECT_LT(start + metrics.horizontalAdvance(fields[f]), columns.stops()[f])
                << fields[f].toStdString();
        }
    }
}

TEST(ListColumns, StopsFollowTheWidestFieldAndKeepTheirLeastPlace) {
    QListWidget list;
    list.addItems({"Ana\t2026  Mei\tx", "Bernadetta Simanjuntak\t2025  Okt", "Budi"});
    TabColumnsDelegate& columns = fitTabColumns(&list, {5, 600});
    ASSERT_EQ(2u, columns.stops().size());
    expectFieldsFitTheirColumns(list, columns);
    EXPECT_EQ(600, columns.stops()[1]) << "a least stop further out than the fields need";
    // A longer line after a refill moves the columns out.
    const int before = columns.stops()[0];
    list.addItem("Maria Magdalena Simanjuntak-Hutagalung\t2024  Jan");
    fitTabColumns(&list);
    EXPECT_GT(columns.stops()[0], before);
    expectFieldsFitTheirColumns(list, columns);
    // The list scrolls sideways to a line's last field.
    const QModelIndex first = list.model()->index(0, 0);
    EXPECT_GE(list.itemDelegate()->sizeHint(QStyleOptionViewItem(), first).width(),
              columns.stops()[1] + QFontMetrics(list.font()).horizontalAdvance("x"));
}

TEST(ListColumns, GroupEditorHeadingsStandOverTheirColumns) {
    test::ShellFixture shell(120);
    shell.open();
    GroupEditorModel model(shell.doc());
    GroupEditorDialog dialog(shell.doc(), model);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QListWidget* lines = dialog.lines();
    auto* columns = dynamic_cast<TabColumnsDelegate*>(lines->itemDelegate());
    ASSERT_NE(nullptr, columns);
    expectFieldsFitTheirColumns(*lines, *columns);
    const std::vector<QLabel*>& headings = dialog.headings()->labels();
    ASSERT_EQ(5u, headings.size());
    ASSERT_EQ(5u, columns->stops().size());
    const int textLeft = lines->viewport()->mapTo(&dialog, QPoint(columns->textStart(), 0)).x();
    for (std::size_t i = 0; i < headings.size(); ++i) {
        SCOPED_TRACE(headings[i]->text().toStdString());
        // Heading i names the field after tab i.
        EXPECT_EQ(textLeft + columns->stops()[i], headings[i]->mapTo(&dialog, QPoint()).x());
        EXPECT_TRUE(headings[i]->isVisible());
    }
}

TEST(ListColumns, CardPreviewIsScaledIntoItsRoom) {
    test::ShellFixture shell(40);
    shell.open();
    print::RecordCardViewerModel model(shell.doc());
    print::RecordCardViewerDialog::Services services;
    services.doc = &shell.doc();
    services.today = test::kShellToday;
    print::RecordCardViewerDialog dialog(model, services, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* preview = dialog.findChild<QLabel*>("preview");
    ASSERT_NE(nullptr, preview);
    const int full = dialog.preview().width();
    const int shown = preview->pixmap().width();
    EXPECT_LE(shown, preview->width()) << "the card's right side is cut off";
    EXPECT_GT(shown, preview->width() / 2);
    // A wider window shows it larger, up to its own size.
    dialog.resize(dialog.width() + 400, dialog.height() + 300);
    QTest::qWait(10);
    EXPECT_GT(preview->pixmap().width(), shown);
    EXPECT_LE(preview->pixmap().width(), std::max(full, preview->width()));
    // Every name of the list is seen whole.
    auto* list = dialog.findChild<QListWidget*>("publishers");
    ASSERT_NE(nullptr, list);
    EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));
}

TEST(ListColumns, StandardButtonsSpeakThePrograms) {
    ProfileFile profile;
    print::FirstLabelModel model(profile);
    print::FirstLabelDialog dialog(model, nullptr);
    auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("&Batal", box->button(QDialogButtonBox::Cancel)->text());
}

}  // namespace
}  // namespace velno
