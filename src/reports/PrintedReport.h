#pragma once

#include <span>

#include "i18n/StringCatalogue.h"
#include "reports/PrinterOperations.h"
#include "reports/TextReport.h"

namespace marlo {

// Lays out the printed report of a result on the printer: the lines of the text report in a
// fixed-pitch font, landscape when the table has more than ten dimension columns, each copy
// ending with its own page end, the whole job with the end of the document. Fewer than one
// copy prints one.
void printReport(PrinterOperations& printer, const ReportData& data,
                 const StringCatalogue& catalogue, int copies, char decimalSeparator = '.');

// Several reports in one document, each as a copy of its own (its pages numbered from 1): the
// sections of a production job, a material each. Landscape when any section needs it.
void printReports(PrinterOperations& printer, std::span<const ReportData> sections,
                  const StringCatalogue& catalogue, char decimalSeparator = '.');

}  // namespace marlo
