#include "labels/SheetWriter.h"

#include "i18n/texts/DiagramTexts.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kTick = 3.6;

void placeText(DiagramPage& page, double x, double y, double width, const std::string& shown,
               double sizePt, bool bold, TextAlign align) {
    DiagramText placed;
    placed.box = {x, y, width, lineHeightMm(sizePt)};
    placed.text = elideText(shown, sizePt, bold, width);
    placed.sizePt = sizePt;
    placed.bold = bold;
    placed.align = align;
    page.texts.push_back(std::move(placed));
}

}  // namespace

SheetWriter::SheetWriter(const StringCatalogue& catalogue) : catalogue_(catalogue) {
    newPage();
}

PagedDocument SheetWriter::finish() {
    const size_t count = document_.pages.size();
    for (size_t i = 0; i < count; ++i)
        placeText(document_.pages[i], g::kLeft, g::kFooterTop, g::kRight - g::kLeft,
                  catalogue_.text(diagram_text::kPage) + ' ' + std::to_string(i + 1) + " / " +
                      std::to_string(count),
                  8, false, TextAlign::Right);
    return std::move(document_);
}

bool SheetWriter::reserve(double height) {
    if (y_ + height <= g::kContentBottom) return false;
    newPage();
    return true;
}

void SheetWriter::newPage() {
    document_.pages.emplace_back();
    y_ = g::kTop;
}

void SheetWriter::line(double x, double width, const std::string& shown, double sizePt, bool bold,
                       TextAlign align) {
    placeText(page(), x, y_, width, shown, sizePt, bold, align);
}

void SheetWriter::fields(const std::vector<std::pair<std::string, std::string>>& pairs) {
    const double width = g::kRight - g::kLeft;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const double x = g::kLeft + (i % 2) * width / 2;
        line(x, 30, pairs[i].first + ':');
        line(x + 31, width / 2 - 33, pairs[i].second, kTextPt, true);
        if (i % 2 == 1) advance(kRow);
    }
}

void SheetWriter::tickBox(double x) {
    DiagramBox box;
    box.rect = {x, y_ + (kRow - kTick) / 2, kTick, kTick};
    box.fill = kWhite;
    box.outlineWidth = 0.3;
    page().boxes.push_back(box);
}

void SheetWriter::rule() {
    page().lines.push_back({g::kLeft, y_, g::kRight, y_, 0.2, g::kGreyInk});
}

std::string millimetreText(long value) {
    return std::to_string(value) + " mm";
}

}  // namespace marlo
