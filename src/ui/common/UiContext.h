#pragma once

#include <functional>

#include "optimiser/fewest/FewestRods.h"
#include "settings/SettingsStore.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Shell.h"

namespace marlo {

// The fewest-rods method as the windows call it.
using FewestRodsSolver = std::function<FewestRodsResult(
    const PieceList& pieces, const JobParameters& parameters, const FewestRodsOptions& options)>;

// What the windows need from outside: the user's answers, the settings store, the desktop shell
// and the fewest-rods solver. The program passes the real ones; tests pass scripted and
// in-memory ones.
struct UiContext {
    Dialogs& dialogs;
    SettingsStore& settings;
    Shell& shell;
    FewestRodsSolver fewestRodsSolver = solveFewestRods;
};

}  // namespace marlo
