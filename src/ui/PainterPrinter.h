#pragma once

#include <QFont>
#include <QPainter>
#include <memory>

#include "reports/PrinterOperations.h"

class QPrinter;

namespace marlo {

// Draws the printed report on a QPrinter: text at character cells of a fixed-pitch font, lines
// moving down by the height of a line of the current font. Where the named font is missing, a
// fixed-pitch font of the system stands in.
class PainterPrinter : public PrinterOperations {
  public:
    explicit PainterPrinter(QPrinter& printer);
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

    // False when the printer could not be started or a page could not be begun.
    bool succeeded() const { return !failed_; }

  private:
    bool beginPageIfNeeded();
    void applyFont();

    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    double y_ = 0.0;
    // A page end takes effect at the next text, so that the page end of the last copy does not
    // leave an empty page behind it.
    bool pageEndPending_ = false;
    bool failed_ = false;
};

}  // namespace marlo
