#include "print/ReportKinds.h"

#include <algorithm>

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
    {kind::AnalysisPioneersGroups, "analysis", "congregation analysis, pioneers then groups",
     text::TxKindTitleAnalysisPioneersGroups, 32891, false, drawAnalysisPioneersGroups},
    {kind::AnalysisAtoZ, "analysis-az", "congregation analysis, A to Z",
     text::TxKindTitleAnalysisAtoZ, 32892, false, drawAnalysisAtoZ},
    {kind::GroupAnalysis, "group-analysis", "analysis of one field service group",
     text::TxKindTitleGroupAnalysis, 32780, true, drawGroupAnalysis},
    {kind::Summary, "summary", "congregation summary", text::TxKindTitleSummary, 32793, false,
     drawSummary},
    {kind::MeetingReport, "meeting", "meeting report", text::TxKindTitleMeetingReport, 32794, false,
     drawMeetingReport},
    {kind::AveragesCongregation, "averages", "three/six-month averages, congregation",
     text::TxKindTitleAveragesCongregation, 32796, false, drawAverages<S::Congregation>},
    {kind::AveragesGroup, "averages-group", "averages, one group", text::TxKindTitleAveragesGroup,
     32797, true, drawAverages<S::Group>},
    {kind::AveragesRegularPioneers, "averages-regular", "averages, regular pioneers",
     text::TxKindTitleAveragesRegularPioneers, 32798, false, drawAverages<S::RegularPioneers>},
    {kind::AveragesElders, "averages-elders", "averages, elders", text::TxKindTitleAveragesElders,
     32799, false, drawAverages<S::Elders>},
    {kind::AveragesServants, "averages-servants", "averages, ministerial servants",
     text::TxKindTitleAveragesServants, 32800, false, drawAverages<S::Servants>},
    {kind::AveragesBaptisedBrothers, "averages-brothers", "averages, baptised brothers",
     text::TxKindTitleAveragesBaptisedBrothers, 32801, false, drawAverages<S::BaptizedBrothers>},
    {kind::AveragesCustom, "averages-custom", "averages, custom category",
     text::TxKindTitleAveragesCustom, 32836, false, drawAverages<S::Custom>},
    {kind::Statistics, "statistics", "congregation statistics", text::TxKindTitleStatistics, 32802,
     false, drawStatistics},
    {kind::CardLabels, "labels", "publisher card labels", text::TxKindTitleCardLabels, 32821, false,
     drawCardLabels},
    {kind::HoursCongregation, "hours", "hours, congregation", text::TxKindTitleHoursCongregation,
     32807, false, drawHours<S::Congregation>},
    {kind::HoursGroup, "hours-group", "hours, one group", text::TxKindTitleHoursGroup, 32808, true,
     drawHours<S::Group>},
    {kind::HoursRegularPioneers, "hours-regular", "hours, regular pioneers",
     text::TxKindTitleHoursRegularPioneers, 32817, false, drawHours<S::RegularPioneers>},
    {kind::HoursAuxiliaryPioneers, "hours-auxiliary", "hours, auxiliary pioneers",
     text::TxKindTitleHoursAuxiliaryPioneers, 32816, false, drawHours<S::AuxiliaryPioneers>},
    {kind::HoursAppointed, "hours-appointed", "hours, elders and ministerial servants",
     text::TxKindTitleHoursAppointed, 32840, false, drawHours<S::Appointed>},
    {kind::HoursBaptisedBrothers, "hours-brothers", "hours, baptised brothers",
     text::TxKindTitleHoursBaptisedBrothers, 32851, false, drawHours<S::BaptizedBrothers>},
    {kind::HoursCustom, "hours-custom", "hours, custom category", text::TxKindTitleHoursCustom,
     32844, false, drawHours<S::Custom>},
    {kind::TotalsCongregation, "totals", "service-year totals, congregation",
     text::TxKindTitleTotalsCongregation, 32818, false, drawServiceYearTotals<S::Congregation>},
    {kind::TotalsRegularPioneers, "totals-regular", "service-year totals, regular pioneers",
     text::TxKindTitleTotalsRegularPioneers, 32819, false,
     drawServiceYearTotals<S::RegularPioneers>},
    {kind::TotalsAppointed, "totals-appointed",
     "service-year totals, elders and ministerial servants", text::TxKindTitleTotalsAppointed,
     32841, false, drawServiceYearTotals<S::Appointed>},
    {kind::PioneerHours, "pioneer-hours", "pioneer hours", text::TxKindTitlePioneerHours, 32806,
     false, drawPioneerHoursPage},
    {kind::PhoneCongregation, "phone", "phone list, congregation",
     text::TxKindTitlePhoneCongregation, 32809, false, drawPhoneList<ListScope::Congregation>},
    {kind::PhoneGroup, "phone-group", "phone list, one group", text::TxKindTitlePhoneGroup, 32810,
     true, drawPhoneList<ListScope::Group>},
    {kind::PhoneAppointed, "phone-appointed", "phone list, elders and ministerial servants",
     text::TxKindTitlePhoneAppointed, 32823, false, drawPhoneList<ListScope::Appointed>},
    {kind::PhonePioneers, "phone-pioneers", "phone list, pioneers", text::TxKindTitlePhonePioneers,
     32824, false, drawPhoneList<ListScope::Pioneers>},
    {kind::AddressCongregation, "address", "address list, congregation",
     text::TxKindTitleAddressCongregation, 32811, false, drawAddressList<ListScope::Congregation>},
    {kind::AddressGroup, "address-group", "address list, one group", text::TxKindTitleAddressGroup,
     32812, true, drawAddressList<ListScope::Group>},
    {kind::AddressInactive, "address-inactive", "address list, inactive",
     text::TxKindTitleAddressInactive, 32825, false, drawAddressList<ListScope::Inactive>},
    {kind::AddressAppointed, "address-appointed", "address list, elders and ministerial servants",
     text::TxKindTitleAddressAppointed, 32831, false, drawAddressList<ListScope::Appointed>},
    {kind::AddressPioneers, "address-pioneers", "address list, pioneers",
     text::TxKindTitleAddressPioneers, 32830, false, drawAddressList<ListScope::Pioneers>},
    {kind::GroupListsActive, "group-lists", "field service group lists, active publishers",
     text::TxKindTitleGroupListsActive, 32852, false, drawGroupLists<GroupListVariant::Active>},
    {kind::GroupListsStudents, "group-lists-students",
     "group lists, active publishers and Bible students", text::TxKindTitleGroupListsStudents,
     32853, false, drawGroupLists<GroupListVariant::ActiveStudents>},
    {kind::GroupListsVariant1, "group-lists-variant1",
     "group lists, active and inactive publishers", text::TxKindTitleGroupListsVariant1, 32893,
     false, drawGroupLists<GroupListVariant::ActiveInactive>},
    {kind::GroupListsAll, "group-lists-all", "group lists, active, Bible students and inactive",
     text::TxKindTitleGroupListsAll, 32854, false, drawGroupLists<GroupListVariant::All>},
    {kind::GroupListsVariant2, "group-lists-variant2",
     "group lists, active publishers with consent", text::TxKindTitleGroupListsVariant2, 32901,
     false, drawGroupLists<GroupListVariant::Consent>},
    {kind::ContactCongregation, "contacts", "contact list, congregation",
     text::TxKindTitleContactCongregation, 32846, false, drawContactList<ListScope::Congregation>},
    {kind::ContactGroup, "contacts-group", "contact list, one group", text::TxKindTitleContactGroup,
     32847, true, drawContactList<ListScope::Group>},
    {kind::ContactAppointed, "contacts-appointed", "contact list, elders and ministerial servants",
     text::TxKindTitleContactAppointed, 32848, false, drawContactList<ListScope::Appointed>},
    {kind::ContactPioneers, "contacts-pioneers", "contact list, pioneers",
     text::TxKindTitleContactPioneers, 32875, false, drawContactList<ListScope::Pioneers>},
    {kind::ContactInactive, "contacts-inactive", "contact list, inactive",
     text::TxKindTitleContactInactive, 32882, false, drawContactList<ListScope::Inactive>},
    {kind::EmergencyCongregation, "emergency", "emergency contact data, congregation",
     text::TxKindTitleEmergencyCongregation, 32859, false, drawEmergencyCongregation},
    {kind::EmergencyGroup, "emergency-group", "emergency contact data, one group",
     text::TxKindTitleEmergencyGroup, 32860, true, drawEmergencyGroup},
    {kind::EmergencyForms, "emergency-forms", "emergency contact forms",
     text::TxKindTitleEmergencyForms, 32867, false, drawEmergencyForms},
    {kind::EmergencyBlankForm, "emergency-blank-form", "blank emergency contact form",
     text::TxKindTitleEmergencyBlankForm, 0, false, drawEmergencyBlankForm},
    {kind::PhoneEmailCongregation, "phone-email", "telephone and e-mail list, congregation",
     text::TxKindTitlePhoneEmailCongregation, 32871, false,
     drawPhoneEmailList<ListScope::Congregation>},
    {kind::PhoneEmailGroup, "phone-email-group", "telephone and e-mail list, one group",
     text::TxKindTitlePhoneEmailGroup, 32872, true, drawPhoneEmailList<ListScope::Group>},
    {kind::PhoneEmailAppointed, "phone-email-appointed",
     "telephone and e-mail list, elders and ministerial servants",
     text::TxKindTitlePhoneEmailAppointed, 32874, false, drawPhoneEmailList<ListScope::Appointed>},
    {kind::PhoneEmailPioneers, "phone-email-pioneers", "telephone and e-mail list, pioneers",
     text::TxKindTitlePhoneEmailPioneers, 32873, false, drawPhoneEmailList<ListScope::Pioneers>},
    {kind::SpecialNeedsCongregation, "special-needs", "special needs, congregation",
     text::TxKindTitleSpecialNeedsCongregation, 32915, false, drawSpecialNeedsCongregation},
    {kind::SpecialNeedsGroup, "special-needs-group", "special needs, one group",
     text::TxKindTitleSpecialNeedsGroup, 32916, true, drawSpecialNeedsGroup},
    {kind::RecordCards, "card", "publisher record cards", text::TxKindTitleRecordCards, 0, false,
     drawRecordCards},
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
    return text::tr(info.titleText);
}

}  // namespace velno::print
