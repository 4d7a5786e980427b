#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jobfile/CsvText.h"
#include "reports/PartsExport.h"

namespace marlo {
namespace {

// Texts an office list holds: a formula-looking mark, separators, quotes and a line break.
ProductionJob officeJob() {
    ProductionJob job;
    job.parts.push_back(
        {{"=W12+1", "AL 6060; frame \"70\"", 1480, 2, "2026-117", "two\nlines", -22.5, 45}, {}});
    job.parts.push_back({{"W13 sill", "PVC", 100000, 0, "", "", 0, 0}, {}});
    return job;
}

TEST(PartsExport, csvAndSheet_holdEveryPartUnderTheCaptionsOfTheLanguage) {
    const ProductionJob job = officeJob();
    const std::string csv = partsCsv(job, StringCatalogue(Language::Czech));
    ASSERT_EQ(csv.rfind(kUtf8ByteOrderMark, 0), 0u);
    EXPECT_NE(csv.find("'=W12+1"), std::string::npos) << csv;  // never run as a formula

    // The program's own reader takes every text back as it was.
    const std::vector<CsvLine> lines = csvLines(csv);
    ASSERT_EQ(lines.size(), 3u) << csv;
    EXPECT_EQ(lines[0].cells,
              (std::vector<std::string>{"Pozice", "Materiál", "Délka", "Počet", "Objednávka",
                                        "Poznámka", "Úhel 1", "Úhel 2"}));
    EXPECT_EQ(lines[1].cells,
              (std::vector<std::string>{"=W12+1", "AL 6060; frame \"70\"", "1480", "2", "2026-117",
                                        "two lines", "-22.5", "45"}));
    EXPECT_EQ(lines[2].cells,
              (std::vector<std::string>{"W13 sill", "PVC", "100000", "0", "", "", "0", "0"}));

    // The sheet holds numbers as numbers and the texts unguarded: a workbook runs no text.
    const SpreadsheetModel sheet = partsSheet(job, StringCatalogue(Language::English));
    EXPECT_EQ(sheet.value({1, 7}), CellValue(std::string("Angle 1")));
    EXPECT_TRUE(sheet.style({1, 8}).bold);
    EXPECT_EQ(sheet.value({2, 1}), CellValue(std::string("=W12+1")));
    EXPECT_EQ(sheet.value({2, 6}), CellValue(std::string("two\nlines")));
    EXPECT_EQ(sheet.value({2, 3}), CellValue(1480.0));
    EXPECT_EQ(sheet.value({2, 7}), CellValue(-22.5));
    EXPECT_EQ(sheet.value({3, 4}), CellValue(0.0));
    EXPECT_EQ(sheet.value({3, 5}), CellValue());
    EXPECT_EQ(sheet.usedCells().back(), (CellRef{3, 8}));

    EXPECT_EQ(partsFileType("list.CSV"), PartsFileType::Csv);
    EXPECT_EQ(partsFileType("/office/list.xlsx"), PartsFileType::Xlsx);
    EXPECT_EQ(partsFileType("list.xls"), std::nullopt);
    EXPECT_EQ(partsFileType("csv"), std::nullopt);
}

}  // namespace
}  // namespace marlo
