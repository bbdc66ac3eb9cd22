#include "print/ReportKinds.h"

#include <algorithm>

namespace velno::print {

namespace {

std::vector<ReportKindInfo>& table() {
    static std::vector<ReportKindInfo> kinds{
        {1, "congregation analysis, pioneers then groups", 32891, false, nullptr},
        {110, "congregation analysis, A to Z", 32892, false, nullptr},
        {2, "analysis of one field service group", 32780, true, nullptr},
        {3, "congregation summary", 32793, false, nullptr},
        {4, "meeting report", 32794, false, nullptr},
        {5, "three/six-month averages, congregation", 32796, false, nullptr},
        {6, "averages, one group", 32797, true, nullptr},
        {7, "averages, regular pioneers", 32798, false, nullptr},
        {8, "averages, elders", 32799, false, nullptr},
        {9, "averages, ministerial servants", 32800, false, nullptr},
        {10, "averages, baptised brothers", 32801, false, nullptr},
        {11, "averages, custom category", 32836, false, nullptr},
        {20, "congregation statistics", 32802, false, nullptr},
        {30, "publisher card labels", 32821, false, nullptr},
        {40, "hours, congregation", 32807, false, nullptr},
        {41, "hours, one group", 32808, true, nullptr},
        {42, "hours, regular pioneers", 32817, false, nullptr},
        {39, "hours, auxiliary pioneers", 32816, false, nullptr},
        {43, "hours, elders and ministerial servants", 32840, false, nullptr},
        {48, "hours, baptised brothers", 32851, false, nullptr},
        {38, "hours, custom category", 32844, false, nullptr},
        {44, "service-year totals, congregation", 32818, false, nullptr},
        {45, "service-year totals, regular pioneers", 32819, false, nullptr},
        {46, "service-year totals, elders and ministerial servants", 32841, false, nullptr},
        {47, "pioneer hours", 32806, false, nullptr},
        {50, "phone list, congregation", 32809, false, nullptr},
        {51, "phone list, one group", 32810, true, nullptr},
        {52, "phone list, elders and ministerial servants", 32823, false, nullptr},
        {53, "phone list, pioneers", 32824, false, nullptr},
        {60, "address list, congregation", 32811, false, nullptr},
        {61, "address list, one group", 32812, true, nullptr},
        {62, "address list, inactive", 32825, false, nullptr},
        {63, "address list, elders and ministerial servants", 32831, false, nullptr},
        {64, "address list, pioneers", 32830, false, nullptr},
        {70, "field service group lists, active publishers", 32852, false, nullptr},
        {71, "group lists, active publishers and Bible students", 32853, false, nullptr},
        {72, "group lists, variant of command 32893", 32893, false, nullptr},
        {73, "group lists, active, Bible students and inactive", 32854, false, nullptr},
        {74, "group lists, variant of command 32901", 32901, false, nullptr},
        {80, "contact list, congregation", 32846, false, nullptr},
        {81, "contact list, one group", 32847, true, nullptr},
        {82, "contact list, elders and ministerial servants", 32848, false, nullptr},
        {83, "contact list, pioneers", 32875, false, nullptr},
        {84, "contact list, inactive", 32882, false, nullptr},
        {90, "emergency contact data, congregation", 32859, false, nullptr},
        {91, "emergency contact data, one group", 32860, true, nullptr},
        {95, "emergency contact forms", 32867, false, nullptr},
        {96, "blank emergency contact form", 0, false, nullptr},
        {100, "telephone and e-mail list, congregation", 32871, false, nullptr},
        {101, "telephone and e-mail list, one group", 32872, true, nullptr},
        {103, "telephone and e-mail list, elders and ministerial servants", 32874, false, nullptr},
        {104, "telephone and e-mail list, pioneers", 32873, false, nullptr},
        {120, "special needs, congregation", 32915, false, nullptr},
        {121, "special needs, one group", 32916, true, nullptr},
    };
    return kinds;
}

}  // namespace

const std::vector<ReportKindInfo>& reportKinds() {
    return table();
}

const ReportKindInfo* findReportKind(int kind) {
    const auto& kinds = table();
    const auto it = std::find_if(kinds.begin(), kinds.end(),
                                 [kind](const ReportKindInfo& k) { return k.kind == kind; });
    return it == kinds.end() ? nullptr : &*it;
}

void setReportDrawer(int kind, DrawReport draw) {
    for (auto& k : table())
        if (k.kind == kind) k.draw = draw;
}

}  // namespace velno::print
