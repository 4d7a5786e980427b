#include <gtest/gtest.h>

#include "model/NumericText.h"

namespace marlo {
namespace {

TEST(NumericText, acceptsSignsDecimalsAndSurroundingBlanks) {
    EXPECT_EQ(parseNumericText("1200"), 1200.0);
    EXPECT_EQ(parseNumericText("  -5 "), -5.0);
    EXPECT_EQ(parseNumericText("+7"), 7.0);
    EXPECT_EQ(parseNumericText("2.5"), 2.5);
    EXPECT_EQ(parseNumericText("\t3\t"), 3.0);
    EXPECT_EQ(plainNumericText("  +06.50 "), "6.5");
    EXPECT_EQ(plainNumericText("1200.49999999999999999"), "1200.49999999999999999");
    EXPECT_EQ(plainNumericText("-0.0"), "0");
    EXPECT_EQ(plainNumericText("-.5"), "-0.5");
    EXPECT_EQ(plainNumericText("12a"), std::nullopt);
}

TEST(NumericText, refusesEverythingElse) {
    for (const char* text : {"", " ", "-", "+", "1.", ".", "1,5", "12a", "a12", "1 2", "1e3", "--1",
                             "0x10", "١٢", "1.2.3"})
        EXPECT_FALSE(parseNumericText(text).has_value()) << '"' << text << '"';
}

TEST(NumericText, roundsToTheNearestWholeNumberWithinTheField) {
    EXPECT_EQ(toInt16("2.5"), 3);
    EXPECT_EQ(toInt16("-2.5"), -3);
    EXPECT_EQ(toInt16("2.49"), 2);
    EXPECT_EQ(toInt16("32767"), 32767);
    EXPECT_EQ(toInt16("32767.4"), 32767);
    EXPECT_FALSE(toInt16("32767.5").has_value());
    EXPECT_FALSE(toInt16("40000").has_value());
    EXPECT_EQ(toInt16("-32768"), -32768);
    EXPECT_FALSE(toInt16("-32769").has_value());
    EXPECT_EQ(toInt32("40000"), 40000);
    EXPECT_EQ(toInt32("2147483647"), 2147483647);
    EXPECT_FALSE(toInt32("2147483648").has_value());
    EXPECT_FALSE(toInt32("99999999999999999999999999").has_value());
    // Decided by the digits as written, not by the nearest double.
    EXPECT_EQ(toInt16("1200.49999999999999999"), 1200);
    EXPECT_EQ(toInt16("-1200.49999999999999999"), -1200);
    EXPECT_EQ(toInt16("1200.50000000000000001"), 1201);
    EXPECT_EQ(toInt16("0000000000000000000001200.5"), 1201);
    EXPECT_EQ(toInt32("2147483646.5"), 2147483647);
}

}  // namespace
}  // namespace marlo
