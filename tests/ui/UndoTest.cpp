#include <QClipboard>
#include <QGuiApplication>
#include <QToolButton>

#include "WindowTest.h"

namespace marlo {
namespace {

class Undo : public WindowTest {
  protected:
    void SetUp() override { storeLaterStart(Language::English); }

    static void keys(QKeyCombination combination) {
        QTest::keyClick(QApplication::focusWidget(), combination.key(),
                        combination.keyboardModifiers());
    }
    std::vector<QStringList> list() const { return rows(grid("Grid1")); }
    QString customer() const { return box("Text5")->text(); }
};

TEST_F(Undo, everyListAndHeaderEdit_isOneStepBackAndForth_andNewStartsAFreshHistory) {
    start();
    QAction* undo = action("mnu_spat");
    QAction* redo = action("mnu_znova");
    EXPECT_EQ(undo->text(), "Undo");
    EXPECT_EQ(redo->text(), "Redo");
    EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // Typing in a header box is one step; so is each added row.
    typeIntoFocus("ACME");
    pressEnterInFocus();
    typeRow("2000", "3");
    typeRow("1500", "2");
    ASSERT_EQ(list(), (std::vector<QStringList>{{"2000", "3"}, {"1500", "2"}}));
    EXPECT_TRUE(undo->isEnabled());

    // Ctrl+Z in the entry box undoes the added row, not the box's own typing.
    ASSERT_EQ(QApplication::focusWidget(), box("Text1"));
    keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(list(), (std::vector<QStringList>{{"2000", "3"}}));
    keys(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(list(), (std::vector<QStringList>{{"2000", "3"}, {"1500", "2"}}));

    // A deletion, and a pasted list as one step.
    dialogs.answers = {MessageAnswer::Yes};
    grid("Grid1")->setCurrentCell(0, 0);
    QTest::mouseClick(find<QToolButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(list(), (std::vector<QStringList>{{"1500", "2"}}));
    QGuiApplication::clipboard()->setText("100\t1\n200\t2\n300\t3\n");
    grid("Grid1")->setFocus();
    keys(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(list().size(), 4u);
    keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(list(), (std::vector<QStringList>{{"1500", "2"}}));
    undo->trigger();
    EXPECT_EQ(list(), (std::vector<QStringList>{{"2000", "3"}, {"1500", "2"}}))
        << "the deleted row comes back in its place";

    // Undoing a list change takes a result of the list away.
    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
    ASSERT_TRUE(window->resultPresent());
    undo->trigger();
    EXPECT_EQ(list(), (std::vector<QStringList>{{"2000", "3"}}));
    EXPECT_FALSE(window->resultPresent());
    EXPECT_EQ(label("Label4_1"), "");

    // Back to the empty job, then all the way forward with Ctrl+Shift+Z.
    undo->trigger();
    EXPECT_TRUE(list().empty());
    EXPECT_FALSE(find<QToolButton>("Command6")->isEnabled());
    EXPECT_EQ(customer(), "ACME");
    box("Text5")->setFocus();
    keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(customer(), "") << "the typing in a box is one step";
    EXPECT_FALSE(undo->isEnabled());
    for (int i = 0; i < 6; ++i) keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(customer(), "ACME");
    EXPECT_EQ(list(),
              (std::vector<QStringList>{{"1500", "2"}, {"100", "1"}, {"200", "2"}, {"300", "3"}}));
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(window->jobChanged());

    // A new job has nothing to undo.
    dialogs.answers = {MessageAnswer::No};
    action("mnu_novy")->trigger();
    EXPECT_TRUE(list().empty());
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
}

}  // namespace
}  // namespace marlo
