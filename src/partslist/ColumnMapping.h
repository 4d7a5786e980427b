#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "partslist/PartColumns.h"

namespace marlo {

// Where each column of the parts is: the 0-based index of its cell in a row, if the list has it.
using ColumnPlaces = std::array<std::optional<std::size_t>, kPartColumnCount>;

struct ColumnsFound {
    ColumnPlaces places;
    // The first row names a column, by a header the list recognises or one the mapping names:
    // it is a header. Otherwise, with the columns given by letters, it may be the first part.
    bool namedByHeader = false;
    // 0, or the catalogue offset of a mapping that cannot be used, with its entry.
    int failure = 0;
    std::string failureEntry;
};

// The columns of a parts list from its header cells and a column mapping
// ("mark=A,length=Länge"): each entry's key (see kPartColumnKeys) takes the column whose header
// cell says the entry's text (compared as header names are), else the column of those letters.
// Entries override the header; without an entry, the first header cell that names a column
// takes it.
ColumnsFound findColumns(const std::vector<std::string>& header, std::string_view mapping);

// The column mapping of these places, each column given by its letters ("mark=A,length=D"), in
// the order of PartColumn; columns without a place are left out.
std::string mappingOfPlaces(const ColumnPlaces& places);

}  // namespace marlo
