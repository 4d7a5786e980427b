#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "ReportTestSupport.h"
#include "reports/SpreadsheetExport.h"

namespace marlo {
namespace {

const StringCatalogue kEnglish(Language::English);

// A cell by its address, "B10" for row 10 of column B.
CellRef at(const std::string& address) {
    const size_t digits = address.find_first_of("0123456789");
    int column = 0;
    for (size_t i = 0; i < digits; ++i) column = column * 26 + (address[i] - 'A' + 1);
    return {std::stoi(address.substr(digits)), column};
}

std::string textAt(const SpreadsheetModel& sheet, const std::string& address) {
    const auto* text = std::get_if<std::string>(&sheet.value(at(address)));
    return text ? *text : "<no text in " + address + ">";
}

double numberAt(const SpreadsheetModel& sheet, const std::string& address) {
    const auto* number = std::get_if<double>(&sheet.value(at(address)));
    return number ? *number : -1;
}

bool emptyAt(const SpreadsheetModel& sheet, const std::string& address) {
    return std::holds_alternative<std::monostate>(sheet.value(at(address)));
}

CellStyle styleAt(const SpreadsheetModel& sheet, const std::string& address) {
    return sheet.style(at(address));
}

// One pattern (12 rods of 1200, 850, 850 with 150 mm waste): the result grid has 7 columns.
struct OneRowResult {
    PatternTable patterns;
    ReportData data;

