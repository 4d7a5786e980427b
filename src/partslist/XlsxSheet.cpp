#include "partslist/XlsxSheet.h"

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

constexpr std::string_view kDefaultWorkbook = "xl/workbook.xml";

struct Relationship {
    std::string type;
    std::string target;  // resolved against the folder of the part that refers to it
};

// The folder of a part's name, with its slash ("xl/" of "xl/workbook.xml").
std::string folderOf(std::string_view part) {
    const std::size_t slash = part.rfind('/');
    return std::string(slash == std::string_view::npos ? "" : part.substr(0, slash + 1));
}

std::string resolved(std::string_view folder, std::string_view target) {
    if (!target.empty() && target.front() == '/') return std::string(target.substr(1));
    return std::string(folder) + std::string(target);
}

// The relationships of a part by their ids, from the part's .rels file next to it; none when
// the file is missing.
struct Relationships {
    SheetFault fault = SheetFault::None;
    std::vector<std::pair<std::string, Relationship>> byId;

    const Relationship* find(std::string_view id) const {
        for (const auto& [key, relationship] : byId)
            if (key == id) return &relationship;
        return nullptr;
    }
    const Relationship* ofType(std::string_view typeEnd) const {
        for (const auto& [key, relationship] : byId)
            if (std::string_view(relationship.type).ends_with(typeEnd)) return &relationship;
        return nullptr;
    }
};

Relationships relationshipsOf(const ZipArchive& archive, std::string_view part) {
    const std::string folder = folderOf(part);
    const XmlPart rels =
        readXmlPart(archive, folder + "_rels/" + std::string(part.substr(folder.size())) + ".rels");
    if (!rels.xml) return {rels.fault, {}};
    Relationships relationships;
    for (const pugi::xml_node& node : rels.root().children()) {
        if (localName(node) != "Relationship") continue;
        relationships.byId.push_back({attributeNamed(node, "Id").value(),
                                      {attributeNamed(node, "Type").value(),
                                       resolved(folder, attributeNamed(node, "Target").value())}});
    }
    return relationships;
}

// The text of a shared or inline string: its runs joined, without the phonetic guides.
std::string stringItemText(const pugi::xml_node& item) {
    std::string text;
    for (const pugi::xml_node& child : item.children()) {
        if (localName(child) == "t") text += child.text().get();
        if (localName(child) == "r") text += childNamed(child, "t").text().get();
    }
    return text;
}

struct SharedStrings {
    SheetFault fault = SheetFault::None;
    std::vector<std::string> texts;
};

SharedStrings sharedStringsOf(const ZipArchive& archive, const Relationships& relationships) {
    const Relationship* part = relationships.ofType("/sharedStrings");
    if (!part) return {};
    const XmlPart xml = readXmlPart(archive, part->target);
    if (!xml.xml) return {xml.fault, {}};
    SharedStrings strings;
    for (const pugi::xml_node& item : xml.root().children())
        if (localName(item) == "si") strings.texts.push_back(stringItemText(item));
    return strings;
}

// The 1-based column of a cell reference such as "AB12"; nothing for a reference without
// letters. Letters beyond any column the table holds give a column it refuses.
std::optional<int64_t> columnOfReference(std::string_view reference) {
    const std::size_t digits =
        reference.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const std::string_view letters = reference.substr(0, digits);
    if (letters.empty()) return std::nullopt;
    return columnOfLetters(letters).value_or(kMaxSheetColumns + 1);
}

std::optional<int64_t> wholeNumber(std::string_view text) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The text of one cell, or nothing when it names a shared string that the workbook lacks.
std::optional<std::string> cellText(const pugi::xml_node& cell, const SharedStrings& strings) {
    const std::string_view type = attributeNamed(cell, "t").value();
    const std::string_view value = childNamed(cell, "v").text().get();
    if (type == "s") {
        const std::optional<int64_t> index = wholeNumber(value);
        if (!index || *index < 0 || *index >= static_cast<int64_t>(strings.texts.size()))
            return std::nullopt;
        return strings.texts[static_cast<std::size_t>(*index)];
    }
    if (type == "inlineStr") return stringItemText(childNamed(cell, "is"));
    if (type == "b") return std::string(value == "1" ? "TRUE" : value.empty() ? "" : "FALSE");
    if (type == "str" || type == "e" || type == "d") return std::string(value);
    return cellNumberText(value);
}

SheetRead worksheetCells(const pugi::xml_node& worksheet, const SharedStrings& strings) {
    SheetTableBuilder builder;
    int64_t row = 0;
    for (const pugi::xml_node& rowNode : childNamed(worksheet, "sheetData").children()) {
        if (localName(rowNode) != "row") continue;
        row = wholeNumber(attributeNamed(rowNode, "r").value()).value_or(row + 1);
        int64_t column = 0;
        for (const pugi::xml_node& cell : rowNode.children()) {
            if (localName(cell) != "c") continue;
            column = columnOfReference(attributeNamed(cell, "r").value()).value_or(column + 1);
            std::optional<std::string> text = cellText(cell, strings);
            if (!text) return {SheetFault::Damaged, {}};
            if (!builder.put(row, column, std::move(*text))) return builder.finish();
        }
    }
    return builder.finish();
}

}  // namespace

SheetRead xlsxSheet(std::string bytes, std::string_view sheetChoice) {
    if (isCompoundFile(bytes)) return {SheetFault::Encrypted, {}};
    const ZipArchive archive(std::move(bytes));
    if (archive.fault() != SheetFault::None) return {archive.fault(), {}};

    const Relationships package = relationshipsOf(archive, "");
    if (package.fault != SheetFault::None) return {package.fault, {}};
    const Relationship* office = package.ofType("/officeDocument");
    const std::string workbookPart = office ? office->target : std::string(kDefaultWorkbook);
    const XmlPart workbook = readXmlPart(archive, workbookPart);
    if (!workbook.xml) return {workbook.requiredFault(), {}};

    std::vector<std::string> names;
    std::vector<std::string> ids;
    for (const pugi::xml_node& sheet : childNamed(workbook.root(), "sheets").children()) {
        if (localName(sheet) != "sheet") continue;
        names.emplace_back(attributeNamed(sheet, "name").value());
        ids.emplace_back(attributeNamed(sheet, "id").value());
    }
    const std::optional<std::size_t> chosen = chosenSheet(names, sheetChoice);
    if (!chosen) return {SheetFault::SheetNotFound, {}};

    const Relationships relationships = relationshipsOf(archive, workbookPart);
    if (relationships.fault != SheetFault::None) return {relationships.fault, {}};
    const Relationship* sheetPart = relationships.find(ids[*chosen]);
    if (!sheetPart) return {SheetFault::Damaged, {}};
    const SharedStrings strings = sharedStringsOf(archive, relationships);
    if (strings.fault != SheetFault::None) return {strings.fault, {}};

    const XmlPart sheet = readXmlPart(archive, sheetPart->target);
    if (!sheet.xml) return {sheet.requiredFault(), {}};
    SheetRead read = worksheetCells(sheet.root(), strings);
    read.sheetNames = std::move(names);
    return read;
}

}  // namespace marlo
