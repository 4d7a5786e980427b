#include "paper/PainterPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <optional>

namespace marlo {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

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
    if (!lines_.empty()) return;
    // The resolution is not part of the common paged device, only of its two kinds.
    if (auto* printer = dynamic_cast<QPrinter*>(&device_)) printer->setResolution(dotsPerInch);
    if (auto* writer = dynamic_cast<QPdfWriter*>(&device_)) writer->setResolution(dotsPerInch);
}

void PainterPrinter::setFontName(std::string_view name) {
    font_.setFamily(qText(name));
}

void PainterPrinter::setFontSize(int points) {
    font_.setPointSize(points);
}

void PainterPrinter::setBold(bool bold) {
    font_.setBold(bold);
}

PainterPrinter::Line& PainterPrinter::openLine() {
    if (!lineOpen_) {
        Line line;
        line.pageEndBefore = pageEndPending_;
        line.captionOf = inCaptions_ ? table_ : -1;
        line.table = inCaptions_ ? -1 : table_;
        line.group = group_;
        line.copy = std::max(static_cast<int>(copies_.size()) - 1, 0);
        lines_.push_back(std::move(line));
        pageEndPending_ = false;
        lineOpen_ = true;
    }
    return lines_.back();
}

void PainterPrinter::printText(int column, std::string_view text) {
    openLine().texts.push_back({font_, column, qText(text)});
}

void PainterPrinter::endLine() {
    openLine().advance = QFontMetricsF(font_, &device_).lineSpacing();
    lineOpen_ = false;
}

void PainterPrinter::newPage() {
    pageEndPending_ = true;
    lineOpen_ = false;
}

void PainterPrinter::beginCopy(std::string_view pageNumber) {
    copies_.push_back({qText(pageNumber), font_});
}

void PainterPrinter::beginColumnCaptions() {
    inCaptions_ = true;
    table_ = tableCount_++;
}

void PainterPrinter::endColumnCaptions() {
    inCaptions_ = false;
}

void PainterPrinter::endTable() {
    table_ = -1;
}

void PainterPrinter::keepTogether(bool together) {
    group_ = together ? ++groupCount_ : -1;
}

// Fills pages line by line. A line whose glyphs would reach below the printable area goes to
// the top of the next page; a line that does not fit even there is drawn where it is rather than
// repeating pages. The lines of a group kept together go to the next page together; when that
// next page would hold only this one line before the layout's own page end, the line before it
// (with its group) goes along.
std::vector<PainterPrinter::Page> PainterPrinter::layOutPages() const {
    const double pageHeight = device_.height();
    std::vector<Page> pages;
    double y = 0, contentTop = 0;

    // `continuedTable`: the table whose captions the page begins with; -1: none.
    auto startPage = [&](int copy, int continuedTable) {
        const bool sameCopy = !pages.empty() && pages.back().copy == copy;
        pages.push_back({copy, sameCopy ? pages.back().number + 1 : 1, {}});
        y = 0;
        if (sameCopy && copy < std::ssize(copies_)) {
            // The page number's line and an empty line under it.
            y = 2 * QFontMetricsF(copies_[copy].pageNumberFont, &device_).lineSpacing();
            if (continuedTable >= 0) {
                for (size_t i = 0; i < lines_.size(); ++i) {
                    if (lines_[i].captionOf != continuedTable) continue;
                    pages.back().lines.push_back({i, y});
                    y += lines_[i].advance;
                }
            }
        }
        contentTop = y;
    };
    // The first line of the group that keeps line `at` together; `at` itself outside a group.
    auto groupStart = [this](size_t at) {
        while (at > 0 && lines_[at].group >= 0 && lines_[at - 1].group == lines_[at].group) --at;
        return at;
    };
    auto ownText = [this](const Placed& placed) {
        return !lines_[placed.line].texts.empty() && lines_[placed.line].captionOf < 0;
    };
    // Whether the page holds a text line of its own above line `at`: the page may end there.
    auto hasTextAbove = [&](const Page& page, size_t at) {
        return std::any_of(page.lines.begin(), page.lines.end(), [&](const Placed& placed) {
            return placed.line < at && ownText(placed);
        });
    };
    // Whether the text line `at` is the last one before the layout's next page end.
    auto lastTextLineBeforePageEnd = [this](size_t at) {
        for (size_t i = at + 1; i < lines_.size(); ++i) {
            if (lines_[i].pageEndBefore) return true;
            if (!lines_[i].texts.empty()) return false;
        }
        return true;
    };

    // A line that the rules above send to a new page, whatever room is left.
    std::optional<size_t> keptWithNext;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (pages.empty() || line.pageEndBefore || line.copy != pages.back().copy) {
            startPage(line.copy, line.table);
        } else if (keptWithNext == i) {
            keptWithNext.reset();
            startPage(line.copy, line.table);
        } else if (!line.texts.empty()) {
            const double height = QFontMetricsF(line.texts.front().font, &device_).height();
            if (y > contentTop && y + height > pageHeight) {
                std::vector<Placed>& placed = pages.back().lines;
                size_t from = groupStart(i);
                if (from == i && lastTextLineBeforePageEnd(i)) {
                    const auto previous = std::find_if(placed.rbegin(), placed.rend(), ownText);
                    if (previous != placed.rend()) from = groupStart(previous->line);
                }
                if (from < i && hasTextAbove(pages.back(), from)) {
                    while (placed.back().line >= from) placed.pop_back();
                    keptWithNext = from;
                    i = from - 1;
                    continue;
                }
                startPage(line.copy, line.table);
            }
        }
        pages.back().lines.push_back({i, y});
        y += line.advance;
    }
    return pages;
}

bool PainterPrinter::draw(const std::vector<Page>& pages) {
    QPainter painter;
    if (!painter.begin(&device_)) return false;
    std::vector<int> pageCounts(copies_.size(), 0);
    for (const Page& page : pages)
        if (page.copy < std::ssize(pageCounts)) pageCounts[page.copy] = page.number;

    for (size_t p = 0; p < pages.size(); ++p) {
        const Page& page = pages[p];
        if (p > 0 && !device_.newPage()) return false;
        if (page.number > 1 && page.copy < std::ssize(copies_)) {
            const Copy& copy = copies_[page.copy];
            const QString number = copy.pageNumber.arg(page.number).arg(pageCounts[page.copy]);
            const QFontMetricsF metrics(copy.pageNumberFont, &device_);
            painter.setFont(copy.pageNumberFont);
            painter.drawText(
                QPointF(device_.width() - metrics.horizontalAdvance(number), metrics.ascent()),
                number);
        }
        for (const Placed& placed : page.lines) {
            for (const Text& text : lines_[placed.line].texts) {
                // Measured on the device, not the screen: character cells must match the
                // printed glyphs.
                const QFontMetricsF metrics(text.font, &device_);
                painter.setFont(text.font);
                painter.drawText(
                    QPointF((text.column - 1) * metrics.horizontalAdvance(QLatin1Char('0')),
                            placed.y + metrics.ascent()),
                    text.text);
            }
        }
    }
    return painter.end();
}

void PainterPrinter::endDocument() {
    if (failed_ || lines_.empty()) return;
    if (!draw(layOutPages())) failed_ = true;
    lines_.clear();
    copies_.clear();
    lineOpen_ = pageEndPending_ = inCaptions_ = false;
    table_ = group_ = -1;
    tableCount_ = 0;
}

}  // namespace marlo
