#include "labelpaint/LabelDocumentFiles.h"

#include "drawing/DiagramFiles.h"
#include "jobfile/AtomicFile.h"

namespace marlo {

namespace {

QSizeF pageSize(const PagedDocument& document) {
    return {document.pageWidth, document.pageHeight};
}

}  // namespace

bool paintPagedDocument(QPagedPaintDevice& device, const PagedDocument& document, int copies) {
    return paintPages(device, document.pages, pageSize(document), copies);
}

bool savePagedDocumentPdf(const PagedDocument& document, const std::string& path,
                          const QString& title) {
    const QByteArray bytes = pagesPdf(document.pages, pageSize(document), title);
    if (bytes.isEmpty()) return false;
    return writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace marlo
