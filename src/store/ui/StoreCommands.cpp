#include "store/ui/StoreCommands.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "app/commands/CommandIds.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"
#include "store/CVelnoDoc.h"
#include "store/OldReports.h"
#include "store/PasswordChangeModel.h"
#include "store/ReportFormatModel.h"
#include "store/ui/ReportFormatDialog.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/texts/StoreTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

using app::ShellContext;

void save(ShellContext& s) {
    // The save window: the text stays up while the files are written.
    QDialog notice(s.dialogParent(), Qt::Dialog | Qt::FramelessWindowHint);
    notice.setObjectName("saveNotice");
    auto* layout = new QVBoxLayout(&notice);
    auto* label = new QLabel(qs(text::tr(text::TxSaving)), &notice);
    label->setAlignment(Qt::AlignCenter);
    layout->setContentsMargins(28, 20, 28, 20);
    layout->addWidget(label);
    notice.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    s.doc().saveAll();
    notice.hide();
}

void reportFormat(ShellContext& s) {
    ReportFormatModel model(s.doc());
    ReportFormatDialog dialog(model, s.dialogParent());
    if (dialog.exec() != QDialog::Accepted) return;
    if (model.ok(s.doc())) s.dataChanged();
}

void openSnapshot(ShellContext& s, int monthsBack) {
    if (openOldReport(s.doc(), monthsBack) != OldReportResult::Opened) return;
    // The same report for the old month, unless its group is gone.
    s.documentReloaded();
}

void leaveSnapshot(ShellContext& s) {
    returnToLiveData(s.doc());
    s.returnToPanel();
    s.documentReloaded();
}

}  // namespace

void registerStoreCommands(app::CommandRegistry& r, ShellContext& s) {
    using app::command;
    using app::Enable;
    namespace cmd = app::cmd;
    using namespace text;

    r.add(command(
        cmd::Save, TxMSave, [&s] { save(s); }, Enable::LiveData, "Ctrl+S"));
    r.add(command(
        cmd::Password, TxMPassword, [&s] { changePassword(s.doc()); }, Enable::LiveData));
    r.add(command(
        cmd::ReportFormat, TxMReportFormat, [&s] { reportFormat(s); }, Enable::LiveData));
    for (int monthsBack = 1; monthsBack <= kOldReportMonths; ++monthsBack) {
        app::Command old = command(
            cmd::OldReport1 + monthsBack - 1, 0, [&s, monthsBack] { openSnapshot(s, monthsBack); },
            Enable::OldReport);
        old.arg = monthsBack;
        old.caption = app::Caption::OldReportMonth;
        r.add(std::move(old));
    }
    app::Command back = command(
        cmd::PanelReturn, 0, [&s] { leaveSnapshot(s); }, Enable::ArchiveView);
    back.visible = app::Visible::ArchiveView;
    back.caption = app::Caption::ReturnToLive;
    r.add(std::move(back));
}

}  // namespace velno
