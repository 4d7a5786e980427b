#pragma once

#include "i18n/texts/StockStoreTexts.h"

namespace marlo::stock_text {

// Catalogue offsets of the texts of planning from a stock list.
inline constexpr int kStockTooSmall = 1100;  // the stock does not hold the list; left uncut:
inline constexpr int kMissingLength = 1101;  // "Stock missing, at least (mm): "
inline constexpr int kStock = 1102;          // "Stock"
inline constexpr int kOffcut = 1103;         // "offcut"
inline constexpr int kPriceLine = 1104;      // report lines, up to their value
inline constexpr int kPriceBoundLine = 1105;
inline constexpr int kMaterialLine = 1106;
inline constexpr int kLeftoversLine = 1107;
inline constexpr int kTrimLine = 1108;
inline constexpr int kRodLength = 1109;   // "Rod length"
inline constexpr int kStockId = 1110;     // "Stock ID"
inline constexpr int kTotalPrice = 1111;  // captions
inline constexpr int kPriceLowerBound = 1112;
inline constexpr int kMaterialUsed = 1113;
inline constexpr int kLeftovers = 1114;
inline constexpr int kTrim = 1115;
inline constexpr int kNewRod = 1116;         // "new rod"
inline constexpr int kNotAStockList = 1117;  // "Not a stock list file: "
// 1118-1126: retired (the faults of a stock list line are said whole, with their line).
inline constexpr int kTrimTooLong = 1127;        // the trim leaves no rod to cut
inline constexpr int kMaterialNameLine = 1128;   // report line: the store's material
inline constexpr int kOneRodLength = 1129;       // the stock choice of no stock list
inline constexpr int kStockLine = 1130;          // the main window's stock, %1 the material
inline constexpr int kStockMethod = 1131;        // the method of a run from stock
inline constexpr int kStockFileTooLarge = 1140;  // %1 the largest size in MiB, then the file
// The faults of a stock list line after the first eight (StockRowFault from Exponent on), with the
// line as %1 (1141 retired).
inline constexpr int kLaterStockRowFaults = 1142;
inline constexpr int kFirstStockRowFaultCount = 8;

// Why a line of a stock list was refused, by its number in StockRowFault, with the line as %1 (the
// whole file's fault has no line).
constexpr int stockRowFaultText(int fault) {
    if (fault < kFirstStockRowFaultCount) return store_text::kStockRowFaults + fault;
    return kLaterStockRowFaults + (fault - kFirstStockRowFaultCount);
}

}  // namespace marlo::stock_text
