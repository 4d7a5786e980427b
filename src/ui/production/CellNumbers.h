#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace marlo {

// The numbers typed or pasted into the cells of a production job's grids.

// A number cell: a decimal comma reads as a point; "1,250" is refused as the readers of parts
// lists refuse it.
std::optional<double> numberOfCell(const QString& text);

// A whole number from `least` to `most`, or nothing. A fraction is refused rather than rounded:
// the office's lengths are whole millimetres.
std::optional<int32_t> wholeNumberOfCell(const QString& text, int32_t least, int32_t most);

}  // namespace marlo
