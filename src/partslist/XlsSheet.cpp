#include "partslist/XlsSheet.h"

#include <freexl.h>

#include <optional>
#include <string>
#include <vector>

#include "jobfile/RegularFile.h"
#include "partslist/BiffFormulas.h"
#include "partslist/CellNumberText.h"
#include "partslist/SheetChoice.h"

namespace marlo {

namespace {

// Closes the workbook however the read ends; freexl wants that also after a failed open.
struct OpenWorkbook {
    const void* handle = nullptr;
    ~OpenWorkbook() { freexl_close(handle); }
};

std::string xlsCellText(const FreeXL_CellValue& cell) {
    switch (cell.type) {
        case FREEXL_CELL_INT:
            return std::to_string(cell.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return cellNumberText(cell.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            return cell.value.text_value ? std::string(cell.value.text_value) : std::string();
        default:
            return {};
    }
}

}  // namespace

SheetRead xlsSheet(const std::filesystem::path& path, std::string_view sheetChoice) {
    OpenWorkbook workbook;
    const int opened = freexl_open(path.c_str(), &workbook.handle);
    if (opened == FREEXL_FILE_NOT_FOUND) return {SheetFault::CannotRead, {}};
    if (opened == FREEXL_INSUFFICIENT_MEMORY) return {SheetFault::TooLarge, {}};
    if (opened != FREEXL_OK) return {SheetFault::Damaged, {}};
    unsigned int info = 0;
    if (freexl_get_info(workbook.handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
        info == FREEXL_BIFF_OBFUSCATED)
        return {SheetFault::Encrypted, {}};

    unsigned int sheetCount = 0;
    if (freexl_get_info(workbook.handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK)
        return {SheetFault::Damaged, {}};
    std::vector<std::string> names;
    for (unsigned int i = 0; i < sheetCount && i <= 0xFFFF; ++i) {
        const char* name = nullptr;
        freexl_get_worksheet_name(workbook.handle, static_cast<unsigned short>(i), &name);
        names.emplace_back(name ? name : "");
    }
    const std::optional<std::size_t> chosen = chosenSheet(names, sheetChoice);
    if (!chosen) return {SheetFault::SheetNotFound, {}};
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(workbook.handle, static_cast<unsigned short>(*chosen)) !=
            FREEXL_OK ||
        freexl_worksheet_dimensions(workbook.handle, &rows, &columns) != FREEXL_OK)
        return {SheetFault::Damaged, {}};

    const FormulaValues formulas =
        biffFormulaValues(readRegularFile(path, kMaxXlsFileBytes).bytes, names[*chosen], *chosen);
    SheetTableBuilder builder;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell;
            std::string text;
            if (freexl_get_cell_value(workbook.handle, row, column, &cell) == FREEXL_OK)
                text = xlsCellText(cell);
            if (text.empty()) {
                const auto formula = formulas.find({row, column});
                if (formula != formulas.end()) text = formula->second;
            }
            if (!builder.put(int64_t{row} + 1, int64_t{column} + 1, std::move(text)))
                return builder.finish();
        }
    }
    SheetRead read = builder.finish();
    read.sheetNames = std::move(names);
    return read;
}

}  // namespace marlo
