#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/AboutDialog.h"
#include "app/ActionPanel.h"
#include "app/AppIcon.h"
#include "app/CVelnoView.h"
#include "app/CommandIds.h"
#include "app/QtPrompter.h"
#include "app/ToolbarIcons.h"
#include "print/AttendanceRecordPage.h"
#include "print/GroupPrinting.h"
#include "print/ProfileFontSettings.h"
#include "print/ui/PdfPrintTarget.h"
#include "print/ui/QPainterCanvas.h"
#include "print/ui/QPrinterPrintTarget.h"
#include "publishers/PioneerEnrolmentModel.h"
#include "publishers/PublisherSelectModel.h"
#include "publishers/RecordPlacement.h"
#include "publishers/ReportGroupPickerModel.h"
#include "publishers/ui/MonthChoiceDialog.h"
#include "publishers/ui/PioneerEnrolmentDialog.h"
#include "publishers/ui/PublisherSelectDialog.h"
#include "publishers/ui/PublisherStatusDialog.h"
#include "publishers/ui/ReportGroupPickerDialog.h"
#include "reporting/AttendanceModel.h"
#include "reporting/HistoryEditorModel.h"
#include "reporting/LateReports.h"
#include "reporting/QuickView.h"
#include "reporting/ReportListModel.h"
#include "reporting/StartCollectionModel.h"
#include "reporting/StartupNotice.h"
#include "reporting/YearActivitySummaryModel.h"
#include "reporting/YearAttendanceModel.h"
#include "reporting/YearPioneerHoursModel.h"
#include "reporting/ui/AttendanceDialog.h"
#include "reporting/ui/HistoryEditorDialog.h"
#include "reporting/ui/QuickViewDialog.h"
#include "reporting/ui/ReportListDialog.h"
#include "reporting/ui/StartCollectionDialog.h"
#include "reporting/ui/YearDialogs.h"
#include "session/SessionRules.h"
#include "store/CVelnoDoc.h"
#include "store/OldReports.h"
#include "store/PasswordChangeModel.h"
#include "store/ReportFormatModel.h"
#include "store/ui/ReportFormatDialog.h"
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

std::string languageCode() {
    return text::tr(text::LanguageCode);
}

// The font chooser works in points; a report font is kept in pixels of
// the screen.
QFont chooserFont(const print::LogicalFont& font, int dpiY) {
    QFont f = print::QPainterCanvas::toQFont(font);
    const int pixels = font.height < 0 ? -font.height : font.height * 5 / 6;
    f.setPointSize(std::max(1, qRound(pixels * 72.0 / dpiY)));
    return f;
}

bool sameChoice(const QFont& a, const QFont& b) {
    return a.family() == b.family() && a.pointSize() == b.pointSize() && a.weight() == b.weight() &&
           a.italic() == b.italic() && a.underline() == b.underline();
}

print::LogicalFont logicalFont(const QFont& chosen, const print::LogicalFont& old, int dpiY) {
    print::LogicalFont f = old;
    const double points = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : chosen.pointSize();
    f.height = -std::max(1, qRound(points * dpiY / 72.0));
    f.width = 0;
    f.weight = chosen.weight();
    f.italic = chosen.italic();
    f.underline = chosen.underline();
    f.faceName = chosen.family().toStdString();
    return f;
}

}  // namespace

MainWindow::MainWindow(CVelnoDoc& doc, QtPrompter& prompter, const CalendarDate& today,
                       QWidget* parent)
    : QMainWindow(parent), doc_(doc), prompter_(prompter), today_(today) {
    setObjectName("CMainFrame");
    setWindowIcon(appIcon());
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    // The frame: toolbar, status bar, then the panel inside it.
    stack_ = new QStackedWidget(this);
    setCentralWidget(stack_);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    panel_ = new ActionPanel(stack_);
    reportView_ = new CVelnoView(
        doc_, view_, fonts_, [this] { return today_; }, stack_);
    stack_->addWidget(panel_);
    stack_->addWidget(reportView_);
    connect(panel_, &ActionPanel::commandTriggered, this, &MainWindow::trigger);
    connect(reportView_, &CVelnoView::returnToPanelRequested, this,
            [this] { trigger(cmd::ReturnToPanel); });

    prompter_.setParent(this);
    applyMode(true);
}

