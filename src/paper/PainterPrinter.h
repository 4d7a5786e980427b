#pragma once

#include <QFont>
#include <QString>
#include <vector>

#include "reports/PrinterOperations.h"

class QPagedPaintDevice;
class QPainter;

namespace marlo {

// Draws the printed report on paper (a QPrinter or a QPdfWriter): text at character cells of a
// fixed-pitch font, lines moving down by the height of a line of the current font. The document
// is collected first and laid out on pages at its end. A line that would reach below the
// printable area starts a new page, so every line of the layout reaches paper; lines kept together
// move to it together, such a page never holds a single line of its own (the line before goes
// with it), begins with the column captions of the table that goes on over it, and every page after
// the first of a copy carries its number
// ("Page 2 / 3") at the top right. Where the named font is missing, a fixed-pitch font of the
// system stands in.
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
    void beginCopy(std::string_view pageNumber) override;
    void beginColumnCaptions() override;
    void endColumnCaptions() override;
    void endTable() override;
    void keepTogether(bool together) override;

    // False when the device could not be started or a page could not be begun.
    bool succeeded() const { return !failed_; }

  private:
    struct Text {
        QFont font;
        int column;
        QString text;
    };
    struct Line {
        std::vector<Text> texts;
        double advance = 0;          // the line spacing of the font current at its end
        bool pageEndBefore = false;  // the layout ends the page before this line
        int captionOf = -1;          // the table whose column captions it is one of; -1: none
        int table = -1;              // the table it is a line of, below the captions; -1: none
        int group = -1;              // lines of one group go on one page; -1: none
        int copy = 0;
    };
    struct Copy {
        QString pageNumber;
        QFont pageNumberFont;
    };
    struct Placed {
        size_t line;
        double y;
    };
    struct Page {
        int copy = 0;
        int number = 1;  // within its copy
        std::vector<Placed> lines;
    };

    Line& openLine();
    std::vector<Page> layOutPages() const;
    bool draw(const std::vector<Page>& pages);

    QPagedPaintDevice& device_;
    QFont font_;
    std::vector<Line> lines_;
    std::vector<Copy> copies_;
    bool lineOpen_ = false;
    // A page end takes effect at the next line, so that the page end of the last copy does not
    // leave an empty page behind it.
    bool pageEndPending_ = false;
    bool inCaptions_ = false;
    int table_ = -1;  // the table being written; -1: none
    int tableCount_ = 0;
    int group_ = -1;
    int groupCount_ = 0;
    bool failed_ = false;
};

}  // namespace marlo
