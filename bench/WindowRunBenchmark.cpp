// What running the search from the main window costs: the same heavy job is optimised by the
// engine alone and through the window (typed into the list, Optimise pressed), in alternating
// rounds; the times and the median ratio are printed. The window must stay within 1.10.
//
//   build/bench/window_run_benchmark [rounds]
//   xvfb-run -a build/bench/window_run_benchmark   (on a real X server instead of offscreen)

#include <QApplication>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/InputPreparation.h"
#include "settings/InMemorySettingsStore.h"
#include "settings/ProgramSettings.h"
#include "ui/common/ProgramStyle.h"
#include "ui/main/MainWindow.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace marlo;

// 25 distinct dimensions from 301 mm in steps of 17 mm, three pieces each: about a billion
// search steps on the default parameters.
CuttingList heavyList() {
    CuttingList list;
    for (int i = 0; i < 25; ++i) list.push_back({std::to_string(301 + 17 * i), "3"});
    return list;
}

double seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Timed {
    double seconds;
    uint64_t steps;
};

Timed engineAlone(const CuttingList& list, const JobParameters& parameters) {
    auto pieces = std::make_unique<PieceList>();
    const Clock::time_point start = Clock::now();
    prepareInput(list, parameters.rodLength, *pieces);
    RunObserver silent;
    const CuttingPlan plan = searchCuttingPlan(*pieces, parameters, silent);
    return {seconds(Clock::now() - start), plan.summary.calculatedPossibilities};
}

Timed throughWindow(MainWindow& window) {
    const Clock::time_point start = Clock::now();
    window.findChild<QToolButton*>(QStringLiteral("Command6"))->click();
    const double elapsed = seconds(Clock::now() - start);
    if (!window.resultPresent()) {
        std::fprintf(stderr, "the window shows no result\n");
        std::exit(1);
    }
    return {elapsed, window.result().summary.calculatedPossibilities};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    applyProgramStyle(application);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    InMemorySettingsStore store;
    writeDefaultSettings(store);
    saveSetting(store, settings::kDocumentation, settings::kDocumentationOpened);
    ScriptedDialogs dialogs;
    RecordingShell shell;
    MainWindow window(UiContext{dialogs, store, shell});
    window.startUp();
    const CuttingList list = heavyList();
    for (const CutItem& item : list) {
        window.findChild<QLineEdit*>(QStringLiteral("Text1"))
            ->setText(QString::fromStdString(item.dimension));
        window.findChild<QLineEdit*>(QStringLiteral("Text2"))
            ->setText(QString::fromStdString(item.pieces));
        window.findChild<QToolButton*>(QStringLiteral("Command1"))->click();
    }

    // The machine's other load changes both timings of a round alike, so each round gives one
    // ratio; the median of the ratios is the figure.
    std::vector<double> engineTimes;
    std::vector<double> windowTimes;
    std::vector<double> ratios;
    for (int round = 1; round <= rounds; ++round) {
        const Timed engine = engineAlone(list, window.parameters());
        const Timed shown = throughWindow(window);
        if (engine.steps != shown.steps) {
            std::fprintf(stderr, "the window counted %llu steps, the engine %llu\n",
                         static_cast<unsigned long long>(shown.steps),
                         static_cast<unsigned long long>(engine.steps));
            return 1;
        }
        std::printf("round %d: engine %.3f s, window %.3f s, ratio %.3f (%llu steps)\n", round,
                    engine.seconds, shown.seconds, shown.seconds / engine.seconds,
                    static_cast<unsigned long long>(engine.steps));
        engineTimes.push_back(engine.seconds);
        windowTimes.push_back(shown.seconds);
        ratios.push_back(shown.seconds / engine.seconds);
    }
    const double ratio = median(ratios);
    std::printf("median of %d rounds: engine %.3f s, window %.3f s; window/engine %.3f (%s)\n",
                rounds, median(engineTimes), median(windowTimes), ratio,
                ratio <= 1.10 ? "within 1.10" : "OVER 1.10");
    return ratio <= 1.10 ? 0 : 2;
}
