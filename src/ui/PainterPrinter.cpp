#include "ui/PainterPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>

namespace marlo {

PainterPrinter::PainterPrinter(QPrinter& printer) : printer_(printer) {
    font_.setStyleHint(QFont::Monospace);
    font_.setFixedPitch(true);
}

PainterPrinter::~PainterPrinter() = default;

void PainterPrinter::setOrientation(PageOrientation orientation) {
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

void PainterPrinter::setResolution(int dotsPerInch) {
    if (!painter_) printer_.setResolution(dotsPerInch);
}

void PainterPrinter::setFontName(std::string_view name) {
    font_.setFamily(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    applyFont();
}

void PainterPrinter::setFontSize(int points) {
    font_.setPointSize(points);
    applyFont();
}

void PainterPrinter::setBold(bool bold) {
    font_.setBold(bold);
    applyFont();
}

void PainterPrinter::applyFont() {
    if (painter_) painter_->setFont(font_);
}

bool PainterPrinter::beginPageIfNeeded() {
    if (failed_) return false;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_)) {
            failed_ = true;
            return false;
        }
        painter_->setFont(font_);
        y_ = 0.0;
    }
    if (pageEndPending_) {
        pageEndPending_ = false;
        if (!printer_.newPage()) {
            failed_ = true;
            return false;
        }
        y_ = 0.0;
    }
    return true;
}

void PainterPrinter::printText(int column, std::string_view text) {
    if (!beginPageIfNeeded()) return;
    // Measured on the printer, not the screen: character cells must match the printed glyphs.
    const QFontMetricsF metrics(font_, &printer_);
    const double cell = metrics.horizontalAdvance(QLatin1Char('0'));
    painter_->drawText(QPointF((column - 1) * cell, y_ + metrics.ascent()),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PainterPrinter::endLine() {
    if (!beginPageIfNeeded()) return;
    const double line = QFontMetricsF(font_, &printer_).lineSpacing();
    y_ += line;
    // A line that would run off the page goes on the next one, as a printer does by itself:
    // long results would otherwise lose their last rows.
    if (y_ + line > printer_.pageLayout().paintRectPixels(printer_.resolution()).height())
        pageEndPending_ = true;
}

void PainterPrinter::newPage() {
    pageEndPending_ = true;
}

void PainterPrinter::endDocument() {
    if (painter_ && !painter_->end()) failed_ = true;
    painter_.reset();
}

}  // namespace marlo
