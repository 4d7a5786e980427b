#pragma once

#include <optional>
#include <string>

namespace marlo {

// The pieces of the command line's JSON: numbers as exact as a double holds them, texts quoted
// with their control characters escaped, lists of any range.

std::string jsonNumber(double value);
std::string jsonOptional(const std::optional<double>& value);  // null for none
std::string jsonString(const std::string& text);
inline std::string jsonBool(bool value) {
    return value ? "true" : "false";
}

template <typename Range, typename Write>
std::string jsonList(const Range& range, Write write) {
    std::string text = "[";
    bool first = true;
    for (const auto& item : range) {
        if (!first) text += ", ";
        first = false;
        text += write(item);
    }
    return text + "]";
}

}  // namespace marlo
