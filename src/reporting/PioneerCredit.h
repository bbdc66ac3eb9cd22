#pragma once
// Credit hours of a regular pioneer: hours plus credit stay within 55 a
// month. The remark can set the credit ("20"), allow up to 40 credit hours
// beyond the limit ("20*") or lift every limit ("60!").

#include <string>

namespace velno {

constexpr int kCreditCeiling = 55;
constexpr int kStarCreditLimit = 40;

struct CreditResult {
    int credit = 0;
    std::string remark;  // Windows-1252; gains "5 +Jam" when it was empty
};

// hours: the hours entered; credit: the credit so far; remark: the slip's
// remark text.
CreditResult applyCreditRule(int hours, int credit, const std::string& remark);

// "( + 5 Jam )" for a credit above 0, else empty. UTF-8.
std::string creditLabel(int credit);

}  // namespace velno
