#include "print/ReportKinds.h"

#include <algorithm>
#include <utility>

#include "print/AnalysisPages.h"
#include "print/CardLabels.h"
#include "print/CongregationLists.h"
#include "print/EmergencyPages.h"
#include "print/GroupListPage.h"
#include "print/HoursPages.h"
#include "print/MeetingReportPage.h"
#include "print/MonthAveragesPage.h"
#include "print/PioneerHoursPage.h"
#include "print/RecordCardPage.h"
#include "print/ServiceYearTotalsPages.h"
#include "print/StatisticsPage.h"
#include "text/StringTable.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

using S = Selection;

// A kind's pages land here as they are built: a row with a drawing
// routine lights up its commands and `velno-cli print` by itself.
const ReportKindInfo kKinds[] = {
    {kind::AnalysisPioneersGroups, "analysis", "congregation analysis, pioneers then groups", 32891,
     false, drawAnalysisPioneersGroups},
    {kind::AnalysisAtoZ, "analysis-az", "congregation analysis, A to Z", 32892, false,
     drawAnalysisAtoZ},
    {kind::GroupAnalysis, "group-analysis", "analysis of one field service group", 32780, true,
     drawGroupAnalysis},
    {kind::Summary, "summary", "congregation summary", 32793, false, drawSummary},
    {kind::MeetingReport, "meeting", "meeting report", 32794, false, drawMeetingReport},
    {kind::AveragesCongregation, "averages", "three/six-month averages, congregation", 32796, false,
     drawAverages<S::Congregation>},
    {kind::AveragesGroup, "averages-group", "averages, one group", 32797, true,
     drawAverages<S::Group>},
    {kind::AveragesRegularPioneers, "averages-regular", "averages, regular pioneers", 32798, false,
     drawAverages<S::RegularPioneers>},
    {kind::AveragesElders, "averages-elders", "averages, elders", 32799, false,
     drawAverages<S::Elders>},
    {kind::AveragesServants, "averages-servants", "averages, ministerial servants", 32800, false,
     drawAverages<S::Servants>},
    {kind::AveragesBaptisedBrothers, "averages-brothers", "averages, baptised brothers", 32801,
     false, drawAverages<S::BaptizedBrothers>},
    {kind::AveragesCustom, "averages-custom", "averages, custom category", 32836, false,
     drawAverages<S::Custom>},
    {kind::Statistics, "statistics", "congregation statistics", 32802, false, drawStatistics},
    {kind::CardLabels, "labels", "publisher card labels", 32821, false, drawCardLabels},
    {kind::HoursCongregation, "hours", "hours, congregation", 32807, false,
     drawHours<S::Congregation>},
    {kind::HoursGroup, "hours-group", "hours, one group", 32808, true, drawHours<S::Group>},
    {kind::HoursRegularPioneers, "hours-regular", "hours, regular pioneers", 32817, false,
     drawHours<S::RegularPioneers>},
    {kind::HoursAuxiliaryPioneers, "hours-auxiliary", "hours, auxiliary pioneers", 32816, false,
     drawHours<S::AuxiliaryPioneers>},
    {kind::HoursAppointed, "hours-appointed", "hours, elders and ministerial servants", 32840,
     false, drawHours<S::Appointed>},
    {kind::HoursBaptisedBrothers, "hours-brothers", "hours, baptised brothers", 32851, false,
     drawHours<S::BaptizedBrothers>},
    {kind::HoursCustom, "hours-custom", "hours, custom category", 32844, false,
     drawHours<S::Custom>},
    {kind::TotalsCongregation, "totals", "service-year totals, congregation", 32818, false,
     drawServiceYearTotals<S::Congregation>},
    {kind::TotalsRegularPioneers, "totals-regular", "service-year totals, regular pioneers", 32819,
     false, drawServiceYearTotals<S::RegularPioneers>},
    {kind::TotalsAppointed, "totals-appointed",
     "service-year totals, elders and ministerial servants", 32841, false,
     drawServiceYearTotals<S::Appointed>},
    {kind::PioneerHours, "pioneer-hours", "pioneer hours", 32806, false, drawPioneerHoursPage},
    {kind::PhoneCongregation, "phone", "phone list, congregation", 32809, false,
     drawPhoneList<ListScope::Congregation>},
    {kind::PhoneGroup, "phone-group", "phone list, one group", 32810, true,
     drawPhoneList<ListScope::Group>},
    {kind::PhoneAppointed, "phone-appointed", "phone list, elders and ministerial servants", 32823,
     false, drawPhoneList<ListScope::Appointed>},
    {kind::PhonePioneers, "phone-pioneers", "phone list, pioneers", 32824, false,
     drawPhoneList<ListScope::Pioneers>},
    {kind::AddressCongregation, "address", "address list, congregation", 32811, false,
     drawAddressList<ListScope::Congregation>},
    {kind::AddressGroup, "address-group", "address list, one group", 32812, true,
     drawAddressList<ListScope::Group>},
    {kind::AddressInactive, "address-inactive", "address list, inactive", 32825, false,
     drawAddressList<ListScope::Inactive>},
    {kind::AddressAppointed, "address-appointed", "address list, elders and ministerial servants",
     32831, false, drawAddressList<ListScope::Appointed>},
    {kind::AddressPioneers, "address-pioneers", "address list, pioneers", 32830, false,
     drawAddressList<ListScope::Pioneers>},
    {kind::GroupListsActive, "group-lists", "field service group lists, active publishers", 32852,
     false, drawGroupLists<GroupListVariant::Active>},
    {kind::GroupListsStudents, "group-lists-students",
     "group lists, active publishers and Bible students", 32853, false,
     drawGroupLists<GroupListVariant::ActiveStudents>},
    {kind::GroupListsVariant1, "group-lists-variant1",
     "group lists, active and inactive publishers", 32893, false,
     drawGroupLists<GroupListVariant::ActiveInactive>},
    {kind::GroupListsAll, "group-lists-all", "group lists, active, Bible students and inactive",
     32854, false, drawGroupLists<GroupListVariant::All>},
    {kind::GroupListsVariant2, "group-lists-variant2",
     "group lists, active publishers with consent", 32901, false,
     drawGroupLists<GroupListVariant::Consent>},
    {kind::ContactCongregation, "contacts", "contact list, congregation", 32846, false,
     drawContactList<ListScope::Congregation>},
    {kind::ContactGroup, "contacts-group", "contact list, one group", 32847, true,
     drawContactList<ListScope::Group>},
    {kind::ContactAppointed, "contacts-appointed", "contact list, elders and ministerial servants",
     32848, false, drawContactList<ListScope::Appointed>},
    {kind::ContactPioneers, "contacts-pioneers", "contact list, pioneers", 32875, false,
     drawContactList<ListScope::Pioneers>},
    {kind::ContactInactive, "contacts-inactive", "contact list, inactive", 32882, false,
     drawContactList<ListScope::Inactive>},
    {kind::EmergencyCongregation, "emergency", "emergency contact data, congregation", 32859, false,
     drawEmergencyCongregation},
    {kind::EmergencyGroup, "emergency-group", "emergency contact data, one group", 32860, true,
     drawEmergencyGroup},
    {kind::EmergencyForms, "emergency-forms", "emergency contact forms", 32867, false,
     drawEmergencyForms},
    {kind::EmergencyBlankForm, "emergency-blank-form", "blank emergency contact form", 0, false,
     drawEmergencyBlankForm},
    {kind::PhoneEmailCongregation, "phone-email", "telephone and e-mail list, congregation", 32871,
     false, drawPhoneEmailList<ListScope::Congregation>},
    {kind::PhoneEmailGroup, "phone-email-group", "telephone and e-mail list, one group", 32872,
     true, drawPhoneEmailList<ListScope::Group>},
    {kind::PhoneEmailAppointed, "phone-email-appointed",
     "telephone and e-mail list, elders and ministerial servants", 32874, false,
     drawPhoneEmailList<ListScope::Appointed>},
    {kind::PhoneEmailPioneers, "phone-email-pioneers", "telephone and e-mail list, pioneers", 32873,
     false, drawPhoneEmailList<ListScope::Pioneers>},
    {kind::SpecialNeedsCongregation, "special-needs", "special needs, congregation", 32915, false,
     drawSpecialNeedsCongregation},
    {kind::SpecialNeedsGroup, "special-needs-group", "special needs, one group", 32916, true,
     drawSpecialNeedsGroup},
    {kind::RecordCards, "card", "publisher record cards", 0, false, drawRecordCards},
};

