#pragma once

#include <filesystem>
#include <span>

#include "i18n/StringCatalogue.h"
#include "reports/TextReport.h"

namespace marlo {

// Writes the printed report of the result, one copy, as a PDF file with the layout and page
// rules of the printout. The file is replaced only once it is complete; false when the report
// cannot be drawn or the file cannot be written. Needs a running QGuiApplication for its fonts.
bool writeReportPdf(const std::filesystem::path& path, const ReportData& data,
                    const StringCatalogue& catalogue, char decimalSeparator = '.');

// The reports of several sections in one PDF file: the materials of a production job.
bool writeReportPdf(const std::filesystem::path& path, std::span<const ReportData> sections,
                    const StringCatalogue& catalogue, char decimalSeparator = '.');

}  // namespace marlo
