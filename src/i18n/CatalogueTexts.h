#pragma once

#include <array>
#include <string>
#include <vector>

namespace marlo {

// The original catalogue: offsets 1..98.
inline constexpr int kCatalogueOffsetCount = 98;
// Each language's block of ids is 200 wide: offsets 99..199 hold the texts of the features added
// after the original catalogue, one block of offsets per feature, each block in a file of its own
// under texts/.
inline constexpr int kLastCatalogueOffset = 199;

// The texts of one offset, in the order of the language bases: Slovak, German, English, Czech,
// Dutch.
using CatalogueRow = std::array<std::string, 5>;

// Row i holds the texts of offset i + 1.
const std::array<CatalogueRow, kCatalogueOffsetCount>& catalogueRows();

// A block of added texts: row i holds the texts of offset firstOffset + i.
struct CatalogueBlock {
    int firstOffset;
    const std::vector<CatalogueRow>& rows;
};

// Offsets 99..114: PDF export, the command line's outputs, file safety, opening failures.
inline constexpr int kOutputTextsFirst = 99;
const std::vector<CatalogueRow>& outputTexts();
// Offsets 115..134: the fewest-rods method and its lower bound.
inline constexpr int kFewestRodsTextsFirst = 115;
const std::vector<CatalogueRow>& fewestRodsTexts();
// Offsets 135..154: the cutting diagram.
inline constexpr int kDiagramTextsFirst = 135;
const std::vector<CatalogueRow>& diagramTexts();
// Offsets 155..179: desktop integration (paste, CSV import and export, recent jobs).
inline constexpr int kDesktopTextsFirst = 155;
const std::vector<CatalogueRow>& desktopTexts();

// Texts of the workshop features take offsets 1000..1999 of each language. They are fetched by
// offset only: the ids of the original scheme (base + offset) end at offset 199.
inline constexpr int kFirstWorkshopOffset = 1000;
inline constexpr int kLastWorkshopOffset = 1999;
// Offsets 1000..1019: safe outputs and input checks of both programs (pipes, file names, list
// import).
inline constexpr int kCommandLineSafetyTextsFirst = 1000;
const std::vector<CatalogueRow>& commandLineSafetyTexts();
// Offsets 1020..1059: the main window's run, method groups, undo and keys.
inline constexpr int kRunControlTextsFirst = 1020;
const std::vector<CatalogueRow>& runControlTexts();
// Offsets 1060..1079: printing, spreadsheets, the manual and file dialogs of the windows.
inline constexpr int kWindowOutputTextsFirst = 1060;
const std::vector<CatalogueRow>& windowOutputTexts();
// Offsets 1080..1099: notices about the windows' outputs (the manual at the first start).
inline constexpr int kWindowNoticeTextsFirst = 1080;
const std::vector<CatalogueRow>& windowNoticeTexts();
// Offsets 1100..1199: stock lists of several lengths, offcuts, prices and trim.
inline constexpr int kStockListTextsFirst = 1100;
const std::vector<CatalogueRow>& stockListTexts();
// Offsets 1200..1299: the stock store, materials and booking.
inline constexpr int kStockStoreTextsFirst = 1200;
const std::vector<CatalogueRow>& stockStoreTexts();
// Offsets 1300..1399: piece labels, offcut labels and the saw list.
inline constexpr int kSawOutputTextsFirst = 1300;
const std::vector<CatalogueRow>& sawOutputTexts();
// Offsets 1400..1449: reading parts lists (rows refused, files that cannot be read, columns).
inline constexpr int kPartsListTextsFirst = 1400;
const std::vector<CatalogueRow>& partsListTexts();
// Offsets 1450..1499: production jobs (*.mvjob): the columns of their parts, their file's faults.
inline constexpr int kProductionJobTextsFirst = 1450;
const std::vector<CatalogueRow>& productionJobTexts();
// Offsets 1500..1549: planning a production job material by material, and its outputs.
inline constexpr int kProductionPlanTextsFirst = 1500;
const std::vector<CatalogueRow>& productionPlanTexts();
// Offsets 1510..1549 of that block: a production job's outputs for the saw and the office.
inline constexpr int kProductionOutputTextsFirst = 1510;
const std::vector<CatalogueRow>& productionOutputTexts();
// Offsets 1550..1599: production jobs in the main window: the parts grid, materials and summary.
inline constexpr int kWindowProductionTextsFirst = 1550;
const std::vector<CatalogueRow>& windowProductionTexts();
// Offsets 1600..1629: parts lists imported in the main window: the sheet, the columns and the
// rows that could not be read.
inline constexpr int kWindowImportTextsFirst = 1600;
const std::vector<CatalogueRow>& windowImportTexts();
// Offsets 1630..1649: editing a production job's parts in the main window's grid.
inline constexpr int kPartsGridTextsFirst = 1630;
const std::vector<CatalogueRow>& partsGridTexts();
// Offsets 1650..1699: a production job's materials in the main window: their progress, the store's
// material of a name the store does not know, the export of the parts list.
inline constexpr int kProductionMaterialTextsFirst = 1650;
const std::vector<CatalogueRow>& productionMaterialTexts();
// Offsets 1700..1749: pieces with angled ends: what their planning needs, how the saw cuts them.
inline constexpr int kMitreTextsFirst = 1700;
const std::vector<CatalogueRow>& mitreTexts();
// Offsets 1760..1769: the cutting diagram's pieces with angled ends.
inline constexpr int kMitreDiagramTextsFirst = 1760;
const std::vector<CatalogueRow>& mitreDiagramTexts();
// Offsets 1770..1789: the profile height and turning of a production job's materials in the main
// window.
inline constexpr int kMitreWindowTextsFirst = 1770;
const std::vector<CatalogueRow>& mitreWindowTexts();

}  // namespace marlo
