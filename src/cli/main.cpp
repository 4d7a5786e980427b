#include <atomic>
#include <csignal>
#include <iostream>

#include "cli/CliRun.h"
#include "cli/IniSettingsStore.h"
#ifdef MARLO_CLI_DRAWS
#include "cli/OffscreenDiagramWriter.h"
#endif

namespace {

std::atomic<bool> stopRequested{false};

extern "C" void requestStop(int) {
    stopRequested.store(true);
}

}  // namespace

int main(int argc, char** argv) {
    // Ctrl+C stops a run the way the second press of Optimise does.
    std::signal(SIGINT, requestStop);
    const marlo::IniSettingsStore settings(marlo::IniSettingsStore::userFolder());
    marlo::DiagramWriter writeDiagram;
#ifdef MARLO_CLI_DRAWS
    marlo::OffscreenDiagramWriter offscreenWriter;
    writeDiagram = std::ref(offscreenWriter);
#endif
    return marlo::runCli({argv + 1, argv + argc}, std::cout, std::cerr, settings, stopRequested,
                         writeDiagram);
}
