#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace marlo {

// The columns a parts list may have, each at most once.
enum class PartColumn { Mark, Material, Length, Pieces, Order, Note, StartAngle, EndAngle };
inline constexpr std::size_t kPartColumnCount = 8;

// The keys of the columns in a column mapping ("length=D"), in the order of PartColumn.
inline constexpr std::array<std::string_view, kPartColumnCount> kPartColumnKeys = {
    "mark", "material", "length", "pieces", "order", "note", "angle1", "angle2"};

// The column a header cell names, in any of the five languages, whatever its letter case,
// accents, blanks, dots and a unit in brackets ("Länge (mm)", "Pos.", "Uhol 1", "STK").
std::optional<PartColumn> columnOfHeader(std::string_view header);

}  // namespace marlo
