#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <random>
#include <thread>

#include "WindowTest.h"
#include "ui/run/ExactMethodRun.h"

namespace marlo {
namespace {

// Presses per method; MARLO_STRESS_PRESSES overrides (the sanitizer builds press fewer times).
int pressCount() {
    bool given = false;
    const int wanted = qEnvironmentVariableIntValue("MARLO_STRESS_PRESSES", &given);
    return given && wanted > 0 ? wanted : 80;
}

class RunStress : public WindowTest {
  protected:
    // Presses Optimise at random moments by the button, the menu command or F5: while a run
    // goes (it stops, keeping a plan or not), just after it ended (nothing happens) and when
    // idle (a run starts). After each press the window must agree with itself.
    void pressAtRandom(unsigned seed) {
        std::mt19937 random(seed);
        int stops = 0;
        int presses = 0;
        bool done = false;
        QTimer next;
        next.setSingleShot(true);
        QObject::connect(&next, &QTimer::timeout, [&] {
            const bool wasRunning = window->isRunning();
            if (!wasRunning && presses >= pressCount()) {
                done = true;
                return;
            }
            // While a run goes, a stop comes soon; when idle, sometimes a press lands in the
            // half second after the end, otherwise a run starts.
            const int delay = wasRunning
                                  ? static_cast<int>(random() % 120)
                                  : (random() % 3 == 0 ? static_cast<int>(random() % 400) : 520);
            next.start(delay);
            ++presses;
            switch (random() % 3) {
                case 0:
                    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
                    break;
                case 1:
                    action("mnu_optimalizuj")->trigger();
                    break;
                default:
                    QTest::keyClick(window.get(), Qt::Key_F5);
                    break;
            }
            // A search started by this press has already been stopped by a later one when the
            // press returns: it runs inside the press. A fewest-rods run goes on after the press
            // returns: its stop comes soon too.
            if (wasRunning) ++stops;
            if (!wasRunning && window->isRunning()) next.start(static_cast<int>(random() % 120));
            expectConsistent();
        });
        next.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(done, 600000);
        EXPECT_GE(stops, pressCount() / 10) << "runs were stopped, not only started";
        EXPECT_FALSE(window->isRunning());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    void expectConsistent() {
        const auto* button = find<QToolButton>("Command6");
        EXPECT_EQ(button->toolTip(), window->isRunning() ? "Cancel" : "Optimize");
        if (window->isRunning()) return;
        const bool gridRows = grid("Grid2")->rowCount() > 0;
        EXPECT_EQ(gridRows, window->resultPresent());
        if (!window->resultPresent()) {
            EXPECT_EQ(label("Label4_1"), "");
        }
        EXPECT_EQ(action("mnu_tlacit")->isEnabled(), window->resultPresent());
    }
};

TEST_F(RunStress, optimiseAndStopAtRandomMoments_searchAndFewestRods_keepTheWindowConsistent) {
    storeLaterStart(Language::English);
    start();
    // Short dimensions in rods of 6000: the search takes far longer than a stop press needs.
    for (int i = 0; i < 25; ++i) typeRow(QString::number(101 + i), "4");
    pressAtRandom(7);

    // The real solver, then a while of waiting for the stop flag, as a hard job would take: a
    // stop press finds the run going more often than not.
    fewestRodsSolver = [](const PieceList& pieces, const JobParameters& parameters,
                          const FewestRodsOptions& options) {
        FewestRodsResult best = solveFewestRods(pieces, parameters, options);
        const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
        while (!options.stop->load() && std::chrono::steady_clock::now() < due)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return best;
    };
    saveMethodChoice(store, {OptimisationMethod::FewestRods, 5});
    saveSetting(store, settings::kRodLength, "1000");
    saveSetting(store, settings::kCutThickness, "0");
    window->close();
    window.reset();
    start();
    typeTriplets();
    pressAtRandom(11);

    // Closing while solvers wind down, and their ends, touch nothing of the window.
    window->close();
    window.reset();
    EXPECT_TRUE(ExactMethodRun::waitForSolvers(std::chrono::seconds(30)));
}

}  // namespace
}  // namespace marlo
