#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "PrintedResult.h"
#include "ReportTestSupport.h"
#include "reports/PrintedReport.h"
#include "reports/RecordingPrinter.h"

namespace marlo {
namespace {

const StringCatalogue kEnglish(Language::English);

using Result = PrintedResult;

std::string rightTrimmed(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

// The index of the first page line that starts with `text` (after blanks).
int lineStarting(const std::vector<std::string>& page, const std::string& text) {
    for (size_t i = 0; i < page.size(); ++i) {
        const size_t found = page[i].find(text);
        if (found != std::string::npos && found == page[i].find_first_not_of(' ')) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool follows(const std::vector<std::string>& operations, const std::vector<std::string>& run) {
    return std::search(operations.begin(), operations.end(), run.begin(), run.end()) !=
           operations.end();
}

TEST(PrintedReport, print_workedExample_laysOutTextReportLinesWithFontsAndBold) {
    WorkedExample example;
    RecordingPrinter printer;

    printReport(printer, example.data, kEnglish, 1);

    std::vector<std::string> textLines;
    for (const std::string& line : linesOf(composeTextReport(example.data, kEnglish))) {
        textLines.push_back(rightTrimmed(line));
    }
    ASSERT_EQ(printer.pages().size(), 1u);
    EXPECT_EQ(printer.pages()[0], textLines);

    const auto& ops = printer.operations();
    EXPECT_EQ(std::vector<std::string>(ops.begin(), ops.begin() + 12),
              (std::vector<std::string>{"orientation portrait", "resolution 300",
                                        "font Courier New", "size 10", "bold off",
                                        "text 71 marlo-veen 1.3.4", "end line", "size 12",
                                        "bold on", "text 7 ACME", "end line", "text 7 Frames"}));
    EXPECT_TRUE(follows(ops, {"size 10", "text 4 Seq.", "bold off", "text 9 No. of"}));
    EXPECT_TRUE(follows(ops, {"bold on", "text 2 Number", "bold off", "text 11 Rods"}));
    EXPECT_TRUE(follows(ops, {"bold on", "text 7 1", "bold off", "text 14 2", "text 19 476"}));
    EXPECT_TRUE(follows(ops, {"bold on", "text 5 Total number of rods   (pcs)  :   3", "bold off",
                              "end line", "text 5 Total waste             (mm)  :   4946"}));
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "bold on"), 5);
    EXPECT_EQ(ops.end()[-2], "new page");
    EXPECT_EQ(ops.back(), "end document");
}

TEST(PrintedReport, print_elevenDimensions_turnsToLandscapeAndMovesVersionRight) {
    const RecordingPrinter portrait = Result(1, 10).print();
    const RecordingPrinter landscape = Result(1, 11).print();

    EXPECT_EQ(portrait.operations()[0], "orientation portrait");
    EXPECT_EQ(portrait.pages()[0][0], std::string(70, ' ') + "marlo-veen 1.3.4");
    EXPECT_EQ(landscape.operations()[0], "orientation landscape");
    EXPECT_EQ(landscape.pages()[0][0], std::string(113, ' ') + "marlo-veen 1.3.4");
}

TEST(PrintedReport, print_twentyPieces_continuesDimensionsSeventeenOnUnderOwnHeadings) {
    const RecordingPrinter printer = Result(6, 20).print();
    const auto& page = printer.pages()[0];

    const int heading = lineStarting(page, "Seq.");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(page[heading].size(), 7u * 19) << "16 Dim headings, the last ending in column 133";
    EXPECT_EQ(page[heading + 1].substr(7 * 19 - 3), " 16") << "numbers up to 16";
    EXPECT_EQ(page[heading + 1].size(), 7u * 19);
    EXPECT_EQ(page[heading + 2], "  " + std::string(7 * 24 - 9, '-')) << "rule over all 20";

    const int row = heading + 4;
    std::string expectedRow = "      1      1    100";
    for (int i = 0; i < 16; ++i) expectedRow += "    " + std::to_string(300 - i);
    EXPECT_EQ(page[row], expectedRow);
    EXPECT_EQ(page[row + 1], "");
    EXPECT_EQ(page[row + 2], std::string(25, ' ') + "Dim    Dim    Dim    Dim");
    EXPECT_EQ(page[row + 3], std::string(26, ' ') + "17     18     19     20");
    EXPECT_EQ(page[row + 4], std::string(25, ' ') + "284    283    282    281");
    EXPECT_EQ(page[row + 5], "");
    EXPECT_EQ(page[row + 6].substr(0, 9), "      2  ");

    // Six rows of six lines each make 36, so the totals go to a new page.
    ASSERT_EQ(printer.pages().size(), 2u);
    EXPECT_EQ(lineStarting(printer.pages()[1], "Total number of rods"), 2);
}

TEST(PrintedReport, print_tableLineCount_breaksPageBeforeTotalsFrom33To45) {
    struct Case {
        int rows;
        size_t pages;
    };
    for (const Case c : {Case{16, 1}, Case{17, 2}, Case{22, 2}, Case{23, 1}}) {
        const RecordingPrinter printer = Result(c.rows, 2).print();
        ASSERT_EQ(printer.pages().size(), c.pages) << c.rows << " rows";
        if (c.pages == 2) {
            EXPECT_EQ(lineStarting(printer.pages()[1], "Total number of rods"), 2) << c.rows;
        }
    }
}

TEST(PrintedReport, print_summaryTooLongForPage_startsOnNewPageUnlessTotalsBrokeAlready) {
    // Portrait, 10 rows: 61 - 20 = 41 lines are left, 45 entries and their heading need 46.
    RecordingPrinter printer = Result(10, 2, 45).print();
    ASSERT_EQ(printer.pages().size(), 2u);
    EXPECT_EQ(printer.pages()[1].front(), "     Dim    Pcs");
    EXPECT_EQ(printer.pages()[1].size(), 46u);

    EXPECT_EQ(Result(10, 2, 40).print().pages().size(), 1u);
    // 20 rows break before the totals; the summary then stays with them.
    EXPECT_EQ(Result(20, 2, 45).print().pages().size(), 2u);
    // Landscape leaves 31 - 20 = 11 lines.
    EXPECT_EQ(Result(10, 12, 10).print().pages().size(), 1u);
    EXPECT_EQ(Result(10, 12, 11).print().pages().size(), 2u);
}

TEST(PrintedReport, print_twoCopies_repeatsTheLayoutEachEndingItsPage) {
    const Result result(10, 2, 45);
    const RecordingPrinter one = result.print(1);
    const RecordingPrinter two = result.print(2);

    const auto& once = one.operations();
    const auto& twice = two.operations();
    const size_t setup = 3;
    const size_t copy = once.size() - setup - 1;
    ASSERT_EQ(twice.size(), setup + 2 * copy + 1);
    EXPECT_TRUE(std::equal(twice.begin() + setup, twice.begin() + setup + copy,
                           twice.begin() + setup + copy));
    EXPECT_EQ(twice[setup + copy - 1], "new page");
    EXPECT_EQ(std::count(twice.begin(), twice.end(), "end document"), 1);
    EXPECT_EQ(two.pages().size(), 4u);
    EXPECT_EQ(two.pages()[2], two.pages()[0]);
    EXPECT_EQ(result.print(0).operations(), once);
}

}  // namespace
}  // namespace marlo
