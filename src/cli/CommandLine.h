#pragma once

#include <optional>
#include <string>
#include <vector>

#include "i18n/Language.h"
#include "model/JobParameters.h"
#include "model/MethodChoice.h"

namespace marlo {

// What `marlo-veen-cli optimise` was asked to do. Each parameter flag overrides one value.
struct CliOptions {
    std::string jobPath;
    std::optional<int16_t> rodLength, cutThickness, minWaste, maxWaste;
    std::optional<int16_t> wasteBorders, startMethod, sort, trim;
    // For the angled cuts of a production job's materials that do not set them.
    std::optional<int16_t> profileHeight, turn;
    std::optional<OptimisationMethod> method;
    std::optional<int16_t> timeLimitSeconds, threads;
    std::optional<Language> language;
    std::optional<std::string> reportPath;
    std::optional<std::string> pdfPath;
    std::optional<std::string> xlsxPath;
    std::optional<std::string> diagramPath;    // a .pdf or .svg file
    std::optional<std::string> labelsPath;     // piece labels, PDF
    std::optional<std::string> labelLayout;    // a layout's name, or "help" for the list of names
    std::optional<int16_t> labelStart;         // the first sticker of a partly used sheet
    std::optional<std::string> sawListPath;    // the saw list as CSV
    std::optional<std::string> sawSheetPath;   // the saw list as PDF
    std::optional<std::string> partsListPath;  // a production job's parts check list, CSV or PDF
    std::optional<std::string> stockPath;      // a stock list (CSV) to plan from
    std::optional<std::string> material;       // a material of the stock store to plan from
    std::optional<std::string> store;          // the stock store's URL
    bool book = false;                         // book the finished plan in the store
    bool json = false;
    bool progress = false;

    JobParameters appliedTo(JobParameters stored) const;
    MethodChoice appliedTo(MethodChoice stored) const;
};

struct ParsedCommandLine {
    std::optional<CliOptions> options;
    std::string error;  // why the command line was refused
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

// Why a --material value names no material (see isOneLineName).
extern const char* const kBadMaterialName;

}  // namespace marlo
