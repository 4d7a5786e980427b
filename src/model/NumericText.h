#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// Numbers as the operator types them: optional blanks, an optional sign, digits, an optional
// decimal point with digits, optional blanks. Anything else is not a number.
std::optional<double> parseNumericText(std::string_view text);

// The number of a numeric text as plain decimal text, digit for digit as typed: without blanks,
// plus sign, leading zeros or trailing zeros of the fraction ("  +06.50" gives "6.5", "-0.0"
// gives "0"). Nothing for a text that is not a number.
std::optional<std::string> plainNumericText(std::string_view text);

// The value rounded to the nearest whole number (halves away from zero), when the text is a
// number whose rounded value fits the target type; otherwise nothing.
std::optional<int16_t> toInt16(std::string_view text);
std::optional<int32_t> toInt32(std::string_view text);

// What a numeric entry and a list cell take: a number not below 0 whose rounded value fits 16
// bits.
bool isAcceptedNumber(std::string_view text);

// The shortest text that reads back as the same number ("6", "7.5", "0.125", "-22.5", "200000"),
// in plain digits with a decimal point, as the files the program writes hold numbers.
std::string shortestNumberText(double value);

// The value with exactly `decimals` digits after the decimal point ("1125.7", "2105.66").
std::string fixedNumberText(double value, int decimals);

}  // namespace marlo
