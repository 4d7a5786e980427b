#include "partslist/SheetFile.h"

#include <optional>
#include <utility>

#include "jobfile/RegularFile.h"
#include "partslist/OdsSheet.h"
#include "partslist/SheetChoice.h"
#include "partslist/SheetFormat.h"
#include "partslist/TextSheet.h"
#include "partslist/XlsSheet.h"
#include "partslist/XlsxSheet.h"
#include "partslist/ZipArchive.h"

namespace marlo {

namespace {

SheetFault faultOf(FileReadStatus status) {
    switch (status) {
        case FileReadStatus::Read:
            return SheetFault::None;
        case FileReadStatus::TooLarge:
            return SheetFault::TooLarge;
        case FileReadStatus::NotRegular:
            return SheetFault::Damaged;
        case FileReadStatus::CannotRead:
            break;
    }
    return SheetFault::CannotRead;
}

}  // namespace

SheetRead readSheetFile(const std::filesystem::path& path, std::string_view sheetChoice) {
    const std::optional<SheetFormat> format = sheetFormatOf(path);
    if (!format) return {SheetFault::UnknownType, {}};
    if (*format == SheetFormat::Xls) {
        const FileReadStatus status = checkRegularFile(path, kMaxXlsFileBytes);
        if (status != FileReadStatus::Read) return {faultOf(status), {}};
        return xlsSheet(path, sheetChoice);
    }
    const bool text = *format == SheetFormat::Text;
    FileBytes file = readRegularFile(path, text ? kMaxTextSheetBytes : kMaxContainerBytes);
    if (file.status != FileReadStatus::Read) return {faultOf(file.status), {}};
    if (!text)
        return *format == SheetFormat::Xlsx ? xlsxSheet(std::move(file.bytes), sheetChoice)
                                            : odsSheet(std::move(file.bytes), sheetChoice);
    std::vector<std::string> names{path.stem().string()};
    if (!chosenSheet(names, sheetChoice)) return {SheetFault::SheetNotFound, {}};
    SheetRead read = textSheet(file.bytes);
    read.sheetNames = std::move(names);
    return read;
}

}  // namespace marlo
