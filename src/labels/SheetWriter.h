#pragma once

#include <string>
#include <utility>
#include <vector>

#include "diagram/DiagramGeometry.h"
#include "diagram/TextMetrics.h"
#include "i18n/StringCatalogue.h"
#include "labels/PagedDocument.h"

namespace marlo {

// Writes the A4 sheets for the saw and the office line by line from the top of the page: texts,
// tick boxes and rules, a new page once a line would run into the footer, and the pages numbered
// at the end.
class SheetWriter {
  public:
    static constexpr double kTextPt = 9;
    static constexpr double kRow = 4.6;

    explicit SheetWriter(const StringCatalogue& catalogue);

    // The pages, each with "Page n / count" in its footer.
    PagedDocument finish();

    // Room for `height` more millimetres on this page, or a new page (then true).
    bool reserve(double height);
    void newPage();

    void line(double x, double width, const std::string& shown, double sizePt = kTextPt,
              bool bold = false, TextAlign align = TextAlign::Left);
    void advance(double height) { y_ += height; }
    double y() const { return y_; }

    // Captions with their values, two pairs a line, the values bold.
    void fields(const std::vector<std::pair<std::string, std::string>>& pairs);

    // A box to tick off what it stands for, a row high, its left edge at `x`.
    void tickBox(double x);
    void rule();

  private:
    DiagramPage& page() { return document_.pages.back(); }

    const StringCatalogue& catalogue_;
    PagedDocument document_;
    double y_ = 0;
};

// "1200 mm"
std::string millimetreText(long value);

}  // namespace marlo
