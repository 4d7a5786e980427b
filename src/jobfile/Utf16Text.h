#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// Appends the UTF-8 bytes of one code point.
void appendUtf8(std::string& out, char32_t c);

// The text of bytes that start with a UTF-16 byte-order mark (little or big endian, as
// spreadsheets save "Unicode text"), as UTF-8 without the mark; none for bytes without one.
// A code unit that is no valid UTF-16 reads as U+FFFD; an odd last byte is dropped.
std::optional<std::string> utf8FromUtf16(std::string_view bytes);

}  // namespace marlo
