#pragma once

namespace marlo {

// The decimal separator of the user's regional settings, for the efficiency in reports and the
// diagram; a point where the locale's separator is not a single ASCII character.
char localeDecimalSeparator();

}  // namespace marlo
