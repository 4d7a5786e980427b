#include "cli/RunOutcome.h"

#include <algorithm>
#include <cstdio>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "optimiser/NumberFormats.h"
#include "reports/ColumnWriter.h"

namespace marlo {

namespace {

const char* statusName(RunOutcome::Status status) {
    switch (status) {
        case RunOutcome::Status::Finished:
            return "finished";
        case RunOutcome::Status::Aborted:
            return "aborted";
        case RunOutcome::Status::Nothing:
            return "nothing";
    }
    return "";
}

std::string jsonNumber(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

template <typename Range, typename Write>
std::string jsonList(const Range& range, Write write) {
    std::string text = "[";
    bool first = true;
    for (const auto& item : range) {
        if (!first) text += ", ";
        first = false;
        text += write(item);
    }
    return text + "]";
}

}  // namespace

std::string outcomeJson(const RunOutcome& o) {
    const PatternTable empty;
    const PatternTable& patterns = o.patterns != nullptr ? *o.patterns : empty;
    std::string json = "{\"status\": \"" + std::string(statusName(o.status)) + "\", ";
    json += "\"rejected_rows\": " +
            jsonList(o.rejectedRows, [](int row) { return std::to_string(row); }) + ", ";
    json += "\"patterns\": " +
            jsonList(patterns,
                     [](const RodPattern& p) {
                         return "{\"seq\": " + std::to_string(p.sequence) +
                                ", \"rods\": " + std::to_string(p.rods) +
                                ", \"waste\": " + std::to_string(p.waste) + ", \"pieces\": " +
                                jsonList(std::vector<int16_t>(p.lengths.begin(),
                                                              p.lengths.begin() + p.pieceCount),
                                         [](int16_t length) { return std::to_string(length); }) +
                                "}";
                     }) +
            ", ";
    json += "\"rod_count\": " + std::to_string(o.totals.rodCount) + ", ";
    json += "\"total_waste\": " + std::to_string(o.totals.totalWaste) + ", ";
    json += "\"waste_pieces\": " + std::to_string(o.totals.wastePieceCount) + ", ";
    json += "\"efficiency\": " + (o.efficiency ? jsonNumber(*o.efficiency) : std::string("null")) +
            ", ";
    json +=
        "\"calculated_possibilities\": " + std::to_string(o.totals.calculatedPossibilities) + ", ";
    json += "\"method\": \"" +
            std::string(o.method == OptimisationMethod::FewestRods ? "fewest" : "search") + "\", ";
    json +=
        "\"lower_bound\": " + (o.lowerBound ? std::to_string(*o.lowerBound) : std::string("null")) +
        ", ";
    json += "\"optimal\": " + std::string(o.optimal ? "true" : "false") + "}\n";
    return json;
}

std::string outcomeTable(const RunOutcome& o, const StringCatalogue& catalogue) {
    StringLineSink sink("\n");
    ColumnWriter out(sink);
    if (o.patterns != nullptr && o.patterns->count() > 0) {
        // Columns as wide as their heading, at least seven characters, values right-aligned.
        std::vector<std::string> headings = {catalogue.text(9), catalogue.text(10),
                                             catalogue.text(11), catalogue.text(12)};
        for (int j = 1; j <= o.patterns->maxPieceCount(); ++j)
            headings.push_back(catalogue.text(16) + std::to_string(j));
        std::vector<int> ends;
        int end = 0;
        for (const std::string& heading : headings) {
            end += std::max(7, characterCount(heading)) + 2;
            ends.push_back(end);
        }
        for (size_t c = 0; c < headings.size(); ++c) out.textEndingAt(headings[c], ends[c]);
        out.endLine();
        for (const RodPattern& p : *o.patterns) {
            for (int row = 1; row <= p.pieceCount + 4; ++row)
                out.textEndingAt(std::to_string(p.row(row)), ends[row - 1]);
            out.endLine();
        }
        out.endLine();
    }
    const std::string values[] = {std::to_string(o.totals.rodCount),
                                  std::to_string(o.totals.totalWaste),
                                  std::to_string(o.totals.wastePieceCount),
                                  o.efficiency ? formatEfficiency(*o.efficiency) : std::string(),
                                  formatPossibilities(o.totals.calculatedPossibilities)};
    for (int i = 0; i < 5; ++i) {
        out.text(catalogue.text(42 + i));
        out.tab(34);
        out.text(values[i]);
        out.endLine();
    }
    if (o.method == OptimisationMethod::FewestRods && o.lowerBound) {
        out.text(catalogue.text(fewest_text::kLowerBound));
        out.tab(34);
        out.text(std::to_string(*o.lowerBound) + "  " +
                 catalogue.text(o.optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven));
        out.endLine();
    }
    return sink.text();
}

}  // namespace marlo
