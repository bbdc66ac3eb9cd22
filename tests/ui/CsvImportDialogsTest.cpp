// The CSV report import's dialogs driven by keys: the column map (155),
// the name map (156), and the whole import from the file to the merge with
// remembered maps, with a screenshot of each dialog to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ShellFixture.h"
#include "exchange/ColumnMapFile.h"
#include "exchange/ColumnMapModel.h"
#include "exchange/CsvFile.h"
#include "exchange/NameMapFile.h"
#include "exchange/NameMapModel.h"
#include "exchange/ui/CsvMapDialogs.h"
#include "exchange/ui/ExchangeCommands.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"

namespace velno {
namespace {

void look(QWidget& dialog, const QString& name) {
    test::saveScreenshot(dialog, name);
    for (const std::string& text : test::textsCutOff(dialog))
        ADD_FAILURE() << name.toStdString() << ": " << text;
}

std::vector<int> activeOf(const CVelnoDoc& doc, int count) {
    std::vector<int> out;
    for (int pos = 1; pos < doc.store().recordCount() && static_cast<int>(out.size()) < count;
         ++pos)
        if (doc.store().at(pos).listKind == ListActive) out.push_back(pos);
    return out;
}

TEST(CsvImportDialogs, ColumnMapByKeyboard) {
    const std::vector<std::string> header{"Nama Depan", "Nama Keluarga", "Berdinas",
                                          "PAR",        "Jam",           "Keterangan"};
    ColumnMapModel model(header, nullptr);
    ColumnMapDialog dialog(model, "/data/laporan.csv");
    dialog.show();
    EXPECT_EQ(8, dialog.targetList()->count());
    EXPECT_EQ(6, dialog.sourceList()->count());
    EXPECT_EQ("Select a target field", dialog.hintLabel()->text().toStdString());
    EXPECT_FALSE(dialog.continueButton()->isVisible());
    // Each target, then its column. Walking down the columns assigns each
    // in passing, so the last target goes first.
    for (int t = 5; t >= 0; --t) {
        dialog.targetList()->setFocus();
        QTest::keyClick(dialog.targetList(), Qt::Key_Home);
        for (int k = 0; k < t; ++k) QTest::keyClick(dialog.targetList(), Qt::Key_Down);
        EXPECT_EQ("Select a source column (.csv)", dialog.hintLabel()->text().toStdString());
        dialog.sourceList()->setFocus();
        QTest::keyClick(dialog.sourceList(), Qt::Key_Home);
        for (int c = 0; c < t; ++c) QTest::keyClick(dialog.sourceList(), Qt::Key_Down);
    }
    EXPECT_EQ("Jam -> Jam", dialog.targetList()->item(4)->text().toStdString());
    EXPECT_TRUE(dialog.continueButton()->isVisible());
    look(dialog, "dialog155-column-map");
    // The rule takes the place of "Berdinas".
    dialog.ruleCheck()->setFocus();
    QTest::keyClick(dialog.ruleCheck(), Qt::Key_Space);
    EXPECT_EQ("* -> Berdinas", dialog.targetList()->item(2)->text().toStdString());
    EXPECT_TRUE(dialog.continueButton()->isVisible());
    dialog.clearButton()->setFocus();
    QTest::keyClick(dialog.clearButton(), Qt::Key_Space);
    EXPECT_FALSE(dialog.continueButton()->isVisible());
    EXPECT_FALSE(dialog.ruleCheck()->isChecked());
    EXPECT_EQ("Nama Depan", dialog.targetList()->item(0)->text().toStdString());
}

TEST(CsvImportDialogs, NameMapByKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    CsvTable table;
    std::string message;
    ASSERT_TRUE(parseCsv("Nama,Berdinas,PAR,Jam,Ket\nOrang Asing,1,0,3,\nTamu Baru,1,0,0,\n", table,
                         message));
    ColumnMap map;
    map.column = {-1, -1, 1, 2, 3, 4, 0, -1};
    NameMapModel model(doc, table, map, CsvNameMode::FirstLast, {});
    NameMapDialog dialog(model);
    dialog.show();
    EXPECT_EQ("2 unidentified publishers", dialog.windowTitle().toStdString());
    EXPECT_FALSE(dialog.continueButton()->isVisible());
    EXPECT_TRUE(dialog.skipCheck()->isVisible());
    EXPECT_FALSE(dialog.arrowButton()->isEnabled());
    dialog.nameList()->setFocus();
    QTest::keyClick(dialog.nameList(), Qt::Key_Home);
    dialog.publisherList()->setFocus();
    QTest::keyClick(dialog.publisherList(), Qt::Key_Home);
    EXPECT_EQ("Orang Asing", dialog.chosenNameLabel()->text().toStdString());
    const std::string publisher = dialog.publisherList()->item(0)->text().toStdString();
    EXPECT_EQ(publisher, dialog.chosenPublisherLabel()->text().toStdString());
    dialog.arrowButton()->setFocus();
    QTest::keyClick(dialog.arrowButton(), Qt::Key_Space);
    EXPECT_EQ("Orang Asing -> " + publisher, dialog.nameList()->item(0)->text().toStdString());
    EXPECT_EQ("X", dialog.arrowButton()->text().toStdString());
    EXPECT_EQ("1 unidentified publishers", dialog.windowTitle().toStdString());
    look(dialog, "dialog156-name-map");
    dialog.skipCheck()->setFocus();
    QTest::keyClick(dialog.skipCheck(), Qt::Key_Space);
    EXPECT_TRUE(dialog.continueButton()->isVisible());
    dialog.clearButton()->setFocus();
    QTest::keyClick(dialog.clearButton(), Qt::Key_Space);
    EXPECT_EQ("2 unidentified publishers", dialog.windowTitle().toStdString());
    EXPECT_EQ("Orang Asing", dialog.nameList()->item(0)->text().toStdString());
}

TEST(CsvImportDialogs, RemembersTheMapsAndMergesWithTheKeyboard) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    const auto people = activeOf(doc, 2);
    const int slot = doc.reportMonth().slot();
    for (int pos : people) doc.store().at(pos).hours[slot] = 0;
    const PublisherRecord& a = doc.store().at(people[0]);
    const PublisherRecord& b = doc.store().at(people[1]);
    const std::string text = "Depan;Keluarga;Berdinas;PAR;Jam;Ket\n" + fieldText(a.fname) + ";" +
                             fieldText(a.lname) + ";1;1;9;baik\nOrang;Lain;1;0;6;\n";
    const auto file = shell.folder() / "laporan.csv";
    test::writeBytes(file, Bytes(text.begin(), text.end()));
    ColumnMap saved;
    saved.column = {0, 1, 2, 3, 4, 5, -1, -1};
    saved.header = {"Depan", "Keluarga", "Berdinas", "PAR", "Jam", "Ket", "", ""};
    ASSERT_TRUE(saveColumnMap(doc, saved).ok());
    ASSERT_TRUE(saveNameMap(doc, {{doc.displayName(people[1]), "Orang Lain", b.id}}).ok());

    std::vector<std::string> seen;
    test::onNextModal([&](QWidget* columns) {
        seen.push_back(columns->objectName().toStdString());
        test::onNextModal([&](QWidget* names) {
            seen.push_back(names->objectName().toStdString());
            test::onNextModal([&](QWidget* selection) {
                seen.push_back(selection->objectName().toStdString());
                QTest::keyClick(selection, Qt::Key_Return);
            });
            QTest::keyClick(names, Qt::Key_Return);
        });
        QTest::keyClick(columns, Qt::Key_Return);
    });
    runCsvImport(doc, file, &shell.window());
    EXPECT_EQ((std::vector<std::string>{"dialog155", "dialog156", "dialog145"}), seen);
    EXPECT_EQ(9, doc.store().at(people[0]).hours[slot]);
    EXPECT_EQ(6, doc.store().at(people[1]).hours[slot]);
    EXPECT_TRUE(doc.dirty);
    EXPECT_EQ(1u, loadNameMap(doc).size());
}

}  // namespace
}  // namespace velno
