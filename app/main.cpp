#include <QApplication>
#include <QCommandLineParser>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "settings/QSettingsStore.h"
#include "ui/common/DesktopShell.h"
#include "ui/common/FilePaths.h"
#include "ui/common/ProgramStyle.h"
#include "ui/common/QtDialogs.h"
#include "ui/main/MainWindow.h"
#include "ui/run/ExactMethodRun.h"
#include "ui/startup/SplashScreen.h"

namespace {

// The job file as the bytes it was given as: Qt's own reading of the arguments loses those that
// are no UTF-8. The name is made absolute here, on its bytes, for the same reason.
QString jobFileArgument(const QString& positional, int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) != positional) continue;
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(argv[i], error);
        return marlo::fileNameText(error ? std::string(argv[i]) : absolute.string());
    }
    return positional;
}

int runDesktop(int argc, char* argv[]) {
    QApplication application(argc, argv);
    marlo::applyProgramStyle(application);
    // One optional argument: a job file to open (the launcher passes the file it was opened for).
    QCommandLineParser arguments;
    arguments.addHelpOption();
    arguments.addPositionalArgument(QStringLiteral("job"), QStringLiteral("Job file (*.opt)."),
                                    QStringLiteral("[job]"));
    arguments.process(application);
    const QStringList positional = arguments.positionalArguments();
    const QString jobFile =
        positional.isEmpty() ? QString() : jobFileArgument(positional.front(), argc, argv);

    marlo::QSettingsStore settings;
    marlo::QtDialogs dialogs;
    marlo::DesktopShell shell;
    marlo::MainWindow window({dialogs, settings, shell});
    marlo::SplashScreen splash([&window, jobFile] { window.startUp(jobFile); });
    splash.show();
    return application.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    const int status = runDesktop(argc, argv);
    // A fewest-rods solver that was stopped may still be winding down. The windows and settings
    // are gone; the program does not wait for it longer than a moment, and then ends without
    // tearing down the library state under its feet.
    if (!marlo::ExactMethodRun::waitForSolvers(std::chrono::milliseconds(300)))
        std::quick_exit(status);
    return status;
}
