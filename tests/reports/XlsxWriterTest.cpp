#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ReportTestSupport.h"
#include "reports/SpreadsheetExport.h"
#include "reports/XlsxWriter.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;

const StringCatalogue kEnglish(Language::English);

class XlsxWriterTest : public testing::Test {
  protected:
    void SetUp() override {
        // ctest runs the tests of this fixture side by side: each gets a folder of its own.
        folder_ = fs::path(testing::TempDir()) /
                  (std::string("marlo-xlsx-") +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // One part of the written workbook, as the archive holds it.
    static std::string partOf(const fs::path& workbook, const std::string& part) {
        const std::string command = "unzip -p '" + workbook.string() + "' " + part;
        std::string text;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
            pclose(pipe);
        }
        return text;
    }

    // The XML element of one cell of the sheet, or nothing when the cell is not written.
    static std::string cellOf(const std::string& sheetXml, const std::string& address) {
        const size_t start = sheetXml.find("<c r=\"" + address + "\"");
        if (start == std::string::npos) return "";
        const size_t tagEnd = sheetXml.find('>', start);
        const size_t end =
            sheetXml[tagEnd - 1] == '/' ? tagEnd + 1 : sheetXml.find("</c>", start) + 4;
        return sheetXml.substr(start, end - start);
    }

    fs::path folder_;
};

TEST_F(XlsxWriterTest, write_workedExample_keepsValuesMergesAndSheetSettings) {
    if (std::system("unzip -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "unzip is not installed";
    WorkedExample example;
    const fs::path path = folder_ / "Frames.xlsx";

    ASSERT_TRUE(writeXlsx(composeSpreadsheet(example.data, kEnglish), path));

    const std::string sheet = partOf(path, "xl/worksheets/sheet1.xml");
    const std::string strings = partOf(path, "xl/sharedStrings.xml");
    const std::string styles = partOf(path, "xl/styles.xml");
    ASSERT_FALSE(sheet.empty());
    for (const char* merge : {"B3:E3", "B4:E4", "B5:E5", "E15:F15", "E18:F18"}) {
        EXPECT_NE(sheet.find("<mergeCell ref=\"" + std::string(merge) + "\"/>"), std::string::npos)
            << merge;
    }
    EXPECT_NE(cellOf(sheet, "F10").find("<v>2000</v>"), std::string::npos);
    EXPECT_NE(cellOf(sheet, "D11").find("<v>3994</v>"), std::string::npos);
    EXPECT_NE(cellOf(sheet, "E15").find("<v>4946</v>"), std::string::npos) << "merged value";
    EXPECT_NE(cellOf(sheet, "F17").find("<v>72.52"), std::string::npos);
    EXPECT_NE(cellOf(sheet, "C25").find("<v>4</v>"), std::string::npos);
    EXPECT_NE(cellOf(sheet, "H11"), "") << "empty cells of a shorter row are formatted";
    EXPECT_NE(cellOf(sheet, "B3").find("t=\"s\""), std::string::npos);
    for (const char* text : {"<t>ACME</t>", "<t>marlo-veen 1.3.4</t>", "<t>Seq.</t>",
                             "<t>Calculated possibilities</t>"}) {
        EXPECT_NE(strings.find(text), std::string::npos) << text;
    }
    EXPECT_NE(sheet.find("showGridLines=\"0\""), std::string::npos);
    EXPECT_NE(sheet.find("<selection activeCell=\"B1\" sqref=\"B1\"/>"), std::string::npos);
    const size_t spacerRow = sheet.find("<row r=\"9\"");
    EXPECT_NE(sheet.substr(spacerRow, sheet.find('>', spacerRow) - spacerRow).find("ht=\"7.5\""),
              std::string::npos);
    EXPECT_NE(styles.find("formatCode=\"#,##0.000\""), std::string::npos);
    EXPECT_NE(styles.find("<fgColor rgb=\"FFFFFF99\"/>"), std::string::npos);
    EXPECT_NE(styles.find("style=\"hair\""), std::string::npos);
    EXPECT_NE(styles.find("<name val=\"Verdana\"/>"), std::string::npos);
}

TEST_F(XlsxWriterTest, write_intoMissingFolder_fails) {
    WorkedExample example;
    EXPECT_FALSE(writeXlsx(composeSpreadsheet(example.data, kEnglish), folder_ / "no" / "a.xlsx"));
}

TEST_F(XlsxWriterTest, uniquePath_namesFileAfterJobAndNumbersTakenNames) {
    const fs::path first = uniqueSpreadsheetPath("/home/jana/Plán č.1.opt", kEnglish, folder_);
    EXPECT_EQ(first, folder_ / "Plán č.1.xlsx");
    std::ofstream(first).put('x');
    EXPECT_EQ(uniqueSpreadsheetPath("/home/jana/Plán č.1.opt", kEnglish, folder_),
              folder_ / "Plán č.1 (2).xlsx");
    EXPECT_EQ(uniqueSpreadsheetPath("", StringCatalogue(Language::German), folder_),
              folder_ / "Neu.xlsx");
}

}  // namespace
}  // namespace marlo
