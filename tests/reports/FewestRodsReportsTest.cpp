#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "ReportTestSupport.h"
#include "reports/PrintedReport.h"
#include "reports/RecordingPrinter.h"
#include "reports/SpreadsheetExport.h"

namespace marlo {
namespace {

const StringCatalogue kEnglish(Language::English);

bool containsLine(const std::vector<std::string>& lines, const std::string& wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

// A fewest-rods result of 60 patterns (pairs 500 + i, 500 - i filling rods of 1000).
struct SixtyPatterns {
    std::unique_ptr<PatternTable> patterns = std::make_unique<PatternTable>();
    ReportData data;

    SixtyPatterns() {
        for (int i = 1; i <= 60; ++i) addPattern(*patterns, 1, 0, {500 + i, 500 - i});
        data.patterns = patterns.get();
        data.totals = {60, 0, 0, 1234};
        data.parameters.rodLength = 1000;
        data.parameters.cutThickness = 0;
        data.summary = summaryOf({{560, 1}, {440, 1}});
        data.lowerBound = 60;
        data.optimal = true;
    }
};

TEST(FewestRodsReports, sixtyPatternsAndTheBound_inEveryReport) {
    SixtyPatterns result;
    const std::string lastRow = "     60      1      0    560    440";
    const std::string boundLine = "    Lower bound           (rods)  :   60   proven optimal";

    const std::vector<std::string> text = linesOf(composeTextReport(result.data, kEnglish));
    EXPECT_TRUE(containsLine(text, lastRow + " "));
    const auto bound = std::find(text.begin(), text.end(), boundLine);
    ASSERT_NE(bound, text.end());
    EXPECT_EQ(*(bound - 1), "    Slice thickness         (mm)  :   0") << "right after the totals";

    RecordingPrinter printer;
    printReport(printer, result.data, kEnglish, 1);
    std::vector<std::string> printed;
    for (const auto& page : printer.pages())
        printed.insert(printed.end(), page.begin(), page.end());
    EXPECT_TRUE(containsLine(printed, lastRow));
    EXPECT_TRUE(containsLine(printed, boundLine));

    const SpreadsheetModel sheet = composeSpreadsheet(result.data, kEnglish);
    EXPECT_EQ(std::get<double>(sheet.value({69, 2})), 60.0) << "the 60th pattern in row 69";
    EXPECT_EQ(std::get<double>(sheet.value({69, 6})), 560.0);
    EXPECT_EQ(std::get<std::string>(sheet.value({79, 2})), "Lower bound (rods)");
    EXPECT_EQ(std::get<double>(sheet.value({79, 6})), 60.0);
    EXPECT_EQ(std::get<std::string>(sheet.value({79, 7})), "proven optimal");
    EXPECT_EQ(std::get<std::string>(sheet.value({81, 2})), "Dim") << "dimensions below the bound";

    // Results of the rod-by-rod search carry no bound, and their reports show no such line.
    result.data.lowerBound.reset();
    const std::string plain = composeTextReport(result.data, kEnglish);
    EXPECT_EQ(plain.find("Lower bound"), std::string::npos);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(
        composeSpreadsheet(result.data, kEnglish).value({79, 2})));
}

}  // namespace
}  // namespace marlo
