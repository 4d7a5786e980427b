#include "model/NumericText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace marlo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The parts of a numeric text, as written.
struct DecimalText {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

std::optional<DecimalText> scan(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    DecimalText parts;
    if (i < n && (text[i] == '+' || text[i] == '-')) parts.negative = text[i++] == '-';
    const size_t wholeStart = i;
    while (i < n && isDigit(text[i])) ++i;
    parts.whole = text.substr(wholeStart, i - wholeStart);
    if (i < n && text[i] == '.') {
        const size_t fractionStart = ++i;
        while (i < n && isDigit(text[i])) ++i;
        parts.fraction = text.substr(fractionStart, i - fractionStart);
        if (parts.fraction.empty()) return std::nullopt;
    }
    if (parts.whole.empty() && parts.fraction.empty()) return std::nullopt;
    while (i < n && isBlank(text[i])) ++i;
    if (i != n) return std::nullopt;
    return parts;
}

// Rounded from the digits themselves, halves away from zero: only the first digit after the
// point decides, so no binary fraction can push a value below one half over it.
template <typename Int>
std::optional<Int> roundedTo(std::string_view text) {
    const std::optional<DecimalText> parts = scan(text);
    if (!parts) return std::nullopt;
    int64_t magnitude = 0;
    for (char digit : parts->whole) {
        magnitude = magnitude * 10 + (digit - '0');
        // Beyond every 32-bit value: no need to read further digits.
        if (magnitude > (int64_t{1} << 40)) return std::nullopt;
    }
    if (!parts->fraction.empty() && parts->fraction.front() >= '5') ++magnitude;
    const int64_t value = parts->negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(value);
}

}  // namespace

std::optional<double> parseNumericText(std::string_view text) {
    const std::optional<DecimalText> parts = scan(text);
    if (!parts) return std::nullopt;
    // Lengths longer than a double holds exactly are far outside every field, so the precision
    // lost there changes no outcome; whole numbers are rounded from the text, not from this.
    double value = 0.0;
    for (char digit : parts->whole) value = value * 10.0 + (digit - '0');
    double scale = 0.1;
    for (char digit : parts->fraction) {
        value += (digit - '0') * scale;
        scale /= 10.0;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return parts->negative ? -value : value;
}

std::optional<std::string> plainNumericText(std::string_view text) {
    const std::optional<DecimalText> parts = scan(text);
    if (!parts) return std::nullopt;
    std::string_view whole = parts->whole;
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    std::string_view fraction = parts->fraction;
    fraction.remove_suffix(fraction.size() -
                           std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
    std::string plain = whole.empty() ? "0" : std::string(whole);
    if (!fraction.empty()) plain += "." + std::string(fraction);
    const bool zero = whole.empty() && fraction.empty();
    return parts->negative && !zero ? "-" + plain : plain;
}

std::optional<int16_t> toInt16(std::string_view text) {
    return roundedTo<int16_t>(text);
}
std::optional<int32_t> toInt32(std::string_view text) {
    return roundedTo<int32_t>(text);
}

bool isAcceptedNumber(std::string_view text) {
    const std::optional<double> value = parseNumericText(text);
    return value && *value >= 0 && toInt16(text).has_value();
}

std::string shortestNumberText(double value) {
    // Fixed notation: the shortest form of 200000 would be "2e+05", which the readers refuse.
    // The longest fixed form of a double is some 330 characters (5e-324).
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::string fixedNumberText(double value, int decimals) {
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace marlo
