#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <thread>

#include "WindowTest.h"

namespace marlo {
namespace {

using Clock = std::chrono::steady_clock;

class RunControl : public WindowTest {
  protected:
    void SetUp() override { storeLaterStart(Language::English); }

    void press() { QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton); }
    QString status() const { return label("RunStatus"); }
    QString bound() const { return label("LowerBoundValue"); }
};

// A solver deep in a phase that does not look at the stop flag: it reports a plan at once, then
// works on for `busy` whatever happens, and ends with a bound no window may show.
FewestRodsSolver deafSolver(std::chrono::milliseconds busy) {
    return [busy](const PieceList& pieces, const JobParameters& parameters,
                  const FewestRodsOptions& options) {
        FewestRodsResult best = solveFewestRods(pieces, parameters, {});
        best.optimal = false;
        options.progress(best);
        std::this_thread::sleep_for(busy);
        best.lowerBound = 99;
        return best;
    };
}

TEST_F(RunControl, deafSolver_stopThenOptimiseStartsAtOnce_itsEndIsIgnored_closeDoesNotWait) {
    saveMethodChoice(store, {OptimisationMethod::FewestRods, 30});
    fewestRodsSolver = deafSolver(std::chrono::milliseconds(1500));
    start();
    typeRow("2000", "3");
    typeRow("1500", "2");
    typeRow("1000", "4");

    const Clock::time_point first = Clock::now();
    press();
    QTRY_VERIFY_WITH_TIMEOUT(!bound().isEmpty(), 5000);
    press();
    EXPECT_FALSE(window->isRunning());
    EXPECT_EQ(status(), "Fewest rods: stopped, best plan so far");
    EXPECT_EQ(label("Label4_1"), "3");

    // The stopped solver works on; a new run starts all the same.
    QTest::qWait(600);
    press();
    EXPECT_TRUE(window->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!bound().isEmpty(), 5000);
    // The first solver ends meanwhile; its result is not shown.
    QTest::qWait(static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                      first + std::chrono::milliseconds(1800) - Clock::now())
                                      .count()));
    EXPECT_TRUE(window->isRunning());
    EXPECT_EQ(bound(), "3  ?");
    press();
    EXPECT_EQ(bound(), "3  ?");

    // Closing while a deaf solver works neither waits for it nor lets it reach the window.
    QTest::qWait(600);
    press();
    ASSERT_TRUE(window->isRunning());
    EXPECT_TRUE(dialogs.messages.empty()) << "stops that keep a plan need no notice";
    dialogs.answers = {MessageAnswer::No};
    const Clock::time_point closing = Clock::now();
    EXPECT_TRUE(window->close());
    window.reset();
    EXPECT_LT(Clock::now() - closing, std::chrono::milliseconds(500));
}

TEST_F(RunControl, pressRightAfterARunEnds_doesNothing_thenStartsAgain_andF5IsThePress) {
    saveSetting(store, settings::kRodLength, "6000");
    start();
    const qint64 idle = find<QToolButton>("Command6")->icon().cacheKey();
    dialogs.answers = {MessageAnswer::Yes};
    typeRow("7000", "1");  // refused by every run with a message: each run is counted
    typeRow("2000", "3");
    typeRow("1500", "2");
    typeRow("1000", "4");

    press();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(window->resultPresent());
    EXPECT_EQ(status(), "Rod-by-rod search: finished");
    EXPECT_EQ(label("LowerBoundValue"), QStringLiteral("3  \u2714"));

    // A stop press that comes just after the run ended (or the second click of a double
    // click) keeps the result and starts nothing.
    press();
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(window->resultPresent());
    EXPECT_EQ(totals(), QStringList({"3", "4946", "3", "72.52", "49"}));

    // Half a second later F5 starts a run as the button does.
    QTest::qWait(550);
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_TRUE(window->resultPresent());

    // A changed list makes the next press a new run at once.
    typeRow("500", "1");
    press();
    EXPECT_EQ(dialogs.messages.size(), 4u);
    EXPECT_TRUE(window->resultPresent());

    // F5 during a long run stops it as the button does.
    dialogs.answers = {MessageAnswer::Yes};
    grid("Grid1")->selectAll();
    QTest::mouseClick(find<QToolButton>("Command2"), Qt::LeftButton);
    for (int i = 0; i < 25; ++i) typeRow(QString::number(101 + i), "4");
    dialogs.messages.clear();
    QTimer::singleShot(200, [&] {
        EXPECT_TRUE(window->isRunning());
        QTest::keyClick(window.get(), Qt::Key_F5);
    });
    QTest::keyClick(window.get(), Qt::Key_F5);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Optimization interrupted!");
    EXPECT_FALSE(window->isRunning());
    EXPECT_EQ(status(), "Rod-by-rod search: stopped");
    EXPECT_EQ(label("Label3"), "0 %");
    EXPECT_EQ(find<QToolButton>("Command6")->icon().cacheKey(), idle);
}

