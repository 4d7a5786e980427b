#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "ui/common/ProgramStyle.h"
#include "ui/run/ExactMethodRun.h"

namespace {

// The offscreen platform cannot shape or size-hint windows and says so at every window; the
// tests do not need those notices.
QtMessageHandler defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    defaultHandler = qInstallMessageHandler(quietHandler);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication application(argc, argv);
    marlo::applyProgramStyle(application);
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    // Solvers of stopped fewest-rods runs end on their own; the process ends after them, as the
    // program does, so that none is cut off inside the solver's library.
    if (!marlo::ExactMethodRun::waitForSolvers(std::chrono::seconds(60))) std::quick_exit(status);
    return status;
}
