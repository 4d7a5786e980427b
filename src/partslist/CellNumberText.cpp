#include "partslist/CellNumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace marlo {

std::string cellNumberText(double value) {
    if (!std::isfinite(value)) return {};
    // Round to the digits a spreadsheet shows, then write the shortest plain text of that value.
    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.15g", value);
    double shown = std::strtod(rounded, nullptr);
    if (shown == 0) shown = 0;  // no "-0"
    // Plain notation of any double fits: at most 309 digits before the point, and the shortest
    // text of a tiny one has at most some 340 after it.
    char text[800];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, shown, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : std::string();
}

std::string cellNumberText(std::string_view storedNumber) {
    double value = 0;
    const char* first = storedNumber.data();
    const char* last = first + storedNumber.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || storedNumber.empty())
        return std::string(storedNumber);
    return cellNumberText(value);
}

}  // namespace marlo
