#include <atomic>
#include <csignal>
#include <iostream>

#include "cli/CliRun.h"
#include "cli/IniSettingsStore.h"

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
    return marlo::runCli({argv + 1, argv + argc}, std::cout, std::cerr, settings, stopRequested);
}
