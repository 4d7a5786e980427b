#pragma once

#include <memory>
#include <vector>

#include "ReportTestSupport.h"
#include "reports/PrintedReport.h"
#include "reports/RecordingPrinter.h"

namespace marlo {

// A result of `rows` patterns of `pieces` pieces each, and a summary of `summaryEntries`
// distinct dimensions.
struct PrintedResult {
    std::unique_ptr<PatternTable> patterns = std::make_unique<PatternTable>();
    ReportData data;

    PrintedResult(int rows, int pieces, int summaryEntries = 1) {
        for (int r = 0; r < rows; ++r) {
            std::vector<int> lengths;
            for (int i = 0; i < pieces; ++i) lengths.push_back(300 - i);
            addPattern(*patterns, 1, 100 + r, lengths);
        }
        data.patterns = patterns.get();
        data.totals = {static_cast<int16_t>(rows), 100, 1, 5};
        for (int i = 0; i < summaryEntries; ++i) {
            data.summary.entries[data.summary.count++] = {static_cast<int16_t>(5000 - i), 1};
        }
    }

    // Every line the layout draws, in English, on a printer whose page never ends.
    RecordingPrinter print(int copies = 1) const {
        RecordingPrinter printer;
        printReport(printer, data, StringCatalogue(Language::English), copies);
        return printer;
    }
};

}  // namespace marlo
