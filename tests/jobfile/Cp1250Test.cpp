#include <gtest/gtest.h>

#include "jobfile/Cp1250.h"

namespace marlo {
namespace {

TEST(Cp1250, convert_centralEuropeanLetters_useTheirCodePageBytesBothWays) {
    const std::string text = "Zákazka č. 5 – Größe Ďurčík Łódź €";
    const std::string bytes = utf8ToCp1250(text);
    EXPECT_EQ(bytes,
              "Z\xE1kazka \xE8. 5 \x96 Gr\xF6\xDF"
              "e \xCF"
              "ur\xE8\xEDk \xA3\xF3"
              "d\x9F \x80");
    EXPECT_EQ(cp1250ToUtf8(bytes), text);
}

TEST(Cp1250, convert_everyByteValue_survivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(all)), all);
    EXPECT_EQ(cp1250ToUtf8("\x81\x83\x88\x90\x98"), "\u0081\u0083\u0088\u0090\u0098");
    EXPECT_EQ(cp1250ToUtf8(std::string_view("a\0b", 3)), std::string_view("a\0b", 3));
}

TEST(Cp1250, encode_unmappableOrMalformedInput_becomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1250("日本 \U0001F600 \u0080"), "?? ? ?");
    EXPECT_EQ(utf8ToCp1250("\x80"), "?");                      // stray continuation byte
    EXPECT_EQ(utf8ToCp1250("a\xE2\x82"), "a??");               // truncated sequence
    EXPECT_EQ(utf8ToCp1250("\xC0\xAF\xE0\x80\x80"), "?????");  // overlong forms
    EXPECT_EQ(utf8ToCp1250("\xED\xA0\x80"), "???");            // surrogate
    EXPECT_EQ(utf8ToCp1250("\xF4\x90\x80\x80\xFF"), "?????");  // beyond U+10FFFF, invalid lead
}

}  // namespace
}  // namespace marlo
