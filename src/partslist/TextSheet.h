#pragma once

#include <cstddef>
#include <string_view>

#include "partslist/SheetTable.h"

namespace marlo {

// A parts list kept as text (CSV, TSV, a spreadsheet's "Unicode text") is at most this large;
// some hundred thousand parts with notes fit.
inline constexpr std::size_t kMaxTextSheetBytes = 32 * 1024 * 1024;

// The sheet of a text file's bytes, read as the cutting-list files are: UTF-16 or UTF-8 with a
// byte-order mark, UTF-8, otherwise Windows-1250; separator tab, semicolon or comma; cells quoted
// and guarded as CSV writes them. Row numbers are the lines of the text. Decimal commas stay as
// they are written: the parts' numbers read them.
SheetRead textSheet(std::string_view bytes);

}  // namespace marlo
