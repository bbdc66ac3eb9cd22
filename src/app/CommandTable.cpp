#include "app/CommandTable.h"

#include <algorithm>

#include "app/CommandIds.h"
#include "print/ReportKinds.h"
#include "print/ReportViewState.h"
#include "reporting/LateReports.h"
#include "store/CVelnoDoc.h"
#include "store/OldReports.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::app {

namespace {

using namespace text;
using print::FontRole;

// ---- handlers ------------------------------------------------------------

void doShowReport(Shell& s, const Command& c) {
    s.showReport(c.arg);
}
void doReturnToPanel(Shell& s, const Command&) {
    s.returnToPanel();
}
void doPrint(Shell& s, const Command&) {
    s.print();
}
void doPreview(Shell& s, const Command&) {
    s.printPreview();
}
void doPrintSetup(Shell& s, const Command&) {
    s.printSetup();
}
void doExportPdf(Shell& s, const Command&) {
    s.exportPdf();
}
void doFont(Shell& s, const Command& c) {
    s.chooseFont(static_cast<FontRole>(c.arg), c.tip);
}
void doFontsHigh(Shell& s, const Command&) {
    s.resetFontsHighResolution();
}
void doSave(Shell& s, const Command&) {
    s.save();
}
void doReportFormat(Shell& s, const Command&) {
    s.reportFormat();
}
void doPassword(Shell& s, const Command&) {
    s.changePassword();
}
void doOldReport(Shell& s, const Command& c) {
    s.openOldReport(c.arg);
}
void doReturnToLive(Shell& s, const Command&) {
    s.returnToLiveData();
}
void doClearLateReports(Shell& s, const Command&) {
    s.clearLateReports();
}
void doExit(Shell& s, const Command&) {
    s.exit();
}
void doEnterReports(Shell& s, const Command&) {
    s.enterReports();
}
void doAttendance(Shell& s, const Command&) {
    s.meetingAttendance();
}
void doQuickView(Shell& s, const Command&) {
    s.quickView();
}
void doEditHistory(Shell& s, const Command&) {
    s.editHistory();
}
void doYearActivitySummary(Shell& s, const Command&) {
    s.yearActivitySummary();
}
void doPioneerHoursYear(Shell& s, const Command&) {
    s.pioneerHoursYear();
}
void doYearAttendance(Shell& s, const Command&) {
    s.yearAttendance();
}
void doToggleStartupNotice(Shell& s, const Command&) {
    s.toggleStartupNotice();
}
void doHelpContents(Shell& s, const Command&) {
    s.help(HelpTopic::Contents);
}
void doHelpIndex(Shell& s, const Command&) {
    s.help(HelpTopic::Index);
}
void doHelpContext(Shell& s, const Command&) {
    s.help(HelpTopic::Context);
}
void doAbout(Shell& s, const Command&) {
    s.about();
}
void doEditPublishers(Shell& s, const Command&) {
    s.editPublishers();
}
void doAuxiliaryPioneers(Shell& s, const Command&) {
    s.enrolAuxiliaryPioneers();
}
void doRegularPioneers(Shell& s, const Command&) {
    s.enrolRegularPioneers();
}
void doAutoCaps(Shell& s, const Command&) {
    s.toggleAutoCaps();
}
void doSortByFirstName(Shell& s, const Command&) {
    s.toggleSortByFirstName();
}

// ---- row builders ----------------------------------------------------------

// A command whose part is not built yet: visible, disabled.
Command later(int id, int label, Enable enable = Enable::Always) {
    Command c;
    c.id = id;
    c.label = label;
    c.enable = enable;
    return c;
}

Command run(int id, int label, Handler handler, Enable enable = Enable::Always,
            const char* keys = nullptr) {
    Command c;
    c.id = id;
    c.label = label;
    c.handler = handler;
    c.enable = enable;
    c.keys = keys;
    return c;
}

Command report(int id, int label, int kind) {
    Command c;
    c.id = id;
    c.label = label;
    c.handler = doShowReport;
    c.enable = Enable::ReportDrawn;
    c.arg = kind;
    return c;
}

Command font(int id, int label, FontRole role, int tip) {
    Command c = run(id, label, doFont);
    c.arg = static_cast<int>(role);
    c.tip = tip;
    return c;
}

Command oldReport(int monthsBack) {
    Command c = run(cmd::OldReport1 + monthsBack - 1, 0, doOldReport, Enable::OldReport);
    c.arg = monthsBack;
    c.caption = Caption::OldReportMonth;
    return c;
}

Command withVisibility(Command c, Visible visible, Caption caption) {
    c.visible = visible;
    c.caption = caption;
    return c;
}

Command withCheck(Command c, Checked checked) {
    c.checked = checked;
    return c;
}

std::vector<Command> buildCommands() {
    using E = Enable;
    std::vector<Command> t{
        // "&File"
        run(cmd::Print, TxMPrint, doPrint, E::ReportMode, "Ctrl+P"),
        run(cmd::PrintPreview, TxMPreview, doPreview, E::ReportMode),
        run(cmd::PrintSetup, TxMPrintSetup, doPrintSetup),
        run(cmd::ExportPdf, TxMExportPdf, doExportPdf, E::ReportMode),
        run(cmd::Save, TxMSave, doSave, E::LiveData, "Ctrl+S"),
        later(cmd::Backup, TxMBackup, E::LiveData),
        later(cmd::Restore, TxMRestore, E::LiveData),
        later(cmd::ExportMonthly, TxMExportMonthly),
        later(cmd::ExportContacts, TxMExportContacts),
        later(cmd::ExportEmergency, TxMExportEmergency),
        later(cmd::ExportCardHeader, TxMExportCardHeader),
        later(cmd::ExportAttendance, TxMExportAttendance),
        later(cmd::ExportSummary, TxMExportSummary),
        later(cmd::ExportXml, TxMExportXml),
        later(cmd::ImportXml, TxMImportXml, E::LiveData),
        run(cmd::ReturnToPanel, TxMReturnToPanel, doReturnToPanel, E::ReportMode),
        run(cmd::Exit, TxMExit, doExit),
        // "&Edit"
        run(cmd::EditPublishers, TxMPublishers, doEditPublishers, E::LiveData),
        run(cmd::AuxiliaryPioneers, TxMAuxiliaryPioneers, doAuxiliaryPioneers, E::LiveData),
        run(cmd::RegularPioneers, TxMRegularPioneers, doRegularPioneers, E::LiveData),
        later(cmd::Groups, TxMGroups, E::LiveData),
        later(cmd::Moved, TxMMoved, E::LiveData),
        later(cmd::Inactive, TxMInactive, E::LiveData),
        later(cmd::Deleted, TxMDeleted, E::LiveData),
        run(cmd::Password, TxMPassword, doPassword, E::LiveData),
        later(cmd::BibleStudents, TxMBibleStudents, E::LiveData),
        // "&Kirim"
        run(cmd::ReportSlip, TxMReportSlip, doEnterReports, E::LiveData),
        run(cmd::Attendance, TxMAttendance, doAttendance, E::LiveData),
        // "&Lihat"
        later(cmd::RecordCards, TxMRecordCards),
        run(cmd::QuickView, TxMQuickView, doQuickView),
        run(cmd::YearActivitySummary, TxMYearSummary, doYearActivitySummary),
        run(cmd::PioneerHoursYear, TxMPioneerHours, doPioneerHoursYear),
        run(cmd::YearAttendance, TxMYearAttendance, doYearAttendance),
        later(cmd::ListNotReporting, TxMListNotReporting),
        later(cmd::ListIrregular, TxMListIrregular),
        later(cmd::ListNew, TxMListNew),
        later(cmd::ListReactivated, TxMListReactivated),
        later(cmd::ListInactive, TxMListInactive),
        later(cmd::ListMoved, TxMListMoved),
        later(cmd::ListNewlyBaptised, TxMListNewlyBaptised),
        later(cmd::ListAuxiliary, TxMListAuxiliary),
        later(cmd::ListConductors, TxMListConductors),
        later(cmd::ListUnbaptised, TxMListUnbaptised),
        later(cmd::ListInterested, TxMListInterested),
        later(cmd::ListCollectionForm, TxMListCollectionForm),
        later(cmd::ListPrivileges, TxMListPrivileges),
        later(cmd::ListConsent, TxMListConsent),
        later(cmd::ListNoConsent, TxMListNoConsent),
        withVisibility(later(cmd::ListSpecialNeeds, TxMListSpecialNeeds), Visible::SpecialNeedsList,
                       Caption::SpecialNeeds),
        withVisibility(later(cmd::ListCustom, TxMListCustom), Visible::Always,
                       Caption::CustomCategory),
        // "&Laporan"
        report(cmd::AnalysisPioneersGroups, TxMAnalysisPioneersGroups, 1),
        report(cmd::AnalysisAZ, TxMAnalysisAZ, 110),
        report(cmd::CongregationAnalysis, TxMAnalysisPioneersGroups, 1),
        report(cmd::GroupAnalysis, TxMGroupAnalysis, 2),
        report(cmd::Summary, TxMSummary, 3),
        report(cmd::MeetingReport, TxMMeetingReport, 4),
        report(cmd::AvgCongregation, TxMAvgCongregation, 5),
        report(cmd::AvgGroup, TxMAvgGroup, 6),
        report(cmd::AvgRegular, TxMAvgRegular, 7),
        report(cmd::AvgElders, TxMAvgElders, 8),
        report(cmd::AvgServants, TxMAvgServants, 9),
        report(cmd::AvgBrothers, TxMAvgBrothers, 10),
        withVisibility(report(cmd::AvgCustom, 0, 11), Visible::CustomCategory,
                       Caption::CustomCategory),
        report(cmd::Statistics, TxMStatistics, 20),
        report(cmd::LabelsAll, TxMLabelsAll, 30),
        // The chosen publishers need the chooser of the labels' own part.
        later(cmd::LabelsSome, TxMLabelsSome),
        report(cmd::HoursCongregation, TxMHoursCongregation, 40),
        report(cmd::HoursGroup, TxMHoursGroup, 41),
        report(cmd::HoursRegular, TxMHoursRegular, 42),
        report(cmd::HoursAuxiliary, TxMHoursAuxiliary, 39),
        report(cmd::HoursEldersServants, TxMHoursEldersServants, 43),
        report(cmd::HoursBrothers, TxMHoursBrothers, 48),
        withVisibility(report(cmd::HoursCustom, 0, 38), Visible::CustomCategory,
                       Caption::CustomCategory),
        report(cmd::HoursPioneerYear, TxMHoursPioneerYear, 47),
        report(cmd::PhoneCongregation, TxMListCongregation, 50),
        report(cmd::PhoneGroup, TxMListGroup, 51),
        report(cmd::PhoneEldersServants, TxMListEldersServants, 52),
        report(cmd::PhonePioneers, TxMListRegular, 53),
        report(cmd::PhoneEmailCongregation, TxMListCongregation, 100),
        report(cmd::PhoneEmailGroup, TxMListGroup, 101),
        report(cmd::PhoneEmailEldersServants, TxMListEldersServants, 103),
        report(cmd::PhoneEmailPioneers, TxMListRegular, 104),
        report(cmd::AddressCongregation, TxMListCongregation, 60),
        report(cmd::AddressGroup, TxMListGroup, 61),
        report(cmd::AddressInactive, TxMListInactivePublishers, 62),
        report(cmd::AddressEldersServants, TxMListEldersServants, 63),
        report(cmd::AddressPioneers, TxMListRegular, 64),
        report(cmd::ContactCongregation, TxMListCongregation, 80),
        report(cmd::ContactGroup, TxMListGroup, 81),
        report(cmd::ContactEldersServants, TxMListEldersServants, 82),
        report(cmd::ContactPioneers, TxMListRegular, 83),
        report(cmd::ContactInactive, TxMListInactivePublishers, 84),
        report(cmd::EmergencyCongregation, TxMEmergencyCongregation, 90),
        report(cmd::EmergencyGroup, TxMEmergencyGroup, 91),
        // Forms and the need filter ask first, in dialogs of their own part.
        later(cmd::EmergencyForms, TxMEmergencyForms),
        later(cmd::SpecialNeedsCongregation, TxMListCongregation),
        report(cmd::SpecialNeedsGroup, TxMListGroup, 121),
        report(cmd::GroupListActive, TxMGroupListActive, 70),
        report(cmd::GroupListStudents, TxMGroupListStudents, 71),
        report(cmd::GroupListAll, TxMGroupListAll, 73),
        report(cmd::TotalsCongregation, TxMTotalsCongregation, 44),
        report(cmd::TotalsRegular, TxMTotalsRegular, 45),
        report(cmd::TotalsEldersServants, TxMTotalsEldersServants, 46),
        // "&Huruf"
        font(cmd::FontTitle, TxMFontTitle, FontRole::Title, TxTipFontTitle),
        font(cmd::FontSubtitle, TxMFontSubtitle, FontRole::Subtitle, TxTipFontSubtitle),
        font(cmd::FontHeading, TxMFontHeading, FontRole::Heading, TxTipFontHeading),
        font(cmd::FontText, TxMFontText, FontRole::Text, TxTipFontText),
        font(cmd::FontSmall, TxMFontSmall, FontRole::Small, TxTipFontSmall),
        run(cmd::FontsHighResolution, TxMFontsHigh, doFontsHigh),
        // Never had a handler: it stays disabled.
        later(cmd::FontsLowResolution, TxMFontsLow),
        // "&Opsi"
        run(cmd::ReportFormat, TxMReportFormat, doReportFormat, E::LiveData),
        later(cmd::CardOptions, TxMCardOptions),
        withCheck(run(cmd::AutoCaps, TxMAutoCaps, doAutoCaps, E::LiveData), Checked::AutoCaps),
        withCheck(run(cmd::NoStartupNotice, TxMNoStartupNotice, doToggleStartupNotice, E::LiveData),
                  Checked::NoStartupNotice),
        run(cmd::ClearLateReports, TxMClearLateReports, doClearLateReports, E::LateReports),
        withCheck(later(cmd::CustomCategory, TxMCustomCategory, E::LiveData),
                  Checked::CustomCategory),
        oldReport(1),
        oldReport(2),
        oldReport(3),
        oldReport(4),
        oldReport(5),
        oldReport(6),
        // "&Bantuan"
        run(cmd::HelpContents, TxMHelpContents, doHelpContents),
        run(cmd::HelpIndex, TxMHelpIndex, doHelpIndex),
        run(cmd::HelpContext, TxMHelpContext, doHelpContext),
        run(cmd::About, TxMAbout, doAbout),
        // Group lists without a menu entry of their own.
        report(32893, 0, 72),
        report(32901, 0, 74),
        // The history editor has a panel button but no menu entry.
        run(cmd::EditHistory, TxPanelEditHistory, doEditHistory, E::LiveData),
        // Accelerators only. Text fields handle the editing keys themselves;
        // the window has neither new/open nor panes to cycle.
        later(cmd::FileNew, 0),
        later(cmd::FileOpen, 0),
        later(cmd::EditUndo, 0),
        later(cmd::EditCut, 0),
        later(cmd::EditCopy, 0),
        later(cmd::EditPaste, 0),
        later(cmd::NextPane, 0),
        later(cmd::PreviousPane, 0),
        // No menu entry: reached by its id alone.
        withCheck(run(cmd::SortByFirstName, 0, doSortByFirstName, E::LiveData),
                  Checked::SortByFirstName),
        // The ActionPanel.
        run(cmd::PanelEnterReports, TxPanelEnterReports, doEnterReports, E::LiveData),
        run(cmd::PanelAttendance, TxPanelAttendance, doAttendance, E::LiveData),
        run(cmd::PanelAuxiliary, TxPanelAuxiliary, doAuxiliaryPioneers, E::LiveData),
        run(cmd::PanelEditPublishers, TxPanelEditPublishers, doEditPublishers, E::LiveData),
        later(cmd::PanelGroups, TxPanelGroups, E::LiveData),
        later(cmd::PanelInactive, TxPanelInactive, E::LiveData),
        later(cmd::PanelMoved, TxPanelMoved, E::LiveData),
        later(cmd::PanelNoReport, TxPanelNoReport),
        later(cmd::PanelIrregular, TxPanelIrregular),
        later(cmd::PanelNew, TxPanelNew),
        later(cmd::PanelReactivated, TxPanelReactivated),
        later(cmd::PanelNewlyBaptised, TxPanelNewlyBaptised),
        run(cmd::PanelQuickView, TxPanelQuickView, doQuickView),
        report(cmd::PanelAnalysis, TxPanelAnalysis, 1),
        report(cmd::PanelGroupAnalysis, TxPanelGroupAnalysis, 2),
        report(cmd::PanelSummary, TxPanelSummary, 3),
        report(cmd::PanelStatistics, TxPanelStatistics, 20),
        report(cmd::PanelMeetingReport, TxPanelMeetingReport, 4),
        report(cmd::PanelPhoneList, TxPanelPhoneList, 50),
        later(cmd::PanelRecordCards, TxPanelRecordCards),
        run(cmd::PanelEditHistory, TxPanelEditHistory, doEditHistory, E::LiveData),
        run(cmd::PanelExit, TxPanelExit, doExit),
        withVisibility(run(cmd::PanelReturn, 0, doReturnToLive, E::ArchiveView),
                       Visible::ArchiveView, Caption::ReturnToLive),
    };
    return t;
}

// Accelerator-only commands carry their keys here, apart from the rows, so
// the rows above read like the menus.
void addAcceleratorKeys(std::vector<Command>& t) {
    const std::pair<int, const char*> keys[] = {
        {cmd::FileNew, "Ctrl+N"},
        {cmd::FileOpen, "Ctrl+O"},
        {cmd::EditUndo, "Ctrl+Z;Alt+Backspace"},
        {cmd::EditCut, "Ctrl+X;Shift+Del"},
        {cmd::EditCopy, "Ctrl+C;Ctrl+Ins"},
        {cmd::EditPaste, "Ctrl+V;Shift+Ins"},
        {cmd::NextPane, "F6"},
        {cmd::PreviousPane, "Shift+F6"},
    };
    for (auto& c : t)
        for (const auto& [id, k] : keys)
            if (c.id == id) c.keys = k;
}

// ---- the menu tree -----------------------------------------------------------

MenuNode item(int id) {
    MenuNode n;
    n.type = MenuNode::Type::Item;
    n.id = id;
    return n;
}

MenuNode separator() {
    MenuNode n;
    n.type = MenuNode::Type::Separator;
    return n;
}

MenuNode submenu(int label, std::vector<MenuNode> children) {
    MenuNode n;
    n.type = MenuNode::Type::Submenu;
    n.label = label;
    n.children = std::move(children);
    return n;
}

std::vector<MenuNode> buildMenuBar() {
    MenuNode oldReports = submenu(TxSubOldReports, {});
    for (int k = 0; k < kOldReportMonths; ++k)
        oldReports.children.push_back(item(cmd::OldReport1 + k));
    oldReports.needsOldReports = true;

    return {
        submenu(TxTopFile,
                {item(cmd::Print), item(cmd::PrintPreview), item(cmd::PrintSetup),
                 item(cmd::ExportPdf), separator(), item(cmd::Save), separator(),
                 submenu(TxSubBackup, {item(cmd::Backup), item(cmd::Restore)}),
                 submenu(TxSubExport, {item(cmd::ExportMonthly), item(cmd::ExportContacts),
                                       item(cmd::ExportEmergency), item(cmd::ExportCardHeader),
                                       item(cmd::ExportAttendance), item(cmd::ExportSummary),
                                       separator(), item(cmd::ExportXml), item(cmd::ImportXml)}),
                 separator(), item(cmd::ReturnToPanel), separator(), item(cmd::Exit)}),
        submenu(TxTopEdit, {item(cmd::EditPublishers), item(cmd::AuxiliaryPioneers),
                            item(cmd::RegularPioneers), item(cmd::Groups), separator(),
                            item(cmd::Moved), item(cmd::Inactive), item(cmd::Deleted), separator(),
                            item(cmd::Password), separator(), item(cmd::BibleStudents)}),
        submenu(TxTopSend, {item(cmd::ReportSlip), item(cmd::Attendance)}),
        submenu(TxTopView, {item(cmd::RecordCards),
                            item(cmd::QuickView),
                            item(cmd::YearActivitySummary),
                            item(cmd::PioneerHoursYear),
                            item(cmd::YearAttendance),
                            separator(),
                            item(cmd::ListNotReporting),
                            item(cmd::ListIrregular),
                            item(cmd::ListNew),
                            item(cmd::ListReactivated),
                            item(cmd::ListInactive),
                            item(cmd::ListMoved),
                            item(cmd::ListNewlyBaptised),
                            item(cmd::ListAuxiliary),
                            item(cmd::ListConductors),
                            item(cmd::ListUnbaptised),
                            item(cmd::ListInterested),
                            item(cmd::ListCollectionForm),
                            item(cmd::ListPrivileges),
                            item(cmd::ListConsent),
                            item(cmd::ListNoConsent),
                            item(cmd::ListSpecialNeeds),
                            item(cmd::ListCustom)}),
        submenu(
            TxTopReports,
            {submenu(TxSubAnalysis, {item(cmd::AnalysisPioneersGroups), item(cmd::AnalysisAZ)}),
             item(cmd::GroupAnalysis), item(cmd::Summary), item(cmd::MeetingReport),
             submenu(TxSubAverages,
                     {item(cmd::AvgCongregation), item(cmd::AvgGroup), item(cmd::AvgRegular),
                      item(cmd::AvgElders), item(cmd::AvgServants), item(cmd::AvgBrothers),
                      item(cmd::AvgCustom)}),
             item(cmd::Statistics), separator(),
             submenu(TxSubLabels, {item(cmd::LabelsAll), item(cmd::LabelsSome)}),
             submenu(TxSubHours, {item(cmd::HoursCongregation), item(cmd::HoursGroup),
                                  item(cmd::HoursRegular), item(cmd::HoursAuxiliary),
                                  item(cmd::HoursEldersServants), item(cmd::HoursBrothers),
                                  item(cmd::HoursCustom), item(cmd::HoursPioneerYear)}),
             separator(),
             submenu(TxSubPhone, {item(cmd::PhoneCongregation), item(cmd::PhoneGroup),
                                  item(cmd::PhoneEldersServants), item(cmd::PhonePioneers)}),
             submenu(TxSubPhoneEmail,
                     {item(cmd::PhoneEmailCongregation), item(cmd::PhoneEmailGroup),
                      item(cmd::PhoneEmailEldersServants), item(cmd::PhoneEmailPioneers)}),
             submenu(TxSubAddress, {item(cmd::AddressCongregation), item(cmd::AddressGroup),
                                    item(cmd::AddressInactive), item(cmd::AddressEldersServants),
                                    item(cmd::AddressPioneers)}),
             submenu(TxSubContact, {item(cmd::ContactCongregation), item(cmd::ContactGroup),
                                    item(cmd::ContactEldersServants), item(cmd::ContactPioneers),
                                    item(cmd::ContactInactive)}),
             submenu(TxSubEmergency, {item(cmd::EmergencyCongregation), item(cmd::EmergencyGroup),
                                      item(cmd::EmergencyForms)}),
             submenu(TxSubSpecialNeeds,
                     {item(cmd::SpecialNeedsCongregation), item(cmd::SpecialNeedsGroup)}),
             separator(),
             submenu(TxSubGroupLists, {item(cmd::GroupListActive), item(cmd::GroupListStudents),
                                       item(cmd::GroupListAll)}),
             submenu(TxSubYearTotals, {item(cmd::TotalsCongregation), item(cmd::TotalsRegular),
                                       item(cmd::TotalsEldersServants)})}),
        submenu(TxTopFonts, {item(cmd::FontTitle), item(cmd::FontSubtitle), item(cmd::FontHeading),
                             item(cmd::FontText), item(cmd::FontSmall), separator(),
                             item(cmd::FontsHighResolution), item(cmd::FontsLowResolution)}),
        submenu(TxTopOptions, {item(cmd::ReportFormat), item(cmd::CardOptions), item(cmd::AutoCaps),
                               item(cmd::NoStartupNotice), item(cmd::ClearLateReports),
                               item(cmd::CustomCategory), oldReports}),
        submenu(TxTopHelp, {item(cmd::HelpContents), item(cmd::HelpIndex), item(cmd::HelpContext),
                            separator(), item(cmd::About)}),
    };
}

}  // namespace

