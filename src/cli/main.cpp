#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "cli/CommandLine.h"
#include "labels/PartsCheckList.h"
#include "settings/QSettingsStore.h"

namespace {

std::atomic<bool> stopRequested{false};

const std::array<std::string, 4> kDrawingFlags = {"--pdf", "--diagram", "--labels", "--saw-sheet"};

// The outputs drawn with Qt's painter: the flags above, and a parts check list as PDF.
bool drawsPages(const std::vector<std::string>& arguments) {
    if (std::find_first_of(arguments.begin(), arguments.end(), kDrawingFlags.begin(),
                           kDrawingFlags.end()) != arguments.end())
        return true;
    for (size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == "--parts-list" &&
            marlo::partsListFormat(arguments[i + 1]) == marlo::PartsListFormat::Pdf)
            return true;
    return false;
}

extern "C" void requestStop(int) {
    stopRequested.store(true);
}

}  // namespace

int main(int argc, char** argv) {
    // Ctrl+C, and a stop from the system or a closed terminal, stop a run the way the second press
    // of Optimise does: the outputs still say how it ended.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, requestStop);
    // A reader that goes away (`| head -1`) must not kill the program before it writes its files:
    // a failed write to the standard output is reported instead.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    // The fonts of the printout and the diagram come from a GUI application; the command line
    // never shows a window, so it needs no screen whatever the desktop session asks for.
    std::unique_ptr<QCoreApplication> application;
    if (drawsPages(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else if (!arguments.empty() && arguments[0] == "stock") {
        // The stock store's database drivers are plugins, loaded only within an application.
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    const marlo::QSettingsStore settings;
    return marlo::runCli(arguments, std::cout, std::cerr, settings, stopRequested);
}
