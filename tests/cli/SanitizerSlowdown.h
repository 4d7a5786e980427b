#pragma once

namespace marlo {

// AddressSanitizer reserves terabytes of address space and slows a debug build tenfold: there the
// memory cap cannot be set and the time bounds stretch. The bounds hold for the built program.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
constexpr double kSlowdown = 10.0;
#else
constexpr bool kAddressSanitizer = false;
constexpr double kSlowdown = 1.0;
#endif

}  // namespace marlo
