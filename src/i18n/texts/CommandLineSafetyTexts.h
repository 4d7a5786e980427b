#pragma once

namespace marlo::safety_text {

// Catalogue offsets of the texts of safe outputs and input checks.
inline constexpr int kOutOfMemory = 1000;        // a run that ran out of memory without a plan
inline constexpr int kCannotWriteOutput = 1001;  // the standard output could not be written
inline constexpr int kCutNotBelowRod = 1002;     // a cut thickness of at least the rod length

}  // namespace marlo::safety_text
