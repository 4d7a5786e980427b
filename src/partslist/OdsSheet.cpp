#include "partslist/OdsSheet.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "partslist/CellNumberText.h"
#include "partslist/SheetChoice.h"
#include "partslist/SheetFormat.h"
#include "partslist/XmlPart.h"
#include "partslist/ZipArchive.h"

namespace marlo {

namespace {

// Repeat counts beyond any sheet are cut here, so that row and column numbers never overflow.
constexpr int64_t kMostRepeats = int64_t{1} << 40;
// A run of blanks in a cell's text is written as one element with a count; longer runs than
// this are cut to it.
constexpr int64_t kMostBlanks = 1024;

int64_t countOf(const pugi::xml_node& node, std::string_view attribute, int64_t fallback) {
    const std::string_view text = attributeNamed(node, attribute).value();
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return kMostRepeats;
    if (error != std::errc() || end != text.data() + text.size() || value < 1) return fallback;
    return std::min(value, kMostRepeats);
}

// Collects a paragraph's text: its words, spans and links, blanks and tabs written as elements.
class ParagraphText : public pugi::xml_tree_walker {
  public:
    std::string text;

    bool for_each(pugi::xml_node& node) override {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
            text += node.value();
        } else if (node.type() == pugi::node_element) {
            const std::string_view name = localName(node);
            if (name == "s")
                text.append(static_cast<std::size_t>(std::min(countOf(node, "c", 1), kMostBlanks)),
                            ' ');
            if (name == "tab") text += '\t';
            if (name == "line-break") text += '\n';
        }
        return text.size() <= kMaxSheetTextBytes;
    }
};

// The text of a cell's paragraphs, one line each; nothing when it is beyond the table's bounds.
std::optional<std::string> paragraphsOf(const pugi::xml_node& cell) {
    std::string text;
    bool first = true;
    for (pugi::xml_node paragraph : cell.children()) {
        const std::string_view name = localName(paragraph);
        if (name != "p" && name != "h") continue;
        ParagraphText walker;
        if (!paragraph.traverse(walker)) return std::nullopt;
        if (!std::exchange(first, false)) text += '\n';
        text += walker.text;
        if (text.size() > kMaxSheetTextBytes) return std::nullopt;
    }
    return text;
}

std::optional<std::string> cellText(const pugi::xml_node& cell) {
    const std::string_view type = attributeNamed(cell, "value-type").value();
    if (type == "float" || type == "percentage" || type == "currency")
        return cellNumberText(std::string_view(attributeNamed(cell, "value").value()));
    if (type == "date") return std::string(attributeNamed(cell, "date-value").value());
    if (type == "time") return std::string(attributeNamed(cell, "time-value").value());
    if (type == "boolean")
        return std::string(std::string_view(attributeNamed(cell, "boolean-value").value()) == "true"
                               ? "TRUE"
                               : "FALSE");
    if (type == "string" && attributeNamed(cell, "string-value"))
        return std::string(attributeNamed(cell, "string-value").value());
    return paragraphsOf(cell);
}

bool isRowGroup(std::string_view name) {
    return name == "table-header-rows" || name == "table-row-group" || name == "table-rows";
}

// Puts one row's cells; false once the table is too large.
bool putRow(SheetTableBuilder& builder, const pugi::xml_node& rowNode, int64_t row) {
    int64_t column = 1;
    for (const pugi::xml_node& cell : rowNode.children()) {
        const std::string_view name = localName(cell);
        if (name != "table-cell" && name != "covered-table-cell") continue;
        const int64_t repeat = countOf(cell, "number-columns-repeated", 1);
        std::optional<std::string> text = cellText(cell);
        if (!text) return builder.refuse();
        for (int64_t i = 0; !text->empty() && i < repeat; ++i)
            if (!builder.put(row, column + i, *text)) return false;
        column += repeat;
    }
    return true;
}

// The rows of a table in their order, also those within groups of rows (at any depth, walked
// without recursion).
SheetRead tableCells(const pugi::xml_node& table) {
    SheetTableBuilder builder;
    int64_t row = 1;
    pugi::xml_node node = table.first_child();
    while (node) {
        const std::string_view name = localName(node);
        if (isRowGroup(name) && node.first_child()) {
            node = node.first_child();
            continue;
        }
        if (name == "table-row") {
            const int64_t repeat = countOf(node, "number-rows-repeated", 1);
            const std::size_t rowsBefore = builder.rowCount();
            if (!putRow(builder, node, row)) return builder.finish();
            if (repeat > 1 && builder.rowCount() > rowsBefore &&
                !builder.repeatLastRow(row + repeat - 1))
                return builder.finish();
            row = std::min(row + repeat, kMostRepeats);
        }
        while (!node.next_sibling() && node.parent() != table) node = node.parent();
        node = node.next_sibling();
    }
    return builder.finish();
}

bool isEncrypted(const ZipArchive& archive) {
    const ZipEntry manifest = archive.read("META-INF/manifest.xml");
    return manifest.fault == SheetFault::None &&
           manifest.bytes.find("encryption-data") != std::string::npos;
}

}  // namespace

SheetRead odsSheet(std::string bytes, std::string_view sheetChoice) {
    if (isCompoundFile(bytes)) return {SheetFault::Encrypted, {}};
    const ZipArchive archive(std::move(bytes));
    if (archive.fault() != SheetFault::None) return {archive.fault(), {}};
    if (isEncrypted(archive)) return {SheetFault::Encrypted, {}};
    const XmlPart content = readXmlPart(archive, "content.xml");
    if (!content.xml) return {content.requiredFault(), {}};
    const pugi::xml_node spreadsheet =
        childNamed(childNamed(content.root(), "body"), "spreadsheet");
    if (!spreadsheet) return {SheetFault::Damaged, {}};

    std::vector<pugi::xml_node> tables;
    std::vector<std::string> names;
    for (const pugi::xml_node& table : spreadsheet.children()) {
        if (localName(table) != "table") continue;
        tables.push_back(table);
        names.emplace_back(attributeNamed(table, "name").value());
    }
    const std::optional<std::size_t> chosen = chosenSheet(names, sheetChoice);
    if (!chosen) return {SheetFault::SheetNotFound, {}};
    SheetRead read = tableCells(tables[*chosen]);
    read.sheetNames = std::move(names);
    return read;
}

}  // namespace marlo
