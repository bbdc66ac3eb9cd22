// The backup dialog's model: what each mode shows, the catalogue and browse
// states, use-latest, the undo offer and the refused targets.

#include <gtest/gtest.h>

#include <ctime>

#include "exchange/BackupDialogModel.h"
#include "exchange/ExchangeFixture.h"
#include "store/FixedText.h"
#include "store/files/BackupCatalogue.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {
namespace {

namespace fs = std::filesystem;
using C = BackupDialogModel::Control;
using test::Live;

// A folder that counts as a backup set (its tdat9.bin over 500 bytes).
fs::path fakeSet(const fs::path& where, const std::string& name, std::size_t size = 816) {
    const fs::path set = where / name;
    fs::create_directories(set);
    test::writeBytes(set / "tdat9.bin", std::vector<std::uint8_t>(size, 1));
    return set;
}

TEST(BackupDialog, BackupModeShowsTheTargetAndTheSpaceAndRefusesASetAsTarget) {
    Live live({2025, 5, 5});
    BackupDialogModel m(live.doc, BackupDialogModel::Mode::Backup);
    EXPECT_EQ("Backup", m.title());
    EXPECT_TRUE(m.isVisible(C::SpaceGroup));
    for (C c : {C::RestoreGroup, C::List, C::CatalogueRadio, C::BrowseRadio, C::UseLatest, C::Undo})
        EXPECT_FALSE(m.isVisible(c));
    EXPECT_EQ(requiredBackupSpace(live.doc.folder()), m.requiredBytes());
    EXPECT_NE(std::string::npos, m.spaceText().find(std::to_string(m.requiredBytes()) + " bytes"));
    EXPECT_EQ(live.dir.path().string() + "/", m.pathText());

    test::TempFolder usb;
    const fs::path set = fakeSet(usb.path(), "Vn9_1000_2025May01");
    m.browsed(set);
    ASSERT_EQ(1u, live.prompter.told.size());
    EXPECT_EQ(text::arg(text::tr(text::TxNotABackupTarget), "Vn9_1000_2025May01"),
              live.prompter.told[0]);
    EXPECT_EQ(usb.path().string() + "/", m.pathText());

    EXPECT_FALSE(m.pressOk(std::time(nullptr)));
    EXPECT_TRUE(m.done());
    EXPECT_EQ(text::tr(text::TxBackupDone), m.promptText());
    EXPECT_EQ("Tutup", m.cancelText());
    EXPECT_TRUE(m.pressOk(std::time(nullptr)));  // a further OK closes
    // The next dialog offers the folder last used.
    BackupDialogModel again(live.doc, BackupDialogModel::Mode::Backup);
    EXPECT_EQ(usb.path().string() + "/", again.pathText());
}

TEST(BackupDialog, InvalidEntriesAreNotListedAndWithoutAnyBrowsingIsPreselected) {
    Live live({2025, 5, 5});
    test::TempFolder usb;
    const DataFolder& folder = live.doc.folder();
    ASSERT_TRUE(BackupCatalogue::add(folder, "gone", usb.path() / "Vn9_0100_2025Jan01"));
    ASSERT_TRUE(
        BackupCatalogue::add(folder, "small", fakeSet(usb.path(), "Vn9_0200_2025Jan01", 500)));
    BackupDialogModel m(live.doc, BackupDialogModel::Mode::Restore);
    EXPECT_EQ("Pulihkan", m.title());
    EXPECT_FALSE(m.catalogueAvailable());
    EXPECT_FALSE(m.isCatalogueRadioEnabled());
    EXPECT_EQ(BackupDialogModel::Choice::Browse, m.choice());
    EXPECT_FALSE(m.isVisible(C::UseLatest));
    EXPECT_FALSE(m.isVisible(C::Undo));
    m.chooseCatalogue();  // refused while nothing is valid
    EXPECT_EQ(BackupDialogModel::Choice::Browse, m.choice());
    // Browsing the folder lists its sets; OK shows only once one is chosen.
    m.browsed(usb.path());
    EXPECT_FALSE(m.isVisible(C::Ok));
    ASSERT_EQ((std::vector<std::string>{"[Vn9_0200_2025Jan01]"}), m.items());
    EXPECT_TRUE(m.isVisible(C::List));
    m.selectItem(0);
    EXPECT_EQ((usb.path() / "Vn9_0200_2025Jan01/").string(), m.currentPath().string());
    EXPECT_TRUE(m.isVisible(C::Ok));
    EXPECT_EQ(text::arg(text::tr(text::TxRestorePrompt), m.currentPath().string()), m.promptText());
}

TEST(BackupDialog, UseLatestTakesEntryZeroWhereverTheSelectionWas) {
    Live live({2025, 5, 5});
    test::TempFolder usb;
    const DataFolder& folder = live.doc.folder();
    const fs::path older = fakeSet(usb.path(), "Vn9_0100_2025Jan01");
    const fs::path newer = fakeSet(usb.path(), "Vn9_0200_2025Jan02");
    ASSERT_TRUE(BackupCatalogue::add(folder, "older", older));
    ASSERT_TRUE(BackupCatalogue::add(folder, "newer", newer));
    BackupDialogModel m(live.doc, BackupDialogModel::Mode::Restore);
    EXPECT_EQ(BackupDialogModel::Choice::Catalogue, m.choice());
    EXPECT_TRUE(m.useLatest());
    EXPECT_EQ((std::vector<std::string>{"newer", "older"}), m.items());
    EXPECT_EQ(0, m.selectedItem());
    EXPECT_EQ(newer.string() + "/", m.currentPath().string());
    EXPECT_EQ("", m.pathText());
    EXPECT_EQ("", m.pathGroupText());
    m.selectItem(1);
    EXPECT_FALSE(m.useLatest());
    EXPECT_EQ(older.string() + "/", m.currentPath().string());
    m.setUseLatest(true);
    EXPECT_EQ(0, m.selectedItem());
    EXPECT_EQ(newer.string() + "/", m.currentPath().string());
    // Browsing starts from the folder the dialog opened on.
    m.chooseBrowse();
    EXPECT_EQ(live.dir.path().string() + "/", m.currentPath().string());
    EXPECT_FALSE(m.isVisible(C::UseLatest));
    EXPECT_EQ(text::tr(text::TxRestoreSourceGroup), m.pathGroupText());
}

TEST(BackupDialog, UndoIsOfferedOnlyAfterARestoreAndTakesTheUndoFolder) {
    Live live({2025, 5, 5});
    test::TempFolder usb;
    BackupOptions o;
    o.now = std::time(nullptr);
    const BackupOutcome set = makeBackup(live.doc, usb.path(), o);
    ASSERT_TRUE(set.made());
    {
        BackupDialogModel m(live.doc, BackupDialogModel::Mode::Restore);
        EXPECT_FALSE(m.isVisible(C::Undo));
        EXPECT_EQ(set.set.string() + "/", m.currentPath().string());
        EXPECT_TRUE(m.pressOk(o.now));
        EXPECT_TRUE(m.lastRestore().restored());
    }
    BackupDialogModel m(live.doc, BackupDialogModel::Mode::Restore);
    ASSERT_TRUE(m.isVisible(C::Undo));
    m.setUndo(true);
    EXPECT_EQ(undoFolderPath(live.dir.path()).string() + "/", m.currentPath().string());
    for (C c : {C::List, C::CatalogueRadio, C::BrowseRadio, C::UseLatest, C::BrowseButton})
        EXPECT_FALSE(m.isVisible(c));
    EXPECT_EQ(0u, m.promptText().find(text::tr(text::TxUndoRestoreInfo) + " : "));
    m.setUseLatest(true);  // ticking it unticks undo
    EXPECT_FALSE(m.undo());
    EXPECT_EQ(set.set.string() + "/", m.currentPath().string());
}

}  // namespace
}  // namespace velno
