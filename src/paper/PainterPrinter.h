#pragma once

#include <QFont>
#include <QPainter>
#include <memory>

#include "reports/PrinterOperations.h"

class QPagedPaintDevice;

namespace marlo {

// Draws the printed report on paper (a QPrinter or a QPdfWriter): text at character cells of a
// fixed-pitch font, lines moving down by the height of a line of the current font. A line that
// would reach below the printable area starts a new page, so every line of the layout reaches
// paper. Where the named font is missing, a fixed-pitch font of the system stands in.
class PainterPrinter : public PrinterOperations {
  public:
    explicit PainterPrinter(QPagedPaintDevice& device);
    ~PainterPrinter() override;

    void setOrientation(PageOrientation orientation) override;
    void setResolution(int dotsPerInch) override;
    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void printText(int column, std::string_view text) override;
    void endLine() override;
    void newPage() override;
    void endDocument() override;

    // False when the device could not be started or a page could not be begun.
    bool succeeded() const { return !failed_; }

  private:
    bool beginPageIfNeeded();
    bool startPage();
    void applyFont();

    QPagedPaintDevice& device_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    double y_ = 0.0;
    // Something was drawn on the current line: it stays on its page, whatever comes after it.
    bool lineStarted_ = false;
    // A page end takes effect at the next text, so that the page end of the last copy does not
    // leave an empty page behind it.
    bool pageEndPending_ = false;
    bool failed_ = false;
};

}  // namespace marlo
