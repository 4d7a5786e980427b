#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// The plain decimal text of an entry's number ("  6.50" gives "6.5"); nothing for a text that is
// not a number.
std::optional<std::string> entryValueText(std::string_view text);

// The text that the Up (+1) or Down (-1) arrow key makes of an entry. Down never steps below 1;
// a text that is not a number is not stepped.
std::optional<std::string> steppedEntry(std::string_view text, int step);

}  // namespace marlo
