#include <gtest/gtest.h>

#include "optimiser/NumberFormats.h"

namespace marlo {
namespace {

TEST(NumberFormats, efficiencyHasTwoDecimalsAndTheGivenSeparator) {
    EXPECT_EQ(formatEfficiency(72.5185185), "72.52");
    EXPECT_EQ(formatEfficiency(100.0), "100.00");
    EXPECT_EQ(formatEfficiency(0.004), "0.00");
    EXPECT_EQ(formatEfficiency(7.5, ','), "7,50");
}

TEST(NumberFormats, possibilitiesAreGroupedByThreeWithSpaces) {
    EXPECT_EQ(formatPossibilities(0), "0");
    EXPECT_EQ(formatPossibilities(49), "49");
    EXPECT_EQ(formatPossibilities(999), "999");
    EXPECT_EQ(formatPossibilities(1000), "1 000");
    EXPECT_EQ(formatPossibilities(1234567890), "1 234 567 890");
    EXPECT_EQ(formatPossibilities(18446744073709551615ull), "18 446 744 073 709 551 615");
}

TEST(NumberFormats, progressIsRoundedWithPercentSign) {
    EXPECT_EQ(formatProgress(0.0), "0 %");
    EXPECT_EQ(formatProgress(progressPercent(4, 9)), "56 %");
    EXPECT_EQ(formatProgress(progressPercent(1, 2)), "50 %");
    EXPECT_EQ(formatProgress(progressPercent(0, 9)), "100 %");
    EXPECT_EQ(formatProgress(33.5), "34 %");
}

}  // namespace
}  // namespace marlo
