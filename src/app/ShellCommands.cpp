#include "app/ShellCommands.h"

#include "app/AboutDialog.h"
#include "app/FontChooser.h"
#include "app/MainWindow.h"
#include "app/ReportPrinter.h"
#include "app/commands/CommandIds.h"
#include "store/CVelnoDoc.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/ui/QtText.h"

namespace velno::app {

namespace {

using namespace text;
using print::FontRole;
namespace kind = print::kind;

void chooseFont(MainWindow& w, FontRole role, int caption) {
    print::ReportFonts& fonts = w.fonts();
    const auto chosen =
        chooseReportFont(fonts.font(role), w.view().screenDpiY, qs(tr(caption)), &w);
    if (!chosen) return;
    fonts.setFont(role, *chosen);
    w.storeFonts();
    w.redrawReport();
}

void about(MainWindow& w) {
    const CVelnoDoc& doc = w.doc();
    const auto& folder = doc.oldYearView ? doc.oldReportView().liveFolder : doc.folder().path();
    AboutDialog dialog(qs(folder.string()), &w);
    dialog.exec();
}

}  // namespace

void registerShellCommands(CommandRegistry& r, MainWindow& w) {
    using E = Enable;

    // "&File"
    r.add(command(
        cmd::Print, TxMPrint, [&w] { w.print(); }, E::ReportMode, "Ctrl+P"));
    r.add(command(
        cmd::PrintPreview, TxMPreview, [&w] { w.printer().preview(); }, E::ReportMode));
    r.add(command(cmd::PrintSetup, TxMPrintSetup, [&w] { w.printer().setup(); }));
    r.add(command(
        cmd::ExportPdf, TxMExportPdf, [&w] { w.printer().exportPdf(); }, E::ReportMode));
    r.add(command(
        cmd::ReturnToPanel, TxMReturnToPanel, [&w] { w.returnToPanel(); }, E::ReportMode));
    const auto exit = [&w] { w.close(); };
    r.add(command(cmd::Exit, TxMExit, exit));
    r.add(command(cmd::PanelExit, TxPanelExit, exit));

    // "&Laporan" and the panel's reports.
    const auto show = [&w](int k) { w.showReport(k); };
    const struct {
        int id;
        int label;
        int kind;
    } reports[] = {
        {cmd::AnalysisPioneersGroups, TxMAnalysisPioneersGroups, kind::AnalysisPioneersGroups},
        {cmd::AnalysisAZ, TxMAnalysisAZ, kind::AnalysisAtoZ},
        {cmd::CongregationAnalysis, TxMAnalysisPioneersGroups, kind::AnalysisPioneersGroups},
        {cmd::GroupAnalysis, TxMGroupAnalysis, kind::GroupAnalysis},
        {cmd::Summary, TxMSummary, kind::Summary},
        {cmd::MeetingReport, TxMMeetingReport, kind::MeetingReport},
        {cmd::AvgCongregation, TxMAvgCongregation, kind::AveragesCongregation},
        {cmd::AvgGroup, TxMAvgGroup, kind::AveragesGroup},
        {cmd::AvgRegular, TxMAvgRegular, kind::AveragesRegularPioneers},
        {cmd::AvgElders, TxMAvgElders, kind::AveragesElders},
        {cmd::AvgServants, TxMAvgServants, kind::AveragesServants},
        {cmd::AvgBrothers, TxMAvgBrothers, kind::AveragesBaptisedBrothers},
        {cmd::AvgCustom, 0, kind::AveragesCustom},
        {cmd::Statistics, TxMStatistics, kind::Statistics},
        {cmd::HoursCongregation, TxMHoursCongregation, kind::HoursCongregation},
        {cmd::HoursGroup, TxMHoursGroup, kind::HoursGroup},
        {cmd::HoursRegular, TxMHoursRegular, kind::HoursRegularPioneers},
        {cmd::HoursAuxiliary, TxMHoursAuxiliary, kind::HoursAuxiliaryPioneers},
        {cmd::HoursEldersServants, TxMHoursEldersServants, kind::HoursAppointed},
        {cmd::HoursBrothers, TxMHoursBrothers, kind::HoursBaptisedBrothers},
        {cmd::HoursCustom, 0, kind::HoursCustom},
        {cmd::HoursPioneerYear, TxMHoursPioneerYear, kind::PioneerHours},
        {cmd::PhoneCongregation, TxMListCongregation, kind::PhoneCongregation},
        {cmd::PhoneGroup, TxMListGroup, kind::PhoneGroup},
        {cmd::PhoneEldersServants, TxMListEldersServants, kind::PhoneAppointed},
        {cmd::PhonePioneers, TxMListRegular, kind::PhonePioneers},
        {cmd::PhoneEmailCongregation, TxMListCongregation, kind::PhoneEmailCongregation},
        {cmd::PhoneEmailGroup, TxMListGroup, kind::PhoneEmailGroup},
        {cmd::PhoneEmailEldersServants, TxMListEldersServants, kind::PhoneEmailAppointed},
        {cmd::PhoneEmailPioneers, TxMListRegular, kind::PhoneEmailPioneers},
        {cmd::AddressCongregation, TxMListCongregation, kind::AddressCongregation},
        {cmd::AddressGroup, TxMListGroup, kind::AddressGroup},
        {cmd::AddressInactive, TxMListInactivePublishers, kind::AddressInactive},
        {cmd::AddressEldersServants, TxMListEldersServants, kind::AddressAppointed},
        {cmd::AddressPioneers, TxMListRegular, kind::AddressPioneers},
        {cmd::ContactCongregation, TxMListCongregation, kind::ContactCongregation},
        {cmd::ContactGroup, TxMListGroup, kind::ContactGroup},
        {cmd::ContactEldersServants, TxMListEldersServants, kind::ContactAppointed},
        {cmd::ContactPioneers, TxMListRegular, kind::ContactPioneers},
        {cmd::ContactInactive, TxMListInactivePublishers, kind::ContactInactive},
        {cmd::EmergencyCongregation, TxMEmergencyCongregation, kind::EmergencyCongregation},
        {cmd::EmergencyGroup, TxMEmergencyGroup, kind::EmergencyGroup},
        {cmd::SpecialNeedsGroup, TxMListGroup, kind::SpecialNeedsGroup},
        {cmd::GroupListActive, TxMGroupListActive, kind::GroupListsActive},
        {cmd::GroupListStudents, TxMGroupListStudents, kind::GroupListsStudents},
        {cmd::GroupListAll, TxMGroupListAll, kind::GroupListsAll},
        {cmd::TotalsCongregation, TxMTotalsCongregation, kind::TotalsCongregation},
        {cmd::TotalsRegular, TxMTotalsRegular, kind::TotalsRegularPioneers},
        {cmd::TotalsEldersServants, TxMTotalsEldersServants, kind::TotalsAppointed},
        // Group lists without a menu entry of their own.
        {32893, 0, kind::GroupListsVariant1},
        {32901, 0, kind::GroupListsVariant2},
        {cmd::PanelAnalysis, TxPanelAnalysis, kind::AnalysisPioneersGroups},
        {cmd::PanelGroupAnalysis, TxPanelGroupAnalysis, kind::GroupAnalysis},
        {cmd::PanelSummary, TxPanelSummary, kind::Summary},
        {cmd::PanelStatistics, TxPanelStatistics, kind::Statistics},
        {cmd::PanelMeetingReport, TxPanelMeetingReport, kind::MeetingReport},
        {cmd::PanelPhoneList, TxPanelPhoneList, kind::PhoneCongregation},
    };
    for (const auto& report : reports) {
        Command c = reportCommand(report.id, report.label, report.kind, show);
        // The custom category's reports carry its name and show only while
        // one is in use.
        if (report.kind == kind::AveragesCustom || report.kind == kind::HoursCustom) {
            c.visible = Visible::CustomCategory;
            c.caption = Caption::CustomCategory;
        }
        r.add(std::move(c));
    }
    // The inactive contact list for the whole congregation or, asking for
    // the group first, for one group.
    r.add(reportCommand(cmd::ContactInactiveCongregation, TxMListInactivePublishers,
                        kind::ContactInactive, show));
    r.add(reportCommand(cmd::ContactInactiveGroup, TxMListGroup, kind::ContactInactive,
                        [&w](int k) { w.showReport(k, true); }));

    // "&Huruf"
    const struct {
        int id;
        int label;
        FontRole role;
        int tip;
    } fonts[] = {
        {cmd::FontTitle, TxMFontTitle, FontRole::Title, TxTipFontTitle},
        {cmd::FontSubtitle, TxMFontSubtitle, FontRole::Subtitle, TxTipFontSubtitle},
        {cmd::FontHeading, TxMFontHeading, FontRole::Heading, TxTipFontHeading},
        {cmd::FontText, TxMFontText, FontRole::Text, TxTipFontText},
        {cmd::FontSmall, TxMFontSmall, FontRole::Small, TxTipFontSmall},
    };
    for (const auto& f : fonts) {
        Command c =
            command(f.id, f.label, [&w, role = f.role, tip = f.tip] { chooseFont(w, role, tip); });
        c.tip = f.tip;
        r.add(std::move(c));
    }
    r.add(command(cmd::FontsHighResolution, TxMFontsHigh, [&w] {
        w.fonts().applyDefaults(print::ReportFonts::DefaultSet::HighResolution, tr(LanguageCode));
        w.storeFonts();
        w.redrawReport();
    }));

    // "&Bantuan"
    r.add(command(cmd::HelpContents, TxMHelpContents, [&w] { w.help(HelpTopic::Contents); }));
    r.add(command(cmd::HelpIndex, TxMHelpIndex, [&w] { w.help(HelpTopic::Index); }));
    r.add(command(cmd::HelpContext, TxMHelpContext, [&w] { w.help(HelpTopic::Context); }));
    r.add(command(cmd::About, TxMAbout, [&w] { about(w); }));
}

}  // namespace velno::app
