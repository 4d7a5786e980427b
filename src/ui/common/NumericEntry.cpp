#include "ui/common/NumericEntry.h"

#include <cstdio>

#include "model/NumericText.h"

namespace marlo {

namespace {

std::string decimalText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace

std::optional<std::string> steppedEntry(std::string_view text, int step) {
    const std::optional<double> value = parseNumericText(text);
    if (!value || (step < 0 && *value <= 1)) return std::nullopt;
    return decimalText(*value + step);
}

}  // namespace marlo
