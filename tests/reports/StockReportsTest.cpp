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

// A plan from a stock of 6500 mm rods at 6.20 and an offcut of 2100 mm, trimmed 5 mm at each end.
struct StockResult {
    std::unique_ptr<PatternTable> patterns = std::make_unique<PatternTable>();
    ReportData data;

    StockResult() {
        addPattern(*patterns, 2, 484, {3000, 3000});
        (*patterns)[0].stockItem = 0;
        addPattern(*patterns, 1, 90, {2000});
        (*patterns)[1].stockItem = 1;
        data.patterns = patterns.get();
        data.totals = {3, 1058, 3, 17};
        data.parameters.rodLength = 6000;
        data.parameters.cutThickness = 6;
        data.parameters.trim = 5;
        data.summary = summaryOf({{3000, 4}, {2000, 1}});
        data.stock.items = {{6500, 4, 6.2, StockKind::Rod, ""},
                            {2100, 1, std::nullopt, StockKind::Offcut, "R-0042"}};
        data.priceLowerBound = 12.4;
        data.optimal = true;
    }
};

TEST(StockReports, stockOfEveryPatternAndThePriceTotals_inEveryReport) {
    StockResult result;
    const std::vector<std::string> lines = {
        "    Length of the rod       (mm)  :   6500/2100",
        "    Trim at each rod end    (mm)  :   5",
        "    Total price                   :   12.40",
        "    Lower bound of the price      :   12.40   proven optimal",
        "    Material used           (mm)  :   15100",
        "    Leftovers               (mm)  :   484 × 2, 90"};
    const std::vector<std::string> text = linesOf(composeTextReport(result.data, kEnglish));
    for (const std::string& line : lines) EXPECT_TRUE(containsLine(text, line)) << line;
    // The line after each row names its stock, under the dimensions.
    const auto row = std::find(text.begin(), text.end(), "      2      1     90   2000 ");
    ASSERT_NE(row, text.end());
    EXPECT_EQ(*(row + 1), "                       Stock: 2100 mm, offcut R-0042");
    // Efficiency counts the trim as waste, over the material of the rods cut.
    EXPECT_TRUE(containsLine(text, "    Total efficiency         (%)  :   92.79"));

    RecordingPrinter printer;
    printReport(printer, result.data, kEnglish, 1);
    std::vector<std::string> printed;
    for (const auto& page : printer.pages())
        printed.insert(printed.end(), page.begin(), page.end());
    for (const std::string& line : lines) EXPECT_TRUE(containsLine(printed, line)) << line;
    EXPECT_TRUE(containsLine(printed, "                       Stock: 6500 mm"));

    const SpreadsheetModel sheet = composeSpreadsheet(result.data, kEnglish);
    // Two dimension columns (F, G), then the rod length and the stock identifier.
    EXPECT_EQ(std::get<std::string>(sheet.value({7, 8})), "Rod length");
    EXPECT_EQ(std::get<double>(sheet.value({10, 8})), 6500.0);
    EXPECT_EQ(std::get<std::string>(sheet.value({10, 9})), "new rod");
    EXPECT_EQ(std::get<std::string>(sheet.value({11, 9})), "R-0042");
    EXPECT_EQ(std::get<std::string>(sheet.value({19, 6})), "6500/2100");
    EXPECT_EQ(std::get<std::string>(sheet.value({21, 2})), "Trim at each rod end (mm)");
    EXPECT_EQ(std::get<std::string>(sheet.value({22, 2})), "Total price");
    EXPECT_DOUBLE_EQ(std::get<double>(sheet.value({22, 6})), 12.4);
    EXPECT_EQ(std::get<std::string>(sheet.value({23, 7})), "proven optimal");
    EXPECT_EQ(std::get<std::string>(sheet.value({25, 6})), "484 × 2, 90");
    EXPECT_EQ(std::get<std::string>(sheet.value({27, 2})), "Dim") << "dimensions below the totals";

    // A single-length result has none of it.
    result.data.stock = {};
    result.data.priceLowerBound.reset();
    result.data.parameters.trim = 0;
    const std::string plain = composeTextReport(result.data, kEnglish);
    for (const char* absent : {"Stock", "price", "Trim", "Leftovers"})
        EXPECT_EQ(plain.find(absent), std::string::npos) << absent;
    EXPECT_TRUE(std::holds_alternative<std::monostate>(
        composeSpreadsheet(result.data, kEnglish).value({7, 8})));
}

}  // namespace
}  // namespace marlo
