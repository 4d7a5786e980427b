#pragma once

#include <string_view>

namespace marlo {

enum class PageOrientation { Portrait = 1, Landscape = 2 };

// What the printed report asks of a printer. Positions are character cells of the current
// font: every line starts at the left edge of the printable area, each end of line moves down
// by the height of a line of the current font.
class PrinterOperations {
  public:
    virtual ~PrinterOperations() = default;

    virtual void setOrientation(PageOrientation orientation) = 0;
    virtual void setResolution(int dotsPerInch) = 0;
    virtual void setFontName(std::string_view name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    // Draws UTF-8 text on the current line, its first character in the 1-based `column`.
    virtual void printText(int column, std::string_view text) = 0;
    virtual void endLine() = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;

    // The structure of the document, for a printer that continues pages on its own; a printer
    // whose pages never end ignores it. A copy of the report begins: its pages after the first
    // carry `pageNumber` ("Page %1 / %2": the page, the page count of the copy) in the font
    // current at this call.
    virtual void beginCopy(std::string_view /*pageNumber*/) {}
    // The lines between these two are the table's column captions, repeated at the top of every
    // page that the table continues on ...
    virtual void beginColumnCaptions() {}
    virtual void endColumnCaptions() {}
    // ... until the table ends.
    virtual void endTable() {}
    // The lines from keepTogether(true) to keepTogether(false) go on one page.
    virtual void keepTogether(bool /*together*/) {}
};

}  // namespace marlo
