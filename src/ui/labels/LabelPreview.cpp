#include "ui/labels/LabelPreview.h"

#include <QPainter>

#include "drawing/DiagramPainter.h"

namespace marlo {

LabelPreview::LabelPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("labelPreview"));
    setMinimumSize(300, 300);
}

void LabelPreview::setDocument(const PagedDocument& document, const LabelSheetLayout& layout) {
    document_ = document;
    layout_ = layout;
    update();
}

void LabelPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (document_.pageWidth <= 0 || document_.pageHeight <= 0) return;
    const double unitsPerMm =
        std::min((width() - 8) / document_.pageWidth, (height() - 8) / document_.pageHeight);
    const QPointF origin((width() - document_.pageWidth * unitsPerMm) / 2,
                         (height() - document_.pageHeight * unitsPerMm) / 2);
    painter.fillRect(QRectF(origin, QSizeF(document_.pageWidth, document_.pageHeight) * unitsPerMm),
                     Qt::white);
    painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0));
    for (int sticker = 0; sticker < layout_.labelsPerPage(); ++sticker) {
        const RectMm r = labelPlace(layout_, 1, sticker).rect;
        painter.drawRect(QRectF(origin.x() + r.x * unitsPerMm, origin.y() + r.y * unitsPerMm,
                                r.width * unitsPerMm, r.height * unitsPerMm));
    }
    if (!document_.pages.empty())
        paintDiagramPage(painter, document_.pages.front(), unitsPerMm, origin);
}

}  // namespace marlo
