#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// What a numeric entry box takes: a number not below 0 whose rounded value fits 16 bits.
bool isAcceptedEntry(std::string_view text);

// The text that the Up (+1) or Down (-1) arrow key makes of an entry. Down never steps below 1;
// a text that is not a number is not stepped.
std::optional<std::string> steppedEntry(std::string_view text, int step);

}  // namespace marlo
