#include "drawing/DiagramPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QSizeF>

#include "diagram/HatchLines.h"

namespace marlo {

namespace {

constexpr double kSheetGapMm = 8;
const QString kFontFamily = QStringLiteral("Liberation Sans");

QColor qColour(Colour colour) {
    return {colour.red, colour.green, colour.blue};
}

class PagePainter {
  public:
    PagePainter(QPainter& painter, double unitsPerMm, QPointF origin)
        : painter_(painter), scale_(unitsPerMm), origin_(origin) {}

    QRectF rect(const RectMm& r) const {
        return {origin_.x() + r.x * scale_, origin_.y() + r.y * scale_, r.width * scale_,
                r.height * scale_};
    }
    QPointF point(double x, double y) const {
        return {origin_.x() + x * scale_, origin_.y() + y * scale_};
    }
    QPen pen(Colour colour, double widthMm) const {
        return QPen(qColour(colour), widthMm * scale_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    }

    void box(const DiagramBox& box) {
        painter_.setPen(box.outlineWidth > 0 ? pen(box.outline, box.outlineWidth) : Qt::NoPen);
        painter_.setBrush(box.filled ? QBrush(qColour(box.fill)) : Qt::NoBrush);
        painter_.drawRect(rect(box.rect));
    }

    void polygon(const DiagramPolygon& polygon) {
        QPolygonF corners;
        for (const PointMm& corner : polygon.corners) corners << point(corner.x, corner.y);
        painter_.setPen(polygon.outlineWidth > 0 ? pen(polygon.outline, polygon.outlineWidth)
                                                 : Qt::NoPen);
        painter_.setBrush(polygon.filled ? QBrush(qColour(polygon.fill)) : Qt::NoBrush);
        painter_.drawPolygon(corners);
    }

    // The hatch lines are cut off at the rectangle, not clipped by the painter: an SVG file keeps
    // no clip, so a clip would let them run over the neighbouring pieces.
    void hatch(const DiagramHatch& hatch) {
        for (const DiagramLine& hatchLine : hatchLines(hatch)) line(hatchLine);
    }

    void line(const DiagramLine& line) {
        painter_.setPen(pen(line.colour, line.width));
        painter_.drawLine(point(line.x1, line.y1), point(line.x2, line.y2));
    }

    void text(const DiagramText& text) {
        const QRectF area = rect(text.box);
        if (text.onWhite)
            painter_.fillRect(area.adjusted(-0.4 * scale_, 0, 0.4 * scale_, 0), Qt::white);
        const QString shown = QString::fromStdString(text.text);
        QFont font(kFontFamily);
        font.setBold(text.bold);
        // Points of the layout become device units through the device's own resolution.
        const double dpi = painter_.device()->logicalDpiY();
        double points = text.sizePt * 25.4 * scale_ / dpi;
        font.setPointSizeF(points);
        const double room = text.rotated ? area.height() : area.width();
        const double drawn = QFontMetricsF(font, painter_.device()).horizontalAdvance(shown);
        if (drawn > room && drawn > 0) {
            points *= room / drawn;
            font.setPointSizeF(points);
        }
        painter_.setFont(font);
        painter_.setPen(qColour(text.colour));
        const Qt::Alignment across = text.align == TextAlign::Left    ? Qt::AlignLeft
                                     : text.align == TextAlign::Right ? Qt::AlignRight
                                                                      : Qt::AlignHCenter;
        if (!text.rotated) {
            painter_.drawText(area, across | Qt::AlignVCenter | Qt::TextDontClip, shown);
            return;
        }
        painter_.save();
        painter_.translate(area.center());
        painter_.rotate(-90);
        const QRectF turned(-area.height() / 2, -area.width() / 2, area.height(), area.width());
        painter_.drawText(turned, across | Qt::AlignVCenter | Qt::TextDontClip, shown);
        painter_.restore();
    }

  private:
    QPainter& painter_;
    const double scale_;
    const QPointF origin_;
};

}  // namespace

void paintDiagramPage(QPainter& painter, const DiagramPage& page, double unitsPerMm,
                      QPointF origin) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PagePainter paint(painter, unitsPerMm, origin);
    for (const DiagramBox& box : page.boxes) paint.box(box);
    for (const DiagramHatch& hatch : page.hatches) paint.hatch(hatch);
    for (const DiagramPolygon& polygon : page.polygons) paint.polygon(polygon);
    for (const DiagramLine& line : page.lines) paint.line(line);
    for (const DiagramText& text : page.texts) paint.text(text);
    painter.restore();
}

QSizeF diagramSheetsSize(const DiagramLayout& layout) {
    const auto count = static_cast<double>(layout.pages.size());
    return {DiagramLayout::kPageWidth,
            count * DiagramLayout::kPageHeight + std::max(count - 1, 0.0) * kSheetGapMm};
}

void paintDiagramSheets(QPainter& painter, const DiagramLayout& layout, double unitsPerMm,
                        const QRectF& visible) {
    double top = 0;
    for (const DiagramPage& page : layout.pages) {
        const QRectF sheet(0, top * unitsPerMm, DiagramLayout::kPageWidth * unitsPerMm,
                           DiagramLayout::kPageHeight * unitsPerMm);
        top += DiagramLayout::kPageHeight + kSheetGapMm;
        if (visible.isValid() && !visible.intersects(sheet)) continue;
        painter.fillRect(sheet, Qt::white);
        paintDiagramPage(painter, page, unitsPerMm, sheet.topLeft());
    }
}

}  // namespace marlo
