#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::parts_text {

// Catalogue offsets of reading parts lists: the messages of refused rows and warnings, why a
// file cannot be read, and the names of the columns.
inline constexpr int kRow = kPartsListTextsFirst;                // "Row " before the number
inline constexpr int kSkipped = kPartsListTextsFirst + 1;        // " skipped: " after it
inline constexpr int kLengthMissing = kPartsListTextsFirst + 2;  // reasons of refused rows
inline constexpr int kLengthNotANumber = kPartsListTextsFirst + 3;
inline constexpr int kLengthOutOfRange = kPartsListTextsFirst + 4;
inline constexpr int kPiecesMissing = kPartsListTextsFirst + 5;
inline constexpr int kPiecesNotANumber = kPartsListTextsFirst + 6;
inline constexpr int kPiecesOutOfRange = kPartsListTextsFirst + 7;
inline constexpr int kAmbiguousNumber = kPartsListTextsFirst + 8;
inline constexpr int kAngleNotANumber = kPartsListTextsFirst + 9;
inline constexpr int kAngleOutOfRange = kPartsListTextsFirst + 10;
inline constexpr int kMaterialMissing = kPartsListTextsFirst + 11;
inline constexpr int kLengthRounded = kPartsListTextsFirst + 12;  // a warning
// Why a file cannot be read; each is followed by the file, the sheet or the mapping's entry.
inline constexpr int kUnknownType = kPartsListTextsFirst + 13;
inline constexpr int kDamaged = kPartsListTextsFirst + 14;
inline constexpr int kEncrypted = kPartsListTextsFirst + 15;
inline constexpr int kTooLarge = kPartsListTextsFirst + 16;
inline constexpr int kSheetNotFound = kPartsListTextsFirst + 17;
inline constexpr int kEmptySheet = kPartsListTextsFirst + 18;
inline constexpr int kNoLengthColumn = kPartsListTextsFirst + 19;
inline constexpr int kNoPiecesColumn = kPartsListTextsFirst + 20;
inline constexpr int kNoMaterialColumn = kPartsListTextsFirst + 21;
inline constexpr int kBadMapping = kPartsListTextsFirst + 22;
inline constexpr int kUnknownMappingColumn = kPartsListTextsFirst + 23;
// The columns' names, as a parts list's header writes them, in the order of PartColumn
// (mark, material, length, pieces, order, note, angle 1, angle 2).
inline constexpr int kFirstColumnName = kPartsListTextsFirst + 24;  // 24..31

}  // namespace marlo::parts_text
