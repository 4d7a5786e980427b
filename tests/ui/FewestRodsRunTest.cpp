#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <map>
#include <random>

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

    // 40 triplets that fill rods of 1000 exactly: the first plans need more than 40 rods.
    void typeTriplets() {
        std::mt19937 random(11);
        std::map<int, int> pieces;
        for (int i = 0; i < 40; ++i) {
            const int a = 380 + static_cast<int>(random() % 110);
            const int b = 250 + static_cast<int>(random() % ((1000 - a) / 2 - 250 + 1));
            ++pieces[a];
            ++pieces[b];
            ++pieces[1000 - a - b];
        }
        for (const auto& [length, count] : pieces)
            typeRow(QString::number(length), QString::number(count));
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
    EXPECT_EQ(bound(), "40  ?");
    EXPECT_EQ(find<QLabel>(QStringLiteral("LowerBoundValue"))->toolTip(), "not proven");
    int gridRods = 0;
    for (const QStringList& row : rows(grid("Grid2"))) gridRods += row[1].toInt();
    EXPECT_EQ(gridRods, rods().toInt()) << "the grid shows the kept plan";
    EXPECT_TRUE(action(QStringLiteral("mnu_tlacit"))->isEnabled());

    // A second run goes on to the proof. The press starts nothing while the stopped solver
    // still winds down, so it is repeated until the run is going.
    QTRY_VERIFY_WITH_TIMEOUT((optimise(), window->isRunning()), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 30000);
    EXPECT_EQ(rods(), "40");
    EXPECT_EQ(bound(), QStringLiteral("40  \u2714"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("LowerBoundValue"))->toolTip(), "proven optimal");
    EXPECT_EQ(label(QStringLiteral("Label3")), "100 %");
}

}  // namespace
}  // namespace marlo
