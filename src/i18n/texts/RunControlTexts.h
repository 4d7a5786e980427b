#pragma once

namespace marlo::run_text {

// Catalogue offsets of the texts of the main window's run, method groups, undo and keys.
inline constexpr int kFinished = 1020;         // "finished"
inline constexpr int kStoppedBestPlan = 1021;  // "stopped, best plan so far"
inline constexpr int kStopped = 1022;          // "stopped"
inline constexpr int kAborted = 1023;          // "aborted"
inline constexpr int kOfferFewestRods = 1024;  // after the pattern limit: switch the method?
inline constexpr int kSearchSettings = 1025;   // "Settings of the rod-by-rod search"
inline constexpr int kUndo = 1026;             // "Undo"
inline constexpr int kRedo = 1027;             // "Redo"
inline constexpr int kZoomIn = 1028;           // "Zoom in"
inline constexpr int kZoomOut = 1029;          // "Zoom out"
inline constexpr int kActualSize = 1030;       // "Actual size"
inline constexpr int kBothMethods = 1031;      // tooltip: the switch serves both methods
inline constexpr int kThreads = 1032;          // the fewest-rods method's threads

}  // namespace marlo::run_text
