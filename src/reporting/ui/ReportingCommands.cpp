#include "reporting/ui/ReportingCommands.h"

#include <QTableWidget>

#include "app/commands/CommandIds.h"
#include "app/commands/CommandRegistry.h"
#include "app/commands/ShellContext.h"
#include "print/AttendanceRecordPage.h"
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
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"

namespace velno {

namespace {

using app::ShellContext;

void enterReports(ShellContext& s) {
    CVelnoDoc& doc = s.doc();
    if (startDialogNeeded(doc)) {
        StartCollectionModel start(doc);
        StartCollectionDialog dialog(start, s.dialogParent());
        dialog.exec();
        // The status pane follows whether or not the dialog was confirmed.
        const StartOutcome outcome = finishStartDialog(doc, start);
        s.refreshAll();
        if (!outcome.accepted || !outcome.openReportList) return;
    }
    ReportListModel list(doc);
    ReportListDialog dialog(list, s.dialogParent());
    dialog.exec();
    // The branch report and every list count the new reports.
    s.dataChanged();
}

void meetingAttendance(ShellContext& s) {
    AttendanceModel model(s.doc());
    AttendanceDialog dialog(model, s.dialogParent());
    dialog.exec();
    s.dataChanged();
}

void quickView(ShellContext& s) {
    const QuickViewModel model(s.doc());
    QuickViewDialog dialog(model, s.dialogParent());
    dialog.exec();
}

void editHistory(ShellContext& s) {
    HistoryEditorModel model(s.doc());
    if (!model.available()) return;
    HistoryEditorDialog dialog(model, s.dialogParent());
    dialog.exec();
    s.dataChanged();
}

void yearActivitySummary(ShellContext& s) {
    YearActivitySummaryModel model(s.doc());
    YearActivitySummaryDialog dialog(model, s.dialogParent());
    dialog.exec();
    if (dialog.action() == YearActivitySummaryModel::Action::Print) s.printWidget(dialog.table());
}

void pioneerHoursYear(ShellContext& s) {
    YearPioneerHoursModel model(s.doc());
    YearPioneerHoursDialog dialog(model, s.dialogParent());
    dialog.exec();
    if (dialog.action() != YearPioneerHoursModel::Action::Print) return;
    // The printed page is the pioneers' hours page of the service year.
    if (s.showReport(print::kind::PioneerHours)) s.print();
}

void yearAttendance(ShellContext& s) {
    YearAttendanceModel model(s.doc());
    YearAttendanceDialog dialog(model, s.dialogParent());
    dialog.exec();
    if (dialog.action() != YearAttendanceModel::Action::Print) return;
    s.showDrawing(print::attendanceRecordDrawer(model.selectedBlock()));
    s.print();
}

}  // namespace

void registerReportingCommands(app::CommandRegistry& r, ShellContext& s) {
    using app::command;
    using app::Enable;
    namespace cmd = app::cmd;
    using namespace text;

    const auto entry = [&s] { enterReports(s); };
    r.add(command(cmd::ReportSlip, TxMReportSlip, entry, Enable::LiveData));
    r.add(command(cmd::PanelEnterReports, TxPanelEnterReports, entry, Enable::LiveData));
    const auto attendance = [&s] { meetingAttendance(s); };
    r.add(command(cmd::Attendance, TxMAttendance, attendance, Enable::LiveData));
    r.add(command(cmd::PanelAttendance, TxPanelAttendance, attendance, Enable::LiveData));
    const auto quick = [&s] { quickView(s); };
    r.add(command(cmd::QuickView, TxMQuickView, quick));
    r.add(command(cmd::PanelQuickView, TxPanelQuickView, quick));
    // The history editor has a panel button but no menu entry.
    const auto history = [&s] { editHistory(s); };
    r.add(command(cmd::EditHistory, TxPanelEditHistory, history, Enable::LiveData));
    r.add(command(cmd::PanelEditHistory, TxPanelEditHistory, history, Enable::LiveData));
    r.add(command(cmd::YearActivitySummary, TxMYearSummary, [&s] { yearActivitySummary(s); }));
    r.add(command(cmd::PioneerHoursYear, TxMPioneerHours, [&s] { pioneerHoursYear(s); }));
    r.add(command(cmd::YearAttendance, TxMYearAttendance, [&s] { yearAttendance(s); }));

    app::Command notice = command(
        cmd::NoStartupNotice, TxMNoStartupNotice, [&s] { ToggleStartupNotice(s.doc()); },
        Enable::LiveData);
    notice.checked = app::Checked::NoStartupNotice;
    r.add(std::move(notice));
    r.add(command(
        cmd::ClearLateReports, TxMClearLateReports,
        [&s] {
            // The branch report counts them: the report on show changes.
            if (ClearLateReports(s.doc())) s.dataChanged();
        },
        Enable::LateReports));
}

}  // namespace velno
