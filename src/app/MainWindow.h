#pragma once
// The main window (the frame): menu bar, toolbar, two-pane status bar, and
// in its client area either the ActionPanel or the report view, as the
// view mode says. The menus, the toolbar and the panel are built from the
// one command table that every subsystem's ui library fills.

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/ShellLayout.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"
#include "print/ReportFonts.h"
#include "print/ReportViewState.h"
#include "store/Calendar.h"
#include "store/DataFolder.h"

class QLabel;
class QStackedWidget;

namespace velno {
class CVelnoDoc;
}

namespace velno::app {

class ActionPanel;
class CVelnoView;
class QtPrompter;
class ReportPrinter;

class MainWindow : public QMainWindow, public ShellContext {
    Q_OBJECT
public:
    MainWindow(CVelnoDoc& doc, QtPrompter& prompter, const CalendarDate& today,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- ShellContext ---------------------------------------------------------
    CVelnoDoc& doc() override { return doc_; }
    QWidget* dialogParent() override { return this; }
    CalendarDate today() const override { return today_; }
    const print::ReportViewState& view() const override { return view_; }
    bool showReport(int kind) override;
    void setReportChoice(int specialNeed, std::vector<int> formHeads) override;
    // A kind drawn for the whole congregation or, with `askGroup`, for the
    // group the picker returns.
    bool showReport(int kind, bool askGroup);
    void showDrawing(print::DrawReport drawing) override;
    void returnToPanel() override;
    // The report on show is drawn again (fonts, format or data changed).
    void redrawReport();
    void print() override;
    void printWidget(QWidget* widget) override;
    void dataChanged() override;
    void documentReloaded() override;
    void refreshAll() override;
    // The start-up notice, at the end of every load unless switched off.
    void tellStartupNotice();
    // What ends every load: the notice, then the warning about unprotected
    // exports in the data folder.
    void endOfLoad();
    void help(HelpTopic topic) override;

    // Runs a command by id as the menus and the panel do.
    void trigger(int id);
    const CommandRegistry& commands() const { return registry_; }
    ReportPrinter& printer() { return *printer_; }
    // Writes the report on show into a PDF file; false (with a message)
    // when it could not be written.
    bool exportPdfTo(const QString& path);

    // The action of a command (its menu is filled first when needed).
    QAction* action(int id);
    ActionPanel* panel() const { return panel_; }
    CVelnoView* reportView() const { return reportView_; }
    QLabel* monthPane() const { return monthPane_; }
    QMenu* oldReportsMenu();
    // The menus are filled when first opened; this fills every one now.
    void fillMenus();
    print::ReportViewState& view() { return view_; }
    // Loaded on first use (the first report): finding the default printer
    // is slow and the panel needs no fonts.
    print::ReportFonts& fonts();
    // Puts the fonts into the settings that the next save writes.
    void storeFonts();

    // How a help page is opened (the system browser; tests record it).
    std::function<bool(const QUrl&)> openUrl;
    // Where the help pages are.
    static QString helpFolder();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void registerCommands();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void addMenuNode(QMenu* menu, const MenuNode& node);
    void fillMenu(QMenu* menu);
    QAction* makeAction(int id);
    void applyMode();
    // The remembered place, or a page's width centred on the screen.
    void placeWindow();

    CVelnoDoc& doc_;
    QtPrompter& prompter_;
    CalendarDate today_;
    print::ReportViewState view_;
    std::vector<int> formHeads_;
    print::ReportFonts fonts_;
    bool fontsLoaded_ = false;
    CommandRegistry registry_;
    std::unique_ptr<ReportPrinter> printer_;
    // The document's own settings writer, which the window wraps.

    QStackedWidget* stack_ = nullptr;
    QWidget* panelPage_ = nullptr;
    ActionPanel* panel_ = nullptr;
    CVelnoView* reportView_ = nullptr;
    QLabel* monthPane_ = nullptr;
    QMenu* oldReportsMenu_ = nullptr;
    // Every submenu, parents before their children.
    std::vector<QMenu*> submenus_;
    // Top-level menus not opened yet, with what goes into them.
    std::map<QMenu*, const MenuNode*> unfilledMenus_;
    std::map<int, QAction*> actions_;
};

}  // namespace velno::app