// ---- the table -----------------------------------------------------------------

const std::vector<Command>& commands() {
    static const std::vector<Command> table = [] {
        auto t = buildCommands();
        addAcceleratorKeys(t);
        return t;
    }();
    return table;
}

const Command* findCommand(int id) {
    const auto& t = commands();
    const auto it = std::find_if(t.begin(), t.end(), [id](const Command& c) { return c.id == id; });
    return it == t.end() ? nullptr : &*it;
}

const std::vector<MenuNode>& menuBar() {
    static const std::vector<MenuNode> bar = buildMenuBar();
    return bar;
}

const std::vector<PanelColumn>& panelColumns() {
    static const std::vector<PanelColumn> columns{
        {TxPanelGroupData,
         {cmd::PanelEnterReports, cmd::PanelAttendance, cmd::PanelAuxiliary,
          cmd::PanelEditPublishers, cmd::PanelGroups, cmd::PanelInactive, cmd::PanelMoved}},
        {TxPanelGroupLists,
         {cmd::PanelNoReport, cmd::PanelIrregular, cmd::PanelNew, cmd::PanelReactivated,
          cmd::PanelNewlyBaptised, cmd::PanelQuickView}},
        {TxPanelGroupReports,
         {cmd::PanelAnalysis, cmd::PanelGroupAnalysis, cmd::PanelSummary, cmd::PanelStatistics,
          cmd::PanelMeetingReport, cmd::PanelPhoneList, cmd::PanelRecordCards,
          cmd::PanelEditHistory}},
    };
    return columns;
}

