#pragma once
// The congregation lists of the report view: telephone lists (kinds 50 to
// 53), telephone-and-e-mail lists (100 to 104), address lists (60 to 64)
// and contact lists (80 to 84), with households folded under their head.

#include <string>
#include <vector>

#include "print/ReportContext.h"

namespace velno::print {

enum class ListScope { Congregation, Group, Appointed, Pioneers, Inactive };

// Which household members give up their own line for one under the head.
enum class Fold {
    None,
    WithoutOwnNumber,         // no mobile or office number of his own
    WithoutOwnNumberOrEmail,  // nor an e-mail address of his own
};

struct ContactLine {
    int pos = 0;
    std::string name;  // UTF-8; elders carry " *" on the appointed lists
    std::string home, mobile, office, address, email;
    // First names of the household members folded under this head.
    std::vector<std::string> members;
};

// Who a list holds, in the store's name order. With folding, a member of
// another's household without numbers of his own is listed under the head
// instead of on a line of his own (when the head is on the list).
std::vector<ContactLine> contactLines(const CVelnoDoc& doc, ListScope scope, int group, Fold fold);

template <ListScope Scope>
int drawPhoneList(ReportContext& ctx);
template <ListScope Scope>
int drawAddressList(ReportContext& ctx);
template <ListScope Scope>
int drawPhoneEmailList(ReportContext& ctx);
template <ListScope Scope>
int drawContactList(ReportContext& ctx);

}  // namespace velno::print
