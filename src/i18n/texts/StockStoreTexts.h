#pragma once

namespace marlo::store_text {

// Catalogue offsets of the stock store's texts. The store's messages are followed by the store's
// URL or what the database said; %1, %2, %3 are replaced by values.
inline constexpr int kBadLocation = 1200;
inline constexpr int kUnreachable = 1201;
inline constexpr int kConnectionLost = 1202;
inline constexpr int kPermissionDenied = 1203;
inline constexpr int kReadOnly = 1204;
inline constexpr int kLocked = 1205;
inline constexpr int kNewerSchema = 1206;
inline constexpr int kCorrupt = 1207;
inline constexpr int kDiskFull = 1208;
inline constexpr int kUnknownMaterial = 1209;
inline constexpr int kBadStock = 1210;
inline constexpr int kFailed = 1211;
inline constexpr int kNothingChanged = 1212;
inline constexpr int kStockChanged = 1213;  // heading of the missing stock
inline constexpr int kMaterialGone = 1214;
inline constexpr int kStockRowGone = 1215;   // %1 length
inline constexpr int kNotEnoughRods = 1216;  // %1 length, %2 needed, %3 in stock
inline constexpr int kOffcutGone = 1217;     // %1 identifier
inline constexpr int kMaterial = 1218;
inline constexpr int kStockRows = 1219;
inline constexpr int kRods = 1220;
inline constexpr int kOffcuts = 1221;
inline constexpr int kMinimumOffcutLength = 1222;
inline constexpr int kUnlimited = 1223;
inline constexpr int kLength = 1224;
inline constexpr int kQuantity = 1225;
inline constexpr int kPrice = 1226;
inline constexpr int kOffcut = 1227;
inline constexpr int kOrigin = 1228;
inline constexpr int kImported = 1229;  // %1 material, %2 stock rows, %3 offcuts
inline constexpr int kNoMaterial = 1230;
inline constexpr int kReturnToStock = 1231;  // the command
inline constexpr int kReturned = 1232;
inline constexpr int kNothingToReturn = 1233;
inline constexpr int kBooked = 1234;  // followed by the new offcuts' identifiers
// A refused line of a stock list file (%1 the line), in the order of StockRowFault; the last
// one is said of the whole file.
inline constexpr int kStockRowFaults = 1235;
inline constexpr int kBookPlan = 1243;  // the command
inline constexpr int kAlreadyBooked = 1244;
inline constexpr int kOptimiseAgain = 1245;
inline constexpr int kMaterialHasNoStock = 1246;    // %1 the material
inline constexpr int kNone = 1247;                  // no new offcuts
inline constexpr int kReplaceStockQuestion = 1248;  // %1 the material

// The Stock window.
inline constexpr int kStockCommand = 1250;  // the main window's command
inline constexpr int kStockWindowTitle = 1251;
inline constexpr int kStoreLabel = 1252;
inline constexpr int kOpenStore = 1253;
inline constexpr int kAdd = 1254;
inline constexpr int kRename = 1255;
inline constexpr int kDelete = 1256;
inline constexpr int kLengthFrom = 1257;  // the filter: rows of at least this length
inline constexpr int kImportCsv = 1258;
inline constexpr int kExportCsv = 1259;
inline constexpr int kDeleteMaterialQuestion = 1260;  // %1 the material
inline constexpr int kStockListFilter = 1261;         // the file dialogs' filter
inline constexpr int kIdentifier = 1262;
inline constexpr int kJob = 1263;
inline constexpr int kCustomer = 1264;
inline constexpr int kDate = 1265;
inline constexpr int kPattern = 1266;
inline constexpr int kBadValue = 1267;  // %1 the value typed
inline constexpr int kMaterialName = 1268;

// More of the store's messages, followed by the store's URL or what the database said.
inline constexpr int kMissing = 1270;
inline constexpr int kNotAStore = 1271;

}  // namespace marlo::store_text
