#pragma once
// Credit hours of a regular pioneer: hours plus credit stay within a
// ceiling (55 a month on the slip, 70 for reports imported from a
// spreadsheet). The remark can set the credit ("20"), allow up to 40 credit
// hours beyond the limit ("20*") or lift every limit ("60!").

#include <string>

namespace velno {

constexpr int kCreditCeiling = 55;
constexpr int kImportCreditCeiling = 70;
constexpr int kStarCreditLimit = 40;

struct CreditResult {
    int credit = 0;
    std::string remark;  // Windows-1252; gains "5 +Jam" when it was empty
};

// hours: the hours entered; credit: the credit so far; remark: the slip's
// remark text.
CreditResult applyCreditRule(int hours, int credit, const std::string& remark);

// The remark's part of the rule, for any ceiling: its leading digits (at
// most three, capped at 255) replace the credit, then "!" or "*" and the
// ceiling bound it.
int creditFromRemark(int hours, int credit, const std::string& remark, int ceiling);

// The credit of an imported report: none to start from and the remark as
// the file gives it (trimmed).
int importedCredit(int hours, const std::string& remark);

// "( + 5 Jam )" for a credit above 0, else empty. UTF-8.
std::string creditLabel(int credit);

}  // namespace velno
