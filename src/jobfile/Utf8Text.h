#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace marlo {

// Decodes one well-formed UTF-8 sequence at the start of `in` and returns its length, or 0 when
// the bytes there are malformed (stray continuation, truncation, overlong form, surrogate or a
// value beyond U+10FFFF).
std::size_t decodeUtf8(std::string_view in, char32_t& c);

bool isValidUtf8(std::string_view text);

// The text with every byte of malformed UTF-8 replaced by U+FFFD, as a database or Qt keeps it.
std::string withMalformedUtf8Replaced(std::string_view text);

// A name that is shown on one line and found again by what it says: valid UTF-8, not only
// blanks, without control characters or line breaks.
bool isOneLineName(std::string_view name);

}  // namespace marlo