// The title each kind is listed under for the user, in the interface language.
const std::pair<int, text::TextId> kTitles[] = {
    {kind::AnalysisPioneersGroups, text::TxKindTitleAnalysisPioneersGroups},
    {kind::AnalysisAtoZ, text::TxKindTitleAnalysisAtoZ},
    {kind::GroupAnalysis, text::TxKindTitleGroupAnalysis},
    {kind::Summary, text::TxKindTitleSummary},
    {kind::MeetingReport, text::TxKindTitleMeetingReport},
    {kind::AveragesCongregation, text::TxKindTitleAveragesCongregation},
    {kind::AveragesGroup, text::TxKindTitleAveragesGroup},
    {kind::AveragesRegularPioneers, text::TxKindTitleAveragesRegularPioneers},
    {kind::AveragesElders, text::TxKindTitleAveragesElders},
    {kind::AveragesServants, text::TxKindTitleAveragesServants},
    {kind::AveragesBaptisedBrothers, text::TxKindTitleAveragesBaptisedBrothers},
    {kind::AveragesCustom, text::TxKindTitleAveragesCustom},
    {kind::Statistics, text::TxKindTitleStatistics},
    {kind::CardLabels, text::TxKindTitleCardLabels},
    {kind::HoursCongregation, text::TxKindTitleHoursCongregation},
    {kind::HoursGroup, text::TxKindTitleHoursGroup},
    {kind::HoursRegularPioneers, text::TxKindTitleHoursRegularPioneers},
    {kind::HoursAuxiliaryPioneers, text::TxKindTitleHoursAuxiliaryPioneers},
    {kind::HoursAppointed, text::TxKindTitleHoursAppointed},
    {kind::HoursBaptisedBrothers, text::TxKindTitleHoursBaptisedBrothers},
    {kind::HoursCustom, text::TxKindTitleHoursCustom},
    {kind::TotalsCongregation, text::TxKindTitleTotalsCongregation},
    {kind::TotalsRegularPioneers, text::TxKindTitleTotalsRegularPioneers},
    {kind::TotalsAppointed, text::TxKindTitleTotalsAppointed},
    {kind::PioneerHours, text::TxKindTitlePioneerHours},
    {kind::PhoneCongregation, text::TxKindTitlePhoneCongregation},
    {kind::PhoneGroup, text::TxKindTitlePhoneGroup},
    {kind::PhoneAppointed, text::TxKindTitlePhoneAppointed},
    {kind::PhonePioneers, text::TxKindTitlePhonePioneers},
    {kind::AddressCongregation, text::TxKindTitleAddressCongregation},
    {kind::AddressGroup, text::TxKindTitleAddressGroup},
    {kind::AddressInactive, text::TxKindTitleAddressInactive},
    {kind::AddressAppointed, text::TxKindTitleAddressAppointed},
    {kind::AddressPioneers, text::TxKindTitleAddressPioneers},
    {kind::GroupListsActive, text::TxKindTitleGroupListsActive},
    {kind::GroupListsStudents, text::TxKindTitleGroupListsStudents},
    {kind::GroupListsVariant1, text::TxKindTitleGroupListsVariant1},
    {kind::GroupListsAll, text::TxKindTitleGroupListsAll},
    {kind::GroupListsVariant2, text::TxKindTitleGroupListsVariant2},
    {kind::ContactCongregation, text::TxKindTitleContactCongregation},
    {kind::ContactGroup, text::TxKindTitleContactGroup},
    {kind::ContactAppointed, text::TxKindTitleContactAppointed},
    {kind::ContactPioneers, text::TxKindTitleContactPioneers},
    {kind::ContactInactive, text::TxKindTitleContactInactive},
    {kind::EmergencyCongregation, text::TxKindTitleEmergencyCongregation},
    {kind::EmergencyGroup, text::TxKindTitleEmergencyGroup},
    {kind::EmergencyForms, text::TxKindTitleEmergencyForms},
    {kind::EmergencyBlankForm, text::TxKindTitleEmergencyBlankForm},
    {kind::PhoneEmailCongregation, text::TxKindTitlePhoneEmailCongregation},
    {kind::PhoneEmailGroup, text::TxKindTitlePhoneEmailGroup},
    {kind::PhoneEmailAppointed, text::TxKindTitlePhoneEmailAppointed},
    {kind::PhoneEmailPioneers, text::TxKindTitlePhoneEmailPioneers},
    {kind::SpecialNeedsCongregation, text::TxKindTitleSpecialNeedsCongregation},
    {kind::SpecialNeedsGroup, text::TxKindTitleSpecialNeedsGroup},
    {kind::RecordCards, text::TxKindTitleRecordCards},
};

}  // namespace

std::span<const ReportKindInfo> reportKinds() {
    return kKinds;
}

const ReportKindInfo* findReportKind(int kind) {
    const auto it = std::find_if(std::begin(kKinds), std::end(kKinds),
                                 [kind](const ReportKindInfo& k) { return k.kind == kind; });
    return it == std::end(kKinds) ? nullptr : &*it;
}

const ReportKindInfo* findReportKind(std::string_view shortName) {
    const auto it =
        std::find_if(std::begin(kKinds), std::end(kKinds),
                     [shortName](const ReportKindInfo& k) { return k.shortName == shortName; });
    return it == std::end(kKinds) ? nullptr : &*it;
}

bool reportBuilt(int kind) {
    const ReportKindInfo* info = findReportKind(kind);
    return info && info->built();
}

std::string reportKindTitle(const ReportKindInfo& info) {
    for (const auto& [kind, title] : kTitles)
        if (kind == info.kind) return text::tr(title);
    return info.title;
}

}  // namespace velno::print
