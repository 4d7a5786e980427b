#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "settings/SettingsStore.h"
#include "ui/common/Dialogs.h"
#include "ui/common/JobState.h"
#include "ui/stock/StockSession.h"
#include "ui/stock/StockWindow.h"

class QAction;
class QMenu;
class QWidget;

namespace marlo {

// The File menu's stock commands: Stock… opens the Stock window on the material the next run
// plans from (or brings the open one to the front); Book this plan takes the shown plan's rods and
// offcuts out of the store it was planned from and puts its usable leftovers in (of a production
// job every material's, in one change); Return to stock undoes the session's last booking.
class StockCommands : public QObject {
  public:
    StockCommands(QWidget* window, QMenu* fileMenu, JobState& state,
                  std::function<JobHeader()> header, const StringCatalogue& catalogue,
                  Dialogs& dialogs, WindowMessages& messages, SettingsStore& settings,
                  StockSession& session);
    ~StockCommands() override;

    void loadTexts();
    void showWindow();
    void bookPlan();
    void returnToStock();
    // A result has come or gone: Book this plan follows whether there is one from stock, not
    // booked yet; of a production job, whether every material was planned from stock.
    void followResult();

  private:
    bool productionBookable() const;
    void bookProduction(const OffcutOrigin& origin);

    QWidget* window_;
    JobState& state_;
    std::function<JobHeader()> header_;
    const StringCatalogue& catalogue_;
    Dialogs& dialogs_;
    WindowMessages& messages_;
    SettingsStore& settings_;
    StockSession& session_;
    QAction* stockCommand_;
    QAction* bookCommand_;
    QAction* returnCommand_;
    QPointer<StockWindow> stockWindow_;
};

}  // namespace marlo