// ---- rules -----------------------------------------------------------------------

ShellState shellStateOf(const CVelnoDoc& doc, const print::ReportViewState& view) {
    ShellState s;
    s.archiveView = doc.oldYearView;
    s.reportMode = view.mode == print::ViewMode::Report;
    s.reportMonth0 = doc.reportMonth().reportMonth0;
    s.liveMonth0 = doc.oldYearView ? doc.oldReportView().liveMonth.reportMonth0
                                   : doc.reportMonth().reportMonth0;
    for (const OldReportEntry& e : oldReportEntries(doc)) {
        if (e.monthsBack < 1 || e.monthsBack > kOldReportMonths) continue;
        s.oldReportLabels[e.monthsBack - 1] = e.label;
        if (e.available) s.oldReportsMask |= 1u << e.monthsBack;
    }
    const Settings& settings = doc.settings();
    s.customCategory = settings.customCategoryEnabled != 0 && !settings.customCategoryName.empty();
    if (s.customCategory) s.customCategoryName = cp1252ToUtf8(settings.customCategoryName);
    s.noStartupNotice = settings.nag != 0;
    s.autoCaps = settings.autoCaps != 0;
    s.sortByFirstName = settings.sortByFirstName;
    const RecordStore& store = doc.store();
    const auto& active = store.subList(ListActive);
    s.hasPublishers = !active.empty();
    s.lateReports = clearLateReportsEnabled(doc);
    constexpr std::uint16_t kNeeds = MoreBit::Deaf | MoreBit::Blind | MoreBit::Isolated;
    s.specialNeedsList = std::any_of(active.begin(), active.end(), [&](std::uint16_t pos) {
        return (store.at(pos).moreBits & kNeeds) != 0;
    });
    return s;
}

