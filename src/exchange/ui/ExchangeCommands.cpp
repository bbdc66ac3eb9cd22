#include "exchange/ui/ExchangeCommands.h"

#include <QFileDialog>
#include <QInputDialog>

#include <ctime>

#include "app/commands/CommandIds.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"
#include "exchange/CollectionFileModel.h"
#include "exchange/ColumnMapModel.h"
#include "exchange/CsvFile.h"
#include "exchange/CsvReportReader.h"
#include "exchange/DelimitedExports.h"
#include "exchange/ExportFilesWarningModel.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/MonthlyExportModel.h"
#include "exchange/NameMapModel.h"
#include "exchange/PublisherXml.h"
#include "exchange/XmlChooserModel.h"
#include "exchange/ui/CsvMapDialogs.h"
#include "exchange/ui/ExportDialogs.h"
#include "exchange/ui/GroupFileDialogs.h"
#include "exchange/ui/XmlChooserDialog.h"
#include "reporting/ui/ReportListDialog.h"
#include "session/SettingsFile.h"
#include "store/CVelnoDoc.h"
#include "store/ExportsFolder.h"
#include "store/ui/DesktopFileOpener.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/texts/ExchangeTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

using app::ShellContext;

void backupOrRestore(ShellContext& s, BackupDialogModel::Mode mode, const FolderChooser& chooser) {
    BackupDialogModel model(s.doc(), mode);
    BackupDialog dialog(model, chooser, s.dialogParent());
    dialog.exec();
    if (mode == BackupDialogModel::Mode::Restore && model.done())
        s.documentReloaded();
    else
        s.refreshAll();
}

int chooseGroup(CVelnoDoc& doc, QWidget* parent, int current) {
    QStringList names;
    for (int g = 1; g <= doc.groups().count(); ++g)
        names << qs(text::cp1252ToUtf8(doc.groups().displayName(g)));
    if (names.isEmpty()) return 0;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, qs(text::tr(text::TxOtherGroup)), {},
                                                 names, std::max(0, current - 1), false, &ok);
    return ok ? static_cast<int>(names.indexOf(chosen)) + 1 : 0;
}

void makeGroupFile(CVelnoDoc& doc, MailComposer& mail, QWidget* parent) {
    const int group = chooseGroup(doc, parent, 1);
    if (group <= 0) return;
    CollectionFileModel model(doc, group);
    CollectionFileDialog dialog(
        model, mail, [&doc](QWidget* p, int current) { return chooseGroup(doc, p, current); },
        parent);
    dialog.exec();
}

void importGroupFile(CVelnoDoc& doc, QWidget* parent) {
    const QString filter = qs(text::tr(text::TxT19Filter)) + " (*.t19)";
    const QString file = QFileDialog::getOpenFileName(parent, qs(text::tr(text::TxChooseT19)),
                                                      qs(doc.folder().path().string()), filter);
    if (file.isEmpty() || !file.endsWith(".t19", Qt::CaseInsensitive)) return;
    const std::filesystem::path path = file.toStdString();
    ImportImage image;
    std::string message;
    if (!loadGroupFile(path, doc.reportMonth().reportMonth0, doc.reportMonth().parity(),
                       buildLanguageCode(), image, message)) {
        doc.prompter().tell(message, Icon::Warning);
        return;
    }
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::GroupFile);
    ImportSelectionDialog dialog(model, parent);
    dialog.exec();
}

// A repaired link to extended information marks the document changed.
void offerExport(ShellContext& s, FileOpener& opener,
                 const std::optional<std::filesystem::path>& path, bool wasDirty) {
    if (s.doc().dirty != wasDirty) s.refreshAll();
    if (path) offerToOpenExport(s.doc().prompter(), opener, *path);
}

void exportList(ShellContext& s, FileOpener& opener, DelimitedExport kind) {
    CVelnoDoc& doc = s.doc();
    const bool wasDirty = doc.dirty;
    const auto path = writeExport(doc, buildExport(doc, kind));
    offerExport(s, opener, path, wasDirty);
}

