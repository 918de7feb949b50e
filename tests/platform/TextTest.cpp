#include <gtest/gtest.h>

#include "platform/Text.h"

namespace tolvane::text {
namespace {

TEST(Text, TrimRightKeepsLeadingSpaces) {
    EXPECT_EQ(TrimRight("  abc   "), "  abc");
    EXPECT_EQ(TrimRight("   "), "");
    EXPECT_EQ(TrimRight(""), "");
}

TEST(Text, BlankIsEmptyOrSpaces) {
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank(" a "));
}

TEST(Text, UpperChangesOnlyLetters) { EXPECT_EQ(Upper("abz ÄÖ 09_"), "ABZ ÄÖ 09_"); }

TEST(Text, ToNumberAcceptsOnlyWholeNumbers) {
    struct Case {
        const char* text;
        long long value;
    };
    const Case cases[] = {
        {"300", 300}, {" -12 ", -12}, {"+7", 7},  {"", 0},  {"Yes", 0},
        {"12a", 0},   {"-", 0},       {"1 2", 0}, {"0", 0}, {"2147483648", 2147483648LL}};
    for (const Case& c : cases) EXPECT_EQ(ToNumber(c.text), c.value) << c.text;
}

TEST(Text, MessageBoxTextBreaksLinesAtBars) {
    EXPECT_EQ(MessageBoxText("Error in ShellClass.||(5) x"), "Error in ShellClass.\r\n\r\n(5) x");
}

}  // namespace
}  // namespace tolvane::text
