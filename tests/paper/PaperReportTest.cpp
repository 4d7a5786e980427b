#include <gtest/gtest.h>

#include <QPdfWriter>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "PrintedResult.h"
#include "TempFolder.h"
#include "paper/PainterPrinter.h"
#include "paper/ReportPdf.h"
#include "reports/PrintedReport.h"

namespace marlo {
namespace {

const StringCatalogue kEnglish(Language::English);

using Result = PrintedResult;

// Blanks collapsed: the PDF's text keeps the order of the words, not their exact columns.
std::string words(const std::string& line) {
    std::istringstream in(line);
    std::string word, joined;
    while (in >> word) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

// The lines that carry text, in order, from pages separated by form feeds; and the page count.
struct PaperText {
    std::vector<std::string> lines;
    int pages = 0;
};

PaperText fromLines(const std::vector<std::string>& raw) {
    PaperText text;
    for (const std::string& line : raw)
        if (const std::string w = words(line); !w.empty()) text.lines.push_back(w);
    return text;
}

// Every line the layout draws.
PaperText layoutText(const Result& result, int copies) {
    const RecordingPrinter printer = result.print(copies);
    std::vector<std::string> all;
    for (const auto& page : printer.pages()) all.insert(all.end(), page.begin(), page.end());
    return fromLines(all);
}

// What a reader of the PDF finds on its pages.
PaperText pdfText(const std::filesystem::path& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char block[4096];
    while (size_t n = std::fread(block, 1, sizeof block, pipe.get())) out.append(block, n);
    std::vector<std::string> raw;
    PaperText text;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        for (size_t feed; (feed = line.find('\f')) != std::string::npos; line.erase(feed, 1))
            ++text.pages;
        raw.push_back(line);
    }
    const int pages = text.pages;
    text = fromLines(raw);
    text.pages = pages;
    return text;
}

void expectEveryLineOnPaper(const PaperText& paper, const PaperText& layout, int leastPages) {
    EXPECT_EQ(paper.lines, layout.lines);
    EXPECT_GE(paper.pages, leastPages);
}

// The PDF export of the result read back, after checking that it holds every line of the layout
// on at least `leastPages` pages.
PaperText exportedText(const Result& result, int leastPages) {
    test::TempFolder folder;
    const auto pdf = folder.path() / "report.pdf";
    EXPECT_TRUE(writeReportPdf(pdf, result.data, kEnglish));
    PaperText paper = pdfText(pdf);
    expectEveryLineOnPaper(paper, layoutText(result, 1), leastPages);
    return paper;
}

TEST(PaperReport, pdf_fiftyPatternsPortrait_continuesRowsOnNextPagesUpToTheTotals) {
    EXPECT_EQ(exportedText(Result(50, 6, 3), 3).lines.back(), "4998 1");
}

TEST(PaperReport, pdf_hundredDimensionSummary_reachesItsLastEntry) {
    EXPECT_EQ(exportedText(Result(3, 4, 100), 2).lines.back(), "4901 1");
}

// Sixteen rows of twelve pieces print in landscape; two copies repeat the whole layout.
TEST(PaperReport, printer_sixteenRowsLandscapeTwoCopies_keepsTheLastTotalsLineOfEachCopy) {
    const Result result(16, 12, 2);
    test::TempFolder folder;
    const auto pdf = folder.path() / "copies.pdf";
    {
        QPdfWriter writer(QString::fromStdString(pdf.string()));
        PainterPrinter painter(writer);
        printReport(painter, result.data, kEnglish, 2);
        ASSERT_TRUE(painter.succeeded());
    }
    const PaperText paper = pdfText(pdf);
    expectEveryLineOnPaper(paper, layoutText(result, 2), 4);
    EXPECT_EQ(std::count(paper.lines.begin(), paper.lines.end(), words(kEnglish.text(93) + "6")),
              2);
}

}  // namespace
}  // namespace marlo
