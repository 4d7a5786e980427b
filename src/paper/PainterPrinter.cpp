#include "paper/PainterPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

namespace marlo {

PainterPrinter::PainterPrinter(QPagedPaintDevice& device) : device_(device) {
    font_.setStyleHint(QFont::Monospace);
    font_.setFixedPitch(true);
}

PainterPrinter::~PainterPrinter() = default;

void PainterPrinter::setOrientation(PageOrientation orientation) {
    device_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
}

void PainterPrinter::setResolution(int dotsPerInch) {
    if (painter_) return;
    // The resolution is not part of the common paged device, only of its two kinds.
    if (auto* printer = dynamic_cast<QPrinter*>(&device_)) printer->setResolution(dotsPerInch);
    if (auto* writer = dynamic_cast<QPdfWriter*>(&device_)) writer->setResolution(dotsPerInch);
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

bool PainterPrinter::startPage() {
    if (!device_.newPage()) {
        failed_ = true;
        return false;
    }
    y_ = 0.0;
    return true;
}

bool PainterPrinter::beginPageIfNeeded() {
    if (failed_) return false;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&device_)) {
            failed_ = true;
            return false;
        }
        painter_->setFont(font_);
        y_ = 0.0;
    }
    if (pageEndPending_) {
        pageEndPending_ = false;
        return startPage();
    }
    return true;
}

void PainterPrinter::printText(int column, std::string_view text) {
    if (!beginPageIfNeeded()) return;
    // Measured on the device, not the screen: character cells must match the printed glyphs.
    const QFontMetricsF metrics(font_, &device_);
    // A line whose glyphs would reach below the printable area goes to the top of the next page;
    // a line that does not fit even there is drawn where it is rather than repeating pages.
    if (!lineStarted_ && y_ > 0.0 && y_ + metrics.height() > device_.height() && !startPage())
        return;
    lineStarted_ = true;
    const double cell = metrics.horizontalAdvance(QLatin1Char('0'));
    painter_->drawText(QPointF((column - 1) * cell, y_ + metrics.ascent()),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PainterPrinter::endLine() {
    if (!beginPageIfNeeded()) return;
    lineStarted_ = false;
    y_ += QFontMetricsF(font_, &device_).lineSpacing();
}

void PainterPrinter::newPage() {
    pageEndPending_ = true;
    lineStarted_ = false;
}

void PainterPrinter::endDocument() {
    if (painter_ && !painter_->end()) failed_ = true;
    painter_.reset();
}

}  // namespace marlo
