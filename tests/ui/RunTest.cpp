#include <QDialog>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <chrono>

#include "WindowTest.h"

namespace marlo {
namespace {

using Clock = std::chrono::steady_clock;

class Run : public WindowTest {
  protected:
    void SetUp() override { storeLaterStart(Language::English); }

    QToolButton* button(const char* name) const { return find<QToolButton>(QLatin1String(name)); }

    void typeWorkedExample() {
        typeRow("2000", "3");
        typeRow("1500", "2");
        typeRow("1000", "4");
    }

    // 25 distinct short dimensions: the first rod alone takes billions of search steps.
    void typeEndlessJob() {
        for (int i = 0; i < 25; ++i) typeRow(QString::number(101 + i), "4");
    }

    void optimise() { QTest::mouseClick(button("Command6"), Qt::LeftButton); }

    // The state of a window without a result.
    void expectNoResult() {
        EXPECT_FALSE(window->resultPresent());
        EXPECT_FALSE(window->isRunning());
        EXPECT_EQ(grid("Grid2")->rowCount(), 0);
        EXPECT_EQ(headers(grid("Grid2")),
                  QStringList({"Seq. No.", "No. of rods", "Waste", "No. of pieces"}));
        EXPECT_EQ(label("Label3"), "0 %");
        EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 0);
        EXPECT_EQ(totals(), QStringList({"", "", "", "", ""}));
        EXPECT_EQ(label(QStringLiteral("LowerBoundValue")), "");
        expectResultCommands(false);
        EXPECT_EQ(button("Command6")->toolTip(), "Optimize");
        EXPECT_EQ(button("Command6")->icon().cacheKey(), idleIcon);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    void expectWorkedResult() {
        EXPECT_TRUE(window->resultPresent());
        EXPECT_EQ(rows(grid("Grid2")),
                  (std::vector<QStringList>{{"1", "2", "476", "4", "2000", "1500", "1000", "1000"},
                                            {"2", "1", "3994", "1", "2000"}}));
        EXPECT_EQ(headers(grid("Grid2")),
                  QStringList({"Seq. No.", "No. of rods", "Waste", "No. of pieces", "Dim1", "Dim2",
                               "Dim3", "Dim4"}));
        EXPECT_EQ(totals(), QStringList({"3", "4946", "3", "72.52", "49"}));
        EXPECT_EQ(label("Label3"), "100 %");
        EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 100);
        expectResultCommands(true);
        EXPECT_EQ(grid("Grid2")->currentRow(), 1) << "the last row is selected";
        EXPECT_FALSE(window->isRunning());
        EXPECT_EQ(button("Command6")->toolTip(), "Optimize");
        EXPECT_EQ(button("Command6")->icon().cacheKey(), idleIcon);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    void expectResultCommands(bool enabled) {
        for (const char* name :
             {"mnu_tlacit", "mnu_export", "mnu_export_excel", "mnu_export_subor"})
            EXPECT_EQ(action(QLatin1String(name))->isEnabled(), enabled) << name;
        for (const char* name : {"Command7_4", "Command7_5", "Command7_6"})
            EXPECT_EQ(button(name)->isEnabled(), enabled) << name;
    }

    // Runs `during` once the run has gone on for `after`; returns how late it ran.
    Clock::duration whileRunning(std::chrono::milliseconds after, std::function<void()> during) {
        const Clock::time_point due = Clock::now() + after;
        Clock::duration lateness{};
        QTimer::singleShot(after, [&, due] {
            lateness = Clock::now() - due;
            EXPECT_TRUE(window->isRunning());
            EXPECT_EQ(button("Command6")->toolTip(), "Cancel");
            EXPECT_NE(button("Command6")->icon().cacheKey(), idleIcon);
            EXPECT_NE(QApplication::overrideCursor(), nullptr) << "busy pointer";
            during();
        });
        return lateness;
    }