    OneRowResult() {
        addPattern(patterns, 12, 150, {1200, 850, 850});
        data.header = {"ACME", "Frames", "White"};
        data.patterns = &patterns;
        data.totals = {12, 1800, 12, 1234567};
        data.summary = summaryOf({{1200, 12}, {850, 24}});
    }
};

TEST(SpreadsheetExport, compose_oneRowSevenGridColumns_placesEveryBlockOfTheSheet) {
    OneRowResult result;
    const SpreadsheetModel sheet = composeSpreadsheet(result.data, kEnglish);

    EXPECT_EQ(textAt(sheet, "B1"), "marlo-veen 1.3.4");
    EXPECT_EQ(styleAt(sheet, "B1").fontName, "Verdana");
    EXPECT_EQ(styleAt(sheet, "B1").fontSize, 8);
    EXPECT_EQ(textAt(sheet, "B4"), "Frames");
    EXPECT_TRUE(styleAt(sheet, "B5").bold);

    for (const char* cell : {"B7", "C7", "D7", "E7", "F7", "H7", "B8", "C8", "E8"}) {
        EXPECT_TRUE(styleAt(sheet, cell).bold) << cell;
        EXPECT_EQ(styleAt(sheet, cell).horizontal, HorizontalAlignment::Centre) << cell;
    }
    EXPECT_EQ(textAt(sheet, "B7") + "|" + textAt(sheet, "C7") + "|" + textAt(sheet, "D7") + "|" +
                  textAt(sheet, "E7"),
              "Seq.|No. of|Waste|no. of");
    EXPECT_EQ(textAt(sheet, "B8") + "|" + textAt(sheet, "C8") + "|" + textAt(sheet, "E8"),
              "Number|Rods|pieces");
    EXPECT_TRUE(emptyAt(sheet, "D8"));
    EXPECT_EQ(textAt(sheet, "H7"), "Dim");
    EXPECT_EQ(numberAt(sheet, "H8"), 3);
    EXPECT_TRUE(emptyAt(sheet, "I7"));

    const double row10[] = {1, 12, 150, 3, 1200, 850, 850};
    for (int column = 2; column <= 8; ++column) {
        EXPECT_EQ(std::get<double>(sheet.value({10, column})), row10[column - 2]) << column;
    }
    EXPECT_EQ(styleAt(sheet, "H10").fontColour, (Rgb{0, 0, 255}));

    EXPECT_EQ(textAt(sheet, "B12"), "Summary");
    EXPECT_EQ(numberAt(sheet, "F13"), 12);
    EXPECT_EQ(textAt(sheet, "G13"), "pieces");
    EXPECT_NEAR(numberAt(sheet, "F16"), 97.5, 1e-9) << "1 - 1.8 / (6 x 12)";
    EXPECT_EQ(numberAt(sheet, "E17"), 1234567);
    EXPECT_EQ(textAt(sheet, "B19"), "Slice thickness");
    EXPECT_EQ(numberAt(sheet, "F19"), 6);

    EXPECT_EQ(textAt(sheet, "B21") + "|" + textAt(sheet, "C21"), "Dim|Pcs");
    EXPECT_EQ(numberAt(sheet, "B23"), 850);
    EXPECT_EQ(numberAt(sheet, "C23"), 24);
    EXPECT_EQ(styleAt(sheet, "C23").fill, (Rgb{153, 204, 255}));
    EXPECT_EQ(styleAt(sheet, "C23").horizontal, HorizontalAlignment::Right);

    EXPECT_EQ(sheet.columnWidths().at(1), 0.83);
    EXPECT_EQ(sheet.columnWidths().at(8), 8);
    EXPECT_EQ(sheet.columnWidths().count(9), 0u);
    EXPECT_EQ(sheet.rowHeights().at(9), 7.5);
    EXPECT_FALSE(sheet.gridlines());
    EXPECT_EQ(sheet.selection(), at("B1"));
}

TEST(SpreadsheetExport, compose_resultLines_laterRangesOverrideSharedEdges) {
    OneRowResult result;
    addPattern(result.patterns, 1, 4000, {2000});
    const SpreadsheetModel sheet = composeSpreadsheet(result.data, kEnglish);

    // The shorter second row keeps its trailing cells empty but filled and framed.
    EXPECT_TRUE(emptyAt(sheet, "H11"));
    EXPECT_EQ(styleAt(sheet, "H11").fill, (Rgb{255, 255, 153}));
    EXPECT_EQ(styleAt(sheet, "H11").right, BorderLine::Thin);
    EXPECT_EQ(styleAt(sheet, "H11").bottom, BorderLine::Thin);
    EXPECT_EQ(styleAt(sheet, "H11").top, BorderLine::Hairline);

    // Sequence, rods and waste are framed as columns; pieces and dimensions are not.
    for (const char* cell : {"B7", "B8", "B10", "B11"}) {
        EXPECT_EQ(styleAt(sheet, cell).right, BorderLine::Thin) << cell;
        EXPECT_EQ(styleAt(sheet, cell).left, BorderLine::Thin) << cell;
        EXPECT_EQ(styleAt(sheet, std::string("E") + (cell + 1)).left, BorderLine::None) << cell;
        EXPECT_EQ(styleAt(sheet, std::string("F") + (cell + 1)).left, BorderLine::None) << cell;
    }
    EXPECT_EQ(styleAt(sheet, "D10").right, BorderLine::None);
    EXPECT_EQ(styleAt(sheet, "C7").bottom, BorderLine::None) << "no line inside the headings";
    EXPECT_EQ(styleAt(sheet, "C9").bottom, BorderLine::Thin);
    EXPECT_EQ(styleAt(sheet, "F7").top, BorderLine::Thin);
    EXPECT_EQ(styleAt(sheet, "F9").fill, (Rgb{255, 192, 0}));

    EXPECT_EQ(styleAt(sheet, "B13").top, BorderLine::Medium) << "totals one row lower";
    EXPECT_EQ(styleAt(sheet, "G20").right, BorderLine::Medium);
    EXPECT_EQ(styleAt(sheet, "C15").bottom, BorderLine::None);
    EXPECT_EQ(styleAt(sheet, "C22").bottom, BorderLine::Thin);
    EXPECT_EQ(styleAt(sheet, "C23").bottom, BorderLine::None);
}

TEST(SpreadsheetExport, compose_headerAndTotals_mergedCellsShowTheirValuesInTheirFormats) {
    OneRowResult result;
    const SpreadsheetModel sheet = composeSpreadsheet(result.data, kEnglish);

    const std::vector<CellRange> merges = {{at("B3"), at("E3")},
                                           {at("B4"), at("E4")},
                                           {at("B5"), at("E5")},
                                           {at("E14"), at("F14")},
                                           {at("E17"), at("F17")}};
    EXPECT_EQ(sheet.merges(), merges);
    EXPECT_EQ(textAt(sheet, "B3"), "ACME");
    EXPECT_EQ(styleAt(sheet, "B3").horizontal, HorizontalAlignment::Left);
    EXPECT_EQ(styleAt(sheet, "E4").fill, (Rgb{255, 153, 204}));
    EXPECT_EQ(styleAt(sheet, "E4").right, BorderLine::Thin);
    EXPECT_EQ(styleAt(sheet, "C4").top, BorderLine::None);

    EXPECT_EQ(numberAt(sheet, "E14"), 1800);
    EXPECT_TRUE(emptyAt(sheet, "F14"));
    EXPECT_EQ(numberAt(sheet, "F15"), 12);
    for (const char* cell : {"E13", "F13", "E14", "F15", "F17", "F18", "F19"}) {
        EXPECT_EQ(styleAt(sheet, cell).numberFormat, "#,##0") << cell;
    }
    EXPECT_EQ(styleAt(sheet, "F16").numberFormat, "#,##0.000");
    EXPECT_EQ(styleAt(sheet, "F17").horizontal, HorizontalAlignment::Right);
    EXPECT_EQ(styleAt(sheet, "F18").horizontal, HorizontalAlignment::General);
    EXPECT_EQ(styleAt(sheet, "G17").horizontal, HorizontalAlignment::Left);
    EXPECT_TRUE(styleAt(sheet, "B12").bold);
    EXPECT_EQ(styleAt(sheet, "D19").fill, (Rgb{204, 255, 204}));
}

TEST(SpreadsheetExport, compose_german_usesGermanCaptions) {
    OneRowResult result;
    const SpreadsheetModel sheet =
        composeSpreadsheet(result.data, StringCatalogue(Language::German));

    EXPECT_EQ(textAt(sheet, "C7"), "Stang.");
    EXPECT_EQ(textAt(sheet, "C8"), "Anzahl");
    EXPECT_EQ(textAt(sheet, "G13"), "Stk.");
}

TEST(SpreadsheetExport, compose_listsTheDimensionsOfTheOrderedList) {
    OneRowResult result;
    const CuttingList list = {{"850", "20"}, {"1200", "12"}, {"850", "4"}};
    result.data.summary = *orderForReport(list, 6000);

    const SpreadsheetModel sheet = composeSpreadsheet(result.data, kEnglish);
    EXPECT_EQ(numberAt(sheet, "B22"), 1200);
    EXPECT_EQ(numberAt(sheet, "C23"), 24);
}

}  // namespace
}  // namespace marlo
