#include <QApplication>

#include "settings/QSettingsStore.h"
#include "ui/DesktopShell.h"
#include "ui/MainWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/QtDialogs.h"
#include "ui/SplashScreen.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    marlo::applyProgramStyle(application);

    marlo::QSettingsStore settings;
    marlo::QtDialogs dialogs;
    marlo::DesktopShell shell;
    marlo::MainWindow window({dialogs, settings, shell});
    marlo::SplashScreen splash([&window] { window.startUp(); });
    splash.show();
    return application.exec();
}
