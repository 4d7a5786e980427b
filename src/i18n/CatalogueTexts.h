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

}  // namespace marlo
