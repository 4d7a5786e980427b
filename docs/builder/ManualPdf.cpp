#include "ManualPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QUrl>

#include "ManualDocument.h"

namespace marlo {

namespace {

const QColor kHeadingColour(0x1b, 0x61, 0x39);
const QColor kQuietColour(0x6b, 0x74, 0x70);
const QString kFamily = QStringLiteral("Liberation Sans");

double dots(double millimetres) {
    return millimetres / 25.4 * ManualPage::kDotsPerInch;
}

QFont font(double points, QFont::Weight weight = QFont::Normal) {
    QFont result(kFamily);
    result.setPointSizeF(points);
    result.setWeight(weight);
    return result;
}

// The part a page belongs to: the last part that starts on or before it.
QString partOfPage(const QList<ManualHeading>& parts, int page) {
    QString title;
    for (const ManualHeading& part : parts) {
        if (part.page <= page) title = part.title;
    }
    return title;
}

void drawCover(QPainter& painter, const QRectF& body, const ManualCover& cover,
               const QList<ManualHeading>& parts) {
    const double icon = dots(34);
    QSvgRenderer(cover.iconPath)
        .render(&painter, QRectF(body.left(), body.top() + dots(40), icon, icon));
    double y = body.top() + dots(40) + icon + dots(14);
    painter.setPen(kHeadingColour);
    painter.setFont(font(40, QFont::DemiBold));
    painter.drawText(QRectF(body.left(), y, body.width(), dots(20)), Qt::AlignLeft, cover.title);
    y += dots(22);
    painter.setPen(Qt::black);
    painter.setFont(font(18));
    for (const QString& subtitle : cover.subtitles) {
        painter.drawText(QRectF(body.left(), y, body.width(), dots(10)), Qt::AlignLeft, subtitle);
        y += dots(10);
    }
    y += dots(4);
    painter.setPen(kQuietColour);
    painter.setFont(font(12));
    painter.drawText(QRectF(body.left(), y, body.width(), dots(8)), Qt::AlignLeft, cover.version);

    y = body.bottom() - dots(12) * parts.size();
    painter.setPen(kHeadingColour);
    painter.drawLine(QPointF(body.left(), y - dots(6)), QPointF(body.right(), y - dots(6)));
    painter.setPen(Qt::black);
    painter.setFont(font(13));
    for (const ManualHeading& part : parts) {
        const QRectF line(body.left(), y, body.width(), dots(10));
        painter.drawText(line, Qt::AlignLeft, part.title);
        painter.drawText(line, Qt::AlignRight, QString::number(part.page));
        y += dots(12);
    }
}

void drawFooter(QPainter& painter, const QRectF& body, const QString& part, int page) {
    const double rule = body.bottom() + dots(6);
    painter.setPen(QPen(kQuietColour, dots(0.2)));
    painter.drawLine(QPointF(body.left(), rule), QPointF(body.right(), rule));
    painter.setFont(font(8.5));
    const QRectF line(body.left(), rule + dots(1.5), body.width(), dots(6));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, part);
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QString::number(page));
}

}  // namespace

bool writeManualPdf(const QString& path, const ManualCover& cover, const QStringList& parts,
                    const QString& partsFolder) {
    QPdfWriter writer(path);
    writer.setResolution(ManualPage::kDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setTitle(cover.title + QStringLiteral(" ") +
                    cover.subtitles.join(QStringLiteral(" / ")));
    writer.setCreator(cover.title);

    const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    const QRectF body =
        page.adjusted(dots(ManualPage::kLeftMillimetres), dots(ManualPage::kTopMillimetres),
                      -dots(ManualPage::kRightMillimetres), -dots(ManualPage::kBottomMillimetres));
    ManualDocument manual(writer, body.size(), 2);
    manual.setParts(parts, QUrl::fromLocalFile(partsFolder + QStringLiteral("/")));
    const QList<ManualHeading> partHeadings = manual.headings(1);

    QPainter painter;
    if (!painter.begin(&writer)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    drawCover(painter, body, cover, partHeadings);

    QTextDocument& document = manual.document();
    for (int index = 0; index < manual.pageCount(); ++index) {
        writer.newPage();
        const int number = index + 2;
        painter.save();
        painter.translate(body.left(), body.top() - index * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, index * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        drawFooter(painter, body, partOfPage(partHeadings, number), number);
    }
    return painter.end();
}

}  // namespace marlo