MainWindow::~MainWindow() {
    prompter_.setParent(nullptr);
}

// ---- frame --------------------------------------------------------------------

QAction* MainWindow::makeAction(int id) {
    const auto it = actions_.find(id);
    if (it != actions_.end()) return it->second;
    const Command* c = findCommand(id);
    auto* a = new QAction(this);
    a->setObjectName(QString("cmd%1").arg(id));
    a->setData(id);
    if (c && c->keys) {
        QList<QKeySequence> keys;
        for (const QString& k : QString(c->keys).split(';'))
            keys << QKeySequence(k, QKeySequence::PortableText);
        a->setShortcuts(keys);
    }
    if (c && c->tip) a->setStatusTip(qs(text::tr(c->tip)));
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
        unfilledMenus_[menu] = &top;
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillMenu(menu); });
    }
    // The accelerators work before any menu has been opened.
    for (const Command& c : commands())
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
    runCommand(id, *this, shellStateOf(doc_, view_));
    refreshAll();
}

void MainWindow::refreshAll() {
    const ShellState state = shellStateOf(doc_, view_);
    for (auto& [id, a] : actions_) {
        const Command* c = findCommand(id);
        if (!c) continue;
        a->setText(qs(captionOf(*c, state)));
        a->setVisible(app::isVisible(*c, state));
        a->setEnabled(app::isEnabled(*c, state));
        if (a->isCheckable()) a->setChecked(app::isChecked(*c, state));
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

void MainWindow::applyMode(bool entering) {
    const bool report = view_.mode == print::ViewMode::Report;
    const bool wasReport = stack_->currentWidget() == reportView_;
    if (report) {
        fonts();
        stack_->setCurrentWidget(reportView_);
        reportView_->refresh();
        if (!wasReport || entering) sizeForReport();
        reportView_->setFocus();
    } else {
        if (wasReport) reportGeometry_ = saveGeometry();
        stack_->setCurrentWidget(panel_);
        if (wasReport || entering) sizeForPanel();
    }
    refreshAll();
}

void MainWindow::sizeForPanel() {
    // The window wraps the panel: the stack asks for its largest page, the
    // panel, and the frame adds menu bar, toolbar and status bar.
    panel_->adjustSize();
    resize(sizeHint().expandedTo(minimumSizeHint()));
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void MainWindow::sizeForReport() {
    if (!reportGeometry_.isEmpty() && restoreGeometry(reportGeometry_)) return;
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const int dpi = logicalDpiX();
    // Never wider than 8.3 inches of screen when the desktop is wider than
    // 8.5 inches; the page is 8 inches.
    int width = dpi * 83 / 10 + reportView_->verticalScrollBar()->sizeHint().width();
    if (area.width() <= dpi * 85 / 10) width = area.width();
    width = std::min(width, area.width());
    const int height = area.height() * 9 / 10;
    resize(width, height);
    move(area.left() + (area.width() - frameGeometry().width()) / 2, area.top());
}

void MainWindow::showReport(int kind) {
    const print::ReportKindInfo* info = print::findReportKind(kind);
    if (!info) return;
    int group = 0;
    auto choice = ReportGroupPickerModel::Choice::Show;
    if (info->perGroup) {
        ReportGroupPickerModel picker(doc_, view_.group, true);
        choice = pickReportGroup(picker, this);
        if (choice == ReportGroupPickerModel::Choice::Cancelled) return;
        if (choice == ReportGroupPickerModel::Choice::PrintAll) {
            printEveryGroup(kind);
            return;
        }
        group = picker.group();
    }
    // A group without members shows nothing.
    if (!view_.show(doc_, kind, group)) return;
    applyMode(false);
    if (choice == ReportGroupPickerModel::Choice::PrintOne) print();
}

void MainWindow::returnToPanel() {
    view_.returnToPanel();
    applyMode(false);
}

// ---- printing ------------------------------------------------------------------

QPrinter& MainWindow::printer() {
    // Made on first use: asking the print system for printers takes time
    // that the start need not spend.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setFullPage(true);
        printer_->setDocName(qs(text::tr(text::TxAppName)));
    }
    return *printer_;
}

void MainWindow::printerChanged() {
    if (!printer_) return;
    const std::string name = printer_->printerName().toStdString();
    if (name != view_.printerName) {
        view_.printerName = name;
        view_.printerDpiX = printer_->resolution();
        view_.printerDpiY = printer_->resolution();
    }
}

void MainWindow::print() {
    if (view_.mode != print::ViewMode::Report) return;
    QPrinter& p = printer();
    QPrintDialog dialog(&p, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, view_.pageCount);
    if (dialog.exec() != QDialog::Accepted) return;
    printerChanged();
    int from = 1, to = 0;
    if (p.printRange() == QPrinter::PageRange) {
        from = p.fromPage();
        to = p.toPage();
    }
    {
        print::QPrinterPrintTarget target(p);
        if (!target.ok()) {
            prompter_.tell(text::arg(text::tr(text::TxPrintFailed), p.printerName().toStdString()),
                           Icon::Error);
            return;
        }
        view_.print(doc_, fonts(), target, today_, from, to);
        target.finish();
    }
    reportView_->refresh();
}

void MainWindow::printEveryGroup(int kind) {
    QPrinter& p = printer();
    QPrintDialog dialog(&p, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    printerChanged();
    {
        print::QPrinterPrintTarget target(p);
        if (!target.ok()) {
            prompter_.tell(text::arg(text::tr(text::TxPrintFailed), p.printerName().toStdString()),
                           Icon::Error);
            return;
        }
        print::printEveryGroup(view_, doc_, fonts(), target, today_, kind);
        target.finish();
    }
    applyMode(false);
}

void MainWindow::printPreview() {
    if (view_.mode != print::ViewMode::Report) return;
    QPrintPreviewDialog dialog(&printer(), this);
    dialog.setWindowTitle(qs(text::tr(text::TxMPreview)).remove('&'));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        print::QPrinterPrintTarget target(*p);
        if (target.ok()) view_.print(doc_, fonts(), target, today_);
    });
    dialog.exec();
    printerChanged();
    reportView_->refresh();
}

void MainWindow::printSetup() {
    QPageSetupDialog dialog(&printer(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The printer's resolution is read again after every set-up.
    view_.printerName = printer_->printerName().toStdString();
    view_.printerDpiX = view_.printerDpiY = printer_->resolution();
}

void MainWindow::exportPdf() {
    if (view_.mode != print::ViewMode::Report) return;
    const QString name =
        qs(text::arg(text::tr(text::TxReportFileName), std::to_string(view_.kind)));
    const QString path =
        QFileDialog::getSaveFileName(this, qs(text::tr(text::TxExportPdfTitle)),
                                     QDir::home().filePath(name), qs(text::tr(text::TxPdfFilter)));
    if (path.isEmpty()) return;
    exportPdfTo(path);
}

bool MainWindow::exportPdfTo(const QString& path) {
    // The paper of the print set-up, or the one of the user's country.
    const bool a4 = printer_ ? printer_->pageLayout().pageSize().id() == QPageSize::A4
                             : QLocale().measurementSystem() != QLocale::ImperialUSSystem;
    bool ok = false;
    {
        print::PdfPrintTarget pdf(path.toStdString(), a4);
        if (pdf.ok()) {
            view_.print(doc_, fonts(), pdf, today_);
            ok = pdf.finish();
        }
    }
    reportView_->refresh();
    if (!ok) {
        prompter_.tell(text::arg(text::tr(text::TxPdfFailed), path.toStdString()), Icon::Error);
        return false;
    }
    statusBar()->showMessage(qs(text::arg(text::tr(text::TxPdfWritten), path.toStdString())), 8000);
    return true;
}

// ---- fonts ----------------------------------------------------------------------

void MainWindow::chooseFont(print::FontRole role, int captionText) {
    const print::LogicalFont old = fonts().font(role);
    const int dpiY = view_.screenDpiY;
    QFontDialog dialog(chooserFont(old, dpiY), this);
    dialog.setWindowTitle(qs(text::tr(captionText)));
    // The chooser shows the nearest font the machine has ("Arial" may be
    // a substitute): that one, confirmed as it is, is no change.
    const QFont unchanged = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted) return;
    const QFont chosen = dialog.selectedFont();
    if (sameChoice(chosen, unchanged)) return;
    const print::LogicalFont font = logicalFont(chosen, old, dpiY);
    if (font == old) return;
    fonts_.setFont(role, font);
    storeFonts();
    reportView_->refresh();
}

void MainWindow::resetFontsHighResolution() {
    fonts().applyDefaults(print::ReportFonts::DefaultSet::HighResolution, languageCode());
    storeFonts();
    reportView_->refresh();
}

print::ReportFonts& MainWindow::fonts() {
    if (!fontsLoaded_) {
        fontsLoaded_ = true;
        // Stored fonts, or the defaults the default printer asks for.
        const int printerDpi = print::defaultPrinterResolution();
        view_.printerDpiX = view_.printerDpiY = printerDpi;
        print::ProfileFontSettings store(doc_.profile());
        fonts_.load(store, print::ReportFonts::defaultSetFor(printerDpi), languageCode());
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

// ---- document ----------------------------------------------------------------------

void MainWindow::save() {
    // The save window: the text stays up while the files are written.
    QDialog notice(this, Qt::Dialog | Qt::FramelessWindowHint);
    notice.setObjectName("saveNotice");
    auto* layout = new QVBoxLayout(&notice);
    auto* label = new QLabel(qs(text::tr(text::TxSaving)), &notice);
    label->setAlignment(Qt::AlignCenter);
    layout->setContentsMargins(28, 20, 28, 20);
    layout->addWidget(label);
    notice.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    doc_.saveAll();
    notice.hide();
    refreshAll();
}

void MainWindow::reportFormat() {
    ReportFormatModel model(doc_);
    ReportFormatDialog dialog(model, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (model.ok(doc_)) reportView_->refresh();
}

void MainWindow::changePassword() {
    velno::changePassword(doc_);
}

void MainWindow::openOldReport(int monthsBack) {
    if (velno::openOldReport(doc_, monthsBack) != OldReportResult::Opened) return;
    // The same report for the old month, unless its group is gone.
    if (view_.mode == print::ViewMode::Report && !view_.show(doc_, view_.kind, view_.group))
        view_.returnToPanel();
    applyMode(false);
}

void MainWindow::returnToLiveData() {
    velno::returnToLiveData(doc_);
    view_.returnToPanel();
    applyMode(false);
}

void MainWindow::clearLateReports() {
    // The branch report counts them: the report on show changes.
    if (ClearLateReports(doc_)) reportView_->refresh();
}

// ---- monthly reporting ---------------------------------------------------------------

void MainWindow::enterReports() {
    if (startDialogNeeded(doc_)) {
        StartCollectionModel start(doc_);
        StartCollectionDialog dialog(start, this);
        dialog.exec();
        // The status pane follows whether or not the dialog was confirmed.
        const StartOutcome outcome = finishStartDialog(doc_, start);
        refreshAll();
        if (!outcome.accepted || !outcome.openReportList) return;
    }
    ReportListModel list(doc_);
    ReportListDialog dialog(list, this);
    dialog.exec();
    // The branch report and every list count the new reports.
    reportView_->refresh();
}

void MainWindow::meetingAttendance() {
    AttendanceModel model(doc_);
    AttendanceDialog dialog(model, this);
    dialog.exec();
    reportView_->refresh();
}

void MainWindow::quickView() {
    const QuickViewModel model(doc_);
    QuickViewDialog dialog(model, this);
    dialog.exec();
}

void MainWindow::editHistory() {
    HistoryEditorModel model(doc_);
    if (!model.available()) return;
    HistoryEditorDialog dialog(model, this);
    dialog.exec();
    reportView_->refresh();
}

void MainWindow::yearActivitySummary() {
    YearActivitySummaryModel model(doc_);
    YearActivitySummaryDialog dialog(model, this);
    dialog.exec();
    if (dialog.action() == YearActivitySummaryModel::Action::Print) printWidget(dialog.table());
}

void MainWindow::pioneerHoursYear() {
    YearPioneerHoursModel model(doc_);
    YearPioneerHoursDialog dialog(model, this);
    dialog.exec();
    if (dialog.action() != YearPioneerHoursModel::Action::Print) return;
    // The printed page is the pioneers' hours page of the service year.
    if (!view_.show(doc_, 47)) return;
    applyMode(false);
    print();
}

void MainWindow::yearAttendance() {
    YearAttendanceModel model(doc_);
    YearAttendanceDialog dialog(model, this);
    dialog.exec();
    if (dialog.action() != YearAttendanceModel::Action::Print) return;
    view_.showDrawing(print::attendanceRecordDrawer(model.selectedBlock()));
    applyMode(false);
    print();
}

void MainWindow::toggleStartupNotice() {
    ToggleStartupNotice(doc_);
}

void MainWindow::printWidget(QWidget* widget) {
    QPrinter& p = printer();
    QPrintDialog dialog(&p, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    printerChanged();
    QPainter painter;
    if (!painter.begin(&p)) {
        prompter_.tell(text::arg(text::tr(text::TxPrintFailed), p.printerName().toStdString()),
                       Icon::Error);
        return;
    }
    // Scaled to the page width, an inch from the edges.
    const QRectF page = p.pageLayout().paintRectPixels(p.resolution());
    const double inch = p.resolution();
    const double scale = std::min((page.width() - 2 * inch) / widget->width(),
                                  (page.height() - 2 * inch) / widget->height());
    painter.translate(inch, inch);
    painter.scale(scale, scale);
    widget->render(&painter);
    painter.end();
}

void MainWindow::exit() {
    close();
}

// ---- publisher records ----------------------------------------------------------

void MainWindow::editPublishers() {
    PublisherSelectModel model(doc_);
    {
        PublisherSelectDialog dialog(model, this);
        dialog.askMonth = velno::askMonth;
        dialog.askStatus = [this](PublisherStatusModel& status,
                                  QWidget* parent) -> std::optional<StatusFields> {
            if (!editPublisherStatus(status, parent, [this] { help(HelpTopic::Context); }))
                return std::nullopt;
            return status.result();
        };
        dialog.exec();
    }
    // Saving is the save step's business; a changed store redraws the report.
    const bool redraw = model.close().redraw;
    afterPublisherEditor(doc_);
    if (redraw) reportView_->refresh();
}

void MainWindow::enrolAuxiliaryPioneers() {
    enrolPioneers(EnrolmentMode::Auxiliary);
}

void MainWindow::enrolRegularPioneers() {
    enrolPioneers(EnrolmentMode::Regular);
}

void MainWindow::enrolPioneers(EnrolmentMode mode) {
    PioneerEnrolmentModel model(doc_, mode);
    PioneerEnrolmentDialog dialog(model, this);
    dialog.exec();
    afterPioneerEnrolment(doc_);
    if (doc_.dirty) reportView_->refresh();
}

void MainWindow::toggleAutoCaps() {
    velno::toggleAutoCaps(doc_);
}

void MainWindow::toggleSortByFirstName() {
    velno::toggleSortByFirstName(doc_);
    reportView_->refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // "Simpan perubahan?": Cancel keeps the program open.
    if (!doc_.closeDocument()) {
        event->ignore();
        refreshAll();
        return;
    }
    storeFonts();
    doc_.reportWriteFailure(doc_.profile().save(&doc_.folder()));
    event->accept();
}

// ---- help and about -------------------------------------------------------------------

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

void MainWindow::about() {
    const auto& folder = doc_.oldYearView ? doc_.oldReportView().liveFolder : doc_.folder().path();
    AboutDialog dialog(qs(folder.string()), this);
    dialog.exec();
}

}  // namespace velno::app
