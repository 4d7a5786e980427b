#include "ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <algorithm>

namespace marlo {

namespace {

const QString kContentsMarker = QStringLiteral("[contents]");
const QColor kHeadingColour(0x1b, 0x61, 0x39);
const QColor kTextColour(0x22, 0x22, 0x22);
const QColor kRuleColour(0x9a, 0xa5, 0xa0);
const QColor kTableHeaderFill(0xe3, 0xef, 0xe8);
const QColor kCodeFill(0xf1, 0xf3, 0xf2);
const QColor kNoteFill(0xfd, 0xf5, 0xdc);
const QColor kCaptionColour(0x4a, 0x52, 0x4e);
const QString kBodyFamily = QStringLiteral("Liberation Sans");
const QString kCodeFamily = QStringLiteral("Liberation Mono");
constexpr double kBodyPoints = 10.0;
constexpr int kLayoutRounds = 200;
constexpr double kTablePicturePixels = 17;
constexpr double kLinePicturePixels = 14;

QList<QTextBlock> blocksOf(const QTextDocument& document) {
    QList<QTextBlock> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        blocks.append(block);
    }
    return blocks;
}

bool isPictureBlock(const QTextBlock& block) {
    const QString text = block.text().trimmed();
    return text.size() == 1 && text.at(0) == QChar::ObjectReplacementCharacter;
}

bool isInTable(const QTextBlock& block) {
    return QTextCursor(block).currentTable() != nullptr;
}

bool isCodeBlock(const QTextBlock& block) {
    if (!block.isValid()) return false;
    const QTextBlockFormat format = block.blockFormat();
    return format.hasProperty(QTextFormat::BlockCodeFence) || format.nonBreakableLines();
}

QTextCursor selectBlock(QTextDocument& document, const QTextBlock& block) {
    QTextCursor cursor(&document);
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    return cursor;
}

void mergeBlockCharFormat(QTextDocument& document, const QTextBlock& block,
                          const QTextCharFormat& format) {
    QTextCursor cursor = selectBlock(document, block);
    cursor.mergeCharFormat(format);
    cursor.mergeBlockCharFormat(format);
}

QList<QTextTable*> tablesOf(QTextFrame* frame) {
    QList<QTextTable*> tables;
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) tables.append(table);
        tables.append(tablesOf(child));
    }
    return tables;
}

}  // namespace

ManualDocument::ManualDocument(QPaintDevice& device, QSizeF pageBodyPixels, int firstPageNumber)
    : pageBody_(pageBodyPixels),
      bodyWidthCss_(pageBodyPixels.width() * 96.0 / device.logicalDpiX()),
      deviceDpi_(device.logicalDpiX()),
      firstPageNumber_(firstPageNumber) {
    document_.documentLayout()->setPaintDevice(&device);
    document_.setPageSize(pageBody_);
    document_.setDocumentMargin(0);
    QFont body(kBodyFamily);
    body.setPointSizeF(kBodyPoints);
    document_.setDefaultFont(body);
}

void ManualDocument::setParts(const QStringList& markdownParts, const QUrl& baseUrl) {
    document_.setBaseUrl(baseUrl);
    // A number and its unit stay on one line.
    static const QRegularExpression numberAndUnit(QStringLiteral("(\\d) (mm|%|pcs|ks)(?!\\w)"));
    QString text = markdownParts.join(QStringLiteral("\n\n"));
    text.replace(numberAndUnit, QStringLiteral("\\1\u00a0\\2"));
    document_.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    styleBlocks();
    styleTables();
    fitPictures();
    insertCaptions();
    insertContentsLists();
    keepTogether();
    fillContentsPages();
}

int ManualDocument::pageCount() const {
    return document_.pageCount();
}

QList<ManualHeading> ManualDocument::headings(int level) const {
    QList<ManualHeading> found;
    for (const QTextBlock& block : blocksOf(document_)) {
        if (block.blockFormat().headingLevel() == level) {
            found.append({block.text(), level, pageOf(block)});
        }
    }
    return found;
}

int ManualDocument::pageOf(const QTextBlock& block) const {
    const QRectF box = document_.documentLayout()->blockBoundingRect(block);
    return static_cast<int>(box.top() / pageBody_.height()) + firstPageNumber_;
}

