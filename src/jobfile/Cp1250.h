#pragma once

#include <string>
#include <string_view>

namespace marlo {

// Windows-1250 is the code page of job files and text reports: it holds the Slovak, Czech, German
// and Dutch letters, and plain ASCII stays byte for byte the same.

// Every byte has a meaning, so any byte sequence converts: the five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become the C1 control characters of the same value,
// and utf8ToCp1250 turns those back into the original bytes.
std::string cp1250ToUtf8(std::string_view bytes);

// A character the code page cannot hold, and every byte of malformed UTF-8, becomes '?'.
std::string utf8ToCp1250(std::string_view utf8);

// True when utf8ToCp1250 keeps every character of the text.
bool fitsCp1250(std::string_view utf8);

}  // namespace marlo
