#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <chrono>

#include "WindowTest.h"

namespace marlo {
namespace {

using Clock = std::chrono::steady_clock;

class FewestRodsWindowRun : public WindowTest {
  protected:
    void SetUp() override {
        storeLaterStart(Language::English);
        saveMethodChoice(store, {OptimisationMethod::FewestRods, 30});
        saveSetting(store, settings::kRodLength, "1000");
        saveSetting(store, settings::kCutThickness, "0");
    }

    void optimise() {
        QTest::mouseClick(find<QToolButton>(QStringLiteral("Command6")), Qt::LeftButton);
    }
    QString rods() const { return label(QStringLiteral("Label4_1")); }
    QString bound() const { return label(QStringLiteral("LowerBoundValue")); }
};

TEST_F(FewestRodsWindowRun, secondPress_keepsTheBestPlanSoFarNotProven_thenAFullRunProvesIt) {
    start();
    typeTriplets();

    // The press comes as soon as the first plan and bound are shown, while the solver goes on.
    QString shownRods;
    Clock::duration stopping{};
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!window->isRunning() || bound().isEmpty()) return;
        watch.stop();
        shownRods = rods();
        const Clock::time_point pressed = Clock::now();
        optimise();
        stopping = Clock::now() - pressed;
    });
    watch.start(1);
    optimise();
    QTRY_VERIFY_WITH_TIMEOUT(!shownRods.isEmpty(), 10000);

    EXPECT_LT(stopping, std::chrono::milliseconds(100));
    EXPECT_FALSE(window->isRunning());
    EXPECT_TRUE(window->resultPresent());
    EXPECT_TRUE(dialogs.messages.empty()) << "a stop that keeps a plan needs no notice";
    EXPECT_EQ(rods(), shownRods);
    EXPECT_GT(rods().toInt(), 40);
    EXPECT_EQ(label(QStringLiteral("RunStatus")), "Fewest rods: stopped, best plan so far");
    EXPECT_LT(find<QProgressBar>(QStringLiteral("ProgressBar1"))->value(), 100)
        << "a stopped run has not used its time";
    EXPECT_EQ(bound(), "40  ?");
    EXPECT_EQ(find<QLabel>(QStringLiteral("LowerBoundValue"))->toolTip(), "not proven");
    int gridRods = 0;
    for (const QStringList& row : rows(grid("Grid2"))) gridRods += row[1].toInt();
    EXPECT_EQ(gridRods, rods().toInt()) << "the grid shows the kept plan";
    EXPECT_TRUE(action(QStringLiteral("mnu_tlacit"))->isEnabled());

    // A second run goes on to the proof: the press starts it once the half second in which a
    // late stop press is ignored is over, whether or not the stopped solver has ended.
    QTest::qWait(550);
    optimise();
    EXPECT_TRUE(window->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 30000);
    EXPECT_EQ(rods(), "40");
    EXPECT_EQ(bound(), QStringLiteral("40  \u2714"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("LowerBoundValue"))->toolTip(), "proven optimal");
    EXPECT_EQ(label(QStringLiteral("Label3")), "100 %");
    EXPECT_EQ(label(QStringLiteral("RunStatus")), "Fewest rods: finished");
}

}  // namespace
}  // namespace marlo
