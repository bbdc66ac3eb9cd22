#pragma once
// The main window (the frame): menu bar, toolbar, two-pane status bar, and
// in its client area either the ActionPanel or the report view, as the
// view mode says. Every command goes through the command table.

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>

#include "app/CommandTable.h"
#include "app/Shell.h"
#include "print/ReportFonts.h"
#include "print/ReportViewState.h"
#include "store/Calendar.h"
#include "store/DataFolder.h"

class QLabel;
class QPrinter;
class QStackedWidget;

namespace velno {
class CVelnoDoc;
enum class EnrolmentMode;
}  // namespace velno

namespace velno::app {

class ActionPanel;
class CVelnoView;
class QtPrompter;

class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT
public:
    MainWindow(CVelnoDoc& doc, QtPrompter& prompter, const CalendarDate& today,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- Shell --------------------------------------------------------------
    void showReport(int kind) override;
    void returnToPanel() override;
    void print() override;
    void printPreview() override;
    void printSetup() override;
    void exportPdf() override;
    void chooseFont(print::FontRole role, int captionText) override;
    void resetFontsHighResolution() override;
    void save() override;
    void reportFormat() override;
    void changePassword() override;
    void openOldReport(int monthsBack) override;
    void returnToLiveData() override;
    void clearLateReports() override;
    void exit() override;
    void enterReports() override;
    void meetingAttendance() override;
    void quickView() override;
    void editHistory() override;
    void yearActivitySummary() override;
    void pioneerHoursYear() override;
    void yearAttendance() override;
    void toggleStartupNotice() override;
    void help(HelpTopic topic) override;
    void about() override;
    void editPublishers() override;
    void enrolAuxiliaryPioneers() override;
    void enrolRegularPioneers() override;
    void toggleAutoCaps() override;
    void toggleSortByFirstName() override;

    // Runs a command by id as the menus and the panel do.
    void trigger(int id);
    // Writes the report on show into a PDF file; false (with a message)
    // when it could not be written.
    bool exportPdfTo(const QString& path);
    // Status pane, menus, panel and title from the document's state.
    void refreshAll();

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

    // How a help page is opened (the system browser; tests record it).
    std::function<bool(const QUrl&)> openUrl;
    // Where the help pages are.
    static QString helpFolder();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void addMenuNode(QMenu* menu, const MenuNode& node);
    void fillMenu(QMenu* menu);
    QAction* makeAction(int id);
    void applyMode(bool entering);
    void sizeForPanel();
    void sizeForReport();
    QPrinter& printer();
    void printerChanged();
    void printEveryGroup(int kind);
    void storeFonts();
    // Prints a dialog's table as it shows on the screen, one page wide.
    void printWidget(QWidget* widget);
    void enrolPioneers(EnrolmentMode mode);

    CVelnoDoc& doc_;
    QtPrompter& prompter_;
    CalendarDate today_;
    print::ReportViewState view_;
    print::ReportFonts fonts_;
    bool fontsLoaded_ = false;
    std::unique_ptr<QPrinter> printer_;
    // The document's own settings writer, which the window wraps.

    QStackedWidget* stack_ = nullptr;
    ActionPanel* panel_ = nullptr;
    CVelnoView* reportView_ = nullptr;
    QLabel* monthPane_ = nullptr;
    QMenu* oldReportsMenu_ = nullptr;
    // Top-level menus not opened yet, with what goes into them.
    std::map<QMenu*, const MenuNode*> unfilledMenus_;
    std::map<int, QAction*> actions_;
    QByteArray reportGeometry_;
};

}  // namespace velno::app
