#include "ui/diagram/DiagramWindow.h"

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "ui/diagram/DiagramCanvas.h"

namespace marlo {

namespace {

// One notch of the wheel (120 eighths of a degree) zooms by this factor.
constexpr double kZoomPerNotch = 1.15;

}  // namespace

DiagramWindow::DiagramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Diagram"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("diagramToolbar"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    column->addWidget(toolbar_);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("diagramScroll"));
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    canvas_ = new DiagramCanvas(scroll_);
    scroll_->setWidget(canvas_);
    scroll_->viewport()->installEventFilter(this);
    column->addWidget(scroll_);
    addZoomCommands();
    // A page's width at its real size, with room for the margins and the scroll bar.
    resize(static_cast<int>(DiagramLayout::kPageWidth * logicalDpiX() / 25.4) + 80, 900);
}

void DiagramWindow::addZoomCommands() {
    const auto command = [this](const char* name, QList<QKeySequence> keys) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        toolbar_->addAction(action);
        return action;
    };
    // Ctrl+= as well: on many keyboards the plus sign needs Shift.
    zoomIn_ =
        command("diagramZoomIn", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut_ = command("diagramZoomOut", {QKeySequence::ZoomOut});
    actualSize_ = command("diagramActualSize", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    toolbar_->addSeparator();
    connect(zoomIn_, &QAction::triggered, this, [this] { zoomStep(1); });
    connect(zoomOut_, &QAction::triggered, this, [this] { zoomStep(-1); });
    connect(actualSize_, &QAction::triggered, this, [this] { zoomStep(0); });
}

void DiagramWindow::addCommands(const QList<QAction*>& commands) {
    toolbar_->addActions(commands);
}

void DiagramWindow::loadTexts(const QString& title) {
    setWindowTitle(title);
}

void DiagramWindow::loadZoomTexts(const QString& zoomIn, const QString& zoomOut,
                                  const QString& actualSize) {
    zoomIn_->setText(zoomIn);
    zoomOut_->setText(zoomOut);
    actualSize_->setText(actualSize);
}

void DiagramWindow::showDiagram(DiagramLayout layout) {
    canvas_->showDiagram(std::move(layout));
}

void DiagramWindow::clear() {
    canvas_->showDiagram({});
}

bool DiagramWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const double notches = wheel->angleDelta().y() / 120.0;
            zoomTo(wheel->position(), canvas_->zoom() * std::pow(kZoomPerNotch, notches));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DiagramWindow::zoomStep(int notches) {
    const QPointF middle = QRectF(scroll_->viewport()->rect()).center();
    // No notches: back to the real size.
    const double target = notches == 0 ? 1.0 : canvas_->zoom() * std::pow(kZoomPerNotch, notches);
    zoomTo(middle, target);
}

void DiagramWindow::zoomTo(QPointF viewportPoint, double zoom) {
    const double before = canvas_->zoom();
    canvas_->setZoom(zoom);
    const double ratio = canvas_->zoom() / before;
    // The canvas point under the mouse moves by the ratio; the scroll bars follow it.
    QScrollBar* across = scroll_->horizontalScrollBar();
    QScrollBar* down = scroll_->verticalScrollBar();
    const QPointF onCanvas(across->value() + viewportPoint.x(), down->value() + viewportPoint.y());
    across->setValue(static_cast<int>(onCanvas.x() * ratio - viewportPoint.x()));
    down->setValue(static_cast<int>(onCanvas.y() * ratio - viewportPoint.y()));
}

}  // namespace marlo
