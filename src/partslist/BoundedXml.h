#pragma once

#include <cstddef>
#include <pugixml.hpp>
#include <string>

#include "partslist/SheetTable.h"

namespace marlo {

// What all XML documents of the parts lists may take together in memory. pugixml holds a node
// per element and per text, dozens of bytes each, so a part of a few MiB packed with tiny
// elements could otherwise take gigabytes; a real sheet of a hundred thousand parts takes some
// hundred MiB.
inline constexpr std::size_t kMaxXmlMemoryBytes = 384 * 1024 * 1024;

// One XML part of a workbook, parsed with pugixml in place.
// pugixml reads no document type definition and replaces only the five predefined entities
// and character references: an entity declared in a DTD ("billion laughs") stays the literal
// text "&name;" and is never expanded, and no external entity or file is ever fetched.
class BoundedXml {
  public:
    // Damaged when the text is no well-formed XML, TooLarge when parsing it would take more
    // memory than kMaxXmlMemoryBytes leaves.
    explicit BoundedXml(std::string text);
    BoundedXml(const BoundedXml&) = delete;
    BoundedXml& operator=(const BoundedXml&) = delete;

    SheetFault fault() const { return fault_; }
    const pugi::xml_document& document() const { return document_; }

  private:
    // Declared first, so that pugixml counts its memory before the document takes any.
    [[maybe_unused]] bool bounded_;
    std::string text_;
    pugi::xml_document document_;
    SheetFault fault_ = SheetFault::None;
};

// The element's name without its namespace prefix ("table:table-row" gives "table-row"); the
// workbooks' prefixes are conventions, not fixed names.
std::string_view localName(const pugi::xml_node& node);
// The attribute of that local name, whatever its prefix; an empty attribute when there is none.
pugi::xml_attribute attributeNamed(const pugi::xml_node& node, std::string_view name);
// The first child element of that local name.
pugi::xml_node childNamed(const pugi::xml_node& node, std::string_view name);

}  // namespace marlo