bool isEnabled(const Command& c, const ShellState& s) {
    if (!c.handler || !isVisible(c, s)) return false;
    switch (c.enable) {
        case Enable::Always:
            return true;
        case Enable::LiveData:
            return !s.archiveView;
        case Enable::ArchiveView:
            return s.archiveView;
        case Enable::ReportMode:
            return s.reportMode;
        case Enable::ReportDrawn: {
            const print::ReportKindInfo* info = print::findReportKind(c.arg);
            return info && info->draw;
        }
        case Enable::OldReport:
            return (s.oldReportsMask & (1u << c.arg)) != 0;
        case Enable::LateReports:
            return !s.archiveView && s.lateReports;
    }
    return false;
}

bool isVisible(const Command& c, const ShellState& s) {
    switch (c.visible) {
        case Visible::Always:
            return true;
        case Visible::ArchiveView:
            return s.archiveView;
        case Visible::CustomCategory:
            return s.customCategory;
        case Visible::SpecialNeedsList:
            return s.specialNeedsList;
    }
    return true;
}

bool isCheckable(const Command& c) {
    return c.checked != Checked::Never;
}

bool isChecked(const Command& c, const ShellState& s) {
    switch (c.checked) {
        case Checked::Never:
            return false;
        case Checked::NoStartupNotice:
            return s.noStartupNotice;
        case Checked::AutoCaps:
            return s.autoCaps;
        case Checked::CustomCategory:
            return s.customCategory;
        case Checked::SortByFirstName:
            return s.sortByFirstName;
    }
    return false;
}

