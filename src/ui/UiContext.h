#pragma once

#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/Shell.h"

namespace marlo {

// What the windows need from outside: the user's answers, the settings store and the desktop
// shell. The program passes the real ones; tests pass scripted and in-memory ones.
struct UiContext {
    Dialogs& dialogs;
    SettingsStore& settings;
    Shell& shell;
};

}  // namespace marlo