void ManualDocument::styleBlocks() {
    bool first = true;
    for (const QTextBlock& block : blocksOf(document_)) {
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        QTextCharFormat chars;
        chars.setForeground(kTextColour);
        const int level = format.headingLevel();
        if (level > 0) {
            static const double kPoints[] = {21.0, 14.5, 11.5, 10.5, 10.0, 10.0};
            chars.setFontPointSize(kPoints[std::min(level, 6) - 1]);
            chars.setFontWeight(level <= 2 ? QFont::DemiBold : QFont::Bold);
            chars.setForeground(level <= 2 ? kHeadingColour : kTextColour);
            format.setTopMargin(level == 1 ? 0 : (level == 2 ? 20 : 12));
            format.setBottomMargin(level == 1 ? 16 : 6);
            format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
            if (level == 1 && !first)
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        } else if (isCodeBlock(block)) {
            QFont code(kCodeFamily);
            code.setPointSizeF(kBodyPoints - 1.5);
            chars.setFont(code, QTextCharFormat::FontPropertiesAll);
            chars.setForeground(kTextColour);
            format.setBackground(kCodeFill);
            format.setLeftMargin(8);
            // Each line of a code block is a block of its own: one grey band, spaced as a whole.
            format.setTopMargin(isCodeBlock(block.previous()) ? 0 : 2);
            format.setBottomMargin(isCodeBlock(block.next()) ? 0 : 10);
            format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        } else if (format.intProperty(QTextFormat::BlockQuoteLevel) > 0) {
            format.setBackground(kNoteFill);
            format.setLeftMargin(12);
            format.setRightMargin(12);
            format.setTopMargin(4);
            format.setBottomMargin(10);
            format.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
        } else if (isPictureBlock(block) && !isInTable(block)) {
            format.setAlignment(Qt::AlignHCenter);
            format.setTopMargin(6);
            format.setBottomMargin(4);
        } else {
            format.setBottomMargin(block.textList() ? 3 : 7);
            format.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
        }
        cursor.setBlockFormat(format);
        mergeBlockCharFormat(document_, block, chars);
        first = false;
    }
}

void ManualDocument::styleTables() {
    for (QTextTable* table : tablesOf(document_.rootFrame())) {
        QTextTableFormat format = table->format();
        format.setBorder(0.75);
        format.setBorderBrush(kRuleColour);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        format.setCellPadding(3);
        format.setTopMargin(4);
        format.setBottomMargin(10);
        format.setHeaderRowCount(1);
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(0, column);
            QTextCharFormat header = cell.format();
            header.setBackground(kTableHeaderFill);
            header.setFontWeight(QFont::Bold);
            cell.setFormat(header);
        }
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                for (auto it = cell.begin(); !it.atEnd(); ++it) {
                    const QTextBlock block = it.currentBlock();
                    if (!block.isValid()) continue;
                    QTextBlockFormat tight = block.blockFormat();
                    tight.setTopMargin(0);
                    tight.setBottomMargin(0);
                    tight.setLineHeight(110, QTextBlockFormat::ProportionalHeight);
                    QTextCursor(block).setBlockFormat(tight);
                }
            }
        }
    }
}

void ManualDocument::fitPictures() {
    for (const QTextBlock& block : blocksOf(document_)) {
        // A picture alone in its paragraph is a screenshot; one in a line of text or in a table
        // is a button picture and is set at the height of the text.
        const bool inTable = isInTable(block);
        const bool buttonPicture = inTable || !isPictureBlock(block);
        const double buttonPixels = inTable ? kTablePicturePixels : kLinePicturePixels;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            const QSizeF natural = loadPicture(picture.name(), buttonPicture ? buttonPixels : 0);
            // Screenshots are taken at 96 dpi; one wider than the text is scaled down.
            const double scale = buttonPicture ? buttonPixels / natural.height()
                                               : std::min(1.0, bodyWidthCss_ / natural.width());
            picture.setWidth(natural.width() * scale);
            picture.setHeight(natural.height() * scale);
            picture.setVerticalAlignment(buttonPicture ? QTextCharFormat::AlignMiddle
                                                       : QTextCharFormat::AlignNormal);
            QTextCursor cursor(&document_);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

QSizeF ManualDocument::loadPicture(const QString& name, double heightPixels) {
    const QUrl url(name);
    if (name.endsWith(QLatin1String(".svg"))) {
        // Drawn at the printer's resolution, so that the picture stays sharp on paper.
        QSvgRenderer renderer(document_.baseUrl().resolved(url).toLocalFile());
        if (!renderer.isValid()) qFatal("Picture not found: %s", qPrintable(name));
        const QSizeF natural = renderer.defaultSize();
        const double pixels = heightPixels > 0 ? heightPixels : natural.height();
        const int side = static_cast<int>(pixels * 2 * deviceDpi_ / 96.0);
        QImage image(QSize(side * natural.width() / natural.height(), side),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        document_.addResource(QTextDocument::ImageResource, document_.baseUrl().resolved(url),
                              image);
        return natural;
    }
    const QVariant data = document_.resource(QTextDocument::ImageResource, url);
    QImage image = data.value<QImage>();
    if (image.isNull()) image.loadFromData(data.toByteArray());
    if (image.isNull()) qFatal("Picture not found: %s", qPrintable(name));
    return image.size();
}

void ManualDocument::insertCaptions() {
    for (const QTextBlock& block : blocksOf(document_)) {
        if (!isPictureBlock(block) || isInTable(block)) continue;
        const QString caption =
            block.begin().fragment().charFormat().stringProperty(QTextFormat::ImageAltText);
        if (caption.isEmpty()) continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock);
        QTextBlockFormat format;
        format.setAlignment(Qt::AlignHCenter);
        format.setTopMargin(2);
        format.setBottomMargin(12);
        QTextCharFormat chars;
        chars.setFontItalic(true);
        chars.setFontPointSize(kBodyPoints - 1);
        chars.setForeground(kCaptionColour);
        cursor.insertBlock(format, chars);
        cursor.insertText(caption, chars);
    }
}

void ManualDocument::insertContentsLists() {
    const QList<QTextBlock> blocks = blocksOf(document_);
    for (int i = 0; i < blocks.size(); ++i) {
        if (blocks[i].text().trimmed() != kContentsMarker) continue;
        QStringList titles;
        for (int j = i + 1; j < blocks.size(); ++j) {
            const int level = blocks[j].blockFormat().headingLevel();
            if (level == 1) break;
            if (level == 2) titles.append(blocks[j].text());
        }
        QTextCursor cursor = selectBlock(document_, blocks[i]);
        cursor.removeSelectedText();
        QTextTableFormat format;
        format.setBorder(0);
        format.setCellPadding(2);
        format.setCellSpacing(0);
        format.setBottomMargin(12);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 92),
                                          QTextLength(QTextLength::PercentageLength, 8)});
        QTextTable* table = cursor.insertTable(titles.size(), 2, format);
        for (int row = 0; row < titles.size(); ++row) {
            table->cellAt(row, 0).firstCursorPosition().insertText(titles[row]);
            QTextCursor page = table->cellAt(row, 1).firstCursorPosition();
            QTextBlockFormat right = page.blockFormat();
            right.setAlignment(Qt::AlignRight);
            page.setBlockFormat(right);
            page.insertText(QStringLiteral("00"));
        }
        contentsTables_.append(table);
    }
}

