#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "reports/TextReport.h"

namespace marlo {

inline void addPattern(PatternTable& table, int rods, int waste, const std::vector<int>& lengths) {
    RodPattern& pattern = table.append();
    pattern.sequence = static_cast<int16_t>(table.count());
    pattern.rods = static_cast<int16_t>(rods);
    pattern.waste = static_cast<int16_t>(waste);
    pattern.pieceCount = static_cast<int16_t>(lengths.size());
    int i = 0;
    for (int length : lengths) pattern.lengths[i++] = static_cast<int16_t>(length);
}

inline ReportSummary summaryOf(std::initializer_list<ReportSummaryEntry> entries) {
    ReportSummary summary;
    for (const ReportSummaryEntry& entry : entries) summary.entries[summary.count++] = entry;
    return summary;
}

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the report must end with CR LF";
    return lines;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The worked example: rod 6000, cut 6, list 2000 x 3, 1500 x 2, 1000 x 4.
struct WorkedExample {
    std::unique_ptr<PatternTable> patterns = std::make_unique<PatternTable>();
    ReportData data;

    WorkedExample() {
        addPattern(*patterns, 2, 476, {2000, 1500, 1000, 1000});
        addPattern(*patterns, 1, 3994, {2000});
        data.header = {"ACME", "Frames", "White"};
        data.patterns = patterns.get();
        data.totals = {3, 4946, 3, 49};
        data.parameters.rodLength = 6000;
        data.parameters.cutThickness = 6;
        data.summary = summaryOf({{2000, 3}, {1500, 2}, {1000, 4}});
    }
};

}  // namespace marlo
