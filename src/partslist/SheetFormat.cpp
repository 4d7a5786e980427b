#include "partslist/SheetFormat.h"

#include <string>

#include "partslist/FoldedText.h"

namespace marlo {

std::optional<SheetFormat> sheetFormatOf(const std::filesystem::path& path) {
    const std::string extension = foldedText(path.extension().string());
    if (extension == ".csv" || extension == ".tsv" || extension == ".txt") return SheetFormat::Text;
    if (extension == ".xlsx" || extension == ".xlsm") return SheetFormat::Xlsx;
    if (extension == ".ods") return SheetFormat::Ods;
    if (extension == ".xls") return SheetFormat::Xls;
    return std::nullopt;
}

bool isCompoundFile(std::string_view bytes) {
    return bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

}  // namespace marlo
