// The menus and the ActionPanel of the real main window: the vocabulary
// the users know (labels, order, ids, accelerators), and that every
// command they can reach does something, and nothing while it may not.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

#include "ShellFixture.h"
#include "app/ActionPanel.h"
#include "app/ShellLayout.h"
#include "app/commands/CommandIds.h"
#include "store/CVelnoDoc.h"
#include "store/Snapshots.h"

namespace velno::app {
namespace {

// One expected menu entry: a command (id 0 where no id is fixed for it),
// or a submenu with its entries.
struct Entry {
    Entry(std::string l = {}, int i = 0, std::string k = {})
        : label(std::move(l)), id(i), keys(std::move(k)) {}
    std::string label;
    int id = 0;
    std::string keys;
    std::vector<Entry> children;
};

Entry sub(std::string label, std::vector<Entry> children) {
    Entry e(std::move(label));
    e.children = std::move(children);
    return e;
}

// The menu bar as the program's users know it; "Ekspor PDF..." is ours.
std::vector<Entry> expectedMenus() {
    return {
        sub("&File", {{"&Cetak...", 57607, "Ctrl+P"},
                      {"&Pratinjau Cetak", 57609},
                      {"P&rint Setup...", 57606},
                      {"Ekspor PDF..."},
                      {"&Simpan", 0, "Ctrl+S"},
                      sub("Backup dan Pemulihan", {{"Backup", 32863}, {"Pemulihan", 32864}}),
                      sub("Ekspor atau Impor", {{"Ekspor Laporan Bulanan Monthly Report", 32829},
                                                {"Ekspor Informasi Kontak", 32849},
                                                {"Ekspor Kontak Darurat", 32865},
                                                {"Ekspor Header Kartu", 32869},
                                                {"Export Meeting Attendance", 32911},
                                                {"Export Summary", 32912},
                                                {"Ekspor ke XML", 32880},
                                                {"Impor dari XML", 32878}}),
                      {"Kembali ke Panel &Aksi", 32787},
                      {"&Keluar"}}),
        sub("&Edit", {{"&Penyiar", 32768},
                      {"Perintis &Ekstra", 32769},
                      {"Perintis &Biasa", 32833},
                      {"&Kelompok Dinas Lapangan", 32770},
                      {"P&indah", 32781},
                      {"&Tidak Aktif", 32782},
                      {"Dihapus", 32881},
                      {"San&di", 32786},
                      {"Pelajar Alkitab", 32839},
                      {"Pengawas &Wilayah...", 32906}}),
        sub("&Kirim", {{"&Slip Laporan", 32777}, {"&Hadirin Perhimpunan", 32778}}),
        sub("&Lihat", {{"&Kartu Penyiar", 32771},
                       {"&Tinjauan Singkat"},
                       {"Ringkasan Kegiatan Setahun "},
                       {"&Jam Perintis", 32775},
                       {"Hadirin Setahun", 32838},
                       {"&Tidak Melapor", 32773},
                       {"Tidak Tetap Tentu", 32774},
                       {"Penyiar &Baru", 32795},
                       {"&Diaktifkan Kembali", 32783},
                       {"Tidak Aktif", 32776},
                       {"&Pindah", 32784},
                       {"Baru Dibaptis", 32792},
                       {"Perintis &Ekstra", 32815},
                       {"Pemandu PAR", 32820},
                       {"&Belum Terbaptis", 32828},
                       {"Peminat (PAR)", 32842},
                       {"Formulir Pengumpulan Laporan", 32832},
                       {"&Hak Istimewa Dinas", 32884},
                       {"EU GDPR Persetujuan pada file", 32886},
                       {"Tidak ada Persetujuan GDPR UE pada file", 32913},
                       {"Kustom", 32835}}),
        sub("&Laporan",
            {sub("&Analisis Sidang", {{"Pioneers - Groups", 32891}, {"A - Z", 32892}}),
             {"Analisis &KDL", 32780},
             {"&Ringkasan Sidang", 32793},
             {"Laporan &Perhimpunan", 32794},
             sub("Rata2 Tiga/Enam Bulan", {{"&Sidang", 32796},
                                           {"Kelompok Dinas Lapangan", 32797},
                                           {"&Perintis Biasa", 32798},
                                           {"P&enatua", 32799},
                                           {"&Hamba Pelayanan", 32800},
                                           {"Sa&udara Terbaptis", 32801}}),
             {"&Statistik", 32802},
             sub("Label Kartu Penyiar", {{"Semua Penyiar", 32821}, {"Penyiar Tertentu", 32822}}),
             sub("Laporan Jam ", {{"Sidang", 32807},
                                  {"Kelompok Dinas Lapangan", 32808},
                                  {"Perintis Biasa", 32817},
                                  {"Perintis Ekstra", 32816},
                                  {"Penatua dan Hamba Pelayanan", 32840},
                                  {"Saudara Terbaptis", 32851},
                                  {"Jam Perintis", 32806}}),
             sub("Daftar Telepon", {{"", 32809}, {"", 32810}, {"", 32823}, {"", 32824}}),
             sub("Telephone && E-mail", {{"", 32871}, {"", 32872}, {"", 32874}, {"", 32873}}),
             sub("Daftar Alamat",
                 {{"", 32811}, {"", 32812}, {"", 32825}, {"", 32831}, {"", 32830}}),
             sub("Daftar Kontak",
                 {{"", 32846}, {"", 32847}, {"", 32848}, {"", 32875}, {"", 32882}}),
             sub("Emergency Contact Data",
                 {{"Congregation", 32859}, {"Field Service Group", 32860}, {"", 32867}}),
             sub("Kebutuhan Khusus", {{"&Sidang", 32915}, {"&Kelompok Dinas Lapangan", 32916}}),
             sub("Daftar Kelompok Dinas Lapangan",
                 {{"Penyiar Aktif", 32852},
                  {"Aktif + Pelajar Alkitab", 32853},
                  {"Aktif + Pelajar Alkitab + Tidak Aktif", 32854}}),
             sub("Total Tahun Dinas", {{"Sidang", 32818},
                                       {"Perintis Biasa", 32819},
                                       {"Penatua dan Hamba Pelayanan", 32841}})}),
        sub("&Huruf", {{"&Judul", 32788},
                       {"&Subjudul", 32789},
                       {"&Heading", 32790},
                       {"Te&ks", 32791},
                       {"Huruf Kecil", 32803},
                       {"R&esolusi Tinggi Default", 32813},
                       {"R&esolusi Rendah Default", 32814}}),
        sub("&Opsi", {{"&Format Laporan", 32804},
                      {"Publisher Records", 32888},
                      {"Aktifkan AutoCaps", 32883},
                      {"Hapus Pemberitahuan Awal", 32850},
                      {"Hapus Laporan Terlambat", 32857},
                      {"Kategori Tambahan", 32834},
                      sub("View Old Reports", {{}, {}, {}, {}, {}, {}})}),
        sub("&Bantuan",
            {{"&Ringkasan"}, {"&Indeks"}, {"&Bantuan Kontekstual"}, {"&Tentang VELNO..."}}),
    };
}

// Compares one menu's visible entries (separators left out) with the
// expectation. Run-time captions (empty expected label) are not compared.
void compareMenu(const QList<QAction*>& actions, const std::vector<Entry>& expected,
                 const std::string& where) {
    std::vector<QAction*> entries;
    for (QAction* a : actions)
        if (!a->isSeparator() && a->isVisible()) entries.push_back(a);
    ASSERT_EQ(expected.size(), entries.size()) << where;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Entry& e = expected[i];
        QAction* a = entries[i];
        const std::string at =
            where + " > " + (e.label.empty() ? "#" + std::to_string(i) : e.label);
        if (!e.children.empty()) {
            ASSERT_NE(nullptr, a->menu()) << at;
            EXPECT_EQ(e.label, a->menu()->title().toStdString()) << at;
            compareMenu(a->menu()->actions(), e.children, at);
            continue;
        }
        ASSERT_EQ(nullptr, a->menu()) << at;
        if (!e.label.empty()) {
            EXPECT_EQ(e.label, a->text().toStdString()) << at;
        }
        if (e.id) {
            EXPECT_EQ(e.id, a->data().toInt()) << at;
        }
        const std::string keys = a->shortcut().toString(QKeySequence::PortableText).toStdString();
        EXPECT_EQ(e.keys, keys) << at;
    }
}

TEST(CommandMap, MenuBarHasEveryMenuItemInOrderWithIdsAndAccelerators) {
    test::ShellFixture shell;
    shell.open();
    shell.window().fillMenus();
    const QList<QAction*> tops = shell.window().menuBar()->actions();
    std::vector<Entry> expected = expectedMenus();
    // Without any snapshot the submenu is left out.
    auto& options = expected[6].children;
    options.pop_back();
    // The special-needs list comes before "Kustom" while someone has a need.
    if (shellStateOf(shell.doc(), shell.window().view()).specialNeedsList) {
        auto& view = expected[3].children;
        view.insert(view.end() - 1, Entry("Kebutuhan Khusus", 32914));
    }
    compareMenu(tops, expected, "menu bar");
}

TEST(CommandMap, MenusFillWhenOpenedAndAcceleratorsWorkBefore) {
    test::ShellFixture shell;
    shell.open();
    MainWindow& w = shell.window();
    QMenu* file = w.menuBar()->actions().front()->menu();
    ASSERT_NE(nullptr, file);
    EXPECT_TRUE(file->actions().isEmpty());
    // Ctrl+S saves while no menu has been opened yet.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    shell.doc().dirty = true;
    QTest::keySequence(&w, QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_FALSE(shell.doc().dirty);

    file->popup(QPoint(0, 0));
    EXPECT_FALSE(file->actions().isEmpty());
    for (QAction* a : file->actions()) {
        if (!a->isSeparator() && !a->menu()) {
            EXPECT_FALSE(a->text().isEmpty());
        }
    }
    file->hide();
}

TEST(CommandMap, EveryMenuItemAndButtonHasOneRowInTheRanges) {
    test::ShellFixture shell;
    shell.open();
    const CommandRegistry& commands = shell.window().commands();
    // No two subsystems registered a handler for one id.
    EXPECT_TRUE(commands.duplicates().empty());
    std::set<int> seen;
    std::function<void(const std::vector<MenuNode>&)> walk = [&](const auto& nodes) {
        for (const MenuNode& n : nodes) {
            if (n.type == MenuNode::Type::Submenu) walk(n.children);
            if (n.type != MenuNode::Type::Item) continue;
            EXPECT_TRUE(seen.insert(n.id).second) << "command twice in the menus: " << n.id;
            const bool menuRange = n.id >= 32768 && n.id <= 32916;
            const bool standard = n.id >= 57600 && n.id <= 57681;
            EXPECT_TRUE(menuRange || standard || n.id == cmd::ExportPdf) << n.id;
            EXPECT_NE(nullptr, commands.find(n.id)) << n.id;
        }
    };
    walk(menuBar());
    for (const PanelColumn& column : panelColumns())
        for (int id : column.buttons) {
            EXPECT_TRUE(id >= 106 && id <= 129) << id;
            EXPECT_NE(nullptr, commands.find(id)) << id;
        }
    std::set<int> ids;
    for (const Command& c : commands.commands()) EXPECT_TRUE(ids.insert(c.id).second) << c.id;
}

TEST(CommandMap, ActionPanelHasEveryButtonWithItsLabel) {
    const std::vector<std::pair<int, std::string>> buttons = {
        {108, "&Isi Laporan"},
        {112, "&Hadirin Perhimpunan"},
        {109, "Perintis Ekstra"},
        {114, "Edit Penyiar"},
        {118, "Kelompok Dinas Lapangan"},
        {120, "Tidak Aktif"},
        {121, "Pindah"},
        {106, "Tidak Ada Laporan"},
        {115, "Tidak Tetap Tentu"},
        {122, "Penyiar Baru"},
        {123, "Diaktifkan Kembali"},
        {125, "Baru Dibaptis"},
        {111, "Tinjauan Cepat"},
        {113, "Analisis Sidang"},
        {117, "Analisis KDL"},
        {119, "Ringkasan"},
        {116, "Statistik"},
        {126, "Laporan Perhimpunan"},
        {127, "Daftar Telepon"},
        {124, "Catatan Penyiar"},
        {128, "Edit History"},
        {110, "Keluar"},
    };
    test::ShellFixture shell;
    shell.open();
    ActionPanel* panel = shell.window().panel();
    EXPECT_EQ("Sistem Akunting Jam Dinas VELNO", panel->caption()->text().toStdString());
    std::set<int> expectedIds{129};
    for (const auto& [id, label] : buttons) {
        expectedIds.insert(id);
        QPushButton* b = panel->button(id);
        ASSERT_NE(nullptr, b) << id;
        EXPECT_EQ(label, b->text().toStdString()) << id;
        EXPECT_TRUE(b->isVisible()) << id;
    }
    const auto ids = panel->buttonIds();
    EXPECT_EQ(expectedIds, std::set<int>(ids.begin(), ids.end()));
    // The return button only while a snapshot is open.
    EXPECT_FALSE(panel->button(129)->isVisible());
}

TEST(CommandMap, PanelButtonsShowTheReportsOfTheirMenuCommands) {
    test::ShellFixture shell;
    shell.open();
    MainWindow& w = shell.window();
    const std::pair<int, int> sameAs[] = {{cmd::PanelAnalysis, cmd::CongregationAnalysis},
                                          {cmd::PanelSummary, cmd::Summary},
                                          {cmd::PanelStatistics, cmd::Statistics},
                                          {cmd::PanelMeetingReport, cmd::MeetingReport}};
    for (const auto& [button, menu] : sameAs) {
        QTest::mouseClick(w.panel()->button(button), Qt::LeftButton);
        ASSERT_EQ(print::ViewMode::Report, w.view().mode) << button;
        const int shown = w.view().kind;
        w.returnToPanel();
        w.trigger(menu);
        EXPECT_EQ(shown, w.view().kind) << menu;
        w.returnToPanel();
    }
}

// What a command may change, to tell whether running it did anything.
struct Observed {
    print::ViewMode mode;
    int kind;
    bool dirty;
    bool archive;
    int nag, autoCaps, topMargin, dateStamp;
    bool sortByFirstName;
    print::LogicalFont title;
    bool operator==(const Observed&) const = default;
};

class CommandRun {
public:
    explicit CommandRun(test::ShellFixture& shell) : shell_(shell) {
        shell_.window().openUrl = [this](const QUrl&) {
            ++urls_;
            return true;
        };
        // Every modal dialog a command opens is closed again at once,
        // nested ones too.
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++modals_;
                dialog->reject();
            }
        });
        closer_.setInterval(20);
    }

    // Runs a command; true when a dialog showed or the state changed.
    bool didSomething(int id) {
        MainWindow& w = shell_.window();
        // A font the reset changes back, and data the save writes.
        print::LogicalFont title = w.fonts().font(print::FontRole::Title);
        title.height -= 3;
        w.fonts().setFont(print::FontRole::Title, title);
        shell_.doc().dirty = !shell_.doc().oldYearView;
        const Observed before = observe();
        const int modals = modals_, urls = urls_;
        closer_.start();
        w.trigger(id);
        closer_.stop();
        return modals_ != modals || urls_ != urls || !(observe() == before);
    }