    qint64 idleIcon = 0;
};

TEST_F(Run, optimise_workedExampleTypedWithTheKeyboard_showsTwoPatternsAndTheTotals) {
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    typeIntoFocus("ACME s.r.o.");
    pressEnterInFocus();
    typeIntoFocus("Hall 4");
    pressEnterInFocus();
    typeIntoFocus("RAL 9010");
    pressEnterInFocus();
    typeWorkedExample();

    optimise();

    expectWorkedResult();
    EXPECT_EQ(window->job().header, (JobHeader{"ACME s.r.o.", "Hall 4", "RAL 9010"}));
    EXPECT_TRUE(dialogs.messages.empty());
    if (const QString shot = qEnvironmentVariable("MARLO_SCREENSHOT"); !shot.isEmpty())
        window->grab().save(shot);
    const CuttingPlan& plan = window->result();
    EXPECT_EQ(plan.patterns.count(), 2);
    EXPECT_EQ(plan.summary.calculatedPossibilities, 49u);
    // The search's quick bound: three rods are needed, and the plan uses three.
    EXPECT_EQ(label(QStringLiteral("LowerBoundValue")), QStringLiteral("3  \u2714"));

    // The menu command is the same command.
    action("mnu_optimalizuj")->trigger();
    expectWorkedResult();
}

TEST_F(Run, shownResult_isResetByEveryListChangeButNotByHeaderTexts) {
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    typeWorkedExample();
    optimise();
    expectWorkedResult();

    find<QLineEdit>("Text5")->setText("ACME");
    EXPECT_TRUE(window->resultPresent()) << "header texts do not touch the result";

    // Editing a row without changing it keeps the result too.
    QTableWidget* list = grid("Grid1");
    list->setCurrentCell(0, 0);
    ASSERT_TRUE(button("Command3")->isEnabled());
    withDialog([&] { QTest::mouseClick(button("Command3"), Qt::LeftButton); },
               [](QDialog* dialog) {
                   QTest::keyClick(dialog->findChild<QLineEdit*>("Text2"), Qt::Key_Return);
                   EXPECT_FALSE(dialog->isVisible());
               });
    expectWorkedResult();

    typeRow("100", "1");
    expectNoResult();

    optimise();
    ASSERT_TRUE(window->resultPresent());
    dialogs.answers = {MessageAnswer::Yes};
    list->setCurrentCell(3, 0);
    QTest::keyClick(list, Qt::Key_Delete);
    expectNoResult();

    optimise();
    expectWorkedResult();
    list->setCurrentCell(2, 0);
    withDialog([&] { QTest::mouseClick(button("Command3"), Qt::LeftButton); },
               [](QDialog* dialog) {
                   auto* pieces = dialog->findChild<QLineEdit*>("Text2");
                   QTest::keyClick(pieces, Qt::Key_Up);
                   QTest::keyClick(pieces, Qt::Key_Return);
               });
    EXPECT_EQ(rows(list)[2], QStringList({"1000", "5"}));
    expectNoResult();
    EXPECT_TRUE(window->jobChanged());
}

TEST_F(Run, resultGrid_growsWithPiecesAndPatternsThenScrolls) {
    start();
    // Seven pieces in one rod: eleven columns make the grid scroll sideways.
    typeRow("500", "7");
    optimise();
    QTableWidget* result = grid("Grid2");
    EXPECT_EQ(result->columnCount(), 11);
    EXPECT_EQ(result->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(result->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const int wideWidth = result->width();

    // Eleven patterns of one piece each: twelve rows scroll, the last rows in view.
    dialogs.answers = {MessageAnswer::Yes};
    grid("Grid1")->setCurrentCell(0, 0);
    QTest::keyClick(grid("Grid1"), Qt::Key_Delete);
    for (int i = 0; i < 11; ++i) typeRow(QString::number(5000 + 10 * i), "1");
    optimise();
    EXPECT_EQ(result->rowCount(), 11);
    EXPECT_EQ(result->columnCount(), 5);
    EXPECT_EQ(result->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(result->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(result->rowAt(0), 1) << "patterns 2 to 11 in view";
    EXPECT_LT(result->width(), wideWidth);
}

TEST_F(Run, secondPress_stopsALongRunQuicklyAndShowsNoResult) {
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    typeEndlessJob();

    Clock::time_point pressed;
    const Clock::duration late = whileRunning(std::chrono::milliseconds(300), [&] {
        pressed = Clock::now();
        optimise();
        EXPECT_FALSE(window->isRunning());
    });
    optimise();
    const Clock::duration stopping = Clock::now() - pressed;

    EXPECT_LT(late, std::chrono::milliseconds(100)) << "the press is taken within 0.1 s";
    EXPECT_LT(stopping, std::chrono::milliseconds(100)) << "the search ends within 0.1 s";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Optimization interrupted!");
    EXPECT_EQ(dialogs.messages[0].title, "marlo-veen");
    expectNoResult();
    EXPECT_EQ(grid("Grid1")->rowCount(), 25) << "the list stays as it was";
}

TEST_F(Run, menuCommand_stopsARunAsTheButtonDoesAndRepaintsMeanwhile) {
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    typeEndlessJob();
    int repaints = 0;
    struct PaintCounter : QObject {
        int& count;
        explicit PaintCounter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++count;
            return false;
        }
    } counter(repaints);
    find<QProgressBar>("ProgressBar1")->installEventFilter(&counter);

    whileRunning(std::chrono::milliseconds(200), [&] {
        find<QProgressBar>("ProgressBar1")->update();
        QTimer::singleShot(50, [&] { action("mnu_optimalizuj")->trigger(); });
    });
    optimise();

    EXPECT_GE(repaints, 1) << "the window repaints while the search runs";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Optimization interrupted!");
    expectNoResult();
}

TEST_F(Run, listChangeDuringARun_stopsTheRunAndTheEmptiedListCanStillStopIt) {
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    typeEndlessJob();

    // Deleting every row while the run goes on: a result of the old list would be wrong.
    whileRunning(std::chrono::milliseconds(200), [&] {
        dialogs.answers = {MessageAnswer::Yes};
        QTableWidget* list = grid("Grid1");
        list->selectAll();
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
    });
    optimise();

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Optimization interrupted!");
    expectNoResult();
    EXPECT_FALSE(button("Command6")->isEnabled()) << "nothing left to optimise";
}

TEST_F(Run, stopPress_doesNotPrepareTheListAgain) {
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    dialogs.answers = {MessageAnswer::Yes};
    typeRow("7000", "1");
    typeEndlessJob();

    whileRunning(std::chrono::milliseconds(200), [&] { optimise(); });
    optimise();

    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[1].text,
              "Some dimension is greater than the rod length; dimension omitted.");
    EXPECT_EQ(dialogs.messages[1].title, "chyba");
    EXPECT_EQ(dialogs.messages[2].text, "Optimization interrupted!");
    expectNoResult();
}

TEST_F(Run, rodTakingA98thPiece_abortsWithMessage94AndNoResult) {
    saveSetting(store, settings::kCutThickness, "0");
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    typeRow("60", "100");

    optimise();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Too many short dimensions, optimization will be cancelled!");
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    expectNoResult();
}

TEST_F(Run, rejectedRows_showOneMessageEachAndStartNothing) {
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    typeWorkedExample();
    optimise();
    expectWorkedResult();

    dialogs.answers = {MessageAnswer::Yes};
    typeRow("6000", "1");
    typeRow("9000", "2");
    optimise();
    ASSERT_EQ(dialogs.messages.size(), 3u) << "a question for 9000, then one message per row";
    for (int i : {1, 2}) {
        EXPECT_EQ(dialogs.messages[i].text,
                  "Some dimension is greater than the rod length; dimension omitted.");
        EXPECT_EQ(dialogs.messages[i].title, "chyba");
        EXPECT_EQ(dialogs.messages[i].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(rows(grid("Grid2")).size(), 2u) << "the other rows are optimised";

    dialogs.answers = {MessageAnswer::Yes};
    grid("Grid1")->selectAll();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    typeRow("0", "5");
    dialogs.messages.clear();
    optimise();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Error") << "a dimension of 0 cannot be cut";
    expectNoResult();
}

TEST_F(Run, listBeyond20000Pieces_isRefusedWithAMessage) {
    start();
    idleIcon = button("Command6")->icon().cacheKey();
    typeRow("100", "15000");
    typeRow("200", "15000");

    optimise();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(dialogs.messages[0].text, QString::fromStdString(window->catalogue().text(58)));
    expectNoResult();
}

}  // namespace
}  // namespace marlo