void exportMonthly(ShellContext& s, FileOpener& opener) {
    MonthlyExportModel model(s.doc());
    MonthlyExportDialog dialog(model, s.dialogParent());
    if (dialog.exec() != QDialog::Accepted) return;
    const bool wasDirty = s.doc().dirty;
    offerExport(s, opener, model.accept(), wasDirty);
}

void importCsvFile(CVelnoDoc& doc, QWidget* parent) {
    const QString title =
        qs(text::arg(text::tr(text::TxChooseCsv), text::monthName(doc.reportMonth().reportMonth0)));
    const QString filter = qs(text::tr(text::TxCsvFilter)) + " (*.csv)";
    const QString file =
        QFileDialog::getOpenFileName(parent, title, qs(doc.folder().path().string()), filter);
    if (file.isEmpty() || !file.endsWith(".csv", Qt::CaseInsensitive)) return;
    runCsvImport(doc, file.toStdString(), parent);
}

QString chooseXmlFile(const CVelnoDoc& doc, QWidget* parent, const std::string& title) {
    const QString filter = qs(text::tr(text::TxXmlFilter)) + " (*.xml)";
    const QString file =
        QFileDialog::getOpenFileName(parent, qs(title), qs(doc.folder().path().string()), filter);
    // A name not ending in ".xml" ends the command.
    return file.endsWith(".xml", Qt::CaseInsensitive) ? file : QString();
}

void importXmlReports(CVelnoDoc& doc, QWidget* parent) {
    const QString file = chooseXmlFile(doc, parent,
                                       text::arg(text::tr(text::TxXmlChooseReports),
                                                 text::monthName(doc.reportMonth().reportMonth0)));
    if (file.isEmpty()) return;
    ImportImage image;
    std::string message;
    if (!loadXmlReports(doc, file.toStdString(), image, message)) {
        doc.prompter().tell(message, Icon::Warning);
        return;
    }
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::Xml);
    ImportSelectionDialog dialog(model, parent);
    dialog.exec();
}

void exportXml(ShellContext& s) {
    CVelnoDoc& doc = s.doc();
    XmlChooserModel model(doc);
    XmlChooserDialog dialog(model, s.dialogParent());
    if (dialog.exec() != QDialog::Accepted || model.result().empty()) return;
    std::filesystem::path path;
    if (const FileResult written = exportPublisherXml(doc, model.list(), model.result(), path);
        !written) {
        doc.reportWriteFailure(written);
        return;
    }
    doc.prompter().tell(text::arg(text::tr(text::TxXmlCreated), path.string()), Icon::Information);
}

void importXml(ShellContext& s, const FolderChooser& chooser) {
    CVelnoDoc& doc = s.doc();
    const ReportMonth& rm = doc.reportMonth();
    std::tm today{};
    today.tm_year = rm.todayYear - 1900;
    today.tm_mon = rm.todayMonth - 1;
    today.tm_mday = rm.todayDay;
    offerBackup(doc, today,
                [&s, chooser] { backupOrRestore(s, BackupDialogModel::Mode::Backup, chooser); });
    const QString file = chooseXmlFile(doc, s.dialogParent(), text::tr(text::TxXmlChooseImport));
    if (file.isEmpty()) return;
    xml::XmlDocument x;
    XmlPublisherList list;
    std::string message;
    if (!loadPublisherXml(file.toStdString(), x, list, message)) {
        doc.prompter().tell(message, Icon::Warning);
        return;
    }
    XmlChooserModel model(doc, list, linkedPublishers(doc, list));
    XmlChooserDialog dialog(model, s.dialogParent());
    if (dialog.exec() != QDialog::Accepted || model.result().empty()) return;
    const XmlImportOutcome out =
        importPublishers(doc, x, list, model.result(), model.linked(), model.replace());
    for (const auto& line : out.messages) doc.prompter().tell(line, Icon::Warning);
    s.dataChanged();
}

}  // namespace

void warnOfExportFiles(CVelnoDoc& doc, QWidget* parent) {
    runExportFilesWarning(doc, [parent](ExportFilesWarningModel& model) {
        ExportFilesWarningDialog dialog(model, parent);
        return dialog.exec() == QDialog::Accepted;
    });
}

