#pragma once

#include "ui/common/Dialogs.h"

namespace marlo {

// The dialogs of the desktop: QMessageBox, QFileDialog and QPrintDialog.
class QtDialogs : public Dialogs {
  public:
    MessageAnswer message(QWidget* parent, const MessageRequest& request) override;
    std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    bool printerInstalled() override;
};

}  // namespace marlo
