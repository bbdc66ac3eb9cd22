#include "app/MainWindow.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

#include "app/ActionPanel.h"
#include "app/AppIcon.h"
#include "app/CVelnoView.h"
#include "app/MnemonicPriority.h"
#include "app/QtPrompter.h"
#include "app/ReportPrinter.h"
#include "app/SelectFolderDialog.h"
#include "app/ShellCommands.h"
#include "app/ToolbarIcons.h"
#include "app/UserSettings.h"
#include "app/commands/CommandIds.h"
#include "exchange/XdgMailComposer.h"
#include "exchange/ui/ExchangeCommands.h"
#include "print/ProfileFontSettings.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/QPrinterPrintTarget.h"
#include "publishers/ReportGroupPickerModel.h"
#include "publishers/ui/PublisherCommands.h"
#include "publishers/ui/ReportGroupPickerDialog.h"
#include "reporting/TallyMonth.h"
#include "reporting/ui/ReportingCommands.h"
#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "store/ui/StoreCommands.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/StoreTexts.h"
#include "text/ui/QtText.h"

#ifndef VELNO_SOURCE_HELP_DIR
#define VELNO_SOURCE_HELP_DIR ""
#endif

namespace velno::app {

namespace {
const char* const kGeometryKey = "Window/Geometry";
}  // namespace

MainWindow::MainWindow(CVelnoDoc& doc, QtPrompter& prompter, const CalendarDate& today,
                       QWidget* parent)
    : QMainWindow(parent), doc_(doc), prompter_(prompter), today_(today) {
    setObjectName("CMainFrame");
    setWindowIcon(appIcon());
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    printer_ = std::make_unique<ReportPrinter>(ReportPrinter::Parts{
        doc_, view_, prompter_, this, today_, [this]() -> print::ReportFonts& { return fonts(); },
        [this] { reportView_->refresh(); },
        [this](const QString& text) { statusBar()->showMessage(text, 8000); },
        [this] { return reportFileName(doc_, view_, registry_); }});
    registerCommands();

    // The frame: toolbar, status bar, then the panel inside it.
    stack_ = new QStackedWidget(this);
    setCentralWidget(stack_);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    // The panel keeps its own size, centred in a window sized for reports.
    panelPage_ = new QWidget(stack_);
    auto* centred = new QGridLayout(panelPage_);
    panel_ = new ActionPanel(registry_, panelPage_);
    centred->addWidget(panel_, 1, 1);
    centred->setRowStretch(0, 1);
    centred->setRowStretch(2, 1);
    centred->setColumnStretch(0, 1);
    centred->setColumnStretch(2, 1);
    reportView_ = new CVelnoView(
        doc_, view_, fonts_, [this] { return today_; }, stack_);
    stack_->addWidget(panelPage_);
    stack_->addWidget(reportView_);
    connect(panel_, &ActionPanel::commandTriggered, this, &MainWindow::trigger);
    connect(reportView_, &CVelnoView::returnToPanelRequested, this,
            [this] { trigger(cmd::ReturnToPanel); });

    prompter_.setParent(this);
    // Alt+letter presses the panel's or a dialog's button before a menu.
    qApp->installEventFilter(new MnemonicPriority(this));
    applyMode();
    placeWindow();
}

MainWindow::~MainWindow() {
    unregisterExchangeCommands();
    prompter_.setParent(nullptr);
}

void MainWindow::registerCommands() {
    // Each subsystem wires its own commands; what none has built yet is
    // declared last, shown and disabled.
    registerShellCommands(registry_, *this);
    registerStoreCommands(registry_, *this);
    registerReportingCommands(registry_, *this);
    registerPublisherCommands(registry_, *this);
    static XdgMailComposer mail;
    registerPrintCommands(registry_, *this, mail);
    registerExchangeCommands(
        registry_, *this,
        [this](QWidget* parent, const QString& start) {
            CSelectFolderDialog picker(start, prompter_, parent);
            return picker.exec() == QDialog::Accepted ? picker.folder() : QString();
        },
        mail);
    declarePendingCommands(registry_);
}

// ---- frame --------------------------------------------------------------------

QAction* MainWindow::makeAction(int id) {
    const auto it = actions_.find(id);
    if (it != actions_.end()) return it->second;
    const Command* c = registry_.find(id);
    auto* a = new QAction(this);
    a->setObjectName(QString("cmd%1").arg(id));
    a->setData(id);
    if (c && c->keys) {
        QList<QKeySequence> keys;
        for (const QString& k : QString(c->keys).split(';'))
            keys << QKeySequence(k, QKeySequence::PortableText);
        a->setShortcuts(keys);
    }
    if (c && isPending(*c)) {
        a->setStatusTip(qs(text::tr(text::TxNotAvailableYet)));
        a->setToolTip(a->statusTip());
    } else if (c && c->tip) {
        a->setStatusTip(qs(text::tr(c->tip)));
    }
    if (c && isCheckable(*c)) a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, id] { trigger(id); });
    actions_[id] = a;
    return a;
}

