#include "drawing/DiagramFiles.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "drawing/DiagramPainter.h"
#include "jobfile/AtomicFile.h"

namespace marlo {

namespace {

constexpr int kPdfResolution = 1200;
// Ten SVG units to the millimetre keep positions exact to a tenth of a millimetre.
constexpr int kSvgResolution = 254;

}  // namespace

bool paintDiagramDocument(QPagedPaintDevice& device, const DiagramLayout& layout, int copies) {
    return paintPages(device, layout.pages,
                      QSizeF(DiagramLayout::kPageWidth, DiagramLayout::kPageHeight), copies);
}

bool paintPages(QPagedPaintDevice& device, const std::vector<DiagramPage>& pages, QSizeF pageMm,
                int copies) {
    const bool landscape = pageMm.width() > pageMm.height();
    QPageLayout page(QPageSize(landscape ? pageMm.transposed() : pageMm, QPageSize::Millimeter),
                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                     QPageLayout::Millimeter);
    page.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(page);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double unitsPerMm = device.logicalDpiX() / 25.4;
    bool first = true;
    for (int copy = 0; copy < std::max(copies, 1); ++copy) {
        for (const DiagramPage& sheet : pages) {
            if (!first && !device.newPage()) return false;
            first = false;
            paintDiagramPage(painter, sheet, unitsPerMm);
        }
    }
    return painter.end();
}

QByteArray diagramPdf(const DiagramLayout& layout, const QString& title) {
    return pagesPdf(layout.pages, QSizeF(DiagramLayout::kPageWidth, DiagramLayout::kPageHeight),
                    title);
}

QByteArray pagesPdf(const std::vector<DiagramPage>& pages, QSizeF pageMm, const QString& title) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("marlo-veen"));
        if (!paintPages(writer, pages, pageMm)) return {};
    }
    return bytes;
}

QByteArray diagramSvg(const DiagramLayout& layout, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(kSvgResolution);
    const double unitsPerMm = kSvgResolution / 25.4;
    const QSizeF size = diagramSheetsSize(layout) * unitsPerMm;
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(), size));
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator)) return {};
    paintDiagramSheets(painter, layout, unitsPerMm);
    if (!painter.end()) return {};
    return bytes;
}

bool saveDiagram(const DiagramLayout& layout, const std::filesystem::path& path,
                 DiagramFileFormat format, const QString& title) {
    const QByteArray bytes =
        format == DiagramFileFormat::Pdf ? diagramPdf(layout, title) : diagramSvg(layout, title);
    if (bytes.isEmpty()) return false;
    return writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace marlo
