#include <QToolBar>
#include <QToolButton>

#include "WindowTest.h"
#include "ui/diagram/DiagramCanvas.h"
#include "ui/diagram/DiagramWindow.h"

namespace marlo {
namespace {

using DiagramKeys = WindowTest;

TEST_F(DiagramKeys, ctrlPlusMinusAndZero_zoomTheDiagram_asItsToolbarButtonsDo) {
    storeLaterStart(Language::English);
    start();
    typeRow("2000", "3");
    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
    ASSERT_TRUE(window->resultPresent());
    action("mnu_diagram")->trigger();
    auto* view = find<DiagramWindow>("Diagram");
    // The offscreen platform has no window manager to hand the keyboard to the new window.
    view->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == view);
    const DiagramCanvas* canvas = view->canvas();
    const int width = canvas->width();

    QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(canvas->zoom(), 1.15);
    EXPECT_GT(canvas->width(), width);
    QTest::keyClick(view, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(canvas->zoom(), 1.15 * 1.15);
    QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(canvas->zoom(), 1.0);
    EXPECT_EQ(canvas->width(), width);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(canvas->zoom(), 1.0 / 1.15);
    for (int i = 0; i < 20; ++i) QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(canvas->zoom(), DiagramCanvas::kLeastZoom);

    // The same commands on the diagram's toolbar, with their texts.
    auto* zoomIn = view->findChild<QAction*>("diagramZoomIn");
    ASSERT_NE(zoomIn, nullptr);
    EXPECT_EQ(zoomIn->text(), "Zoom in");
    EXPECT_EQ(view->findChild<QAction*>("diagramZoomOut")->text(), "Zoom out");
    EXPECT_EQ(view->findChild<QAction*>("diagramActualSize")->text(), "Actual size");
    EXPECT_TRUE(view->findChild<QToolBar*>("diagramToolbar")->actions().contains(zoomIn));
    zoomIn->trigger();
    EXPECT_DOUBLE_EQ(canvas->zoom(), DiagramCanvas::kLeastZoom * 1.15);
    view->close();
}

}  // namespace
}  // namespace marlo
