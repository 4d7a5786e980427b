#include <QScrollBar>
#include <QToolButton>

#include "WindowTest.h"

namespace marlo {
namespace {

class WindowSize : public WindowTest {
  protected:
    void SetUp() override { storeLaterStart(Language::English); }

    // Rows of a grid in view, its header included.
    static int rowsInView(const QTableWidget* table) {
        return table->height() / table->rowHeight(0);
    }
};

TEST_F(WindowSize, grownWindow_showsMoreRowsOfBothGrids_andReopensAtTheSizeItWasClosedAt) {
    start();
    const QSize designed = window->size();
    EXPECT_EQ(window->minimumSize(), designed);
    EXPECT_GT(window->maximumWidth(), designed.width()) << "the window may grow";

    // 30 pieces of a rod each: 30 list rows and 30 patterns.
    for (int i = 0; i < 30; ++i) typeRow(QString::number(5000 + 10 * i), "1");
    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
    ASSERT_TRUE(window->resultPresent());
    QTableWidget* list = grid("Grid1");
    QTableWidget* result = grid("Grid2");
    const int listHeight = list->height();
    const int resultHeight = result->height();
    EXPECT_EQ(rowsInView(list), 21) << "20 rows and the header at the designed size";
    EXPECT_EQ(rowsInView(result), 11) << "10 patterns and the header at the designed size";
    EXPECT_EQ(result->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QPoint evaluation = find<QWidget>("Frame1")->pos();

    // Grown by 25 rows, both grids show every row; the evaluation moves down with the grid.
    const int rowHeight = list->rowHeight(0);
    window->resize(designed.width() + 200, designed.height() + 25 * rowHeight);
    QCoreApplication::processEvents();
    EXPECT_EQ(rowsInView(list), 31);
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(rowsInView(result), 31);
    EXPECT_EQ(result->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_GT(find<QWidget>("Frame1")->y(), evaluation.y());

    // Back at the designed size everything is where it was.
    window->resize(designed);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->height(), listHeight);
    EXPECT_EQ(result->height(), resultHeight);
    EXPECT_EQ(find<QWidget>("Frame1")->pos(), evaluation);

    // The size and place of the last close come back at the next start.
    const QSize grown(designed.width() + 120, designed.height() + 80);
    window->resize(grown);
    QCoreApplication::processEvents();
    dialogs.answers = {MessageAnswer::No};
    window->close();
    EXPECT_FALSE(readSetting(store, settings::kWindowGeometry).empty());
    window.reset();
    start();
    EXPECT_EQ(window->size(), grown);
}

TEST_F(WindowSize, wideWindow_showsEveryColumnOfAWidePlan_andWidensTheHeaderBoxes) {
    start();
    const QSize designed = window->size();
    // Pieces of 280 on rods of 6000: 21 pieces to a pattern, more columns than the designed
    // grid shows.
    typeRow("280", "42");
    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
    ASSERT_TRUE(window->resultPresent());
    QTableWidget* result = grid("Grid2");
    ASSERT_GT(result->columnCount(), 20);
    const int resultWidth = result->width();
    const int customerWidth = box("Text5")->width();
    EXPECT_EQ(result->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    window->resize(1900, designed.height());
    QCoreApplication::processEvents();
    EXPECT_GT(result->width(), resultWidth);
    EXPECT_EQ(result->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const int lastColumn = result->columnCount() - 1;
    EXPECT_LE(result->columnViewportPosition(lastColumn) + result->columnWidth(lastColumn),
              result->viewport()->width())
        << "the last dimension column is in view";
    EXPECT_LE(result->geometry().right(), result->parentWidget()->width());
    for (const char* header : {"Text3", "Text4", "Text5"})
        EXPECT_GT(box(header)->width(), customerWidth) << header;

    // At the designed size the grid and the boxes are as they were.
    window->resize(designed);
    QCoreApplication::processEvents();
    EXPECT_EQ(result->width(), resultWidth);
    EXPECT_EQ(box("Text5")->width(), customerWidth);
}

}  // namespace
}  // namespace marlo
