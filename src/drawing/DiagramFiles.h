#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <filesystem>
#include <vector>

#include "diagram/DiagramFileFormat.h"
#include "diagram/DiagramLayout.h"

class QPagedPaintDevice;

namespace marlo {

// Paints the diagram on a paged device (a PDF writer, a printer): A4 portrait, the whole sheet
// as the drawing area, one sheet per page of the layout, the whole document `copies` times.
// False when the device cannot be painted on or a page cannot be begun.
bool paintDiagramDocument(QPagedPaintDevice& device, const DiagramLayout& layout, int copies = 1);

// The same for pages of any one size (millimetres, portrait or landscape as given), such as
// label sheets and label-printer rolls; and those pages as the bytes of a vector PDF document.
bool paintPages(QPagedPaintDevice& device, const std::vector<DiagramPage>& pages, QSizeF pageMm,
                int copies = 1);
QByteArray pagesPdf(const std::vector<DiagramPage>& pages, QSizeF pageMm, const QString& title);

// The diagram as the bytes of a vector PDF document, or of one SVG picture with the pages one
// below another; empty when it cannot be drawn.
QByteArray diagramPdf(const DiagramLayout& layout, const QString& title);
QByteArray diagramSvg(const DiagramLayout& layout, const QString& title);

// Writes the diagram to a PDF or SVG file so that a failure never destroys the file that was
// there; false when writing fails.
bool saveDiagram(const DiagramLayout& layout, const std::filesystem::path& path,
                 DiagramFileFormat format, const QString& title);

}  // namespace marlo
