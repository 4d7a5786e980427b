#pragma once

#include <QObject>
#include <QPointer>

#include "i18n/StringCatalogue.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/stock/StockWindow.h"

class QAction;
class QMenu;
class QWidget;

namespace marlo {

// The File menu's command Stock…: opens the Stock window, or brings the open one to the front.
class StockCommand : public QObject {
  public:
    StockCommand(QWidget* window, QMenu* fileMenu, const StringCatalogue& catalogue,
                 Dialogs& dialogs, SettingsStore& settings);

    void loadTexts();
    void showWindow();

  private:
    QWidget* window_;
    const StringCatalogue& catalogue_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    QAction* command_;
    QPointer<StockWindow> stockWindow_;
};

}  // namespace marlo
