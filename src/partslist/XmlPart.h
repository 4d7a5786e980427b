#pragma once

#include <memory>
#include <string_view>

#include "partslist/BoundedXml.h"
#include "partslist/ZipArchive.h"

namespace marlo {

// An XML part of a workbook's container, unpacked and parsed within their bounds.
struct XmlPart {
    SheetFault fault = SheetFault::None;  // of the entry or of its XML
    bool missing = false;                 // no such entry
    std::unique_ptr<BoundedXml> xml;      // set when the part was read

    // The fault of a part that the workbook cannot do without: a missing one makes it damaged.
    SheetFault requiredFault() const { return missing ? SheetFault::Damaged : fault; }
    pugi::xml_node root() const {
        return xml ? xml->document().document_element() : pugi::xml_node();
    }
};

XmlPart readXmlPart(const ZipArchive& archive, std::string_view name);

}  // namespace marlo