private:
    Observed observe() {
        MainWindow& w = shell_.window();
        const CVelnoDoc& doc = shell_.doc();
        const Settings& s = doc.settings();
        return {w.view().mode,
                w.view().kind,
                doc.dirty,
                doc.oldYearView,
                static_cast<int>(s.nag),
                static_cast<int>(s.autoCaps),
                static_cast<int>(s.topMargin),
                static_cast<int>(s.dateStamp),
                static_cast<bool>(s.sortByFirstName),
                w.fonts().font(print::FontRole::Title)};
    }

    test::ShellFixture& shell_;
    QTimer closer_;
    int modals_ = 0;
    int urls_ = 0;
};

// The menu and panel commands a user can reach, enabled or not.
std::vector<int> reachableCommands(MainWindow& w) {
    w.fillMenus();
    std::vector<int> ids;
    for (const Command& c : w.commands().commands()) {
        const bool onPanel = w.panel()->button(c.id) != nullptr;
        if (onPanel || (c.id >= 32768 && w.action(c.id))) ids.push_back(c.id);
    }
    return ids;
}

bool enabledOnScreen(MainWindow& w, int id) {
    if (QPushButton* b = w.panel()->button(id)) return b->isEnabled() && !b->isHidden();
    QAction* a = w.action(id);
    return a && a->isEnabled() && a->isVisible();
}

