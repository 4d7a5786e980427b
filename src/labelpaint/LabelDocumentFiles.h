#pragma once

#include <QString>
#include <string>

#include "labels/PagedDocument.h"

class QPagedPaintDevice;

namespace marlo {

// Paints label sheets, label rolls and the saw sheet on a printer or PDF writer, one page of the
// document's size per page, the whole document `copies` times.
bool paintPagedDocument(QPagedPaintDevice& device, const PagedDocument& document, int copies = 1);

// Writes the document as a vector PDF file so that a failure never destroys the file that was
// there; false when it cannot be drawn or written (the target is not a regular file, say).
bool savePagedDocumentPdf(const PagedDocument& document, const std::string& path,
                          const QString& title);

}  // namespace marlo
