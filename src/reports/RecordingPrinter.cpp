#include "reports/RecordingPrinter.h"

#include "reports/ColumnWriter.h"

namespace marlo {

void RecordingPrinter::setOrientation(PageOrientation orientation) {
    operations_.push_back(orientation == PageOrientation::Portrait ? "orientation portrait"
                                                                   : "orientation landscape");
}

void RecordingPrinter::setResolution(int dotsPerInch) {
    operations_.push_back("resolution " + std::to_string(dotsPerInch));
}

void RecordingPrinter::setFontName(std::string_view name) {
    operations_.push_back("font " + std::string(name));
}

void RecordingPrinter::setFontSize(int points) {
    operations_.push_back("size " + std::to_string(points));
}

void RecordingPrinter::setBold(bool bold) {
    operations_.push_back(bold ? "bold on" : "bold off");
}

void RecordingPrinter::printText(int column, std::string_view text) {
    operations_.push_back("text " + std::to_string(column) + " " + std::string(text));
    const int width = characterCount(line_);
    if (width < column - 1) line_.append(static_cast<size_t>(column - 1 - width), ' ');
    line_ += text;
}

void RecordingPrinter::endLine() {
    operations_.push_back("end line");
    page_.push_back(line_);
    line_.clear();
}

void RecordingPrinter::newPage() {
    operations_.push_back("new page");
    if (!line_.empty()) page_.push_back(line_);
    pages_.push_back(page_);
    page_.clear();
    line_.clear();
}

void RecordingPrinter::endDocument() {
    operations_.push_back("end document");
}

}  // namespace marlo
