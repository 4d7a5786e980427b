#include "model/NumericText.h"

#include <cmath>
#include <limits>

namespace marlo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

template <typename Int>
std::optional<Int> roundedTo(std::string_view text) {
    const std::optional<double> value = parseNumericText(text);
    if (!value) return std::nullopt;
    const double rounded = std::round(*value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> parseNumericText(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Whole part and fraction are accumulated as digits; lengths longer than a double can hold
    // exactly are still well outside every field, so precision loss there changes no outcome.
    double value = 0.0;
    size_t digits = 0;
    while (i < n && isDigit(text[i])) {
        value = value * 10.0 + (text[i++] - '0');
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        double scale = 0.1;
        size_t fractionDigits = 0;
        while (i < n && isDigit(text[i])) {
            value += (text[i++] - '0') * scale;
            scale /= 10.0;
            ++fractionDigits;
        }
        if (fractionDigits == 0) return std::nullopt;
        digits += fractionDigits;
    }
    if (digits == 0) return std::nullopt;
    while (i < n && isBlank(text[i])) ++i;
    if (i != n || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
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

}  // namespace marlo