void MainWindow::addMenuNode(QMenu* menu, const MenuNode& node) {
    switch (node.type) {
        case MenuNode::Type::Separator:
            menu->addSeparator();
            break;
        case MenuNode::Type::Item:
            menu->addAction(makeAction(node.id));
            break;
        case MenuNode::Type::Submenu: {
            QMenu* sub = menu->addMenu(qs(text::tr(node.label)));
            sub->setToolTipsVisible(true);
            submenus_.push_back(sub);
            if (node.needsOldReports) oldReportsMenu_ = sub;
            for (const MenuNode& child : node.children) addMenuNode(sub, child);
            break;
        }
    }
}

void MainWindow::buildMenus() {
    // A menu gets its items when it is first opened: a start need not build
    // a hundred and fifty items that nobody has looked at yet.
    for (const MenuNode& top : app::menuBar()) {
        QMenu* menu = QMainWindow::menuBar()->addMenu(qs(text::tr(top.label)));
        // "Belum tersedia" on the items not built yet.
        menu->setToolTipsVisible(true);
        unfilledMenus_[menu] = &top;
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillMenu(menu); });
    }
    // The accelerators work before any menu has been opened.
    for (const Command& c : registry_.commands())
        if (c.keys) addAction(makeAction(c.id));
}

void MainWindow::fillMenu(QMenu* menu) {
    const auto it = unfilledMenus_.find(menu);
    if (it == unfilledMenus_.end()) return;
    const MenuNode* top = it->second;
    unfilledMenus_.erase(it);
    for (const MenuNode& child : top->children) addMenuNode(menu, child);
    refreshAll();
}

void MainWindow::fillMenus() {
    while (!unfilledMenus_.empty()) fillMenu(unfilledMenus_.begin()->first);
}

QMenu* MainWindow::oldReportsMenu() {
    fillMenus();
    return oldReportsMenu_;
}

void MainWindow::buildToolBar() {
    QToolBar* bar = addToolBar(QString());
    bar->setObjectName("toolbar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    struct Button {
        int id;
        ToolIcon icon;
    };
    const Button buttons[] = {
        {cmd::Save, ToolIcon::Save},
        {cmd::Print, ToolIcon::Print},
        {cmd::PrintPreview, ToolIcon::Preview},
        {cmd::ExportPdf, ToolIcon::ExportPdf},
        {cmd::ReturnToPanel, ToolIcon::Back},
        {0, ToolIcon::Help},
        {cmd::HelpContents, ToolIcon::Help},
    };
    for (const Button& b : buttons) {
        if (!b.id) {
            bar->addSeparator();
            continue;
        }
        QAction* a = makeAction(b.id);
        a->setIcon(toolIcon(b.icon));
        bar->addAction(a);
    }
}

void MainWindow::buildStatusBar() {
    monthPane_ = new QLabel(this);
    monthPane_->setObjectName("monthPane");
    monthPane_->setContentsMargins(0, 0, 0, 0);
    monthPane_->setMargin(0);
    monthPane_->setIndent(0);
    statusBar()->addPermanentWidget(monthPane_);
}

