#pragma once
// The congregation lists of the report view: telephone lists (kinds 50 to
// 53) and address lists (60 to 64), with households folded under their
// head.

#include <string>
#include <vector>

#include "print/ReportContext.h"

namespace velno::print {

enum class ListScope { Congregation, Group, Appointed, Pioneers, Inactive };

struct ContactLine {
    int pos = 0;
    std::string name;  // UTF-8; elders carry " *" on the appointed lists
    std::string home, mobile, office, address;
    // First names of the household members folded under this head.
    std::vector<std::string> members;
};

// Who a list holds, in the store's name order. With `fold`, a member of
// another's household without a mobile or office number of his own is
// listed under the head instead of on a line of his own.
std::vector<ContactLine> contactLines(const CVelnoDoc& doc, ListScope scope, int group, bool fold);

template <ListScope Scope>
int drawPhoneList(ReportContext& ctx);
template <ListScope Scope>
int drawAddressList(ReportContext& ctx);

}  // namespace velno::print
