#include "reporting/PioneerCredit.h"

#include <algorithm>
#include <cctype>

#include "store/FixedText.h"
#include "text/Format.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool hasCharIn(const std::string& text, char c, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i <= to && i < text.size(); ++i)
        if (text[i] == c) return true;
    return false;
}

}  // namespace

CreditResult applyCreditRule(int h, int c, const std::string& remark) {
    std::string t = remark;
    if (h > kCreditCeiling - 1) c = 0;
    if (c > 0 && kCreditCeiling - h < c) c = kCreditCeiling - h;

    if (c > 0 && t.empty())
        t = text::arg(text::tr(text::TxCreditRemark), std::to_string(c)) +
            text::tr(text::TxHoursCaption);

    c = creditFromRemark(h, c, t, kCreditCeiling);
    return {c, t};
}

int creditFromRemark(int h, int c, const std::string& t, int ceiling) {
    if (!t.empty() && isDigit(t[0])) {
        int value = 0;
        for (std::size_t i = 0; i < 3 && i < t.size() && isDigit(t[i]); ++i)
            value = value * 10 + (t[i] - '0');
        c = std::min(value, 255);
    }
    // "!" among the first six characters lifts every limit.
    if (!hasCharIn(t, '!', 0, 5)) {
        const int e = hasCharIn(t, '*', 1, 4) ? std::min(c, kStarCreditLimit) : 0;
        c = std::max(c, e);
        if (h > ceiling - 1 || e + h > ceiling - 1) c = e;
        if (e > 0 && c > 0 && e + h <= ceiling - 1 && h + c > ceiling - 1) c = ceiling - h;
        if (e == 0 && c > 0 && ceiling - h < c) c = ceiling - h;
    }
    return c;
}

int importedCredit(int hours, const std::string& remark) {
    return creditFromRemark(hours, 0, std::string(trimmed(remark)), kImportCreditCeiling);
}

std::string creditLabel(int credit) {
    if (credit <= 0) return {};
    return text::arg(text::tr(text::TxCreditOpen), std::to_string(credit)) +
           text::tr(text::TxHoursCaption) + text::tr(text::TxCreditClose);
}

}  // namespace velno
