#pragma once
// The table of report kinds: what each kind draws, how it counts its
// pages, whether it is drawn for one group and the command that selects
// it. The report view, the shell's commands and `velno-cli print` all read
// this one table.

#include <span>
#include <string>
#include <string_view>

#include "print/ReportContext.h"
#include "text/StringTable.h"

namespace velno::print {

// Draws every page of a report (pages lie one below the other, each
// pageHeight() tall) and returns the page count (at least 1).
using DrawReport = int (*)(ReportContext& ctx);
// The page count alone, for reports that know it without drawing.
using CountPages = int (*)(ReportContext& ctx);

// The report kinds by name; the numbers are the ones the stored settings,
// the commands and the command line know.
namespace kind {
inline constexpr int AnalysisPioneersGroups = 1;
inline constexpr int AnalysisAtoZ = 110;
inline constexpr int GroupAnalysis = 2;
inline constexpr int Summary = 3;
inline constexpr int MeetingReport = 4;
inline constexpr int AveragesCongregation = 5;
inline constexpr int AveragesGroup = 6;
inline constexpr int AveragesRegularPioneers = 7;
inline constexpr int AveragesElders = 8;
inline constexpr int AveragesServants = 9;
inline constexpr int AveragesBaptisedBrothers = 10;
inline constexpr int AveragesCustom = 11;
inline constexpr int Statistics = 20;
inline constexpr int CardLabels = 30;
inline constexpr int HoursCongregation = 40;
inline constexpr int HoursGroup = 41;
inline constexpr int HoursRegularPioneers = 42;
inline constexpr int HoursAuxiliaryPioneers = 39;
inline constexpr int HoursAppointed = 43;
inline constexpr int HoursBaptisedBrothers = 48;
inline constexpr int HoursCustom = 38;
inline constexpr int TotalsCongregation = 44;
inline constexpr int TotalsRegularPioneers = 45;
inline constexpr int TotalsAppointed = 46;
inline constexpr int PioneerHours = 47;
inline constexpr int PhoneCongregation = 50;
inline constexpr int PhoneGroup = 51;
inline constexpr int PhoneAppointed = 52;
inline constexpr int PhonePioneers = 53;
inline constexpr int AddressCongregation = 60;
inline constexpr int AddressGroup = 61;
inline constexpr int AddressInactive = 62;
inline constexpr int AddressAppointed = 63;
inline constexpr int AddressPioneers = 64;
inline constexpr int GroupListsActive = 70;
inline constexpr int GroupListsStudents = 71;
inline constexpr int GroupListsVariant1 = 72;
inline constexpr int GroupListsAll = 73;
inline constexpr int GroupListsVariant2 = 74;
inline constexpr int ContactCongregation = 80;
inline constexpr int ContactGroup = 81;
inline constexpr int ContactAppointed = 82;
inline constexpr int ContactPioneers = 83;
inline constexpr int ContactInactive = 84;
inline constexpr int EmergencyCongregation = 90;
inline constexpr int EmergencyGroup = 91;
inline constexpr int EmergencyForms = 95;
inline constexpr int EmergencyBlankForm = 96;
inline constexpr int PhoneEmailCongregation = 100;
inline constexpr int PhoneEmailGroup = 101;
inline constexpr int PhoneEmailAppointed = 103;
inline constexpr int PhoneEmailPioneers = 104;
inline constexpr int SpecialNeedsCongregation = 120;
inline constexpr int SpecialNeedsGroup = 121;
// Our own: the publisher record cards of the card viewer.
inline constexpr int RecordCards = 130;
}  // namespace kind

struct ReportKindInfo {
    int kind;
    const char* shortName;   // for the command line ("summary")
    const char* title;       // for developers
    text::TextId titleText;  // the title the user sees, in the interface language
    int command;             // the menu command that selects it (0 = none)
    bool perGroup;           // drawn for one chosen field service group
    DrawReport draw;         // nullptr while its content is not built yet
    // nullptr: the pages are counted by drawing with nothing visible.
    CountPages countPages = nullptr;

    bool built() const { return draw != nullptr; }
};

std::span<const ReportKindInfo> reportKinds();
const ReportKindInfo* findReportKind(int kind);
const ReportKindInfo* findReportKind(std::string_view shortName);
// Whether the kind exists and has pages in this build.
bool reportBuilt(int kind);
// The kind's title for the user.
std::string reportKindTitle(const ReportKindInfo& info);

}  // namespace velno::print
