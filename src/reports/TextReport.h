#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/PlanSummary.h"
#include "model/RodPattern.h"
#include "model/StockList.h"
#include "reports/ReportSummary.h"

namespace marlo {

// Everything a report of a finished run shows.
struct ReportData {
    JobHeader header;
    const PatternTable* patterns = nullptr;  // the result in its final order
    PlanSummary totals;
    JobParameters parameters;
    ReportSummary summary;
    // Results of the fewest-rods method carry their lower bound (rods) and whether the plan is
    // proven optimal; the reports then show a line for it after the totals.
    std::optional<int> lowerBound = std::nullopt;
    bool optimal = false;
    // Results planned from a stock list carry the list (each pattern names its row) and the proven
    // lower bound of the price (`optimal`: the price is proven lowest); the reports then name the
    // stock of every pattern and show the price, material and leftovers after the totals.
    StockList stock = {};
    std::optional<double> priceLowerBound = std::nullopt;
    // A section of a production job's report: the material its plan is of, shown under the
    // header; empty for a *.opt job.
    std::string material = {};
};

// The fixed-column text report as UTF-8 text with CR LF line ends, captions in the
// catalogue's language.
std::string composeTextReport(const ReportData& data, const StringCatalogue& catalogue,
                              char decimalSeparator = '.');

// Writes the report in Windows-1250, replacing the file only once it is completely written.
// False when the file cannot be written.
bool saveTextReport(const std::filesystem::path& path, const ReportData& data,
                    const StringCatalogue& catalogue, char decimalSeparator = '.');

// Several reports in one file, one after the other: the sections of a production job.
bool saveTextReports(const std::filesystem::path& path, std::span<const ReportData> sections,
                     const StringCatalogue& catalogue, char decimalSeparator = '.');

// The name the save dialog proposes: the job's path without its ".mvjob" or else its last four
// characters (its ".opt"), or for a job without a file the localised word for "New".
std::string proposedReportFileName(const std::string& jobFileName,
                                   const StringCatalogue& catalogue);

}  // namespace marlo
