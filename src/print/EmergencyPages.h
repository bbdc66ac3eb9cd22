#pragma once
// The emergency-contact data (kinds 90 and 91), the emergency-contact
// forms (95, and the blank form 96) and the special-needs lists (120 and
// 121).

#include <string>
#include <vector>

#include "print/ReportContext.h"

namespace velno::print {

// One contact unit of the emergency-contact data: a person not linked to a
// household, with the members linked to him.
struct EmergencyBlock {
    int pos = 0;
    std::vector<int> members;  // store positions
};
// The blocks in store order; `group` 0 for the whole congregation.
std::vector<EmergencyBlock> emergencyBlocks(const CVelnoDoc& doc, int group);

struct SpecialNeedLine {
    std::string name;  // UTF-8, inactive and Bible students marked
    std::string need;  // UTF-8
};
// The special-needs list: `group` 0 for all groups, `need` 0 for every need.
std::vector<SpecialNeedLine> specialNeedLines(const CVelnoDoc& doc, int group, int need);

int drawEmergencyCongregation(ReportContext& ctx);
int drawEmergencyGroup(ReportContext& ctx);
int drawEmergencyForms(ReportContext& ctx);
int drawEmergencyBlankForm(ReportContext& ctx);
int drawSpecialNeedsCongregation(ReportContext& ctx);
int drawSpecialNeedsGroup(ReportContext& ctx);

}  // namespace velno::print
