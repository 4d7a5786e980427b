#pragma once

#include <array>
#include <string>

namespace marlo {

inline constexpr int kCatalogueOffsetCount = 98;

// The texts of one offset, in the order of the language bases: Slovak, German, English, Czech,
// Dutch.
using CatalogueRow = std::array<std::string, 5>;

// Row i holds the texts of offset i + 1.
const std::array<CatalogueRow, kCatalogueOffsetCount>& catalogueRows();

}  // namespace marlo
