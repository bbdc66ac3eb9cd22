// Dialing: only the digits of a number reach the dialer, and an empty
// number does nothing.

#include <gtest/gtest.h>

#include "print/Dialing.h"
#include "store/DesktopServices.h"

namespace velno::print {
namespace {

struct FakeDialer : Dialer {
    std::vector<std::string> dialled;
    std::string answer;
    std::string dial(const std::string& number) override {
        dialled.push_back(number);
        return answer;
    }
};

TEST(Dialing, OnlyTheDigitsInOrderAreDialled) {
    FakeDialer dialer;
    const DialOutcome out = dialNumber(dialer, " +62 (21) 555-1234 ");
    EXPECT_TRUE(out.dialled);
    ASSERT_EQ(dialer.dialled.size(), 1u);
    EXPECT_EQ(dialer.dialled[0], "62215551234");
}

TEST(Dialing, EmptyTextDoesNothingAndLettersDialAnEmptyDestination) {
    FakeDialer dialer;
    EXPECT_FALSE(dialNumber(dialer, "   ").dialled);
    EXPECT_TRUE(dialer.dialled.empty());
    dialNumber(dialer, "n/a");
    ASSERT_EQ(dialer.dialled.size(), 1u);
    EXPECT_EQ(dialer.dialled[0], "");
    dialer.answer = "Telephone service not available";
    const DialOutcome refused = dialNumber(dialer, "555");
    EXPECT_FALSE(refused.dialled);
    EXPECT_EQ(refused.message, "Telephone service not available");
}

}  // namespace
}  // namespace velno::print
