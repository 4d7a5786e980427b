#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// The text that the Up (+1) or Down (-1) arrow key makes of an entry. Down never steps below 1;
// a text that is not a number is not stepped.
std::optional<std::string> steppedEntry(std::string_view text, int step);

}  // namespace marlo
