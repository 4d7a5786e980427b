#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "reports/TextReport.h"

namespace marlo {
namespace {

// Line indexes of a report: header, two empty lines, the two headings, the rule.
constexpr int kHeading1 = 6;
constexpr int kHeading2 = 7;
constexpr int kRule = 8;
constexpr int kFirstRow = 10;

TEST(TextReport, compose_workedExample_matchesExpectedFile) {
    WorkedExample example;
    const std::string report = composeTextReport(example.data, StringCatalogue(Language::English));

    EXPECT_EQ(report, readFile(MARLO_TEST_DATA_DIR "/data/worked-example-en.txt"));
}

TEST(TextReport, compose_oneRowEnglish_alignsHeadingsRuleAndValuesInSevenCharacterColumns) {
    PatternTable patterns;
    addPattern(patterns, 12, 150, {1200, 850, 850});
    ReportData data;
    data.patterns = &patterns;
    data.totals = {12, 150, 1, 7};
    data.summary = summaryOf({{1200, 12}, {850, 24}});

    const auto lines = linesOf(composeTextReport(data, StringCatalogue(Language::English)));

    for (int i = 1; i <= 3; ++i) EXPECT_EQ(lines[i], "      ") << "empty header field " << i;
    EXPECT_EQ(lines[kHeading1], "   Seq. No. of           Dim    Dim    Dim");
    EXPECT_EQ(lines[kHeading2], " Number   Rods  Waste      1      2      3 ");
    EXPECT_EQ(lines[kRule], "  " + std::string(40, '-'));
    EXPECT_EQ(lines[kRule + 1], "");
    EXPECT_EQ(lines[kFirstRow], "      1     12    150   1200    850    850 ");
    EXPECT_EQ(lines[kFirstRow + 1], "");
    EXPECT_EQ(lines.end()[-3], "     Dim    Pcs");
    EXPECT_EQ(lines.end()[-2], "    1200     12");
    EXPECT_EQ(lines.end()[-1], "     850     24");
}

TEST(TextReport, compose_twelveDimensions_keepsLastDigitsOfNumbersAndValuesUnderDim) {
    PatternTable patterns;
    addPattern(patterns, 1, -3, {500, 500, 500, 500, 500, 500, 500, 500, 500, 490, 480, 470});
    ReportData data;
    data.patterns = &patterns;
    data.totals.rodCount = 1;

    const auto lines = linesOf(composeTextReport(data, StringCatalogue(Language::English)));

    auto endsAt = [](const std::string& line, const std::string& text, int lastColumn) {
        return line.compare(lastColumn - text.size(), text.size(), text) == 0;
    };
    for (int c = 1; c <= 12; ++c) {
        const int lastColumn = 7 * (c + 3);
        EXPECT_TRUE(endsAt(lines[kHeading1], "Dim", lastColumn)) << c;
        EXPECT_TRUE(endsAt(lines[kHeading2], " " + std::to_string(c) + " ", lastColumn + 1)) << c;
    }
    EXPECT_EQ(lines[kHeading2].size(), 7u * 15 + 1);
    EXPECT_EQ(lines[kRule], "  " + std::string(103, '-'));
    EXPECT_TRUE(endsAt(lines[kFirstRow], "  -3 ", 22));
    EXPECT_TRUE(endsAt(lines[kFirstRow], " 490    480    470 ", 106));
}

// Characters, not bytes: "ü" or "č" take one column of the report.
size_t columnsOf(const std::string& utf8) {
    return static_cast<size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(TextReport, compose_everyLanguage_keepsHeadingsAndTotalsInTheirColumns) {
    WorkedExample example;
    example.data.lowerBound = 3;
    const std::string englishRow =
        linesOf(composeTextReport(example.data, StringCatalogue(Language::English)))[kFirstRow];

    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        const auto lines = linesOf(composeTextReport(example.data, catalogue));

        // The second heading line holds the waste heading, ending in column 21 after a blank,
        // and the dimension numbers: no heading is so wide that the line spills over.
        const std::string& heading = lines[kHeading2];
        EXPECT_TRUE(heading.ends_with(" " + catalogue.text(11) + "      1      2      3      4 "))
            << heading;
        EXPECT_EQ(columnsOf(heading), 7u * 7 + 1) << heading;
        EXPECT_EQ(lines[kRule], "  " + std::string(47, '-')) << static_cast<int>(language);
        EXPECT_EQ(lines[kFirstRow], englishRow);

        // Every total, parameter and bound line puts its colon and its value in one column.
        const int totals = kFirstRow + 2 * 2 + 2;
        const size_t colon = columnsOf(lines[totals].substr(0, lines[totals].find(':')));
        for (int line = totals; line < totals + 8; ++line) {
            ASSERT_NE(lines[line].find(':'), std::string::npos) << lines[line];
            EXPECT_EQ(columnsOf(lines[line].substr(0, lines[line].find(':'))), colon)
                << lines[line];
        }
        // German and Dutch labels are as wide as the English ones; Slovak and Czech keep theirs.
        const bool slavic = language == Language::Slovak || language == Language::Czech;
        EXPECT_EQ(colon, slavic ? 31u : 34u) << lines[totals];
    }
}

TEST(TextReport, compose_totalsAndSummary_followCatalogueCaptionsAndFormats) {
    WorkedExample example;
    example.data.totals = {4, 0, 0, 1234567};
    example.data.summary = summaryOf(
        {{2000, 3}, {1500, 2}, {1000, 4}, {900, 1}, {800, 1}, {700, 1}, {600, 1}, {500, 1}});
    const StringCatalogue english(Language::English);
    const size_t longer = linesOf(composeTextReport(example.data, english)).size();
    example.data.summary = summaryOf({{1999, 3}, {1500, 2}, {1000, 4}, {900, 1}, {800, 1}});

    const auto lines = linesOf(composeTextReport(example.data, english, ','));

    const int totals = kFirstRow + 2 * 2 + 2;
    EXPECT_EQ(lines[totals - 1], "");
    EXPECT_EQ(lines[totals + 0], "    Total number of rods   (pcs)  :   4");
    EXPECT_EQ(lines[totals + 1], "    Total waste             (mm)  :   0");
    EXPECT_EQ(lines[totals + 3], "    Total efficiency         (%)  :   100,00");
    EXPECT_EQ(lines[totals + 4], "    Total calculated possibilities:   1234567");
    EXPECT_EQ(lines[totals + 6], "    Slice thickness         (mm)  :   6");
    EXPECT_EQ(lines[totals + 9], "     Dim    Pcs");
    EXPECT_EQ(lines.size(), static_cast<size_t>(totals + 10 + 5));
    EXPECT_EQ(longer, lines.size() + 3);
    EXPECT_EQ(lines.back(), "     800      1");

    const StringCatalogue slovak(Language::Slovak);
    EXPECT_EQ(linesOf(composeTextReport(example.data, slovak))[totals + 3],
              slovak.text(78) + "100.00");
}

TEST(TextReport, proposedFileName_stripsJobExtensionOrUsesLocalisedNew) {
    const std::pair<Language, std::string> expected[] = {{Language::English, "New"},
                                                         {Language::Slovak, "Nový"},
                                                         {Language::Czech, "Nový"},
                                                         {Language::German, "Neu"},
                                                         {Language::Dutch, "Nieuw"}};
    for (const auto& [language, name] : expected) {
        EXPECT_EQ(proposedReportFileName("", StringCatalogue(language)), name);
    }
    const StringCatalogue english(Language::English);
    EXPECT_EQ(proposedReportFileName("C:\\jobs\\a.opt", english), "C:\\jobs\\a");
    EXPECT_EQ(proposedReportFileName("/home/jana/Plán č.1.opt", english), "/home/jana/Plán č.1");
    EXPECT_EQ(proposedReportFileName(".opt", english), "");
    EXPECT_EQ(proposedReportFileName("/home/jana/frames.MVJOB", english), "/home/jana/frames");
}

TEST(TextReport, save_writesWindows1250AndReportsFailure) {
    WorkedExample example;
    example.data.header.customer = "Zákazník Čierny";
    const StringCatalogue slovak(Language::Slovak);
    const auto dir = std::filesystem::path(testing::TempDir()) / "marlo-text-report";
    std::filesystem::create_directories(dir);
    const auto path = dir / "report";

    ASSERT_TRUE(saveTextReport(path, example.data, slovak));

    const std::string bytes = readFile(path);
    EXPECT_NE(bytes.find("      Z\xE1kazn\xEDk \xC8ierny\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "no UTF-8 left";
    EXPECT_FALSE(saveTextReport(dir / "missing" / "report.txt", example.data, slovak));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace marlo
