#include "exchange/ui/ExchangeCommands.h"

#include <QFileDialog>
#include <QInputDialog>

#include <ctime>

#include "app/commands/CommandIds.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"
#include "exchange/CollectionFileModel.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/PublisherXml.h"
#include "exchange/XmlChooserModel.h"
#include "exchange/ui/GroupFileDialogs.h"
#include "exchange/ui/XmlChooserDialog.h"
#include "reporting/ui/ReportListDialog.h"
#include "session/SettingsFile.h"
#include "store/CVelnoDoc.h"
#include "store/ExportsFolder.h"
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
    ReportListDialog::setGroupFileActions(
        [&s, &mail](QWidget* parent) { makeGroupFile(s.doc(), mail, parent); },
        [&s](QWidget* parent) { importGroupFile(s.doc(), parent); });
    ReportListDialog::setXmlImportAction(
        [&s](QWidget* parent) { importXmlReports(s.doc(), parent); });
}

void unregisterExchangeCommands() {
    ReportListDialog::setGroupFileActions({}, {});
    ReportListDialog::setXmlImportAction({});
}

}  // namespace velno
