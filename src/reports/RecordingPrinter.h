#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/PrinterOperations.h"

namespace marlo {

// A printer that keeps what it is asked to do, for tests: each operation as one readable
// entry ("orientation landscape", "size 10", "bold on", "text 71 marlo-veen 1.3.4",
// "end line", "new page", "end document", ...), and the text as pages of lines with every
// text placed at its column.
class RecordingPrinter : public PrinterOperations {
  public:
    void setOrientation(PageOrientation orientation) override;
    void setResolution(int dotsPerInch) override;
    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void printText(int column, std::string_view text) override;
    void endLine() override;
    void newPage() override;
    void endDocument() override;

    const std::vector<std::string>& operations() const { return operations_; }
    // The pages ended so far, each as its lines without the blanks to their right.
    const std::vector<std::vector<std::string>>& pages() const { return pages_; }

  private:
    std::vector<std::string> operations_;
    std::vector<std::vector<std::string>> pages_;
    std::vector<std::string> page_;
    std::string line_;
};

}  // namespace marlo
