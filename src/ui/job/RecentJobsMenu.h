#pragma once

#include <QObject>
#include <QString>

#include "settings/SettingsStore.h"
#include "ui/common/WindowMessages.h"

class QMenu;

namespace marlo {

// The File menu's list of the last job files, kept in the settings store. Choosing a file that
// has gone removes it from the list with a message; choosing one that is there asks the main
// window to open it.
class RecentJobsMenu : public QObject {
    Q_OBJECT

  public:
    RecentJobsMenu(QMenu* menu, SettingsStore& settings, WindowMessages& messages);

    // Puts the file first, after it was opened or saved.
    void remember(const QString& path);
    void choose(const QString& path);

  signals:
    void jobChosen(const QString& path);

  private:
    void showFiles();

    QMenu* menu_;
    SettingsStore& settings_;
    WindowMessages& messages_;
};

}  // namespace marlo
