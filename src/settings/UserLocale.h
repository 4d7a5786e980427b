#pragma once

namespace marlo {

// The decimal separator of the user's locale (Qt's default locale), as the text outputs of both
// programs write it; '.' where the locale's separator is not a single ASCII character.
char localeDecimalSeparator();

}  // namespace marlo
