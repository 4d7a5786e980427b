#pragma once

#include <string>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "partslist/PartsImport.h"

namespace marlo {

// The messages of an import in the catalogue's language, a line each: why the file cannot be
// read (with the file, sheet or mapping entry it names); else each refused row ("Row 12 skipped:
// the length is not a number: 12a"), then each warning ("Row 14: length rounded to whole
// millimetres: 1234.6"). Empty when every row gave its part as written.
std::vector<std::string> partsImportMessages(const PartsImport& import,
                                             const StringCatalogue& catalogue);

}  // namespace marlo