void ManualDocument::keepTogether() {
    // A heading or a picture must not stay alone at the bottom of a page, away from the text or
    // the caption below it; a code block, a table and the sentence that introduces a table are
    // not split. Such a block or table starts the next page instead, unless it is longer than a
    // page. Each move can push later blocks, so the check runs again until the pages settle.
    for (int round = 0; round < kLayoutRounds; ++round) {
        bool moved = false;
        const QList<QTextBlock> blocks = blocksOf(document_);
        for (int i = 0; i + 1 < blocks.size() && !moved; ++i) {
            const QTextBlock& block = blocks[i];
            QTextTable* table = QTextCursor(block).currentTable();
            const bool firstOfTable = table && table->firstPosition() == block.position();
            const QTextBlock partner = keepWith(block, table, firstOfTable);
            if (!partner.isValid() || pageOf(block) == pageOf(partner)) continue;
            if (pageOf(partner) - pageOf(block) > 1) continue;
            // What keeps with this block moves with it: the heading above a picture, the
            // sentence and the heading above a table.
            const QTextBlock start = firstOfChain(block);
            if (start != block) {
                QTextBlockFormat format = start.blockFormat();
                if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(start).setBlockFormat(format);
            } else if (firstOfTable) {
                QTextTableFormat format = table->format();
                if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                table->setFormat(format);
            } else {
                QTextBlockFormat format = block.blockFormat();
                if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(block).setBlockFormat(format);
            }
            moved = true;
        }
        if (!moved) return;
    }
}

QTextBlock ManualDocument::firstOfChain(const QTextBlock& block) const {
    QTextBlock first = block;
    for (QTextBlock previous = first.previous(); previous.isValid() && !isInTable(previous);
         previous = first.previous()) {
        const QTextBlock partner = keepWith(previous, nullptr, false);
        if (!partner.isValid() || partner.position() < first.position()) break;
        first = previous;
    }
    return first;
}

QTextBlock ManualDocument::keepWith(const QTextBlock& block, QTextTable* table,
                                    bool firstOfTable) const {
    const auto lastOf = [this](QTextTable* t) { return document_.findBlock(t->lastPosition()); };
    if (firstOfTable && !contentsTables_.contains(table)) return lastOf(table);
    if (table) return {};
    if (block.blockFormat().headingLevel() >= 2 || isPictureBlock(block)) return block.next();
    if (isCodeBlock(block) && !isCodeBlock(block.previous())) {
        QTextBlock last = block;
        while (isCodeBlock(last.next())) last = last.next();
        return last;
    }
    QTextTable* next = QTextCursor(block.next()).currentTable();
    if (next && block.text().trimmed().endsWith(QLatin1Char(':'))) return lastOf(next);
    return {};
}

void ManualDocument::fillContentsPages() {
    const QList<ManualHeading> sections = headings(2);
    int next = 0;
    for (QTextTable* table : contentsTables_) {
        for (int row = 0; row < table->rows(); ++row) {
            const QString title = table->cellAt(row, 0).firstCursorPosition().block().text();
            while (next < sections.size() && sections[next].title != title) ++next;
            if (next == sections.size())
                qFatal("Contents entry without heading: %s", qPrintable(title));
            QTextCursor cell = table->cellAt(row, 1).firstCursorPosition();
            cell.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cell.insertText(QString::number(sections[next].page));
        }
    }
}

}  // namespace marlo