QAction* MainWindow::action(int id) {
    if (!actions_.count(id)) fillMenus();
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::trigger(int id) {
    registry_.run(id, shellStateOf(doc_, view_));
    refreshAll();
}

void MainWindow::refreshAll() {
    const ShellState state = shellStateOf(doc_, view_);
    for (auto& [id, a] : actions_) {
        const Command* c = registry_.find(id);
        if (!c) continue;
        a->setText(qs(captionOf(*c, state)));
        a->setVisible(app::isVisible(*c, state));
        a->setEnabled(app::isEnabled(*c, state));
        if (a->isCheckable()) a->setChecked(app::isChecked(*c, state));
    }
    // A submenu with nothing available in it is greyed; the inner ones
    // were made after their parents, so they are settled first.
    for (auto it = submenus_.rbegin(); it != submenus_.rend(); ++it) {
        const QList<QAction*> items = (*it)->actions();
        (*it)->menuAction()->setEnabled(std::any_of(items.begin(), items.end(), [](QAction* a) {
            return !a->isSeparator() && a->isVisible() && a->isEnabled();
        }));
    }
    // No snapshot at all: the submenu is left out.
    if (oldReportsMenu_) oldReportsMenu_->menuAction()->setVisible(state.oldReportsMask != 0);
    panel_->refresh(state);

    const QString month = qs(statusPaneText(state));
    monthPane_->setText(month);
    // The text's width in the status bar's font and two pixels each side.
    monthPane_->setFixedWidth(QFontMetrics(statusBar()->font()).horizontalAdvance(month) + 4);
    setWindowTitle(qs(app::windowTitle(doc_, view_)));
}

// ---- modes and window size ------------------------------------------------------

void MainWindow::applyMode() {
    // The window keeps its size and place between the panel and a report.
    const bool report = view_.mode == print::ViewMode::Report;
    const bool wasReport = stack_->currentWidget() == reportView_;
    if (report) {
        fonts();
        stack_->setCurrentWidget(reportView_);
        reportView_->refresh();
        reportView_->setFocus();
    } else {
        stack_->setCurrentWidget(panelPage_);
        if (wasReport || !panel_->focusWidget()) panel_->focusFirstButton();
    }
    refreshAll();
}

void MainWindow::placeWindow() {
    // Where it was when the program last ended, when that lies on a screen.
    const QByteArray saved = userSettings().value(kGeometryKey).toByteArray();
    if (!saved.isEmpty() && restoreGeometry(saved)) {
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen->availableGeometry().intersects(frameGeometry())) return;
    }
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const int dpi = logicalDpiX();
    // A page's width: never wider than 8.3 inches of screen when the
    // desktop is wider than 8.5 inches; the page is 8 inches. The panel
    // always fits.
    int width = dpi * 83 / 10 + reportView_->verticalScrollBar()->sizeHint().width();
    if (area.width() <= dpi * 85 / 10) width = area.width();
    width = std::min(std::max(width, minimumSizeHint().width()), area.width());
    const int height =
        std::min(std::max(area.height() * 9 / 10, minimumSizeHint().height()), area.height());
    resize(width, height);
    move(area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2);
}

// ---- the report view -------------------------------------------------------------

bool MainWindow::showReport(int kind) {
    const print::ReportKindInfo* info = print::findReportKind(kind);
    return info && showReport(kind, info->perGroup);
}

bool MainWindow::showReport(int kind, bool askGroup) {
    int group = 0;
    auto choice = ReportGroupPickerModel::Choice::Show;
    if (askGroup) {
        ReportGroupPickerModel picker(doc_, view_.group, true);
        choice = pickReportGroup(picker, this);
        if (choice == ReportGroupPickerModel::Choice::Cancelled) return false;
        if (choice == ReportGroupPickerModel::Choice::PrintAll) {
            TallyMonth(doc_);
            printer_->printEveryGroup(kind);
            applyMode();
            return false;
        }
        group = picker.group();
    }
    // The pages lay out the month's tally as it stands now.
    TallyMonth(doc_);
    // A group without members shows nothing.
    if (!view_.show(doc_, kind, group)) return false;
    applyMode();
    reportView_->scrollToTop();
    if (choice == ReportGroupPickerModel::Choice::PrintOne) print();
    return true;
}