std::string captionOf(const Command& c, const ShellState& s) {
    switch (c.caption) {
        case Caption::Fixed:
            return tr(c.label);
        case Caption::ReturnToLive:
            // Named after where it leads: the live month.
            return text::arg(tr(TxPanelReturnFormat), monthName(s.liveMonth0));
        case Caption::OldReportMonth:
            return c.arg >= 1 && c.arg <= kOldReportMonths ? s.oldReportLabels[c.arg - 1]
                                                           : std::string();
        case Caption::CustomCategory:
            return s.customCategory ? s.customCategoryName : tr(c.label);
        case Caption::SpecialNeeds:
            return tr(TxMListSpecialNeeds);
    }
    return {};
}

bool runCommand(int id, Shell& shell, const ShellState& state) {
    const Command* c = findCommand(id);
    if (!c || !isEnabled(*c, state)) return false;
    c->handler(shell, *c);
    return true;
}

std::string statusPaneText(const ShellState& state) {
    return text::arg(tr(TxStatusReportMonth), monthName(state.reportMonth0));
}

std::string windowTitle(const CVelnoDoc& doc, const print::ReportViewState& view) {
    const std::string folder =
        doc.oldYearView ? doc.oldReportView().liveFolder.string() : doc.folder().path().string();
    std::string title = text::arg(tr(TxAppTitleFormat), tr(TxAppName), folder);
    if (view.mode == print::ViewMode::Report && view.kind == 2)
        title = text::arg(tr(TxAppTitleFormat),
                          formatPrintf("%s %d", tr(TxGroupNumber).c_str(), view.group), title);
    if (doc.oldYearView)
        title = text::arg(tr(TxOldViewTitle), title, monthName(doc.reportMonth().reportMonth0));
    return title;
}

std::string helpPage(HelpTopic topic, const ShellState& state) {
    switch (topic) {
        case HelpTopic::Contents:
            return "index.html";
        case HelpTopic::Index:
            return "indeks.html";
        case HelpTopic::Context:
            if (state.archiveView) return "backup.html#laporan-lama";
            return state.reportMode ? "laporan.html" : "siklus-bulanan.html";
    }
    return "index.html";
}

}  // namespace velno::app