TEST_F(RunControl, patternLimit_clearsTheTotalsAndOffersTheFewestRodsMethod) {
    start();
    // 51 pieces that each take a rod of their own with a waste of their own: 51 patterns.
    for (int i = 0; i < 51; ++i) typeRow(QString::number(3000 + 10 * i), "1");
    QStringList totalsAtQuestion;
    dialogs.onMessage = [&](const MessageRequest& request) {
        if (request.buttons == MessageButtons::YesNo) totalsAtQuestion = totals();
    };

    dialogs.answers = {MessageAnswer::Ok, MessageAnswer::No};
    press();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromStdString(window->catalogue().text(59)));
    EXPECT_EQ(dialogs.messages[1].text,
              "The rod-by-rod search handles at most 50 different cutting patterns. The Fewest "
              "rods method has no such limit. Switch to the Fewest rods method and optimize "
              "again?");
    EXPECT_EQ(totalsAtQuestion, QStringList({"", "", "", "", ""})) << "no stale totals";
    EXPECT_EQ(totals(), QStringList({"", "", "", "", ""}));
    EXPECT_FALSE(window->resultPresent());
    EXPECT_EQ(status(), "Rod-by-rod search: aborted");
    EXPECT_NE(readSetting(store, settings::kMethod), "1") << "No keeps the method";

    // Yes switches the method, keeps the choice, and optimises the list again.
    QTest::qWait(550);
    dialogs.answers = {MessageAnswer::Ok, MessageAnswer::Yes};
    press();
    EXPECT_EQ(readSetting(store, settings::kMethod), "1");
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 30000);
    EXPECT_TRUE(window->resultPresent());
    EXPECT_EQ(label("Label4_1"), "51");
    EXPECT_EQ(status(), "Fewest rods: finished");
    EXPECT_EQ(dialogs.messages.size(), 4u);
}

// A solver that runs out of memory: after its first plan when `afterAPlan`, else at once.
FewestRodsSolver exhaustedSolver(bool afterAPlan) {
    return [afterAPlan](const PieceList& pieces, const JobParameters& parameters,
                        const FewestRodsOptions& options) -> FewestRodsResult {
        if (afterAPlan) options.progress(solveFewestRods(pieces, parameters, {}));
        throw std::bad_alloc();
    };
}

TEST_F(RunControl, solverOutOfMemory_keepsItsLastPlanOrEndsWithTheMessage_andTheWindowGoesOn) {
    saveMethodChoice(store, {OptimisationMethod::FewestRods, 10});
    fewestRodsSolver = exhaustedSolver(true);
    start();
    typeRow("2000", "3");
    press();
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 5000);
    EXPECT_TRUE(window->resultPresent());
    EXPECT_EQ(label("Label4_1"), "2") << "three 2000s and their cuts need two rods of 6000";
    EXPECT_EQ(status(), "Fewest rods: finished");
    EXPECT_TRUE(dialogs.messages.empty());

    window->close();
    window.reset();
    fewestRodsSolver = exhaustedSolver(false);
    start();
    typeRow("2000", "3");
    press();
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 5000);
    EXPECT_FALSE(window->resultPresent());
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text,
              "Not enough memory for this job; the run ended without a result.");
    EXPECT_EQ(status(), "Fewest rods: aborted");
}

}  // namespace
}  // namespace marlo