void MainWindow::setReportChoice(int specialNeed, std::vector<int> formHeads) {
    formHeads_ = std::move(formHeads);
    view_.specialNeed = specialNeed;
    view_.formHeads = &formHeads_;
}

void MainWindow::showDrawing(print::DrawReport drawing) {
    view_.showDrawing(drawing);
    applyMode();
    reportView_->scrollToTop();
}

void MainWindow::returnToPanel() {
    view_.returnToPanel();
    applyMode();
}

void MainWindow::print() {
    printer_->print();
}

void MainWindow::printWidget(QWidget* widget) {
    printer_->printWidget(widget);
}

bool MainWindow::exportPdfTo(const QString& path) {
    return printer_->exportPdfTo(path);
}

void MainWindow::redrawReport() {
    reportView_->refresh();
}

void MainWindow::dataChanged() {
    TallyMonth(doc_);
    reportView_->refresh();
}

void MainWindow::documentReloaded() {
    if (view_.mode == print::ViewMode::Report && !view_.show(doc_, view_.kind, view_.group))
        view_.returnToPanel();
    applyMode();
    // Opening a snapshot and coming back from one are loads too.
    endOfLoad();
}

void MainWindow::tellStartupNotice() {
    if (doc_.settings().nag == 0) prompter_.tell(startupNotice(), Icon::Information);
}

void MainWindow::endOfLoad() {
    tellStartupNotice();
    warnOfExportFiles(doc_, this);
}

// ---- fonts ----------------------------------------------------------------------

print::ReportFonts& MainWindow::fonts() {
    if (!fontsLoaded_) {
        fontsLoaded_ = true;
        // Stored fonts, or the defaults the default printer asks for.
        const int printerDpi = print::defaultPrinterResolution();
        view_.printerDpiX = view_.printerDpiY = printerDpi;
        print::ProfileFontSettings store(doc_.profile());
        fonts_.load(store, print::ReportFonts::defaultSetFor(printerDpi),
                    text::tr(text::LanguageCode));
        // The settings written with every save carry the fonts.
        fonts_.store(store);
    }
    return fonts_;
}

void MainWindow::storeFonts() {
    // Fonts never loaded were never changed.
    if (!fontsLoaded_) return;
    print::ProfileFontSettings store(doc_.profile());
    fonts_.store(store);
}

// ---- closing and help ---------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    // "Simpan perubahan?": Cancel keeps the program open.
    if (!doc_.closeDocument()) {
        event->ignore();
        refreshAll();
        return;
    }
    storeFonts();
    userSettings().setValue(kGeometryKey, saveGeometry());
    doc_.reportWriteFailure(doc_.profile().save(&doc_.folder()));
    event->accept();
}

QString MainWindow::helpFolder() {
    const QString fromEnv = qEnvironmentVariable("VELNO_HELP_DIR");
    if (!fromEnv.isEmpty()) return fromEnv;
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath("../share/velno/help");
    if (QFileInfo::exists(installed + "/index.html")) return QDir::cleanPath(installed);
    return QString::fromUtf8(VELNO_SOURCE_HELP_DIR);
}

void MainWindow::help(HelpTopic topic) {
    const QString page = qs(helpPage(topic, shellStateOf(doc_, view_)));
    const QString file = page.section('#', 0, 0);
    const QString anchor = page.section('#', 1);
    const QString path = QDir(helpFolder()).filePath(file);
    if (!QFileInfo::exists(path)) {
        prompter_.tell(text::arg(text::tr(text::TxHelpMissing), path.toStdString()), Icon::Warning);
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    if (!openUrl(url))
        prompter_.tell(text::arg(text::tr(text::TxHelpCannotOpen), path.toStdString()),
                       Icon::Warning);
}

}  // namespace velno::app
