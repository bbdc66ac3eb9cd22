// The regular pioneer's credit hours: the 55-hour ceiling, the remark that
// sets the credit, "*" and "!".

#include <gtest/gtest.h>

#include <ostream>

#include "reporting/PioneerCredit.h"

namespace velno {
namespace {

struct CreditCase {
    int hours;
    int credit;
    const char* remark;
    int expectedCredit;
    const char* expectedRemark;
};

void PrintTo(const CreditCase& c, std::ostream* os) {
    *os << c.hours << " h, credit " << c.credit << ", remark \"" << c.remark << "\"";
}

class CreditRule : public ::testing::TestWithParam<CreditCase> {};

TEST_P(CreditRule, GivesTheCreditOfTheRemarkWithinItsLimit) {
    const CreditCase& c = GetParam();
    const CreditResult r = applyCreditRule(c.hours, c.credit, c.remark);
    EXPECT_EQ(c.expectedCredit, r.credit);
    EXPECT_EQ(c.expectedRemark, r.remark);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreditRule,
    ::testing::Values(
        // Hours plus credit stop at 55.
        CreditCase{50, 0, "20", 5, "20"},
        // "*" allows up to 40 credit hours beyond the ceiling.
        CreditCase{50, 0, "20*", 20, "20*"}, CreditCase{50, 0, "50*", 40, "50*"},
        CreditCase{10, 0, "50*", 45, "50*"},
        // "!" lifts every limit.
        CreditCase{60, 0, "60!", 60, "60!"}, CreditCase{20, 0, "5 Jam!", 5, "5 Jam!"},
        // 55 hours or more leave no room for credit.
        CreditCase{56, 0, "", 0, ""}, CreditCase{56, 10, "", 0, ""},
        // A stored credit without a remark writes itself into the remark.
        CreditCase{40, 20, "", 15, "15 +Jam"},
        // Three digits at most, and never above 255 before the ceiling.
        CreditCase{0, 0, "1234", 55, "1234"}, CreditCase{30, 0, "300", 25, "300"},
        // "*" must follow something; a leading one does not count.
        CreditCase{20, 0, "*30", 0, "*30"},
        // A remark without a number keeps the credit.
        CreditCase{50, 3, "sakit", 3, "sakit"}, CreditCase{53, 9, "sakit", 2, "sakit"}));

struct ImportedCase {
    int hours;
    const char* remark;
    int expectedCredit;
};

void PrintTo(const ImportedCase& c, std::ostream* os) {
    *os << c.hours << " h, remark \"" << c.remark << "\"";
}

class ImportedCreditRule : public ::testing::TestWithParam<ImportedCase> {};

// Reports taken from a spreadsheet: no credit to start from, the ceiling
// at 70.
TEST_P(ImportedCreditRule, BoundsTheRemarksCreditAtSeventy) {
    EXPECT_EQ(GetParam().expectedCredit, importedCredit(GetParam().hours, GetParam().remark));
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportedCreditRule,
                         ::testing::Values(ImportedCase{60, "15", 10}, ImportedCase{60, "15!", 15},
                                           ImportedCase{60, "  15 jam", 10},
                                           ImportedCase{50, "30*", 30}, ImportedCase{50, "50*", 40},
                                           ImportedCase{69, "5", 1}, ImportedCase{70, "5", 0},
                                           ImportedCase{70, "5*", 5},
                                           ImportedCase{40, "sakit 10", 0}, ImportedCase{40, "", 0},
                                           ImportedCase{0, "999", 70}));

TEST(CreditLabel, ShowsOnlyAPositiveCredit) {
    EXPECT_EQ("( + 5 Jam )", creditLabel(5));
    EXPECT_EQ("", creditLabel(0));
}

}  // namespace
}  // namespace velno
