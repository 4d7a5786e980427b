#include "partslist/XmlPart.h"

#include <utility>

namespace marlo {

XmlPart readXmlPart(const ZipArchive& archive, std::string_view name) {
    ZipEntry entry = archive.read(name);
    if (entry.missing || entry.fault != SheetFault::None) return {entry.fault, entry.missing, {}};
    auto xml = std::make_unique<BoundedXml>(std::move(entry.bytes));
    if (xml->fault() != SheetFault::None) return {xml->fault(), false, {}};
    return {SheetFault::None, false, std::move(xml)};
}

}  // namespace marlo
