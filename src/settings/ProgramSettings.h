#pragma once

#include <string>
#include <string_view>

#include "i18n/Language.h"
#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "settings/SettingsStore.h"

namespace marlo {

// Where the program keeps its values in the settings store, and the names of its keys: the nine
// the program started with, and the method keys added beside them.
namespace settings {
inline constexpr std::string_view kApplication = "Optimalizacia";
inline constexpr std::string_view kSection = "nastavenia";

inline constexpr std::string_view kMinWasteDimension = "min. rozmer";
inline constexpr std::string_view kMaxWasteDimension = "max. rozmer";
inline constexpr std::string_view kCutThickness = "hrubka rezu";
inline constexpr std::string_view kRodLength = "dlzka tyce";
inline constexpr std::string_view kWasteBordersMode = "prepinac1";
inline constexpr std::string_view kStartMethod = "prepinac2";
inline constexpr std::string_view kSortOutputByWaste = "prepinac3";
inline constexpr std::string_view kLanguage = "jazyk";
inline constexpr std::string_view kDocumentation = "dokumentacia";
// "0" the rod-by-rod search, "1" the fewest-rods method; and that method's time limit in seconds.
// Absent from older stores, where they read as their defaults.
inline constexpr std::string_view kMethod = "metoda";
inline constexpr std::string_view kTimeLimit = "casovy limit";
// The main window's size, position and maximised state as the window system saves them (base64);
// absent until the window has been closed once.
inline constexpr std::string_view kWindowGeometry = "okno";
// mm cut off at each end of every rod; absent from older stores, where it reads as 0.
inline constexpr std::string_view kTrim = "orez";
// Threads of the fewest-rods method, 0 to kMostThreads; absent or "0": one per core.
inline constexpr std::string_view kThreads = "vlakna";
inline constexpr int16_t kMostThreads = 256;
// The URL of the stock store both programs use; absent or empty: the user's own store.
inline constexpr std::string_view kStockStore = "sklad";
// The stock store's material the desktop program plans from; absent or empty: the single rod
// length of the parameters.
inline constexpr std::string_view kMaterial = "material";
// The Stock window's size and position as the window system saves them (base64); absent until
// the window has been closed once.
inline constexpr std::string_view kStockWindowGeometry = "okno sklad";

// The documentation marker: the user documentation is still to be opened at the next start.
inline constexpr std::string_view kDocumentationPending = "1";
inline constexpr std::string_view kDocumentationOpened = "0";
}  // namespace settings

// What the program takes from the settings store at start-up.
struct ProgramSettings {
    JobParameters parameters;
    MethodChoice methodChoice;
    Language language = Language::Slovak;
    std::string documentationMarker{settings::kDocumentationPending};

    bool operator==(const ProgramSettings&) const = default;
};

// A value of the program's section; the empty string when it was never written.
std::string readSetting(const SettingsStore& store, std::string_view key);
void saveSetting(SettingsStore& store, std::string_view key, std::string_view value);

// Stores the method, its time limit and its threads.
void saveMethodChoice(SettingsStore& store, const MethodChoice& choice);

// On the first start (no "min. rozmer" stored yet) writes the default of every key. Independently
// of that, a store without "prepinac2" gets "prepinac2" and "prepinac3" written as "1".
// Returns true when this was the first start.
bool writeDefaultSettings(SettingsStore& store);

// The stored values without writing anything. A numeric value that is missing, is not a number,
// does not fit 16 bits or makes no sense (a rod length of 0 or less, a cut below 0 or not shorter
// than the rod, a negative waste bound, a switch or method other than 0 and 1, a time limit below
// one second, a trim below 0 or that leaves no rod, threads below 0 or above kMostThreads) reads as
// that key's default; a language name other than the five reads as Slovak.
ProgramSettings peekSettings(const SettingsStore& store);

// The values as the program starts with them: peekSettings, and an empty "jazyk" is written as
// "slovak" and an empty "dokumentacia" as "1". An unknown language name is left in the store.
ProgramSettings readSettings(SettingsStore& store);

}  // namespace marlo
