#include "ui/diagram/DiagramCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "drawing/DiagramPainter.h"

namespace marlo {

DiagramCanvas::DiagramCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("diagramCanvas"));
    fitSize();
}

void DiagramCanvas::showDiagram(DiagramLayout layout) {
    diagram_ = std::move(layout);
    fitSize();
    update();
}

void DiagramCanvas::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, kLeastZoom, kMostZoom);
    fitSize();
    update();
}

double DiagramCanvas::pixelsPerMm() const {
    return logicalDpiX() / 25.4 * zoom_;
}

void DiagramCanvas::fitSize() {
    if (diagram_.pages.empty()) {
        setFixedSize(0, 0);
        return;
    }
    const QSizeF sheets = diagramSheetsSize(diagram_) * pixelsPerMm();
    setFixedSize(static_cast<int>(std::ceil(sheets.width())) + 2 * kMargin,
                 static_cast<int>(std::ceil(sheets.height())) + 2 * kMargin);
}

void DiagramCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(0x80, 0x86, 0x8c));
    painter.translate(kMargin, kMargin);
    // A long result has hundreds of pages; only those in sight are drawn.
    paintDiagramSheets(painter, diagram_, pixelsPerMm(),
                       QRectF(event->rect()).translated(-kMargin, -kMargin));
}

}  // namespace marlo