TEST(CommandMap, EveryEnabledCommandDoesSomething) {
    test::ShellFixture shell;
    shell.open();
    MainWindow& w = shell.window();
    CommandRun run(shell);
    // Closing the window is the exit path's own test.
    const std::set<int> skipped{cmd::Exit, cmd::PanelExit};
    int ran = 0;
    for (const bool reportMode : {false, true}) {
        for (int id : reachableCommands(w)) {
            // The second round: what only a report on show enables.
            if (skipped.count(id)) continue;
            if (reportMode && w.commands().find(id)->enable != Enable::ReportMode) continue;
            if (reportMode)
                w.trigger(cmd::Summary);
            else
                w.returnToPanel();
            if (!enabledOnScreen(w, id)) continue;
            ASSERT_TRUE(w.commands().find(id)->built()) << id;
            EXPECT_TRUE(run.didSomething(id)) << id << (reportMode ? " in report mode" : "");
            ++ran;
        }
    }
    EXPECT_GT(ran, 60);
}

TEST(CommandMap, SnapshotViewRunsNoCommandThatChangesData) {
    test::ShellFixture shell;
    shell.open();
    CVelnoDoc& doc = shell.doc();
    MainWindow& w = shell.window();
    ASSERT_TRUE(takeSnapshot(doc, doc.reportMonth().reportMonth0));
    doc.saveAll();
    w.refreshAll();
    w.trigger(cmd::OldReport1);
    ASSERT_TRUE(doc.oldYearView);
    CommandRun run(shell);
    int refused = 0;
    for (int id : reachableCommands(w)) {
        const Command* c = w.commands().find(id);
        if (c->enable != Enable::LiveData && c->enable != Enable::LateReports &&
            c->enable != Enable::DeletedList)
            continue;
        EXPECT_FALSE(enabledOnScreen(w, id)) << id;
        // Not even when asked by id, as a stale shortcut would.
        EXPECT_FALSE(run.didSomething(id)) << id;
        ++refused;
    }
    EXPECT_GT(refused, 10);
    EXPECT_TRUE(doc.oldYearView);
}

}  // namespace
}  // namespace velno::app
