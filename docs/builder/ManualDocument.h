#pragma once

#include <QList>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

class QPaintDevice;
class QTextTable;

namespace marlo {

// A heading of the manual and the page it lands on.
struct ManualHeading {
    QString title;
    int level = 0;
    int page = 0;
};

// The user manual as one styled text document laid out in pages. Every Markdown part begins with
// a level-1 heading, starts on a new page and gets a contents list of its level-2 headings right
// below that heading. Lengths are CSS pixels (96 per inch); the layout scales them to the device.
class ManualDocument {
  public:
    // `device` is the PDF writer the pages will be drawn on: fonts are measured on it. Page
    // numbers count from `firstPageNumber` (pages before the text, such as a cover, come first).
    ManualDocument(QPaintDevice& device, QSizeF pageBodyPixels, int firstPageNumber);

    // `baseUrl` is the folder that relative picture paths of the part are resolved against.
    void setParts(const QStringList& markdownParts, const QUrl& baseUrl);

    QTextDocument& document() { return document_; }
    int pageCount() const;
    // The headings of one level with their pages; level 1 are the parts, for the cover.
    QList<ManualHeading> headings(int level) const;
    int pageOf(const QTextBlock& block) const;

  private:
    void styleBlocks();
    void styleTables();
    void fitPictures();
    // Loads a picture into the document's resources, an SVG drawn for the height it will be
    // shown at (0: its own); returns its natural size in CSS pixels.
    QSizeF loadPicture(const QString& name, double heightPixels);
    // The alternative text of a screenshot becomes its caption, in a paragraph below it.
    void insertCaptions();
    void insertContentsLists();
    void keepTogether();
    // The first block of the run of blocks that each keep with the next, ending at `block`.
    QTextBlock firstOfChain(const QTextBlock& block) const;
    // The block that `block` must share a page with, or none.
    QTextBlock keepWith(const QTextBlock& block, QTextTable* table, bool firstOfTable) const;
    void fillContentsPages();

    QTextDocument document_;
    QSizeF pageBody_;
    double bodyWidthCss_;
    int deviceDpi_;
    int firstPageNumber_;
    QList<QTextTable*> contentsTables_;
};

}  // namespace marlo
