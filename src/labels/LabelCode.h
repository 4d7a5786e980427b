#pragma once

#include <string>
#include <string_view>

namespace marlo {

// The text a piece label's barcode carries, short and plain ASCII so that any scanner reads it:
//   REFERENCE/ROW/PATTERN/ROD/PIECE       e.g. "WORKSHOP/3/2/4/1"
// REFERENCE names the job: the job file's name without folder and extension, or the customer
// when the job has no file, reduced to its ASCII letters and digits (accented letters lose their
// accents) and cut to 8 characters. A file name with nothing left gives the customer's letters
// and six hex digits of the file name's fingerprint, so that such jobs do not share references;
// "JOB" when a job without a file has nothing left. ROW is the piece's cutting-list
// row, PATTERN the pattern's number in the plan, ROD the rod of that pattern (from 1), PIECE the
// piece on that rod (from 1).
std::string labelReference(std::string_view jobFileName, std::string_view customer);
std::string pieceLabelCode(const std::string& reference, int row, int pattern, int rod, int piece);

}  // namespace marlo
