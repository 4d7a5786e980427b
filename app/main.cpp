#include <QApplication>

#include "settings/QSettingsStore.h"
#include "ui/DesktopShell.h"
#include "ui/ProgramStyle.h"
#include "ui/QtDialogs.h"
#include "ui/Vypocet.h"
#include "ui/uvod.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    marlo::applyProgramStyle(application);

    marlo::QSettingsStore settings;
    marlo::QtDialogs dialogs;
    marlo::DesktopShell shell;
    marlo::Vypocet window({dialogs, settings, shell});
    marlo::uvod splash([&window] { window.Form_Load(); });
    splash.show();
    return application.exec();
}
