#pragma once

#include <string>
#include <string_view>

namespace marlo {

// The text of a number cell as the parts list reads it: the value rounded to 15 significant
// digits, as spreadsheets show it (so that a formula's 2099.9999999999995 reads as 2100), in
// plain decimal notation with a point and without trailing zeros: "1234", "1234.5", "-0.25".
// Not-a-number and infinities give an empty text.
std::string cellNumberText(double value);

// The same for a number kept as text in a workbook ("1234.5", "1.2345E3"); a text that is no
// number is kept as it is.
std::string cellNumberText(std::string_view storedNumber);

}  // namespace marlo
