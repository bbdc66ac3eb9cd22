#include "text/Format.h"

#include <gtest/gtest.h>

#include <string>

namespace velno::text {
namespace {

TEST(Substitute, ReplacesEachPlaceholderWhereverItStands) {
    EXPECT_EQ(substitute("%1 Penyiar ditandai %2.", {"3 ", "Lansia"}),
              "3  Penyiar ditandai Lansia.");
    EXPECT_EQ(substitute("%2-%1-%2", {"a", "b"}), "b-a-b");
    EXPECT_EQ(substitute("%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}), "nine");
    EXPECT_EQ(substitute("tanpa", {"x"}), "tanpa");
    EXPECT_EQ(substitute("", {"x"}), "");
    EXPECT_EQ(substitute("%1", {""}), "");
}

TEST(Substitute, LeavesWhatIsNotAFilledPlaceholder) {
    EXPECT_EQ(substitute("%1 dan %3", {"a", "b"}), "a dan %3");
    EXPECT_EQ(substitute("%1", {}), "%1");
    EXPECT_EQ(substitute("100%% %1", {"x"}), "100%% x");
    EXPECT_EQ(substitute("%%1", {"x"}), "%%1");
    EXPECT_EQ(substitute("%0 %a %", {"x"}), "%0 %a %");
    EXPECT_EQ(substitute("%s %d", {"x"}), "%s %d");
    // Only one digit belongs to a placeholder.
    EXPECT_EQ(substitute("%10", {"x"}), "x0");
}

TEST(Substitute, ArgumentTextIsNeverExpandedAgain) {
    EXPECT_EQ(substitute("%1 %2", {"%2", "b"}), "%2 b");
    EXPECT_EQ(substitute("%1", {"%1%1"}), "%1%1");
    EXPECT_EQ(arg("Edit %1 (%2)", std::string("KDL %1"), "x"), "Edit KDL %1 (x)");
}

TEST(FormatPrintf, FormatsLikePrintf) {
    EXPECT_EQ(formatPrintf("%s %d %d (Roll)", "Maret", 7, 2024), "Maret 7 2024 (Roll)");
    EXPECT_EQ(formatPrintf("%4.1f|%2d|%-3s|", 2.26, 5, "a"), " 2.3| 5|a  |");
    EXPECT_EQ(formatPrintf("%s", ""), "");
    EXPECT_EQ(formatPrintf("100%%"), "100%");
}

TEST(FormatPrintf, OutputOfAnyLength) {
    for (std::size_t n : {0u, 1u, 255u, 256u, 1023u, 1024u, 4096u, 200000u}) {
        const std::string body(n, 'x');
        const std::string out = formatPrintf("[%s]%d", body.c_str(), 42);
        EXPECT_EQ(out.size(), n + 4);
        EXPECT_EQ(out, "[" + body + "]42");
    }
}

}  // namespace
}  // namespace velno::text
