#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "settings/SettingsStore.h"
#include "stock/StockStore.h"
#include "ui/common/WindowMessages.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace marlo {

// The Stock window's Store line: the address of the stock store and Open. An empty address is
// the user's own store. A store that opens is handed on and the settings remember it; one that
// fails is named in a message, and the store open before stays open, its address back in the box.
class StoreBox : public QWidget {
  public:
    StoreBox(QWidget* parent, WindowMessages& messages, SettingsStore& settings,
             std::function<void(std::unique_ptr<StockStore>)> opened);

    void loadTexts();
    // Opens the store of the box.
    void open();

  private:
    WindowMessages& messages_;
    SettingsStore& settings_;
    std::function<void(std::unique_ptr<StockStore>)> opened_;
    std::string openUrl_;  // of the store open in the window; empty while none is
    QLabel* label_;
    QLineEdit* url_;
    QPushButton* open_;
};

}  // namespace marlo
