#pragma once

namespace marlo {

// The few texts that are the same in every language.
inline constexpr const char* kProductTitle = "marlo-veen";      // title of questions and notices
inline constexpr const char* kDimensionTooLongTitle = "chyba";  // title of message 64's box

}  // namespace marlo
