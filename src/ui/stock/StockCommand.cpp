#include "ui/stock/StockCommand.h"

#include <QAction>
#include <QMenu>

#include "i18n/texts/StockStoreTexts.h"

namespace marlo {

StockCommand::StockCommand(QWidget* window, QMenu* fileMenu, const StringCatalogue& catalogue,
                           Dialogs& dialogs, SettingsStore& settings)
    : QObject(window),
      window_(window),
      catalogue_(catalogue),
      dialogs_(dialogs),
      settings_(settings) {
    // Before the recent jobs, after the other commands.
    QAction* before = nullptr;
    for (QAction* item : fileMenu->actions())
        if (item->objectName() == QLatin1String("nothing4")) before = item;
    fileMenu->insertSeparator(before)->setObjectName(QStringLiteral("stockSeparator"));
    command_ = new QAction(window);
    command_->setObjectName(QStringLiteral("mnu_sklad"));
    fileMenu->insertAction(before, command_);
    connect(command_, &QAction::triggered, this, &StockCommand::showWindow);
}

void StockCommand::loadTexts() {
    command_->setText(QString::fromStdString(catalogue_.text(store_text::kStockCommand)));
    if (stockWindow_) stockWindow_->loadTexts();
}

void StockCommand::showWindow() {
    if (!stockWindow_) {
        stockWindow_ = new StockWindow(window_, catalogue_, dialogs_, settings_);
        stockWindow_->setWindowFlag(Qt::Window);
    }
    stockWindow_->show();
    stockWindow_->raise();
    stockWindow_->activateWindow();
}

}  // namespace marlo
