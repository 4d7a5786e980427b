#include <gtest/gtest.h>

#include <QPdfWriter>
#include <algorithm>
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

// The lines that carry text, in order, from pages separated by form feeds; the page count; and
// the lines of each page.
struct PaperText {
    std::vector<std::string> lines;
    int pages = 0;
    std::vector<std::vector<std::string>> pageLines;
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

bool isPageNumber(const std::string& line) {
    return line.rfind("Page ", 0) == 0 && line.find(" / ") != std::string::npos;
}

// The heading of the summary of dimensions.
std::string summaryHeading() {
    return words(kEnglish.text(16) + " " + kEnglish.text(83));
}

// What a reader of the PDF finds on its pages. Continuation pages begin with their number and,
// while the table goes on, with the column captions of the first page again, while the summary
// goes on, with its heading again; `lines` leaves those out, which gives the lines of the layout.
PaperText pdfText(const std::filesystem::path& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char block[4096];
    while (size_t n = std::fread(block, 1, sizeof block, pipe.get())) out.append(block, n);
    PaperText text;
    text.pageLines.emplace_back();
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        for (size_t feed; (feed = line.find('\f')) != std::string::npos;) {
            if (const std::string w = words(line.substr(0, feed)); !w.empty())
                text.pageLines.back().push_back(w);
            line.erase(0, feed + 1);
            text.pageLines.emplace_back();
        }
        if (const std::string w = words(line); !w.empty()) text.pageLines.back().push_back(w);
    }
    if (text.pageLines.back().empty()) text.pageLines.pop_back();
    text.pages = static_cast<int>(text.pageLines.size());
    std::vector<std::string> captions;
    bool summaryBegun = false;
    for (const std::vector<std::string>& page : text.pageLines) {
        size_t first = 0;
        if (!page.empty() && isPageNumber(page[0])) {
            first = 1;
            size_t repeated = 0;
            while (repeated < captions.size() && first + repeated < page.size() &&
                   page[first + repeated] == captions[repeated])
                ++repeated;
            if (repeated == captions.size()) first += repeated;
            if (summaryBegun && first < page.size() && page[first] == summaryHeading()) ++first;
        } else {
            summaryBegun = false;
            // The first page of a copy: the two heading lines and the rule.
            const auto heading = std::find_if(page.begin(), page.end(), [](const std::string& l) {
                return l.rfind("Seq.", 0) == 0;
            });
            if (page.end() - heading >= 3) captions.assign(heading, heading + 3);
        }
        summaryBegun =
            summaryBegun || std::find(page.begin(), page.end(), summaryHeading()) != page.end();
        text.lines.insert(text.lines.end(), page.begin() + static_cast<long>(first), page.end());
    }
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

// The number of words of a line that are all numbers; 0 when any is not.
int numbersOnly(const std::string& line) {
    std::istringstream in(line);
    int values = 0;
    for (std::string word; in >> word; ++values)
        if (word.find_first_not_of("0123456789") != std::string::npos) return 0;
    return values;
}

bool isTableRow(const std::string& line) {
    return numbersOnly(line) >= 4;
}

// A line of the summary: a dimension and its pieces.
bool isSummaryEntry(const std::string& line) {
    return numbersOnly(line) == 2;
}

// Pages after the first of a copy carry "Page n / N" at the top; while the table goes on, its
// column captions follow and then a whole row; while the summary goes on, its heading follows;
// no page is left with a single line of its own; the first page is drawn as before. Portrait and
// landscape, rows that end the table near a page's end, rows continued under their own headings
// and summaries longer than a page included.
TEST(PaperReport, pdf_continuationPages_areNumberedRepeatTheCaptionsAndHoldNoSingleLine) {
    const struct {
        int rows, pieces, summary;
        int shortRows = 0;  // rows of two pieces before them
    } cases[] = {{50, 6, 3},    {30, 6, 2},     {3, 6, 40},  {13, 6, 20},
                 {50, 12, 40},  {12, 12, 1},    {2, 12, 45}, {8, 17, 2, 1},
                 {9, 17, 2, 1}, {10, 17, 2, 1}, {3, 4, 100}, {2, 12, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows of " + std::to_string(c.pieces));
        Result result(c.shortRows, 2, c.summary);
        std::vector<int> lengths;
        for (int i = 0; i < c.pieces; ++i) lengths.push_back(300 - i);
        for (int r = 0; r < c.rows; ++r) addPattern(*result.patterns, 1, 100 + r, lengths);
        test::TempFolder folder;
        const auto pdf = folder.path() / "report.pdf";
        ASSERT_TRUE(writeReportPdf(pdf, result.data, kEnglish));
        const PaperText paper = pdfText(pdf);
        ASSERT_GE(paper.pages, 2);
        const std::vector<std::string>& first = paper.pageLines[0];
        const std::vector<std::string> layout = layoutText(result, 1).lines;
        ASSERT_LE(first.size(), layout.size());
        // The rule runs past the right edge of a wide table, where the paper cuts it off.
        auto uncut = [](std::vector<std::string> lines) {
            for (std::string& line : lines)
                if (line.find_first_not_of('-') == std::string::npos) line = "-";
            return lines;
        };
        EXPECT_EQ(uncut(first),
                  uncut(std::vector<std::string>(layout.begin(), layout.begin() + first.size())));
        const std::vector<std::string> captions(first.begin() + 1, first.begin() + 4);
        EXPECT_EQ(captions[0].rfind("Seq.", 0), 0u);

        bool summaryBegun = std::count(first.begin(), first.end(), summaryHeading()) > 0;
        for (int p = 1; p < paper.pages; ++p) {
            const std::vector<std::string>& page = paper.pageLines[p];
            ASSERT_FALSE(page.empty());
            EXPECT_EQ(page[0],
                      "Page " + std::to_string(p + 1) + " / " + std::to_string(paper.pages));
            size_t own = 1;
            if (std::any_of(page.begin(), page.end(), isTableRow)) {
                ASSERT_GE(page.size(), 4u);
                EXPECT_EQ(std::vector<std::string>(page.begin() + 1, page.begin() + 4), captions)
                    << "page " << p + 1;
                own = 4;
                // A row continued under its own headings is not torn from them.
                ASSERT_GT(page.size(), own);
                EXPECT_TRUE(isTableRow(page[own])) << "page " << p + 1 << ": " << page[own];
            } else if (summaryBegun && std::any_of(page.begin(), page.end(), isSummaryEntry)) {
                ASSERT_GE(page.size(), 3u);
                EXPECT_EQ(page[1], summaryHeading()) << "page " << p + 1;
                own = 2;
            }
            summaryBegun = summaryBegun || std::count(page.begin(), page.end(), summaryHeading());
            EXPECT_GE(page.size() - own, 2u) << "page " << p + 1 << " holds a single line";
        }
    }
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