void runCsvImport(CVelnoDoc& doc, const std::filesystem::path& path, QWidget* parent) {
    CsvTable table;
    std::string message;
    if (!loadCsv(path, table, message)) {
        doc.prompter().tell(message, Icon::Warning);
        return;
    }
    std::string problems;
    for (const CsvRow& row : table.rows)
        if (!row.problem.empty()) problems += row.problem + "\n";
    if (!problems.empty()) doc.prompter().tell(problems, Icon::Warning);
    ColumnMap saved;
    const bool hasSaved = loadColumnMap(doc, saved);
    ColumnMapModel columns(table.header, hasSaved ? &saved : nullptr);
    ColumnMapDialog columnDialog(columns, qs(path.string()), parent);
    if (columnDialog.exec() != QDialog::Accepted) return;
    doc.reportWriteFailure(columns.save(doc));
    NameMapModel names(doc, table, columns.map(), columns.nameMode(), loadNameMap(doc));
    NameMapDialog nameDialog(names, parent);
    if (nameDialog.exec() != QDialog::Accepted) return;
    doc.reportWriteFailure(names.finish(doc));
    ImportImage image;
    readCsvReports(doc, table, columns.map(), names.rows(), path.string(), image);
    ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::Csv);
    ImportSelectionDialog dialog(model, parent);
    dialog.exec();
}

void registerExchangeCommands(app::CommandRegistry& r, ShellContext& s, FolderChooser chooser,
                              MailComposer& mail) {
    using app::command;
    using app::Enable;
    namespace cmd = app::cmd;
    using namespace text;
    r.add(command(
        cmd::Backup, TxMBackup,
        [&s, chooser] { backupOrRestore(s, BackupDialogModel::Mode::Backup, chooser); },
        Enable::LiveData));
    r.add(command(
        cmd::Restore, TxMRestore,
        [&s, chooser] { backupOrRestore(s, BackupDialogModel::Mode::Restore, chooser); },
        Enable::LiveData));
    r.add(command(cmd::ExportXml, TxMExportXml, [&s] { exportXml(s); }));
    r.add(command(
        cmd::ImportXml, TxMImportXml, [&s, chooser] { importXml(s, chooser); }, Enable::LiveData));
    s.doc().whenClosingSaved = backUpAtExit;
    static DesktopFileOpener opener;
    r.add(command(cmd::ExportMonthly, TxMExportMonthly, [&s] { exportMonthly(s, opener); }));
    const std::pair<int, DelimitedExport> lists[] = {
        {cmd::ExportContacts, DelimitedExport::Contacts},
        {cmd::ExportEmergency, DelimitedExport::Emergency},
        {cmd::ExportCardHeader, DelimitedExport::CardHeader},
        {cmd::ExportAttendance, DelimitedExport::Attendance},
        {cmd::ExportSummary, DelimitedExport::Summary},
    };
    const int labels[] = {TxMExportContacts, TxMExportEmergency, TxMExportCardHeader,
                          TxMExportAttendance, TxMExportSummary};
    for (std::size_t k = 0; k < std::size(lists); ++k) {
        const DelimitedExport kind = lists[k].second;
        r.add(command(lists[k].first, labels[k], [&s, kind] { exportList(s, opener, kind); }));
    }
    ReportListDialog::setGroupFileActions(
        [&s, &mail](QWidget* parent) { makeGroupFile(s.doc(), mail, parent); },
        [&s](QWidget* parent) { importGroupFile(s.doc(), parent); });
    ReportListDialog::setCsvImportAction([&s](QWidget* parent) { importCsvFile(s.doc(), parent); });
    ReportListDialog::setXmlImportAction(
        [&s](QWidget* parent) { importXmlReports(s.doc(), parent); });
}

void unregisterExchangeCommands() {
    ReportListDialog::setGroupFileActions({}, {});
    ReportListDialog::setCsvImportAction({});
    ReportListDialog::setXmlImportAction({});
}

}  // namespace velno
