#pragma once

// Names of the catalogue's own texts (offsets 1..98, in every language), for the windows, the
// reports and the command line alike. The messages the core hands on are in msg:: beside the
// catalogue.
namespace marlo::core_text {

inline constexpr int kCustomer = 1;
inline constexpr int kName = 2;
inline constexpr int kColour = 3;
inline constexpr int kDimension = 4;
inline constexpr int kPieces = 5;  // "pieces"
inline constexpr int kDelete = 6;
inline constexpr int kEdit = 7;
inline constexpr int kOptimise = 8;
// The result grid's headings: four fixed columns, then kDimensionColumn with its number.
inline constexpr int kSequenceNumber = 9;
inline constexpr int kRodCount = 10;
inline constexpr int kWaste = 11;
inline constexpr int kPieceCount = 12;
inline constexpr int kDimensionColumn = 16;  // "Dim", followed by 1, 2, ...
inline constexpr int kAdd = 17;
// Menus and their commands.
inline constexpr int kFileMenu = 18;
inline constexpr int kNew = 19;
inline constexpr int kOpen = 20;
inline constexpr int kSave = 21;
inline constexpr int kSaveAs = 22;
inline constexpr int kPrint = 23;
inline constexpr int kExport = 24;
inline constexpr int kExcel = 25;
inline constexpr int kText = 26;
inline constexpr int kClose = 27;
inline constexpr int kSettingsMenu = 28;
inline constexpr int kParameters = 29;
inline constexpr int kLanguage = 30;
// The Parameters dialog's frames and switches; the slice thickness and the rod length also
// caption the main window's display of them.
inline constexpr int kDimensionSettings = 31;
inline constexpr int kSliceThickness = 34;
inline constexpr int kRodLength = 35;
inline constexpr int kOptimisationFrame = 36;
inline constexpr int kOptimiseWasteBorders = 37;
inline constexpr int kKeepWasteBorders = 38;
inline constexpr int kOk = 39;
inline constexpr int kCancel = 40;
inline constexpr int kEvaluation = 41;
// The five totals' captions in the window (rods, waste, waste pieces, efficiency, possibilities).
inline constexpr int kFirstTotal = 42;  // .. 46
inline constexpr int kTotalCount = 5;
inline constexpr int kDimensionTooLongQuestion = 47;
inline constexpr int kDeleteOneQuestion = 48;
inline constexpr int kDeleteQuestion = 49;  // followed by the rows' count and one of these ends
inline constexpr int kDeleteQuestionEndFew = 50;   // after 2 to 4 rows
inline constexpr int kDeleteQuestionEndMany = 51;  // after 5 rows or more
inline constexpr int kSaveChangesQuestion = 53;
inline constexpr int kSaveChangesToQuestion = 54;  // followed by the job's name
inline constexpr int kNewJobTitle = 63;
inline constexpr int kReportSequence = 67;  // "Seq."
inline constexpr int kEditLower = 68;       // "editácia": the edit dialog's title
inline constexpr int kTextFileFilter = 74;
// The text report's totals lines, each up to its value: rods, waste, waste pieces, efficiency,
// possibilities; then the rod length and the slice thickness.
inline constexpr int kReportRodCount = 75;
inline constexpr int kReportTotalWaste = 76;
inline constexpr int kReportWastePieces = 77;
inline constexpr int kReportEfficiency = 78;
inline constexpr int kReportPossibilities = 79;
inline constexpr int kReportNumber = 82;  // "Number"
inline constexpr int kReportNoOf = 84;    // "No. of"
inline constexpr int kReportRods = 85;    // "Rods"
inline constexpr int kAbout = 86;
inline constexpr int kInvalidValue = 91;  // "Error!": a box that holds no valid number
inline constexpr int kReportRodLength = 92;
inline constexpr int kReportSliceThickness = 93;
inline constexpr int kStartMethodFrame = 95;
inline constexpr int kStartWithSmallestWaste = 96;
inline constexpr int kStartWithLargestDimension = 97;
inline constexpr int kSortByWaste = 98;

}  // namespace marlo::core_text
