#pragma once

#include <QString>

#include "i18n/StringCatalogue.h"
#include "ui/common/Dialogs.h"

class QWidget;

namespace marlo {

// The message boxes of the main window and its parts, in the current language: questions,
// notices and errors by catalogue offset.
class WindowMessages {
  public:
    WindowMessages(QWidget* window, Dialogs& dialogs, const StringCatalogue& catalogue);

    QString text(int offset) const;
    const StringCatalogue& catalogue() const { return catalogue_; }
    // A Yes/No question under the product title; No is the default.
    MessageAnswer ask(const QString& question);
    // The question whether to save the changed job: Yes, No or Cancel.
    MessageAnswer askYesNoCancel(const QString& question);
    void notify(int offset);
    void notify(const QString& text);
    void showError(int offset);
    // The message followed by what it is about (a file, an address).
    void showError(int offset, const QString& detail);
    void showError(const QString& text);
    // Message 64, whose box has a fixed title of its own.
    void warnDimensionTooLong(int offset);

  private:
    QWidget* window_;
    Dialogs& dialogs_;
    const StringCatalogue& catalogue_;
};

}  // namespace marlo
