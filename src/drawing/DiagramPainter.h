#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "diagram/DiagramLayout.h"

class QPainter;

namespace marlo {

// Paints the composed cutting diagram with a QPainter on any device (screen, printer, PDF, SVG).
// `unitsPerMm` is the device's units per millimetre of the layout; `origin` is where the page's
// top left corner goes, in device units. Fonts are sized for the device, so one layout gives
// the same picture everywhere; a text that the device's font draws wider than the layout
// allowed for is made smaller until it fits its box.
void paintDiagramPage(QPainter& painter, const DiagramPage& page, double unitsPerMm,
                      QPointF origin = {});

// The pages one below another on white sheets with a gap between them, as the screen and the
// SVG file show them; the size they take in millimetres is diagramSheetsSize(). With a valid
// `visible` area (device units) only the sheets that reach into it are painted.
void paintDiagramSheets(QPainter& painter, const DiagramLayout& layout, double unitsPerMm,
                        const QRectF& visible = {});
QSizeF diagramSheetsSize(const DiagramLayout& layout);

}  // namespace marlo
