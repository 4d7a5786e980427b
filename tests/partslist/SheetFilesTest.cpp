#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "PartsTestSupport.h"
#include "i18n/texts/PartsListTexts.h"
#include "partslist/CellNumberText.h"
#include "partslist/PartsImport.h"

namespace marlo {
namespace {

using namespace parts_text;
using test::dataFile;

// parts-two-sheets.* are one workbook saved by LibreOffice Calc 7.4 (make-fixtures.sh). Its
// first sheet has a German header; the head's length is the formula 1200+34.5, the mullion's
// pieces the formula 2*3; row 4 is empty; rows 5, 7 and 8 hold a text length, no pieces and an
// angle of 80 degrees.
TEST(SheetFiles, calcWorkbooks_firstSheet_giveItsPartsRefusedRowsAndRoundedLengths) {
    const std::vector<Part> expected{
        {"W12 left jamb", "AL 6060 frame 70x45", 2150, 2, "A-2024-117", "", 45, 45},
        {"W12 head", "AL 6060 frame 70x45", 1235, 1, "A-2024-117", "cut after the jambs", 45, -45},
        {"W13  mullion", "AL 6060 mullion 70x80", 1480, 6, "A-2024-118", "", 0, 0}};
    const std::vector<RowProblem> refused{
        {5, kLengthNotANumber, "abc"}, {7, kPiecesOutOfRange, "0"}, {8, kAngleOutOfRange, "80"}};
    for (const char* name :
         {"parts-two-sheets.xlsx", "parts-two-sheets.ods", "parts-two-sheets.xls"}) {
        const PartsImport import = importParts(dataFile(name), {});
        ASSERT_EQ(import.failure, 0) << name << ": " << import.failureDetail;
        EXPECT_EQ(import.parts, expected) << name;
        EXPECT_EQ(import.refused, refused) << name;
        EXPECT_EQ(import.warnings, (std::vector<RowProblem>{{3, kLengthRounded, "1234.5"}}))
            << name;
    }
}

TEST(SheetFiles, calcWorkbooks_sheetByNameOrNumber_readThatSheetOrNameTheMissingOne) {
    const std::vector<Part> sashes{
        {"S1 sash top", "PVC sash 76", 1100, 2, "B-7", "left hand", 0, 0},
        {"S1 sash side", "PVC sash 76", 1350, 2, "B-7", "", 0, 0}};
    for (const char* name :
         {"parts-two-sheets.xlsx", "parts-two-sheets.ods", "parts-two-sheets.xls"}) {
        for (const char* sheet : {"Sashes", "SASHES", " 2 "}) {
            const PartsImport import = importParts(dataFile(name), test::options(sheet));
            EXPECT_EQ(import.parts, sashes) << name << " " << sheet;
            EXPECT_EQ(import.warnings, (std::vector<RowProblem>{{3, kLengthRounded, "1350.4"}}));
        }
        for (const char* sheet : {"Prices", "3", "0"}) {
            const PartsImport import = importParts(dataFile(name), test::options(sheet));
            EXPECT_EQ(import.failure, kSheetNotFound) << name << " " << sheet;
            EXPECT_EQ(import.failureDetail, sheet);
            EXPECT_TRUE(import.parts.empty());
        }
    }
}

// other-writers.xlsx holds what Calc does not write (make-fixtures.sh): rich text with a
// phonetic guide, a namespace prefix, cells without references, inline strings, a boolean, an
// error, numbers with an exponent and with binary noise.
TEST(SheetFiles, otherWritersWorkbook_readsEveryKindOfCellAsASpreadsheetShowsIt) {
    const PartsImport import =
        importParts(dataFile("other-writers.xlsx"), test::options({}, {}, "AL"));
    EXPECT_EQ(import.parts, (std::vector<Part>{{"W1 left  jamb", "AL", 2100, 2, "", "TRUE", 0, 0},
                                               {"W2", "AL", 1235, 4, "", "#DIV/0!", 0, 0}}));
    EXPECT_EQ(import.warnings, (std::vector<RowProblem>{{4, kLengthRounded, "1234.5"}}));
    EXPECT_EQ(import.refused, (std::vector<RowProblem>{{6, kLengthMissing, ""}}));

    // Numbers as a spreadsheet shows them: 15 significant digits, plain notation.
    EXPECT_EQ(cellNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(cellNumberText(-0.0), "0");
    EXPECT_EQ(cellNumberText(1e20), "100000000000000000000");
    EXPECT_EQ(cellNumberText(1.5e-7), "0.00000015");
    EXPECT_EQ(cellNumberText(std::string_view("-2.5E+2")), "-250");
    EXPECT_EQ(cellNumberText(std::string_view("12 mm")), "12 mm");
    EXPECT_EQ(cellNumberText(std::numeric_limits<double>::infinity()), "");
}

// The text lists of make-fixtures.sh: a Slovak header in UTF-8 with a byte-order mark and
// semicolons, a Czech one in UTF-16 with tabs, a Dutch one in Windows-1250 with commas, an
// English TSV without a material column.
TEST(SheetFiles, textLists_inEveryEncodingAndSeparator_giveTheirParts) {
    PartsImport slovak = importParts(dataFile("parts-sk-utf8bom.csv"), {});
    EXPECT_EQ(
        slovak.parts,
        (std::vector<Part>{
            {"O3 ľavý stĺpik", "AL 6060 rám 70x45", 2150, 2, "Z-15", "", 45, 45},
            {"O3 nadpražie", "AL 6060 rám 70x45", 1235, 1, "Z-15", "rez; po stĺpikoch", 22.5, 0}}));
    EXPECT_EQ(slovak.warnings, (std::vector<RowProblem>{{3, kLengthRounded, "1234,6"}}));
    EXPECT_EQ(slovak.refused, (std::vector<RowProblem>{{4, kAmbiguousNumber, "1.250"}}));

    EXPECT_EQ(
        importParts(dataFile("parts-cs-utf16.txt"), {}).parts,
        (std::vector<Part>{{"O5 křídlo", "PVC křídlo 76", 1100, 2, "Z-16", "", 0, 0},
                           {"O5 lišta", "PVC lišta 24", 620, 4, "Z-16", "sklo č. 2", -30, 30}}));
    const PartsImport dutch = importParts(dataFile("parts-nl-cp1250.csv"), {});
    EXPECT_EQ(dutch.parts,
              (std::vector<Part>{{"Řez 1", "AL profiel 50", 1501, 3, "NL-8", "", 0, 0},
                                 {"Čep 2", "AL profiel 50", 900, 1, "NL-8", "kort", 0, 0}}));
    EXPECT_EQ(dutch.warnings, (std::vector<RowProblem>{{2, kLengthRounded, "1500,5"}}));

    const PartsImport noMaterial = importParts(dataFile("parts-en.tsv"), {});
    EXPECT_EQ(noMaterial.failure, kNoMaterialColumn);
    EXPECT_EQ(noMaterial.failureDetail, dataFile("parts-en.tsv").string());
    const PartsImport english =
        importParts(dataFile("parts-en.tsv"), test::options({}, {}, "AL 50"));
    EXPECT_EQ(english.parts, (std::vector<Part>{{"A1", "AL 50", 3000, 5, "", "spare", 0, 0},
                                                {"A2", "AL 50", 3000, 1, "", "", 0, 0}}));
    EXPECT_EQ(importParts(dataFile("parts-en.tsv"), test::options("Other", {}, "AL")).failure,
              kSheetNotFound);
}

// The sample order is written as CSV and saved as XLSX by Calc: both give the same parts.
TEST(SheetFiles, windowFramesSample_csvAndXlsx_giveTheSameOrder) {
    const std::filesystem::path samples = std::filesystem::path(MARLO_SOURCE_DIR) / "samples";
    const PartsImport csv = importParts(samples / "window-frames.csv", {});
    const PartsImport xlsx = importParts(samples / "window-frames.xlsx", {});
    ASSERT_EQ(csv.failure, 0);
    EXPECT_TRUE(csv.refused.empty() && csv.warnings.empty());
    EXPECT_EQ(xlsx.parts, csv.parts);
    EXPECT_TRUE(xlsx.refused.empty() && xlsx.warnings.empty());
    std::set<std::string> materials;
    std::set<std::string> orders;
    for (const Part& part : csv.parts) {
        materials.insert(part.material);
        orders.insert(part.order);
    }
    EXPECT_GE(csv.parts.size(), 150u);
    EXPECT_LE(csv.parts.size(), 300u);
    EXPECT_GE(materials.size(), 8u);
    EXPECT_EQ(orders.size(), 3u);
}

}  // namespace
}  // namespace marlo
