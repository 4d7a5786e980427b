#pragma once

#include "diagram/DiagramLayout.h"
#include "diagram/DiagramSource.h"
#include "i18n/StringCatalogue.h"

namespace marlo {

// Composes the cutting diagram of a result on A4 portrait pages: the header and the legend on
// the first page, then one bar per pattern, as many bars to a page as fit; a page ends only
// between two blocks (the header, a row of the legend, a bar). Every further page starts with
// a running head; every page ends with its number.
DiagramLayout composeDiagram(const DiagramSource& source, const StringCatalogue& catalogue);

}  // namespace marlo
