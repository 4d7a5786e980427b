#pragma once

#include <filesystem>
#include <string_view>

#include "partslist/SheetTable.h"

namespace marlo {

// The chosen sheet of a parts list file, read by its extension (see sheetFormatOf): UnknownType
// for any other file, CannotRead when it is missing or unreadable, and Damaged for anything that
// is no regular file (a pipe or a device is refused at once, never waited for). A text file has
// one sheet, named as the file without its extension.
SheetRead readSheetFile(const std::filesystem::path& path, std::string_view sheetChoice);

}  // namespace marlo
