#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace marlo {

// The kinds of files parts lists are read from.
enum class SheetFormat { Text, Xlsx, Ods, Xls };

// The format by the file name's extension (letter case ignored): .csv, .tsv and .txt are text,
// .xlsx and .xlsm Office Open XML, .ods OpenDocument, .xls the older binary workbook. Nothing
// for any other name.
std::optional<SheetFormat> sheetFormatOf(const std::filesystem::path& path);

// Bytes that start as a compound file does: an XLS workbook, or an XLSX or ODS protected by a
// password, which office programs keep encrypted in one.
bool isCompoundFile(std::string_view bytes);

}  // namespace marlo
