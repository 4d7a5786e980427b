#pragma once

#include <string>
#include <string_view>

namespace marlo {

// Text measured for the diagram's sans-serif font (the metrics of Liberation Sans), in
// millimetres. Painters shrink a text that their real font draws wider than its box, so an
// estimate that errs on the wide side keeps texts apart on every device.

inline constexpr double kMmPerPoint = 25.4 / 72.0;

double textWidthMm(std::string_view text, double sizePt, bool bold);
// The height of the box of one line of text.
double lineHeightMm(double sizePt);
// The text, shortened with an ellipsis where needed to fit the width; empty when not even the
// ellipsis fits.
std::string elideText(std::string_view text, double sizePt, bool bold, double widthMm);

}  // namespace marlo
