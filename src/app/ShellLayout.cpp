#include "app/ShellLayout.h"

#include <cctype>

#include "app/commands/CommandIds.h"
#include "print/ReportViewState.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/OldReports.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::app {

namespace {

using namespace text;

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
        submenu(TxTopEdit,
                {item(cmd::EditPublishers), item(cmd::AuxiliaryPioneers),
                 item(cmd::RegularPioneers), item(cmd::Groups), separator(), item(cmd::Moved),
                 item(cmd::Inactive), item(cmd::Deleted), separator(), item(cmd::Password),
                 separator(), item(cmd::BibleStudents), item(cmd::CircuitOverseer)}),
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

// ---- the commands not built yet -------------------------------------------------

void declarePendingCommands(CommandRegistry& r) {
    using E = Enable;
    struct Pending {
        int id;
        int label;
        Enable enable = E::Always;
        Visible visible = Visible::Always;
        Caption caption = Caption::Fixed;
        Checked checked = Checked::Never;
    };
    const Pending pending[] = {
        // "&File"
        {cmd::Backup, TxMBackup, E::LiveData},
        {cmd::Restore, TxMRestore, E::LiveData},
        {cmd::ExportMonthly, TxMExportMonthly},
        {cmd::ExportContacts, TxMExportContacts},
        {cmd::ExportEmergency, TxMExportEmergency},
        {cmd::ExportCardHeader, TxMExportCardHeader},
        {cmd::ExportAttendance, TxMExportAttendance},
        {cmd::ExportSummary, TxMExportSummary},
        {cmd::ExportXml, TxMExportXml},
        {cmd::ImportXml, TxMImportXml, E::LiveData},
        // "&Edit"
        {cmd::BibleStudents, TxMBibleStudents, E::LiveData},
        // "&Lihat"
        {cmd::RecordCards, TxMRecordCards},
        {cmd::ListNotReporting, TxMListNotReporting},
        {cmd::ListIrregular, TxMListIrregular},
        {cmd::ListNew, TxMListNew},
        {cmd::ListReactivated, TxMListReactivated},
        {cmd::ListInactive, TxMListInactive},
        {cmd::ListMoved, TxMListMoved},
        {cmd::ListNewlyBaptised, TxMListNewlyBaptised},
        {cmd::ListAuxiliary, TxMListAuxiliary},
        {cmd::ListConductors, TxMListConductors},
        {cmd::ListUnbaptised, TxMListUnbaptised},
        {cmd::ListInterested, TxMListInterested},
        {cmd::ListCollectionForm, TxMListCollectionForm},
        {cmd::ListPrivileges, TxMListPrivileges},
        {cmd::ListConsent, TxMListConsent},
        {cmd::ListNoConsent, TxMListNoConsent},
        {cmd::ListSpecialNeeds, TxMListSpecialNeeds, E::Always, Visible::SpecialNeedsList,
         Caption::SpecialNeeds},
        {cmd::ListCustom, TxMListCustom, E::Always, Visible::Always, Caption::CustomCategory},
        // "&Laporan": the chosen publishers ask first, in a dialog of
        // their own part.
        {cmd::LabelsSome, TxMLabelsSome},
        // "&Huruf": never had a handler, it stays disabled.
        {cmd::FontsLowResolution, TxMFontsLow},
        // "&Opsi"
        {cmd::CardOptions, TxMCardOptions},
        {cmd::CustomCategory, TxMCustomCategory, E::LiveData, Visible::Always, Caption::Fixed,
         Checked::CustomCategory},
        // Accelerators only. Text fields handle the editing keys themselves;
        // the window has neither new/open nor panes to cycle.
        {cmd::FileNew, 0},
        {cmd::FileOpen, 0},
        {cmd::EditUndo, 0},
        {cmd::EditCut, 0},
        {cmd::EditCopy, 0},
        {cmd::EditPaste, 0},
        {cmd::NextPane, 0},
        {cmd::PreviousPane, 0},
        // The ActionPanel.
        {cmd::PanelNoReport, TxPanelNoReport},
        {cmd::PanelIrregular, TxPanelIrregular},
        {cmd::PanelNew, TxPanelNew},
        {cmd::PanelReactivated, TxPanelReactivated},
        {cmd::PanelNewlyBaptised, TxPanelNewlyBaptised},
        {cmd::PanelRecordCards, TxPanelRecordCards},
    };
    for (const Pending& p : pending) {
        Command c;
        c.id = p.id;
        c.label = p.label;
        c.enable = p.enable;
        c.visible = p.visible;
        c.caption = p.caption;
        c.checked = p.checked;
        r.addPending(std::move(c));
    }

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
    for (const auto& [id, k] : keys) r.setKeys(id, k);
}

std::string statusPaneText(const ShellState& state) {
    return text::arg(tr(TxStatusReportMonth), monthName(state.reportMonth0));
}

std::string windowTitle(const CVelnoDoc& doc, const print::ReportViewState& view) {
    // The congregation's name, or the data folder's own name when none is
    // set: a full path says little and crowds the task bar.
    std::string name(trimmed(text::cp1252ToUtf8(doc.settings().congregationName)));
    if (name.empty()) {
        std::filesystem::path folder =
            doc.oldYearView ? doc.oldReportView().liveFolder : doc.folder().path();
        if (!folder.has_filename()) folder = folder.parent_path();
        name = folder.filename().string();
    }
    std::string title = text::arg(tr(TxAppTitleFormat), tr(TxAppName), name);
    if (view.mode == print::ViewMode::Report && view.kind == print::kind::GroupAnalysis)
        title = text::arg(tr(TxAppTitleFormat),
                          formatPrintf("%s %d", tr(TxGroupNumber).c_str(), view.group), title);
    if (doc.oldYearView)
        title = text::arg(tr(TxOldViewTitle), title, monthName(doc.reportMonth().reportMonth0));
    return title;
}

namespace {

// The labels of the submenus that lead to `id` (below the top-level menu),
// then the item's own label.
bool menuPathOf(const MenuNode& node, int id, const CommandRegistry& commands, bool top,
                std::vector<std::string>& path) {
    if (node.type == MenuNode::Type::Item) {
        const Command* c = commands.find(node.id);
        if (node.id != id || !c) return false;
        path.push_back(tr(c->label));
        return true;
    }
    if (node.type != MenuNode::Type::Submenu) return false;
    if (!top) path.push_back(tr(node.label));
    for (const MenuNode& child : node.children)
        if (menuPathOf(child, id, commands, false, path)) return true;
    if (!top) path.pop_back();
    return false;
}

}  // namespace

std::string fileNameWords(const std::string& text) {
    std::string out;
    bool gap = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '&') continue;  // a mnemonic mark
        if (std::isalnum(c) && c < 0x80) {
            if (gap && !out.empty()) out += '-';
            out += static_cast<char>(std::tolower(c));
            gap = false;
        } else {
            gap = true;
        }
    }
    return out;
}

std::string reportFileName(const CVelnoDoc& doc, const print::ReportViewState& view,
                           const CommandRegistry& commands) {
    std::vector<std::string> path;
    if (const print::ReportKindInfo* info = print::findReportKind(view.kind)) {
        for (const MenuNode& top : menuBar())
            if (menuPathOf(top, info->command, commands, true, path)) break;
        if (view.kind == print::kind::GroupAnalysis || info->perGroup)
            path.push_back(formatPrintf("%s %d", tr(TxGroupNumber).c_str(), view.group));
    }
    std::string title;
    for (const std::string& part : path) title += part + " ";
    if (fileNameWords(title).empty()) title = tr(TxReportFileStem);
    const ReportMonth& month = doc.reportMonth();
    return fileNameWords(title + " " + monthName(month.reportMonth0) + " " +
                         std::to_string(month.reportYear())) +
           ".pdf";
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
