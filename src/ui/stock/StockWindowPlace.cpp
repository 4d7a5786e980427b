#include "ui/stock/StockWindowPlace.h"

#include <QByteArray>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "settings/ProgramSettings.h"

namespace marlo {

void placeStockWindow(QWidget& stockWindow, const QWidget& mainWindow,
                      const SettingsStore& settings) {
    const std::string placement = readSetting(settings, settings::kStockWindowGeometry);
    if (!placement.empty() &&
        stockWindow.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(placement))))
        return;
    const QScreen* screen = mainWindow.screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    const QRect main = mainWindow.frameGeometry();
    // The window's frame is not known before it is shown; the main window's stands for it.
    const QSize frame = main.size() - mainWindow.size();
    stockWindow.resize(stockWindow.size().boundedTo(available.size() - frame));
    const QSize size = stockWindow.size() + frame;
    const int roomRight = available.right() - main.right();
    const int roomLeft = main.left() - available.left();
    const int x = roomRight >= roomLeft ? main.right() + 1 : main.left() - size.width();
    const int lastX = std::max(available.left(), available.right() + 1 - size.width());
    const int lastY = std::max(available.top(), available.bottom() + 1 - size.height());
    stockWindow.move(std::clamp(x, available.left(), lastX),
                     std::clamp(main.top(), available.top(), lastY));
}

void rememberStockWindowPlace(const QWidget& stockWindow, SettingsStore& settings) {
    saveSetting(settings, settings::kStockWindowGeometry,
                stockWindow.saveGeometry().toBase64().toStdString());
}

}  // namespace marlo
