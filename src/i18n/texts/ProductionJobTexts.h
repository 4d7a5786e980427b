#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::job_text {

// Catalogue offsets of the production job: the columns of its parts, the faults of its file and
// the rows of a *.opt job that become no part.
inline constexpr int kMark = kProductionJobTextsFirst;               // "Mark"
inline constexpr int kMaterial = kProductionJobTextsFirst + 1;       // "Material"
inline constexpr int kLength = kProductionJobTextsFirst + 2;         // "Length"
inline constexpr int kPieces = kProductionJobTextsFirst + 3;         // "Pieces"
inline constexpr int kOrder = kProductionJobTextsFirst + 4;          // "Order"
inline constexpr int kNote = kProductionJobTextsFirst + 5;           // "Note"
inline constexpr int kStartAngle = kProductionJobTextsFirst + 6;     // "Angle 1"
inline constexpr int kEndAngle = kProductionJobTextsFirst + 7;       // "Angle 2"
inline constexpr int kNotJson = kProductionJobTextsFirst + 8;        // followed by the file's path
inline constexpr int kNotAJob = kProductionJobTextsFirst + 9;        // followed by the file's path
inline constexpr int kNewerVersion = kProductionJobTextsFirst + 10;  // followed by the version
inline constexpr int kTooLarge = kProductionJobTextsFirst + 11;      // followed by the file's path
inline constexpr int kTooComplex = kProductionJobTextsFirst + 12;    // followed by the file's path
// Followed by where the value is in the file (a JSON pointer such as /parts/2/length).
inline constexpr int kWrongType = kProductionJobTextsFirst + 13;
inline constexpr int kMissingValue = kProductionJobTextsFirst + 14;
inline constexpr int kOutOfRange = kProductionJobTextsFirst + 15;        // and the range allowed
inline constexpr int kMaterialTwice = kProductionJobTextsFirst + 16;     // followed by the name
inline constexpr int kDimensionLeftOut = kProductionJobTextsFirst + 17;  // a *.opt row
inline constexpr int kPiecesLeftOut = kProductionJobTextsFirst + 18;     // a *.opt row

}  // namespace marlo::job_text
