#include "partslist/PartsImport.h"

#include <utility>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/PartsListTexts.h"
#include "partslist/ColumnMapping.h"
#include "partslist/PartRow.h"
#include "partslist/SheetFile.h"

namespace marlo {

namespace {

int failureOf(SheetFault fault) {
    switch (fault) {
        case SheetFault::None:
            return 0;
        case SheetFault::CannotRead:
            return msg::kCannotReadFile;
        case SheetFault::UnknownType:
            return parts_text::kUnknownType;
        case SheetFault::Damaged:
            return parts_text::kDamaged;
        case SheetFault::Encrypted:
            return parts_text::kEncrypted;
        case SheetFault::TooLarge:
            return parts_text::kTooLarge;
        case SheetFault::SheetNotFound:
            return parts_text::kSheetNotFound;
    }
    return parts_text::kDamaged;
}

PartsImport failed(int failure, std::string detail = {}) {
    PartsImport import;
    import.failure = failure;
    import.failureDetail = std::move(detail);
    return import;
}

// The first row is no header when nothing in it names a column and it holds a number where
// the mapping's letters put the length.
bool isFirstPart(const SheetRow& first, const ColumnsFound& columns, bool typedNumbers) {
    if (columns.namedByHeader) return false;
    const PartRowRules rules{columns.places, "-", typedNumbers};
    const PartRowRead read = readPartRow(first, rules);
    return read.part || (read.refusal.reason != parts_text::kLengthMissing &&
                         read.refusal.reason != parts_text::kLengthNotANumber);
}

}  // namespace

PartsImport partsOfSheet(const SheetTable& table, const PartsImportOptions& options) {
    if (table.rows.empty()) return failed(parts_text::kEmptySheet);
    const SheetRow& first = table.rows.front();
    const ColumnsFound columns = findColumns(first.cells, options.columns);
    if (columns.failure) return failed(columns.failure, columns.failureEntry);
    const auto has = [&](PartColumn column) {
        return columns.places[static_cast<std::size_t>(column)].has_value();
    };
    if (!has(PartColumn::Length)) return failed(parts_text::kNoLengthColumn);
    if (!has(PartColumn::Pieces)) return failed(parts_text::kNoPiecesColumn);
    if (!has(PartColumn::Material) && options.defaultMaterial.empty())
        return failed(parts_text::kNoMaterialColumn);

    const PartRowRules rules{columns.places, options.defaultMaterial, table.typedNumbers};
    PartsImport import;
    const bool skipHeader = !isFirstPart(first, columns, table.typedNumbers);
    for (std::size_t i = skipHeader ? 1 : 0; i < table.rows.size(); ++i) {
        PartRowRead read = readPartRow(table.rows[i], rules);
        for (RowProblem& warning : read.warnings) import.warnings.push_back(std::move(warning));
        if (read.part) {
            import.parts.push_back(std::move(*read.part));
        } else {
            import.refused.push_back(std::move(read.refusal));
        }
    }
    return import;
}

PartsImport importParts(const std::filesystem::path& path, const PartsImportOptions& options) {
    return partsOfSheetRead(readSheetFile(path, options.sheet), path, options);
}

PartsImport partsOfSheetRead(const SheetRead& sheet, const std::filesystem::path& path,
                             const PartsImportOptions& options) {
    if (sheet.fault == SheetFault::SheetNotFound)
        return failed(failureOf(sheet.fault), options.sheet);
    if (sheet.fault != SheetFault::None) return failed(failureOf(sheet.fault), path.string());
    PartsImport import = partsOfSheet(sheet.table, options);
    if (import.failure && import.failureDetail.empty()) import.failureDetail = path.string();
    return import;
}

}  // namespace marlo
