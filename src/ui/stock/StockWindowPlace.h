#pragma once

#include "settings/SettingsStore.h"

class QWidget;

namespace marlo {

// Where the Stock window opens: where it was when last closed; the first time beside the main
// window, on the side with more room, and within the screen.
void placeStockWindow(QWidget& stockWindow, const QWidget& mainWindow,
                      const SettingsStore& settings);
void rememberStockWindowPlace(const QWidget& stockWindow, SettingsStore& settings);

}  // namespace marlo
