#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "animace/number_text.h"

using namespace animace;

TEST(LeadingNumber, ReadsTheLeadingDecimalNumberOnly) {
    EXPECT_EQ(LeadingNumber(" 3"), 3);
    EXPECT_EQ(LeadingNumber("  12abc"), 12);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("1.5s"), 1.5);
    EXPECT_EQ(LeadingNumber("2."), 2);
    EXPECT_EQ(LeadingNumber("-4.25"), -4.25);
    EXPECT_EQ(LeadingNumber("+7"), 7);
    EXPECT_EQ(LeadingNumber("0,1"), 0);
    EXPECT_EQ(LeadingNumber("3,7"), 3);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("1e3"), 1);
    EXPECT_EQ(LeadingNumber("\t9"), 9);
}

TEST(LeadingNumber, ATextWithoutANumberReadsAsZero) {
    for (const char* text : {"", " ", ".", "-", "+.", "abc", "-x", "#"}) EXPECT_EQ(LeadingNumber(text), 0) << text;
}

TEST(LeadingNumber, DecimalsAreConvertedExactlyEnoughToRoundToTheEvenNeighbour) {
    // Digit-by-digit sums give .625 × 20 = 12.500000000000002, which would round up to 13.
    EXPECT_EQ(LeadingNumber(".625") * 20, 12.5);
    EXPECT_EQ(LeadingNumber("2.375") * 20, 47.5);
    EXPECT_EQ(LeadingNumber(".125") * 20, 2.5);
    EXPECT_EQ(LeadingNumber("0.375") * 20, 7.5);
    EXPECT_EQ(LeadingNumber("1638.35") * 20, 32767);
    EXPECT_EQ(LeadingNumber(".05"), 0.05);
}

TEST(LeadingNumber, HugeAndTinyTextsStayFinite) {
    const std::string huge(400, '9');
    EXPECT_TRUE(std::isinf(LeadingNumber(huge)));
    EXPECT_GT(LeadingNumber(huge), 0);
    EXPECT_LT(LeadingNumber("-" + huge), 0);
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(ShortFormOfTwentieths, WritesSecondsWithoutLeadingOrTrailingZeros) {
    EXPECT_EQ(ShortFormOfTwentieths(1), " .05");
    EXPECT_EQ(ShortFormOfTwentieths(2), " .1");
    EXPECT_EQ(ShortFormOfTwentieths(20), " 1");
    EXPECT_EQ(ShortFormOfTwentieths(21), " 1.05");
    EXPECT_EQ(ShortFormOfTwentieths(30), " 1.5");
    EXPECT_EQ(ShortFormOfTwentieths(40), " 2");
    EXPECT_EQ(ShortFormOfTwentieths(0), " 0");
    EXPECT_EQ(ShortFormOfTwentieths(32767), " 1638.35");
    EXPECT_EQ(ShortFormOfTwentieths(-30), "-1.5");
    EXPECT_EQ(ShortFormOfTwentieths(-1), "-.05");
    EXPECT_EQ(ShortFormOfTwentieths(std::numeric_limits<long long>::min()), "-461168601842738790.4");
}

TEST(ShortFormOfTwentieths, ReadsBackAsTheSameNumberOfTwentieths) {
    for (long long v = 0; v <= 32767; ++v)
        ASSERT_EQ(std::llround(LeadingNumber(ShortFormOfTwentieths(v)) * 20), v) << v;
}
